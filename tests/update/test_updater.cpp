// The updater: all program files in place at once or none, and the real updater program
// waiting for a process, replacing files and starting a dummy program again.

#include "update/LocalHttpServer.h"
#include "update/ProgramInstaller.h"
#include "update/UpdateTestFiles.h"
#include "update/WebUpdate.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace sv {
namespace {

using test::ReadFile;
using test::WriteFile;

class UpdaterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureCoreApplication();
        a = dir.filePath(QStringLiteral("sv_wf"));
        b = dir.filePath(QStringLiteral("sv_update"));
        c = dir.filePath(QStringLiteral("wf.qs"));
        WriteFile(a, "old a");
        QFile::setPermissions(a, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WriteFile(b, "old b");
        WriteFile(a + QLatin1String(kStagedSuffix), "new a");
        WriteFile(b + QLatin1String(kStagedSuffix), "new b");
        WriteFile(c + QLatin1String(kStagedSuffix), "new c"); // no old file
    }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir;
    QString a, b, c;
};

TEST_F(UpdaterTest, PutsEveryNewFileInPlaceWithThePermissionsOfTheOld)
{
    const TInstallResult r = InstallProgramFiles({a, b, c});
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(ReadFile(a), "new a");
    EXPECT_EQ(ReadFile(b), "new b");
    EXPECT_EQ(ReadFile(c), "new c");
    EXPECT_TRUE(QFileInfo(a).isExecutable());
    EXPECT_TRUE(QFileInfo(c).isExecutable()); // a new program file can run
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("sv_update"), QStringLiteral("sv_wf"), QStringLiteral("wf.qs")}));
}

TEST_F(UpdaterTest, AFailureHalfWayRestoresTheOldFiles)
{
    for (int failAt : {0, 1, 2}) {
        const TInstallResult r = InstallProgramFiles({a, b, c}, [failAt](int i) { return i == failAt; });
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(ReadFile(a), "old a") << failAt;
        EXPECT_EQ(ReadFile(b), "old b") << failAt;
        EXPECT_FALSE(QFileInfo::exists(c)) << failAt;
        // The downloads wait for another try; no backup is left.
        EXPECT_EQ(Files(), (QStringList{QStringLiteral("sv_update"), QStringLiteral("sv_update.update-new"),
                                        QStringLiteral("sv_wf"), QStringLiteral("sv_wf.update-new"),
                                        QStringLiteral("wf.qs.update-new")}))
            << failAt;
    }
}

TEST_F(UpdaterTest, AMissingDownloadChangesNothing)
{
    QFile::remove(b + QLatin1String(kStagedSuffix));
    const TInstallResult r = InstallProgramFiles({a, b});
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Error.contains(b));
    EXPECT_EQ(ReadFile(a), "old a");
    EXPECT_EQ(ReadFile(b), "old b");
}

TEST_F(UpdaterTest, TheProgramToStartAgainAndItsParameters)
{
    QDir().mkpath(dir.filePath(QStringLiteral("My Program")));
    const QString prog = dir.filePath(QStringLiteral("My Program/sv_wf"));
    WriteFile(prog, "x");
    struct {
        QString Text;
        QString Program;
        QStringList Args;
    } cases[] = {
        {prog, prog, {}},
        {prog + QStringLiteral(" -x"), prog, {QStringLiteral("-x")}},
        {prog + QStringLiteral(" -x \"two words\""), prog, {QStringLiteral("-x"), QStringLiteral("two words")}},
        {QStringLiteral("/no/such -y"), QStringLiteral("/no/such"), {QStringLiteral("-y")}},
    };
    for (const auto& k : cases) {
        const TProgramCall call = SplitProgramCall(k.Text);
        EXPECT_EQ(call.Program, k.Program) << k.Text.toStdString();
        EXPECT_EQ(call.Arguments, k.Args) << k.Text.toStdString();
    }
}

TEST_F(UpdaterTest, WaitingForAProcess)
{
    QProcess sleeper;
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("5")});
    ASSERT_TRUE(sleeper.waitForStarted());
    EXPECT_FALSE(WaitForProcessEnd(sleeper.processId(), 100));
    sleeper.kill();
    sleeper.waitForFinished();
    EXPECT_TRUE(WaitForProcessEnd(sleeper.processId(), 1000));
}

// The updater program itself: waits for a running process, installs, starts the program.
TEST_F(UpdaterTest, TheUpdaterProgramReplacesTheFilesAndStartsTheProgramAgain)
{
    const QString marker = dir.filePath(QStringLiteral("started"));
    const QString program = dir.filePath(QStringLiteral("dummy"));
    // The dummy program: the new version writes its arguments to the marker.
    WriteFile(program, "#!/bin/sh\necho old > \"" + marker.toUtf8() + "\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    WriteFile(program + QLatin1String(kStagedSuffix), "#!/bin/sh\necho new \"$@\" > \"" + marker.toUtf8() + "\"\n");

    // The updater runs from a copy in its own temporary folder, as the program starts it.
    QTemporaryDir tmp;
    const QString own = tmp.filePath(QStringLiteral("sv-updater-test"));
    QDir().mkpath(own);
    ASSERT_TRUE(QFile::copy(QStringLiteral(SV_UPDATER_PROGRAM), own + QStringLiteral("/upd")));

    QProcess running; // stands for the program, which ends when the test says so
    running.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(running.waitForStarted());
    QProcess updater;
    updater.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    updater.start(own + QStringLiteral("/upd"),
                  {QString::number(running.processId()), program + QStringLiteral(" --after-update"), program, a});
    ASSERT_TRUE(updater.waitForStarted());
    QThread::msleep(150);
    EXPECT_EQ(ReadFile(program).contains("old"), true); // nothing touched while the process runs
    running.kill();
    ASSERT_TRUE(running.waitForFinished());
    ASSERT_TRUE(updater.waitForFinished(10000));
    EXPECT_EQ(updater.exitCode(), 0);
    EXPECT_EQ(ReadFile(a), "new a");
    QDeadlineTimer deadline(5000);
    while (!QFileInfo::exists(marker) && !deadline.hasExpired())
        QThread::msleep(20);
    QThread::msleep(50);
    EXPECT_EQ(ReadFile(marker), "new --after-update\n");
    EXPECT_FALSE(QFileInfo::exists(own)); // the updater removed its own folder
}

TEST_F(UpdaterTest, TheUpdaterProgramKeepsTheOldFilesWhenOneCannotBeInstalled)
{
    const QString marker = dir.filePath(QStringLiteral("started"));
    const QString program = dir.filePath(QStringLiteral("dummy"));
    WriteFile(program, "#!/bin/sh\necho old > \"" + marker.toUtf8() + "\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    WriteFile(program + QLatin1String(kStagedSuffix), "#!/bin/sh\necho new > \"" + marker.toUtf8() + "\"\n");
    QProcess updater;
    updater.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The second file has no download waiting.
    updater.start(QStringLiteral(SV_UPDATER_PROGRAM),
                  {QStringLiteral("0"), program, program, dir.filePath(QStringLiteral("missing"))});
    ASSERT_TRUE(updater.waitForFinished(10000));
    EXPECT_EQ(updater.exitCode(), 1);
    QDeadlineTimer deadline(5000);
    while (!QFileInfo::exists(marker) && !deadline.hasExpired())
        QThread::msleep(20);
    QThread::msleep(50);
    EXPECT_EQ(ReadFile(marker), "old\n"); // the old program was started again
    EXPECT_EQ(ReadFile(program + QLatin1String(kStagedSuffix)).contains("new"), true);
}

// The updater ended by a kill after each of its steps in turn: every target still holds a
// whole file (old or new), and the next start of the program, or of the updater, either
// finishes the install or undoes it, never leaving a mix.
TEST_F(UpdaterTest, AKillBetweenAnyTwoStepsLeavesAWorkingProgramAndTheNextStartSettlesIt)
{
    const QString trueProgram = QStandardPaths::findExecutable(QStringLiteral("true"));
    ASSERT_FALSE(trueProgram.isEmpty());
    int rolledBack = 0, finished = 0, steps = 0;
    for (int step = 1; step < 20; ++step) {
        QTemporaryDir here;
        const QString x = here.filePath(QStringLiteral("sv_wf"));
        const QString y = here.filePath(QStringLiteral("sv_update"));
        const QString z = here.filePath(QStringLiteral("wf.qs"));
        WriteFile(x, "old x");
        WriteFile(y, "old y");
        WriteFile(x + QLatin1String(kStagedSuffix), "new x");
        WriteFile(y + QLatin1String(kStagedSuffix), "new y");
        WriteFile(z + QLatin1String(kStagedSuffix), "new z");
        const QString journal = UpdateJournalPath(here.path());

        QProcess updater;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SV_UPDATER_KILL_AFTER_STEP"), QString::number(step));
        updater.setProcessEnvironment(env);
        updater.start(QStringLiteral(SV_UPDATER_PROGRAM),
                      {QStringLiteral("--journal"), journal, QStringLiteral("0"), trueProgram, x, y, z});
        ASSERT_TRUE(updater.waitForFinished(10000));
        if (updater.exitStatus() == QProcess::NormalExit) { // no step was left to be killed after
            EXPECT_EQ(updater.exitCode(), 0);
            steps = step - 1;
            break;
        }
        // Killed: each program file is whole, the old one or the new one.
        for (const auto& [path, name] : {std::pair{x, "x"}, std::pair{y, "y"}}) {
            const QByteArray now = ReadFile(path);
            EXPECT_TRUE(now == "old " + QByteArray(name) || now == "new " + QByteArray(name))
                << step << " " << now.constData();
        }
        // The next start settles it: the program's own start (odd steps) or the updater's.
        if (step % 2) {
            EXPECT_NE(RecoverInterruptedInstall(journal), TRecovery::Failed) << step;
        } else {
            QProcess again;
            again.start(QStringLiteral(SV_UPDATER_PROGRAM),
                        {QStringLiteral("--journal"), journal, QStringLiteral("0"), trueProgram});
            ASSERT_TRUE(again.waitForFinished(10000));
            EXPECT_EQ(again.exitCode(), 0) << step;
        }
        const bool isNew = ReadFile(x) == "new x";
        (isNew ? finished : rolledBack) += 1;
        EXPECT_EQ(ReadFile(x), isNew ? "new x" : "old x") << step;
        EXPECT_EQ(ReadFile(y), isNew ? "new y" : "old y") << step;
        EXPECT_EQ(QFileInfo::exists(z), isNew) << step;
        if (isNew) {
            EXPECT_EQ(ReadFile(z), "new z") << step;
        }
        EXPECT_FALSE(QFileInfo::exists(journal)) << step;
        const QStringList left = QDir(here.path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString& name : left)
            EXPECT_FALSE(name.endsWith(QLatin1String(kBackupSuffix))) << step << " " << name.toStdString();
    }
    // Journal, two second names, three moves, "done", two backups gone, journal gone.
    EXPECT_EQ(steps, 10);
    EXPECT_GT(rolledBack, 0);
    EXPECT_GT(finished, 0);
}

TEST_F(UpdaterTest, AnUnreadableJournalIsKeptAndSaidSo)
{
    const QString journal = UpdateJournalPath(dir.path());
    WriteFile(journal, "not a journal");
    QString report;
    EXPECT_EQ(RecoverInterruptedInstall(journal, &report), TRecovery::Failed);
    EXPECT_TRUE(report.contains(journal));
    EXPECT_TRUE(QFileInfo::exists(journal));
    EXPECT_EQ(RecoverInterruptedInstall(dir.filePath(QStringLiteral("none")), &report), TRecovery::NothingToDo);
}

} // namespace
} // namespace sv
