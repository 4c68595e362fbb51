#pragma once
// Hooks the print dialogs to the main window's commands "Memory verse list...", "Scripture
// portion..." and "Concordance..." (shown in the Print menu). The main window calls
// RegisterPrintCommands once after creating its program-wide objects.

namespace sv {

class IProgramShell;

void RegisterPrintCommands(IProgramShell& main);

} // namespace sv
