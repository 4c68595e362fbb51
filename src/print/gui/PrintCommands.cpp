#include "print/gui/PrintCommands.h"

#include "print/gui/ConcordanceDlg.h"
#include "print/gui/MemListDlg.h"
#include "print/gui/PrintContext.h"
#include "print/gui/SaveDialog.h"
#include "print/gui/ScriptureDlg.h"
#include "shell/ProgramShell.h"

#include <QAction>

#include <memory>

namespace sv {

void RegisterPrintCommands(IProgramShell& main)
{
    std::shared_ptr<ISaveDialog> saveDialog = std::make_shared<TQtSaveDialog>(main.Window());
    const Qt::WindowFlags flags =
        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    main.SetOpener(main.CmdMemoryList, [&main, saveDialog, flags] {
        main.OpenChild(new TMemListDlg(PrintContextOf(main, saveDialog.get())), IProgramShell::TPlacement::Cascaded, flags);
    });
    main.SetOpener(main.CmdScripturePortion, [&main, saveDialog, flags] {
        main.OpenChild(new TScriptureDlg(PrintContextOf(main, saveDialog.get())), IProgramShell::TPlacement::Cascaded, flags);
    });
    main.SetOpener(main.CmdConcordance, [&main, saveDialog, flags] {
        main.OpenChild(new TConcordanceDlg(PrintContextOf(main, saveDialog.get())), IProgramShell::TPlacement::Centred, flags);
    });
    main.CmdScripturePortion->setVisible(true);
    main.CmdConcordance->setVisible(true);
}

} // namespace sv
