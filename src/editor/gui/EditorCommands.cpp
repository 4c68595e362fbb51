#include "editor/gui/EditorCommands.h"

#include "print/gui/SaveDialog.h"
#include "shell/ProgramShell.h"

#include <QAction>
#include <QWidget>

namespace sv {

TCoachEditor* RegisterEditorCommands(IProgramShell& shell, TCoachEditorSetup setup)
{
    auto* coach =
        new TCoachEditor(shell, std::move(setup), std::make_unique<TQtSaveDialog>(shell.Window()), shell.Window());
    shell.Window()->addAction(shell.CmdEdit);
    shell.SetOpener(shell.CmdEdit, [coach] { coach->OpenEditor(); });
    return coach;
}

} // namespace sv
