#include "print/PrintContext.h"

#include "print/RtfWriter.h"
#include "print/SaveDialog.h"
#include "shell/Services.h"

namespace sv {

TSaveChoice AskDocumentFile(const TPrintContext& context, const QString& caption, const QString& defaultName)
{
    if (!context.SaveDialog)
        return {};
    const auto answer = context.SaveDialog->Ask({caption, defaultName, QStringLiteral("rtf"), DocumentFilters()});
    if (!answer || answer->Path.isEmpty())
        return {};
    return {answer->Path, AnswerIsRtf(*answer)};
}

void OfferToOpen(const TPrintContext& context, TDocumentKind kind, const QString& path)
{
    if (!context.Messages)
        return;
    const QString message = QString::fromUtf8(OfferToOpenMessage(kind, path.toUtf8().toStdString()));
    if (context.Messages->Confirm(message) && context.Shell)
        context.Shell->OpenDocument(path);
}

} // namespace sv
