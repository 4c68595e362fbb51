#include "update/ProgramInstaller.h"

#include "update/UpdatePaths.h"
#include "update/WebUpdate.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <sys/types.h>

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

TInstallResult InstallProgramFiles(const QStringList& targets, const std::function<bool(int)>& failBefore)
{
    TInstallResult r;
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
    }
    // Move the old files aside.
    QStringList movedAside;
    auto restoreOld = [&] {
        for (const QString& t : std::as_const(movedAside))
            ReplaceFile(Backup(t), t);
    };
    for (const QString& t : targets) {
        if (!QFileInfo::exists(t) && !QFileInfo(t).isSymLink())
            continue;
        QString error;
        if (!ReplaceFile(t, Backup(t), &error)) {
            restoreOld();
            r.Error = QStringLiteral("Cannot move %1 aside: %2").arg(t, error);
            return r;
        }
        movedAside << t;
    }
    // Move the new files in.
    for (int i = 0; i < targets.size(); ++i) {
        const QString& t = targets[i];
        const QFile::Permissions perms =
            movedAside.contains(t) ? QFile::permissions(Backup(t))
                                   : QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                        | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser
                                                        | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                        | QFile::ExeOther);
        QFile::setPermissions(Staged(t), perms);
        QString error;
        const bool injected = failBefore && failBefore(i);
        if (injected || !ReplaceFile(Staged(t), t, &error)) {
            for (const QString& done : std::as_const(r.Installed))
                ReplaceFile(done, Staged(done));
            r.Installed.clear();
            restoreOld();
            r.Error = QStringLiteral("Cannot put %1 in place: %2")
                          .arg(t, injected ? QStringLiteral("stopped") : error);
            return r;
        }
        r.Installed << t;
    }
    for (const QString& t : std::as_const(movedAside))
        QFile::remove(Backup(t));
    r.Ok = true;
    return r;
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
