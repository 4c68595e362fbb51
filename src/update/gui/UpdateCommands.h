#pragma once
// Hooks the update window to the main window: the command "Update software from the web..."
// and the scheduled update reminder of the start-up sequence. The program calls it once
// after the main window exists.

#include <QString>

namespace sv {

class IProgramShell;

// The address of the update control file on the maker's update server (the program settings
// may name another, e.g. a test server: "ControlFileURL" in the "Update" group).
extern const char* const kControlFileURL;

// The program's own version ("a.b.c.d"), as the version block in the program file holds it.
QString ProgramVersion();

void RegisterUpdateCommands(IProgramShell& main);

// Ends the program for the updater: the person's files and the window placement are written
// as at any exit (IProgramShell::SaveStudyResults), then the message loop is left without
// closing the windows. When a file cannot be written the program keeps running (and the
// updater gives up waiting without changing anything).
void QuitForUpdate(IProgramShell& main);

} // namespace sv
