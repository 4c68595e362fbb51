#pragma once
// Path prefixes and names in the update control file. A value may begin with (or contain) a
// group "{" name "}" that stands for a folder of this computer:
//
//   {APP}  the current directory (the program folder while the program runs)
//   {TMP}  the temporary folder (QDir::tempPath(), $TMPDIR or /tmp)
//   {WIN}  the user's shared data folder (QStandardPaths::GenericDataLocation,
//          normally ~/.local/share): the closest a desktop user has to a system folder
//          that every program may write
//   {PF}   the folder the current directory sits in: while the program runs, the folder
//          of installed programs that holds the program folder (/opt for /opt/scrivolt)
//
// Names compare in capitals; other groups stay as written. The folder is inserted without a
// trailing "/" (the root "/" becomes "/."). Control files are written with Windows separators:
// LocalPath turns every "\" into "/".

#include <QString>

namespace sv {

struct TPrefixFolders {
    QString App;
    QString Tmp;
    QString Win;
    QString Pf;
};

// The folders of this computer (App is the current directory at the time of the call).
TPrefixFolders CurrentPrefixFolders();

// Replaces every known "{NAME}" group by its folder.
QString ConvertPrefixes(const QString& value, const TPrefixFolders& folders);

// "\" becomes "/".
QString LocalPath(const QString& value);

// The part of an address after its last "/" or "\" (empty when it ends in one).
QString FileNameOfAddress(const QString& address);

// A plain file name that stays inside the folder it is put in: not empty, not "." or "..",
// without "/" or "\" and without control characters.
bool IsSafeFileName(const QString& name);

// A relative member path (with "/" or "\" separators) that stays inside its target folder:
// not absolute, no drive letter, no "." or ".." part, no empty part, no control characters.
// On success normalized receives it with "/" separators.
bool IsSafeRelativePath(const QString& path, QString* normalized = nullptr);

// True when path (absolute, or relative to the current directory; it need not exist yet) lies
// inside root or is root itself, symbolic links on the way followed. A path with a ".." part is
// never inside.
bool IsInsideFolder(const QString& path, const QString& root);

// A new empty file in folder whose name begins with "WUPD" (readable and writable by the
// owner only); empty when it cannot be created.
QString NewTempFileIn(const QString& folder);

// Moves from over to in one step (an existing file to is replaced); false with the system's
// text in error when it fails.
bool ReplaceFile(const QString& from, const QString& to, QString* error = nullptr);

} // namespace sv
