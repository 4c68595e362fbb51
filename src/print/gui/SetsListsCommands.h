#pragma once
// Hooks the question sets and question lists windows to the main window's commands
// "Question sets..." and "Lists of questions...". The main window calls this once after
// creating its program-wide objects.

namespace sv {

class IProgramShell;

// Sets the openers of CmdQuestionSets and CmdQuestionLists: each use opens a new window at
// the bottom right of the main window's client area.
void RegisterSetsAndListsCommands(IProgramShell& main);

} // namespace sv
