#include "print/PrintCommands.h"

#include "print/ConcordanceDlg.h"
#include "print/MemListDlg.h"
#include "print/SaveDialog.h"
#include "print/ScriptureDlg.h"
#include "shell/ProgramShell.h"

#include <QAction>

#include <memory>

namespace sv {

namespace {

TPrintContext ContextOf(IProgramShell& main, ISaveDialog* saveDialog)
{
    TPrintContext c;
    c.User = &main.User();
    c.Words = &main.Words();
    c.Books = &main.Books();
    c.ProgramDir = main.ProgramDir();
    c.Messages = &main.Messages();
    c.Shell = main.Services().Shell;
    c.SaveDialog = saveDialog;
    c.ShowHelp = [&main](int context) { main.ShowHelp(context); };
    return c;
}

} // namespace

void RegisterPrintCommands(IProgramShell& main)
{
    std::shared_ptr<ISaveDialog> saveDialog = std::make_shared<TQtSaveDialog>(main.Window());
    const Qt::WindowFlags flags =
        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    main.SetOpener(main.CmdMemoryList, [&main, saveDialog, flags] {
        main.OpenChild(new TMemListDlg(ContextOf(main, saveDialog.get())), IProgramShell::TPlacement::BottomRight, flags);
    });
    main.SetOpener(main.CmdScripturePortion, [&main, saveDialog, flags] {
        main.OpenChild(new TScriptureDlg(ContextOf(main, saveDialog.get())), IProgramShell::TPlacement::BottomRight, flags);
    });
    main.SetOpener(main.CmdConcordance, [&main, saveDialog, flags] {
        main.OpenChild(new TConcordanceDlg(ContextOf(main, saveDialog.get())), IProgramShell::TPlacement::Centred, flags);
    });
    main.CmdScripturePortion->setVisible(true);
    main.CmdConcordance->setVisible(true);
}

} // namespace sv
