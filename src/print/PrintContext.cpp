#include "print/PrintContext.h"

#include "print/RtfWriter.h"
#include "shell/Services.h"

namespace sv {

void OfferToOpen(const TPrintContext& context, TDocumentKind kind, const QString& path)
{
    if (!context.Messages)
        return;
    const QString message = QString::fromUtf8(OfferToOpenMessage(kind, path.toUtf8().toStdString()));
    if (context.Messages->Confirm(message) && context.Shell)
        context.Shell->OpenDocument(path);
}

} // namespace sv
