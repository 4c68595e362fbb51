#pragma once
// Hooks the goal-task editor to the main window's "Create or edit task list" command (a new
// window each time, listing every task of the person). "Start task" opens the study set-up
// dialog of the task's kind through the study commands, filled with the task's choices.

namespace sv {

class IProgramShell;
class TStudyCommands;

void RegisterGoalCommands(IProgramShell& shell, TStudyCommands& study);

} // namespace sv
