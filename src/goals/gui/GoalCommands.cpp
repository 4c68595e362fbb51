#include "goals/gui/GoalCommands.h"

#include "goals/gui/GoalsCreateDlg.h"
#include "goals/gui/TaskSetup.h"
#include "shell/ProgramShell.h"
#include "study/gui/StudyCommands.h"
#include "study/gui/StudyDialogs.h"
#include "voice/Sounds.h"

#include <QAction>
#include <QDate>

namespace sv {

namespace {

// The command that opens the set-up dialog of a task's kind; it is disabled while a set-up
// dialog or a session is open, or before a person is chosen.
QAction* CommandOf(IProgramShell& shell, TTaskKind kind)
{
    switch (kind) {
    case TTaskKind::Questions:
        return shell.CmdQuestions;
    case TTaskKind::Memory:
        return shell.CmdMemory;
    case TTaskKind::AccordingTo:
        return shell.CmdReferenceWork;
    default:
        return nullptr;
    }
}

} // namespace

void RegisterGoalCommands(IProgramShell& shell, TStudyCommands& study)
{
    shell.SetOpener(shell.CmdGoalCreateTasks, [&shell, &study] {
        const QDate today = shell.Services().Clock ? shell.Services().Clock->Now().date() : QDate::currentDate();
        auto* dlg = new TGoalsCreateDlg(shell.Books(), shell.Questions(), shell.User(), &shell.Messages(),
                                        shell.Sounds().SpeechAvailable(), shell.Tasks(), today);
        dlg->ShowHelp = [&shell](int context) { shell.ShowHelp(context); };
        dlg->OnStartTask = [&shell, &study](const TTaskDef& task) {
            QAction* command = CommandOf(shell, task.Kind);
            if (!command || !command->isEnabled()) {
                shell.Messages().Warning(
                    QStringLiteral("Please finish or close the study window that is open, then start the task again."));
                return false;
            }
            if (TStudyDlgStart* setup = MakeTaskSetupDialog(StudyContextOf(study), task))
                OpenSetupDialog(study, setup);
            return true;
        };
        // The editor works on the person's task list by id: it goes when the person does.
        shell.OpenPersonChild(dlg, IProgramShell::TPlacement::Cascaded, Qt::SubWindow);
    });
}

} // namespace sv
