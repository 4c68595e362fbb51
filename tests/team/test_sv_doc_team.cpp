// sv-doc team as a coach runs it on the shipped content: the report and the CSV file of a
// Users folder, and a clear error for a folder that is not there.

#include "user/User.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace {

struct TRun {
    int Code = -1;
    std::string Out, Err;
};

TRun SvDoc(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(SV_DOC_EXE),
            QStringList{QStringLiteral("team"), QStringLiteral("--program"), QStringLiteral(SV_PROGRAM_DIR)} + args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

std::string ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

struct TTeam {
    QTemporaryDir Dir;
    QString Users() const { return Dir.filePath(QStringLiteral("Users")); }
    TTeam()
    {
        QDir(Dir.path()).mkpath(QStringLiteral("Users"));
        for (const char* name : {"Ann", "Bob", "Cy"}) {
            sv::TUser u;
            u.Reset(false, false);
            u.FullName.setText(name);
            u.FileName.setText(name);
            u.QuestionByte({1, 1}) = 31;
            u.SaveToFile((Users() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".219")).toStdString());
        }
    }
};

int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

} // namespace

TEST(SvDocTeam, WritesTheReportAndTheCsvFileOfAUsersFolder)
{
    const TTeam team;
    const QString rtf = team.Dir.filePath(QStringLiteral("team.rtf"));
    const TRun r = SvDoc({QStringLiteral("--users"), team.Users(), QStringLiteral("--out"), rtf});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::string doc = ReadAll(rtf);
    EXPECT_TRUE(doc.starts_with("{\\rtf1")) << doc.substr(0, 40);
    for (const char* name : {"Ann\\cell ", "Bob\\cell ", "Cy\\cell ", "Team\\cell "})
        EXPECT_NE(doc.find(name), std::string::npos) << name;

    const QString csvOut = team.Dir.filePath(QStringLiteral("team"));
    const TRun c = SvDoc({QStringLiteral("--users"), team.Users(), QStringLiteral("--format"), QStringLiteral("csv"),
                          QStringLiteral("--out"), csvOut});
    ASSERT_EQ(c.Code, 0) << c.Err;
    EXPECT_NE(c.Out.find("team.csv"), std::string::npos) << c.Out;
    const std::string csv = ReadAll(csvOut + QStringLiteral(".csv"));
    ASSERT_TRUE(csv.starts_with("Person,File,Chapter,")) << csv.substr(0, 40);
    const int chapters = (Lines(csv) - 1) / 3;
    EXPECT_GT(chapters, 0);
    EXPECT_EQ(Lines(csv), 1 + 3 * chapters);
    EXPECT_NE(csv.find("\r\nCy,Cy,"), std::string::npos);
}

TEST(SvDocTeam, AMissingUsersFolderIsAFileError)
{
    const TTeam team;
    const TRun r = SvDoc({QStringLiteral("--users"), team.Dir.filePath(QStringLiteral("nowhere")),
                          QStringLiteral("--out"), team.Dir.filePath(QStringLiteral("x.rtf"))});
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("Cannot open file "), std::string::npos) << r.Err;
    EXPECT_FALSE(QFile::exists(team.Dir.filePath(QStringLiteral("x.rtf"))));
}
