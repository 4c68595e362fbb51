#pragma once
// Hooks the coach's commands to the main window: "Team progress" (Study menu) opens the team
// window over the persons of the Users folder, and a click there opens a person's progress
// chart; File -> "Import person..." and "Export person..." bring a person's files in from
// elsewhere and take them out. The main window calls RegisterTeamCommands once after creating
// its program-wide objects.

namespace sv {

class IProgramShell;

void RegisterTeamCommands(IProgramShell& shell);

} // namespace sv
