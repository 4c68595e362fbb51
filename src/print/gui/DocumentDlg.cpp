#include "print/gui/DocumentDlg.h"

#include "print/gui/SaveDialog.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "widgets/DialogKeys.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace sv {

namespace {
QString L(const char* text) { return QString::fromUtf8(text); }
} // namespace

TDocumentDlg::TDocumentDlg(const TPrintContext& context, const char* caption, const char* generateCaption,
                           int helpContext, QWidget* parent)
    : QWidget(parent), m_context(context), m_helpContext(helpContext)
{
    setProperty("helpContext", helpContext);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(L(caption));
    GenerateBtn = new QPushButton(L(generateCaption), this);
    CancelBtn = new QPushButton(L("Cancel"), this);
    HelpBtn = new QPushButton(L("Help"), this);
    GenerateBtn->setDefault(true);
    connect(GenerateBtn, &QPushButton::clicked, this, [this] { Guarded([this] { GenerateBtnClick(); }, m_context.Messages); });
    connect(CancelBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(HelpBtn, &QPushButton::clicked, this, [this] {
        if (m_context.ShowHelp)
            m_context.ShowHelp(m_helpContext);
    });
}

void TDocumentDlg::Finish(QWidget* page)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(GenerateBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
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
    const auto choice = m_context.SaveDialog->Ask({windowTitle(), L(defaultName), QStringLiteral("rtf"), filters});
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
    const bool written = Guarded([&] {
        TDocFile file(format, m_context.TextEncoding);
        write(file);
        file.Save(target.Path.toStdString());
    }, m_context.Messages);
    if (!written)
        return false;
    OfferToOpen(m_context, kind, target.Path);
    return true;
}

void TDocumentDlg::Warn(const char* text)
{
    if (m_context.Messages)
        m_context.Messages->Warning(L(text));
}

void TDocumentDlg::Inform(const char* text)
{
    if (m_context.Messages)
        m_context.Messages->Information(L(text));
}

void TDocumentDlg::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKeys(event, GenerateBtn, CancelBtn))
        QWidget::keyPressEvent(event);
}

} // namespace sv
