#pragma once
// The updater's work, after the program has ended: put every downloaded program file (waiting
// beside its target with kStagedSuffix) in place at once, and start the program again.
//
// Installing is all or nothing: every target is first checked, then each old file is moved
// aside (suffix kBackupSuffix), then each new file is moved in; a failure on the way puts the
// new files back beside their targets and the old files back in place. The old files go only
// when every new one is in place. A new file takes the permissions of the file it replaces
// (rwxr-xr-x when there was none: downloads arrive without them).

#include <QString>
#include <QStringList>

#include <functional>

namespace sv {

inline constexpr char kBackupSuffix[] = ".update-old";

struct TInstallResult {
    bool Ok = false;
    QString Error;
    QStringList Installed;   // the targets that hold their new file
};

// Waits until the process pid has ended (or is a zombie); false when timeoutMs passes first.
bool WaitForProcessEnd(qint64 pid, int timeoutMs);

// Installs the staged file of each target. failBefore, for tests, is asked before each move of
// a new file into place (its index) and makes that move fail when it returns true.
TInstallResult InstallProgramFiles(const QStringList& targets,
                                   const std::function<bool(int)>& failBefore = {});

// Splits the program to restart as it arrives on the updater's command line: the longest part
// before a blank that names an existing file is the program, the rest its parameters (split
// as a shell would, double quotes grouping).
struct TProgramCall {
    QString Program;
    QStringList Arguments;
};
TProgramCall SplitProgramCall(const QString& text);

} // namespace sv
