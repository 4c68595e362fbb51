#pragma once
// Hooks the question editor to the main window's "Edit/modify questions..." command (Ctrl+E,
// a new window each time). The command sits in a hidden menu, so its shortcut is also given
// to the main window. The coach's editing (editor/gui/CoachEditor.h) lives as long as the main
// window and is returned, for the tests.

#include "editor/gui/CoachEditor.h"

namespace sv {

class IProgramShell;

TCoachEditor* RegisterEditorCommands(IProgramShell& shell, TCoachEditorSetup setup);

} // namespace sv
