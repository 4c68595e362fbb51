#pragma once
// Hooks the program's windows to the main window's commands. main.cpp calls it once after the
// main window exists; tests of the main window alone leave it out and see those commands
// disabled.

namespace sv {

class TMainForm;

// Sets the openers of the speech settings ("Speech settings..."), the study commands
// ("Questions...", "Memory verses...", "Reference work...") and of "Word study" (a new browser
// window for each use).
void RegisterProgramWindows(TMainForm& main);

} // namespace sv
