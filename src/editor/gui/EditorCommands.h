#pragma once
// Hooks the question editor to the main window's "Edit/modify questions..." command (Ctrl+E,
// a new window each time). The command sits in a hidden menu, so its shortcut is also given
// to the main window.

namespace sv {

class IProgramShell;

void RegisterEditorCommands(IProgramShell& shell);

} // namespace sv
