#include "print/gui/SetsListsCommands.h"

#include "print/gui/ListsDlg.h"
#include "print/gui/PrintContext.h"
#include "print/gui/SaveDialog.h"
#include "print/gui/SetsDlg.h"
#include "shell/ProgramShell.h"

#include <memory>

namespace sv {

void RegisterSetsAndListsCommands(IProgramShell& main)
{
    // One dialog for both windows, so that it starts in the folder of the last file saved.
    std::shared_ptr<ISaveDialog> saveDialog = std::make_shared<TQtSaveDialog>(main.Window());
    main.SetOpener(main.CmdQuestionSets, [&main, saveDialog] {
        const TPrintContext c = PrintContextOf(main, saveDialog.get());
        c.OpenChild(new TSetsDlg_WF(c));
    });
    main.SetOpener(main.CmdQuestionLists, [&main, saveDialog] {
        const TPrintContext c = PrintContextOf(main, saveDialog.get());
        c.OpenChild(new TListsDlg(c));
    });
}

} // namespace sv
