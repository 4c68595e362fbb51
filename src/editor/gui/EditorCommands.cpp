#include "editor/gui/EditorCommands.h"

#include "editor/gui/QEditor.h"
#include "shell/ProgramShell.h"
#include "user/User.h"

#include <QAction>
#include <QWidget>

namespace sv {

void RegisterEditorCommands(IProgramShell& shell)
{
    shell.Window()->addAction(shell.CmdEdit);
    shell.SetOpener(shell.CmdEdit, [&shell] {
        auto* editor = new TQEditor(shell.Books(), shell.Questions(), shell.User().WordUseLimit);
        shell.OpenChild(editor, IProgramShell::TPlacement::Cascaded,
                        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                            | Qt::WindowMinMaxButtonsHint);
    });
}

} // namespace sv
