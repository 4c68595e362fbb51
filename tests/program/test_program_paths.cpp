// Where the program finds its files and where it writes: beside the executable in a build or
// portable folder, in ../share/scrivolt and the person's own folders when installed.

#include "common/Errors.h"
#include "program/ProgramPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace sv {
namespace {

void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

class ProgramPaths : public ::testing::Test {
protected:
    QTemporaryDir root;
    TPerUserFolders perUser;
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        perUser.DataHome = root.filePath(QStringLiteral("home/.local/share/scrivolt"));
        perUser.ConfigHome = root.filePath(QStringLiteral("home/.config/scrivolt"));
    }
    std::string Dir(const char* rel) const
    {
        return QDir::cleanPath(root.filePath(QString::fromUtf8(rel))).toStdString() + "/";
    }
};

TEST_F(ProgramPaths, ContentBesideTheExecutableKeepsEverythingInTheProgramFolder)
{
    Touch(root.filePath(QStringLiteral("program/wf.wl")));
    // A copy in share/ next to it does not matter: the executable's own folder wins.
    Touch(root.filePath(QStringLiteral("share/scrivolt/wf.wl")));
    const TProgramPaths p = LocateProgramFiles(root.filePath(QStringLiteral("program")), perUser);
    EXPECT_EQ(p.Layout, TDataLayout::ProgramFolder);
    EXPECT_EQ(p.ProgramDir, Dir("program"));
    EXPECT_EQ(p.DataDir, Dir("program"));
    EXPECT_EQ(p.UsersDir, Dir("program") + "Users/");
    EXPECT_EQ(p.SettingsFile.toStdString(), Dir("program") + "settings.ini");
}

TEST_F(ProgramPaths, InstalledProgramReadsShareAndWritesIntoThePersonsFolders)
{
    Touch(root.filePath(QStringLiteral("usr/share/scrivolt/wf.wl")));
    QDir().mkpath(root.filePath(QStringLiteral("usr/bin")));
    const TProgramPaths p = LocateProgramFiles(root.filePath(QStringLiteral("usr/bin")), perUser);
    EXPECT_EQ(p.Layout, TDataLayout::PerUser);
    EXPECT_EQ(p.ProgramDir, Dir("usr/share/scrivolt"));
    EXPECT_EQ(p.DataDir, Dir("home/.local/share/scrivolt"));
    EXPECT_EQ(p.UsersDir, Dir("home/.local/share/scrivolt") + "Users/");
    EXPECT_EQ(p.SettingsFile.toStdString(), Dir("home/.config/scrivolt") + "settings.ini");

    MakeDataFolders(p);
    EXPECT_TRUE(QDir(QString::fromStdString(p.UsersDir)).exists());
    EXPECT_TRUE(QDir(root.filePath(QStringLiteral("home/.config/scrivolt"))).exists());
    // Nothing was made under the installation prefix.
    EXPECT_EQ(
        QDir(root.filePath(QStringLiteral("usr/share/scrivolt"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList{QStringLiteral("wf.wl")});
}

TEST_F(ProgramPaths, NoContentAnywherePointsAtTheExecutablesFolderSoTheMissingFileIsNamed)
{
    QDir().mkpath(root.filePath(QStringLiteral("empty")));
    const TProgramPaths p = LocateProgramFiles(root.filePath(QStringLiteral("empty")), perUser);
    EXPECT_EQ(p.ProgramDir, Dir("empty"));
}

TEST_F(ProgramPaths, DataFolderThatCannotBeMadeIsReported)
{
    Touch(root.filePath(QStringLiteral("usr/share/scrivolt/wf.wl")));
    QDir().mkpath(root.filePath(QStringLiteral("usr/bin")));
    // A file where the data folder should be.
    Touch(root.filePath(QStringLiteral("home/.local/share/scrivolt")));
    const TProgramPaths p = LocateProgramFiles(root.filePath(QStringLiteral("usr/bin")), perUser);
    EXPECT_THROW(MakeDataFolders(p), EFileError);
}

} // namespace
} // namespace sv
