#include "print/gui/DocumentDlg.h"

#include "common/Utf8Text.h"
#include "print/gui/SaveDialog.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "widgets/DialogKeys.h"
#include "widgets/TabOrder.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace sv {

namespace { } // namespace

TDocumentDlg::TDocumentDlg(const TPrintContext& context, const char* caption, const char* generateCaption,
                           int helpContext, QWidget* parent)
    : QWidget(parent), m_context(context), m_helpContext(helpContext)
{
    setProperty("helpContext", helpContext);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FromUtf8(caption));
    m_generateButton = new QPushButton(FromUtf8(generateCaption), this);
    m_generateButton->setObjectName(QStringLiteral("generateButton"));
    m_cancelButton = new QPushButton(FromUtf8("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_helpButton = new QPushButton(FromUtf8("Help"), this);
    m_helpButton->setObjectName(QStringLiteral("helpButton"));
    m_generateButton->setDefault(true);
    connect(m_generateButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { GenerateBtnClick(); }, m_context.Messages); });
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        if (m_context.ShowHelp)
            m_context.ShowHelp(m_helpContext);
    });
}

void TDocumentDlg::Finish(QWidget* page)
{
    // The buttons were made before the page above them: Tab reads the page first.
    PutLastInTabOrder(this, {m_generateButton, m_cancelButton, m_helpButton});
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_generateButton);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_helpButton);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(page);
    lay->addLayout(buttons);
}

std::optional<TDocumentDlg::TTarget> TDocumentDlg::AskTarget(const char* defaultName, TFormats formats)
{
    if (!m_context.SaveDialog)
        return std::nullopt;
    std::vector<TFileFilter> filters = DocumentFilters();
    if (formats == TFormats::RtfOnly)
        filters.resize(1);
    const auto choice =
        m_context.SaveDialog->Ask({windowTitle(), FromUtf8(defaultName), QStringLiteral("rtf"), filters});
    if (!choice)
        return std::nullopt;
    TTarget t;
    t.Path = QDir::toNativeSeparators(choice->Path);
    t.Format = AnswerIsRtf(*choice) ? TDocFormat::Rtf : TDocFormat::Text;
    return t;
}

bool TDocumentDlg::Produce(const TTarget& target, TDocFormat format, TDocumentKind kind,
                           const std::function<void(TDocFile&)>& write)
{
    const bool written = Guarded(
        [&] {
            TDocFile file(format, m_context.TextEncoding);
            write(file);
            file.Save(target.Path.toStdString());
        },
        m_context.Messages);
    if (!written)
        return false;
    OfferToOpen(m_context, kind, target.Path);
    return true;
}

void TDocumentDlg::Warn(const char* text)
{
    if (m_context.Messages)
        m_context.Messages->Warning(FromUtf8(text));
}

void TDocumentDlg::Inform(const char* text)
{
    if (m_context.Messages)
        m_context.Messages->Information(FromUtf8(text));
}

void TDocumentDlg::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKeys(event, m_generateButton, m_cancelButton))
        QWidget::keyPressEvent(event);
}

} // namespace sv
