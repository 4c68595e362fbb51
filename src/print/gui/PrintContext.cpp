#include "print/gui/PrintContext.h"

#include "print/RtfWriter.h"
#include "print/gui/SaveDialog.h"
#include "program/ProgramSettings.h"
#include "program/UserNames.h"
#include "shell/ProgramShell.h"
#include "shell/Services.h"
#include "user/User.h"

namespace sv {

TPrintContext PrintContextOf(IProgramShell& main, ISaveDialog* saveDialog)
{
    TPrintContext c;
    c.User = &main.User();
    c.Words = &main.Words();
    c.Books = &main.Books();
    c.Questions = &main.Questions();
    c.Messages = &main.Messages();
    c.Shell = main.Services().Shell;
    c.ProgramDir = main.PortionDir();
    c.TextEncoding = main.Settings().TextForWindows ? TTextEncoding::Windows1252 : TTextEncoding::Utf8;
    c.SaveDialog = saveDialog;
    c.HistoryPath = [&main] { return UserFilePath(main.UsersDir(), main.User().FileName.text()) + "h"; };
    c.CommandsOn = [&main] { main.UM_COMMANDSON(); };
    c.OpenChild = [&main](QWidget* w) {
        main.OpenChild(w, IProgramShell::TPlacement::Cascaded,
                       Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    };
    c.ShowHelp = [&main](int context) { main.ShowHelp(context); };
    return c;
}

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
    if (context.Messages->Confirm(message) && context.Shell && !context.Shell->OpenDocument(path))
        context.Messages->Warning(QStringLiteral("No program on this computer could open the document. It is saved "
                                                 "in the file:\r%1\rOpen it with a word processor.")
                                      .arg(path));
}

} // namespace sv
