#pragma once
// The updater's work, after the program has ended: put every downloaded program file (waiting
// beside its target with kStagedSuffix) in place at once, and start the program again.
//
// Installing is all or nothing, and stays so when the updater is killed at any moment: every
// target is first checked; a journal (UpdateJournalPath, in the updater's private folder in
// the program folder) records the targets; each old file gets a second name (a hard link with
// kBackupSuffix), so that the target itself never goes missing; each new file is renamed over
// its target, one atomic step each; the journal then records that all are in place, and only
// then the backups go. A failure on the way, or RecoverInterruptedInstall at the next start of
// the program or the updater after a kill, puts the old files back and the new ones beside
// their targets again (before the journal says "done"), or finishes the removal of the
// backups (after). A new file takes the permissions of the file it replaces (rwxr-xr-x when
// there was none: downloads arrive without them).

#include <QString>
#include <QStringList>

#include <functional>

namespace sv {

inline constexpr char kBackupSuffix[] = ".update-old";

struct TInstallResult {
    bool Ok = false;
    QString Error;
    QStringList Installed; // the targets that hold their new file
};

// Waits until the process pid has ended (or is a zombie); false when timeoutMs passes first.
bool WaitForProcessEnd(qint64 pid, int timeoutMs);

// The journal of the updater for the program folder programDir.
QString UpdateJournalPath(const QString& programDir);

struct TInstallOptions {
    QString JournalPath; // empty: no journal (the install cannot be recovered after a kill)
    // For tests: asked before each move of a new file into place (its index); true makes that
    // move fail.
    std::function<bool(int)> FailBefore;
    // For tests: told after every step that changed a file (counted from 1), so that a test
    // can end the updater between any two steps.
    std::function<void(int)> AfterStep;
};

// Installs the staged file of each target.
TInstallResult InstallProgramFiles(const QStringList& targets, const TInstallOptions& options);
inline TInstallResult InstallProgramFiles(const QStringList& targets, const std::function<bool(int)>& failBefore = {})
{
    TInstallOptions o;
    o.FailBefore = failBefore;
    return InstallProgramFiles(targets, o);
}

enum class TRecovery { NothingToDo, RolledBack, Finished, Failed };

// Finishes or rolls back an install that the journal at journalPath shows was interrupted, and
// removes the journal. report receives what was done (for the updater's output and the
// program's message).
TRecovery RecoverInterruptedInstall(const QString& journalPath, QString* report = nullptr);

// Splits the program to restart as it arrives on the updater's command line: the longest part
// before a blank that names an existing file is the program, the rest its parameters (split
// as a shell would, double quotes grouping).
struct TProgramCall {
    QString Program;
    QStringList Arguments;
};
TProgramCall SplitProgramCall(const QString& text);

} // namespace sv
