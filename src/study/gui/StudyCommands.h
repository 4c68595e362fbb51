#pragma once
// Hooks the study set-up dialogs to the main window's study commands ("Questions...",
// "Memory verses...", "Reference work..."). The main window calls RegisterStudyCommands once
// after creating its program-wide objects; the object made here holds the three working
// lists and lives as long as the main window.

class QWidget;

namespace sv {

class IBibleSpeech;
class IProgramShell;
class TStudyCommands;
struct TStudyContext;

// Creates the working lists (question, memory-verse and reference) and sets the openers of
// CmdQuestions, CmdMemory and CmdReferenceWork; the commands then follow the main window's
// enabling rules (EnableCommands / DisableStartCommands).
TStudyCommands* RegisterStudyCommands(IProgramShell& main);

// What every study context takes from the main window: the program-wide stores, its
// messages and help, the word study (spoken through bibleSpeech) and the saving of the
// person's results. The caller adds its own lists, voice, random source and window placement.
TStudyContext ShellStudyContext(IProgramShell& main, IBibleSpeech* bibleSpeech);

// For windows that open a set-up dialog themselves (a started goal task): the context the
// study commands give their dialogs, and showing such a dialog as they show theirs.
TStudyContext StudyContextOf(TStudyCommands& commands);
void OpenSetupDialog(TStudyCommands& commands, QWidget* dialog);

} // namespace sv
