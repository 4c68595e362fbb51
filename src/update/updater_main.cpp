// The updater program: started by the program after an update has downloaded new program
// files, as
//     upd [--journal <journal>] <process id> <program to start again> [<program file> ...]
// It waits for the process to end, finishes or undoes an install an earlier run left
// unfinished, puts the new program files (each waiting beside its target with the suffix
// ".update-new") in place all at once, and starts the program again. When the files cannot be
// installed the old ones stay and the old program is started. With a journal the install
// survives a kill at any moment (see ProgramInstaller.h). It runs from a temporary folder of
// its own ("sv-updater-..."), which it removes when done.

#include "update/ProgramInstaller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <cstdio>

namespace {

void Say(const QString& text) { std::fprintf(stderr, "upd: %s\n", text.toLocal8Bit().constData()); }

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    QString journal;
    if (args.size() >= 3 && args[1] == QLatin1String("--journal")) {
        journal = args[2];
        args.remove(1, 2);
    }
    if (args.size() < 3) {
        Say(QStringLiteral("usage: upd [--journal <journal>] <process id> <program> [<program file> ...]"));
        return 2;
    }
    bool ok = false;
    const qint64 pid = args[1].toLongLong(&ok);
    if (!ok) {
        Say(QStringLiteral("not a process id: ") + args[1]);
        return 2;
    }
    const int waitMs = qEnvironmentVariableIntValue("SV_UPDATER_WAIT_MS") > 0
                           ? qEnvironmentVariableIntValue("SV_UPDATER_WAIT_MS")
                           : 120000;
    if (!sv::WaitForProcessEnd(pid, waitMs)) {
        Say(QStringLiteral("the program (process %1) did not end; nothing was changed").arg(pid));
        return 3;
    }
    QString report;
    if (sv::RecoverInterruptedInstall(journal, &report) != sv::TRecovery::NothingToDo)
        Say(report);
    int result = 0;
    const QStringList files = args.mid(3);
    if (!files.isEmpty()) {
        sv::TInstallOptions options;
        options.JournalPath = journal;
        // For the tests that end the updater between two steps, as a kill or a power cut would.
        if (const int stopAt = qEnvironmentVariableIntValue("SV_UPDATER_KILL_AFTER_STEP"); stopAt > 0)
            options.AfterStep = [stopAt](int step) {
                if (step == stopAt)
                    std::raise(SIGKILL);
            };
        const sv::TInstallResult r = sv::InstallProgramFiles(files, options);
        if (!r.Ok) {
            Say(r.Error + QStringLiteral("; the old program files are kept"));
            result = 1;
        }
    }
    const sv::TProgramCall call = sv::SplitProgramCall(args[2]);
    if (!call.Program.isEmpty()) {
        const QString dir = QFileInfo(call.Program).absolutePath();
        if (!QProcess::startDetached(call.Program, call.Arguments, dir)) {
            Say(QStringLiteral("cannot start ") + call.Program);
            result = result ? result : 4;
        }
    }
    // Leave nothing behind in the temporary folder.
    const QDir own(QCoreApplication::applicationDirPath());
    if (own.dirName().startsWith(QLatin1String("sv-updater-")))
        QDir(own).removeRecursively();
    return result;
}
