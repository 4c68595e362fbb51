#include "update/gui/UpdateDialogs.h"

#include "shell/Services.h"

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
    box->setReadOnly(true);
    box->setPlainText(text);
    return box;
}

} // namespace

TWhatsNewDlg::TWhatsNewDlg(const QString& text, const TWhatsNewCaptions& captions, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(captions.Caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    TextBox = TextBoxOf(this, text);
    layout->addWidget(TextBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OkBtn = new QPushButton(captions.OkButton, this);
    CancelBtn = new QPushButton(captions.CancelButton, this);
    OkBtn->setDefault(true);
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);
    setTabOrder(OkBtn, CancelBtn);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    CentreOnScreen(this);
    OkBtn->setFocus();
}

TLicenseDlg::TLicenseDlg(const QString& text, const TLicenseCaptions& captions, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(captions.Caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    TextBox = TextBoxOf(this, text);
    layout->addWidget(TextBox, 1);
    auto* row = new QHBoxLayout;
    AcceptBtn = new QRadioButton(captions.Accept, this);
    NotAcceptBtn = new QRadioButton(captions.NotAccept, this);
    OkBtn = new QPushButton(captions.OkButton, this);
    OkBtn->setEnabled(false);
    row->addWidget(AcceptBtn);
    row->addWidget(NotAcceptBtn);
    row->addStretch(1);
    row->addWidget(OkBtn);
    layout->addLayout(row);
    auto choose = [this] { OkBtn->setEnabled(true); };
    connect(AcceptBtn, &QRadioButton::toggled, this, choose);
    connect(NotAcceptBtn, &QRadioButton::toggled, this, choose);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    CentreOnScreen(this);
}

bool TLicenseDlg::Accepted() const { return result() == QDialog::Accepted && AcceptBtn->isChecked(); }

THtmlDlg::THtmlDlg(const QString& html, const QString& address, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(address);
    auto* layout = new QVBoxLayout(this);
    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    Browser->setHtml(html);
    layout->addWidget(Browser, 1);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(box);
    resize(520, 420);
}

TQtUpdateHost::TQtUpdateHost(IMessageService& messages, IShell& shell, QWidget* owner, std::function<void()> quit)
    : m_messages(messages), m_shell(shell), m_owner(owner), m_quit(std::move(quit))
{
}

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
