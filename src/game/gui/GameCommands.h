#pragma once
// Hooks the game's windows to the main window's "One-Way Game" and "Wall of fame"
// commands. The main window calls RegisterGameCommands once after creating its
// program-wide objects; the object made here holds the game's working lists and lives as
// long as the main window.

namespace sv {

class IProgramShell;

void RegisterGameCommands(IProgramShell& main);

} // namespace sv
