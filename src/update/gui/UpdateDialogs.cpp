#include "update/gui/UpdateDialogs.h"

#include "shell/Services.h"
#include "widgets/AccessibleName.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace sv {

namespace {

void CentreOnScreen(QWidget* w)
{
    w->resize(400, 400);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        w->move(screen->availableGeometry().center() - QPoint(200, 200));
}

QPlainTextEdit* TextBoxOf(QWidget* parent, const QString& text)
{
    auto* box = new QPlainTextEdit(parent);
    SetAccessibleName(box, QStringLiteral("Text"));
    box->setReadOnly(true);
    box->setPlainText(text);
    return box;
}

} // namespace

TWhatsNewDlg::TWhatsNewDlg(const QString& text, const TWhatsNewCaptions& captions, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(captions.Caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    m_textBox = TextBoxOf(this, text);
    m_textBox->setObjectName(QStringLiteral("textBox"));
    layout->addWidget(m_textBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_okButton = new QPushButton(captions.OkButton, this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton = new QPushButton(captions.CancelButton, this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_okButton->setDefault(true);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);
    setTabOrder(m_okButton, m_cancelButton);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    CentreOnScreen(this);
    m_okButton->setFocus();
}

TLicenseDlg::TLicenseDlg(const QString& text, const TLicenseCaptions& captions, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(captions.Caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    m_textBox = TextBoxOf(this, text);
    m_textBox->setObjectName(QStringLiteral("textBox"));
    layout->addWidget(m_textBox, 1);
    auto* row = new QHBoxLayout;
    m_acceptButton = new QRadioButton(captions.Accept, this);
    m_acceptButton->setObjectName(QStringLiteral("acceptButton"));
    m_notAcceptButton = new QRadioButton(captions.NotAccept, this);
    m_notAcceptButton->setObjectName(QStringLiteral("notAcceptButton"));
    m_okButton = new QPushButton(captions.OkButton, this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setEnabled(false);
    row->addWidget(m_acceptButton);
    row->addWidget(m_notAcceptButton);
    row->addStretch(1);
    row->addWidget(m_okButton);
    layout->addLayout(row);
    auto choose = [this] { m_okButton->setEnabled(true); };
    connect(m_acceptButton, &QRadioButton::toggled, this, choose);
    connect(m_notAcceptButton, &QRadioButton::toggled, this, choose);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    CentreOnScreen(this);
}

bool TLicenseDlg::Accepted() const { return result() == QDialog::Accepted && m_acceptButton->isChecked(); }

THtmlDlg::THtmlDlg(const QString& html, const QString& address, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(address);
    auto* layout = new QVBoxLayout(this);
    m_browser = new QTextBrowser(this);
    SetAccessibleName(m_browser, QStringLiteral("Text"));
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setHtml(html);
    layout->addWidget(m_browser, 1);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(box);
    resize(520, 420);
}

TQtUpdateHost::TQtUpdateHost(IMessageService& messages, IShell& shell, QWidget* owner, std::function<void()> quit)
    : m_messages(messages), m_shell(shell), m_owner(owner), m_quit(std::move(quit))
{ }

void TQtUpdateHost::Information(const QString& text) { m_messages.Information(text); }

bool TQtUpdateHost::Confirm(const QString& text) { return m_messages.Confirm(text); }

void TQtUpdateHost::ShowHtmlDialog(const QString& html, const QString& address)
{
    THtmlDlg dlg(html, address, m_owner);
    dlg.exec();
}

bool TQtUpdateHost::WhatsNew(const QString& text, const TWhatsNewCaptions& captions)
{
    TWhatsNewDlg dlg(text, captions, m_owner);
    return dlg.exec() == QDialog::Accepted;
}

bool TQtUpdateHost::License(const QString& text, const TLicenseCaptions& captions)
{
    TLicenseDlg dlg(text, captions, m_owner);
    dlg.exec();
    return dlg.Accepted();
}

void TQtUpdateHost::OpenUrl(const QString& address)
{
    if (QFileInfo(address).isAbsolute())
        m_shell.OpenDocument(address);
    else
        m_shell.OpenUrl(address);
}

bool TQtUpdateHost::StartProgram(const QString& program, const QStringList& args)
{
    return QProcess::startDetached(program, args);
}

bool TQtUpdateHost::StartDetached(const QString& program, const QStringList& args, QString* error)
{
    QProcess p;
    p.setProgram(program);
    p.setArguments(args);
    if (p.startDetached())
        return true;
    if (error)
        *error = p.errorString();
    return false;
}

void TQtUpdateHost::QuitApplication()
{
    if (m_quit)
        m_quit();
}

} // namespace sv
