#pragma once
// Where the program finds its files and keeps what it writes.
//
// The read-only program files (content files, tips, help pages, sounds ...) are found beside
// the executable (the build folder or a portable copy) or, for an installed program, in
// "../share/scrivolt/" relative to it. What the program writes (the person files in "Users/",
// the set histories and task lists beside them, the program settings, the wall of fame) stays
// in the program folder when that folder is the executable's own and can be written; an
// installed program keeps it in the person's own data and settings folders instead, so several
// people can share one installation and nothing is written under the installation prefix.

#include <QString>

#include <string>

namespace sv {

enum class TDataLayout {
    ProgramFolder, // everything in the program folder, beside the executable
    PerUser,       // read-only files shared, written files in the person's own folders
};

struct TProgramPaths {
    std::string ProgramDir; // read-only program files; ends in "/"
    std::string DataDir;    // written files (wall of fame ...); ends in "/"
    std::string UsersDir;   // the Users folder (see PersonDir); ends in "/"
    QString SettingsFile;   // the program settings
    TDataLayout Layout = TDataLayout::ProgramFolder;
    // The portion open: its content files, and its persons' files (UsersDir itself for the
    // shipped portion, a folder below it for any other). Both end in "/".
    std::string PortionDir;
    std::string PersonDir;
};

// The folder names of the per-user layout, below the person's data and settings folders.
struct TPerUserFolders {
    QString DataHome;   // e.g. ~/.local/share/scrivolt
    QString ConfigHome; // e.g. ~/.config/scrivolt
};

// The person's own folders for this program (the desktop's standard data and config folders).
TPerUserFolders StandardPerUserFolders();

// Finds the program files for an executable in executableDir. The installed layout is chosen
// when the content file "wf.wl" is not beside the executable but in ../share/scrivolt/, or when
// the folder beside the executable cannot be written. When neither folder holds "wf.wl" the
// executable's own folder is returned, so that loading reports the missing file by its path.
// The shipped portion is the one open: its content in the program folder, its persons in Users/.
TProgramPaths LocateProgramFiles(const QString& executableDir, const TPerUserFolders& perUser);

// Makes the folders that written files go to (the Users folder and the settings folder; the
// main window makes the person folder of the portion it opens).
// Throws EFileError ("Cannot create file " + path) when a folder cannot be made.
void MakeDataFolders(const TProgramPaths& paths);

} // namespace sv
