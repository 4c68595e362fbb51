#pragma once
// Hooks the progress window to the main window's "View progress" command (a new window each
// time); a click on the verse map opens a word-study window at that verse.

namespace sv {

class IProgramShell;

void RegisterProgressCommands(IProgramShell& shell);

} // namespace sv
