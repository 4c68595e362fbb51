#include "update/ProgramInstaller.h"

#include "update/UpdatePaths.h"
#include "update/WebUpdate.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace sv {

namespace {

bool ProcessGone(qint64 pid)
{
    if (pid <= 0)
        return true;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return true;
    // A process that has ended but not been collected by its parent counts as ended.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close >= 0 && close + 2 < line.size() && (line.at(close + 2) == 'Z' || line.at(close + 2) == 'X'))
            return true;
    }
    return false;
}

QString Staged(const QString& target) { return target + QLatin1String(kStagedSuffix); }
QString Backup(const QString& target) { return target + QLatin1String(kBackupSuffix); }

} // namespace

bool WaitForProcessEnd(qint64 pid, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!ProcessGone(pid)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

QString UpdateJournalPath(const QString& programDir)
{
    return QDir(programDir).absoluteFilePath(QStringLiteral(".sv-update/journal"));
}

namespace {

constexpr char kJournalHead[] = "sv-update-journal 1";

struct TJournalEntry {
    QString Target;
    bool HadOld = false;
};

enum class TPhase { Installing, Done };

bool WriteJournal(const QString& path, TPhase phase, const std::vector<TJournalEntry>& entries)
{
    if (path.isEmpty())
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = QByteArray(kJournalHead) + '\n';
    text += phase == TPhase::Done ? "done\n" : "installing\n";
    for (const TJournalEntry& e : entries)
        text += (e.HadOld ? "1\t" : "0\t") + QFile::encodeName(e.Target) + '\n';
    f.write(text);
    return f.commit();
}

bool ReadJournal(const QString& path, TPhase* phase, std::vector<TJournalEntry>* entries)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = f.readAll().split('\n');
    if (lines.size() < 2 || lines[0] != kJournalHead || (lines[1] != "done" && lines[1] != "installing"))
        return false;
    *phase = lines[1] == "done" ? TPhase::Done : TPhase::Installing;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.isEmpty())
            continue;
        if (line.size() < 3 || (line[0] != '0' && line[0] != '1') || line[1] != '\t')
            return false;
        entries->push_back({QFile::decodeName(line.mid(2)), line[0] == '1'});
    }
    return true;
}

bool SameFile(const QString& a, const QString& b)
{
    struct stat sa {
    }, sb{};
    return ::lstat(QFile::encodeName(a).constData(), &sa) == 0 && ::lstat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool Exists(const QString& path) { return QFileInfo::exists(path) || QFileInfo(path).isSymLink(); }

bool HardLink(const QString& from, const QString& to, QString* error)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

// Puts the old files back and the new ones beside their targets, whatever step was reached.
// Every step is safe to repeat, so that a kill on the way and a second run end the same.
bool RollBack(const std::vector<TJournalEntry>& entries)
{
    bool ok = true;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const QString& t = it->Target;
        if (Exists(Backup(t))) {
            if (SameFile(t, Backup(t))) { // the new file never came: the backup is the old file itself
                ok = QFile::remove(Backup(t)) && ok;
                continue;
            }
            if (Exists(t) && !Exists(Staged(t)))
                HardLink(t, Staged(t), nullptr); // keeps the download for another try
            ok = ReplaceFile(Backup(t), t) && ok;
        } else if (!it->HadOld && Exists(t)) {
            ok = (Exists(Staged(t)) ? QFile::remove(t) : ReplaceFile(t, Staged(t))) && ok;
        }
    }
    return ok;
}

void RemoveBackups(const std::vector<TJournalEntry>& entries)
{
    for (const TJournalEntry& e : entries)
        if (Exists(Backup(e.Target)))
            QFile::remove(Backup(e.Target));
}

void RemoveJournal(const QString& path)
{
    if (path.isEmpty())
        return;
    QFile::remove(path);
    QDir().rmdir(QFileInfo(path).absolutePath());
}

} // namespace

TInstallResult InstallProgramFiles(const QStringList& targets, const TInstallOptions& options)
{
    TInstallResult r;
    int step = 0;
    auto stepDone = [&] {
        if (options.AfterStep)
            options.AfterStep(++step);
    };
    std::vector<TJournalEntry> entries;
    for (const QString& t : targets) {
        const QFileInfo staged(Staged(t));
        if (!staged.isFile() || staged.isSymLink()) {
            r.Error = QStringLiteral("No downloaded file for ") + t;
            return r;
        }
        if (QFileInfo(t).isDir()) {
            r.Error = QStringLiteral("A folder is in the place of ") + t;
            return r;
        }
        entries.push_back({t, Exists(t)});
    }
    // Backups left by an earlier run that was not recorded go first (they are not ours).
    for (const TJournalEntry& e : entries)
        if (Exists(Backup(e.Target)))
            QFile::remove(Backup(e.Target));
    if (!WriteJournal(options.JournalPath, TPhase::Installing, entries)) {
        r.Error = QStringLiteral("Cannot create file ") + options.JournalPath;
        return r;
    }
    stepDone();
    auto fail = [&](const QString& error) {
        RollBack(entries);
        RemoveJournal(options.JournalPath);
        r.Installed.clear();
        r.Error = error;
        return r;
    };
    // A second name for each old file: the target itself stays in place.
    for (const TJournalEntry& e : entries) {
        if (!e.HadOld)
            continue;
        QString error;
        if (!HardLink(e.Target, Backup(e.Target), &error))
            return fail(QStringLiteral("Cannot keep %1: %2").arg(e.Target, error));
        stepDone();
    }
    // Each new file over its target, in one step.
    for (int i = 0; i < targets.size(); ++i) {
        const QString& t = targets[i];
        const QFile::Permissions perms =
            entries[static_cast<std::size_t>(i)].HadOld
                ? QFile::permissions(t)
                : QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
                                     | QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup
                                     | QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(Staged(t), perms);
        QString error;
        const bool injected = options.FailBefore && options.FailBefore(i);
        if (injected || !ReplaceFile(Staged(t), t, &error))
            return fail(
                QStringLiteral("Cannot put %1 in place: %2").arg(t, injected ? QStringLiteral("stopped") : error));
        r.Installed << t;
        stepDone();
    }
    // From here on the install counts as done; a kill only leaves backups to remove.
    if (!WriteJournal(options.JournalPath, TPhase::Done, entries))
        return fail(QStringLiteral("Cannot create file ") + options.JournalPath);
    stepDone();
    for (const TJournalEntry& e : entries) {
        if (Exists(Backup(e.Target))) {
            QFile::remove(Backup(e.Target));
            stepDone();
        }
    }
    RemoveJournal(options.JournalPath);
    stepDone();
    r.Ok = true;
    return r;
}

TRecovery RecoverInterruptedInstall(const QString& journalPath, QString* report)
{
    if (journalPath.isEmpty() || !QFileInfo::exists(journalPath))
        return TRecovery::NothingToDo;
    TPhase phase = TPhase::Installing;
    std::vector<TJournalEntry> entries;
    if (!ReadJournal(journalPath, &phase, &entries)) {
        if (report)
            *report = QStringLiteral("The update journal %1 cannot be read; it is kept.").arg(journalPath);
        return TRecovery::Failed;
    }
    if (phase == TPhase::Done) {
        RemoveBackups(entries);
        RemoveJournal(journalPath);
        if (report)
            *report = QStringLiteral("An interrupted update was finished: the new program files are in place.");
        return TRecovery::Finished;
    }
    if (!RollBack(entries)) {
        if (report)
            *report =
                QStringLiteral("An interrupted update could not be undone; the journal %1 is kept.").arg(journalPath);
        return TRecovery::Failed;
    }
    RemoveJournal(journalPath);
    if (report)
        *report = QStringLiteral("An interrupted update was undone: the old program files are in place.");
    return TRecovery::RolledBack;
}

TProgramCall SplitProgramCall(const QString& text)
{
    const QString s = text.trimmed();
    if (QFileInfo(s).isFile())
        return {s, {}};
    for (qsizetype at = s.lastIndexOf(QLatin1Char(' ')); at > 0; at = s.lastIndexOf(QLatin1Char(' '), at - 1)) {
        const QString head = s.left(at);
        if (QFileInfo(head).isFile())
            return {head, QProcess::splitCommand(s.mid(at + 1))};
    }
    const QStringList parts = QProcess::splitCommand(s);
    if (parts.isEmpty())
        return {};
    return {parts.front(), parts.mid(1)};
}

} // namespace sv
