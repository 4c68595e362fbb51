#include "program/ProgramPaths.h"

#include "common/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace sv {

namespace {

const QString ContentProbe = QStringLiteral("wf.wl");
const QString InstalledData = QStringLiteral("../share/scrivolt");
const QString FolderName = QStringLiteral("scrivolt");

std::string WithSlash(const QString& dir) { return QDir::cleanPath(dir).toStdString() + "/"; }

// A folder can be written when a file can really be created in it (the permission bits alone
// do not tell about read-only mounts).
bool CanWriteIn(const QString& dir)
{
    QTemporaryFile probe(dir + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

} // namespace

TPerUserFolders StandardPerUserFolders()
{
    TPerUserFolders f;
    f.DataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' + FolderName;
    f.ConfigHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + FolderName;
    return f;
}

TProgramPaths LocateProgramFiles(const QString& executableDir, const TPerUserFolders& perUser)
{
    const QDir exe(executableDir);
    const QString shared = exe.absoluteFilePath(InstalledData);
    const bool besideExe = exe.exists(ContentProbe);
    const bool installed = !besideExe && QDir(shared).exists(ContentProbe);

    TProgramPaths paths;
    paths.ProgramDir = WithSlash(installed ? shared : exe.absolutePath());
    if (!installed && CanWriteIn(exe.absolutePath())) {
        paths.Layout = TDataLayout::ProgramFolder;
        paths.DataDir = paths.ProgramDir;
        paths.UsersDir = paths.ProgramDir + "Users/";
        paths.SettingsFile = QString::fromStdString(paths.ProgramDir + "settings.ini");
        paths.PortionDir = paths.ProgramDir;
        paths.PersonDir = paths.UsersDir;
        return paths;
    }
    paths.Layout = TDataLayout::PerUser;
    paths.DataDir = WithSlash(perUser.DataHome);
    paths.UsersDir = paths.DataDir + "Users/";
    paths.SettingsFile = perUser.ConfigHome + QStringLiteral("/settings.ini");
    paths.PortionDir = paths.ProgramDir;
    paths.PersonDir = paths.UsersDir;
    return paths;
}

void MakeDataFolders(const TProgramPaths& paths)
{
    const QString users = QString::fromStdString(paths.UsersDir);
    if (!QDir().mkpath(users))
        ThrowCannotCreate(paths.UsersDir);
    const QString settingsDir = QFileInfo(paths.SettingsFile).absolutePath();
    if (!QDir().mkpath(settingsDir))
        ThrowCannotCreate(settingsDir.toStdString());
}

} // namespace sv
