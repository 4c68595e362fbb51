#pragma once
// Hooks the study set-up dialogs to the main window's study commands ("Questions...",
// "Memory verses...", "Reference work..."). The main window calls RegisterStudyCommands once
// after creating its program-wide objects; the object made here holds the three working
// lists and lives as long as the main window.

namespace sv {

class IProgramShell;
class TStudyCommands;

// Creates the working lists (question, memory-verse and reference) and sets the openers of
// CmdQuestions, CmdMemory and CmdReferenceWork; the commands then follow the main window's
// enabling rules (EnableCommands / DisableStartCommands).
TStudyCommands* RegisterStudyCommands(IProgramShell& main);

} // namespace sv
