#include "print/SetsListsCommands.h"

#include "print/ListsDlg.h"
#include "print/SaveDialog.h"
#include "print/SetsDlg.h"
#include "program/UserNames.h"
#include "shell/ProgramShell.h"
#include "user/User.h"

#include <memory>

namespace sv {

namespace {

TPrintContext MakeContext(IProgramShell& main, ISaveDialog* saveDialog)
{
    TPrintContext c;
    c.User = &main.User();
    c.Books = &main.Books();
    c.Questions = &main.Questions();
    c.Messages = &main.Messages();
    c.Shell = main.Services().Shell;
    // Builds and lists draw on worker threads: each window seeds its own generator rather than
    // share the program's with the user-interface thread.
    c.Random = nullptr;
    c.SaveDialog = saveDialog;
    c.HistoryPath = [&main] { return UserFilePath(main.UsersDir(), main.User().FileName.text()) + "h"; };
    c.CommandsOn = [&main] { main.UM_COMMANDSON(); };
    c.OpenChild = [&main](QWidget* w) {
        main.OpenChild(w, IProgramShell::TPlacement::BottomRight,
                       Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    };
    c.ShowHelp = [&main](int context) { main.ShowHelp(context); };
    return c;
}

} // namespace

void RegisterSetsAndListsCommands(IProgramShell& main)
{
    // One dialog for both windows, so that it starts in the folder of the last file saved.
    std::shared_ptr<ISaveDialog> saveDialog = std::make_shared<TQtSaveDialog>(main.Window());
    main.SetOpener(main.CmdQuestionSets, [&main, saveDialog] {
        const TPrintContext c = MakeContext(main, saveDialog.get());
        c.OpenChild(new TSetsDlg_WF(c));
    });
    main.SetOpener(main.CmdQuestionLists, [&main, saveDialog] {
        const TPrintContext c = MakeContext(main, saveDialog.get());
        c.OpenChild(new TListsDlg(c));
    });
}

} // namespace sv
