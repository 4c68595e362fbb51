#include "common/Errors.h"
#include "portion/PortionChoice.h"
#include "portion/PortionInfo.h"
#include "portion/Portions.h"
#include "support/ContentFixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace sv {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// A folder holding small content files and, unless ini is null, that portion.ini.
void MakePortion(const fs::path& dir, const char* ini)
{
    fs::create_directories(dir);
    test::BuildFixture(test::SmallFixture()).WriteTo(dir.string());
    if (ini)
        Write(dir / PortionFileName, ini);
}

int SmallFixtureQuestions()
{
    const TQuestions& q = test::SmallContent().Questions;
    int n = 0;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= q.QuestionCount(c); ++i)
            n += q.IsPlaceholder({c, i}) ? 0 : 1;
    return n;
}

const char* const PeterIni = "[Portion]\nname=1-2 Peter\nbooks=1 Peter, 2 Peter\ntranslation=engWEB2015eb\n"
                             "built=2026-12-10\n";

TEST(PortionText, ReadsWhatItWrote)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    TPortionText t;
    // A line break in a value would end it early when read back.
    t.Name = QStringLiteral("Matthew 5-7\nSermon");
    t.Books = QStringLiteral("Matthew");
    t.Translation = QStringLiteral("KJV");
    t.Built = QDate(2026, 12, 10);
    WritePortionText(d, t);
    const TPortionText back = ReadPortionText(d);
    EXPECT_EQ(back.Name, QStringLiteral("Matthew 5-7 Sermon"));
    EXPECT_EQ(back.Books, t.Books);
    EXPECT_EQ(back.Translation, t.Translation);
    EXPECT_EQ(back.Built, t.Built);
}

TEST(PortionText, AcceptsCommentsUnknownKeysAndNoDate)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    Write(d + PortionFileName,
          "; made by hand\r\n# comment\r\n[Portion]\r\n Name = Jonah \r\nlater-key=x\r\nbuilt=\r\n");
    const TPortionText t = ReadPortionText(d);
    EXPECT_EQ(t.Name, QStringLiteral("Jonah"));
    EXPECT_TRUE(t.Books.isEmpty());
    EXPECT_FALSE(t.Built.isValid());
}

TEST(PortionText, RefusesBrokenDescriptions)
{
    struct Case {
        const char* Text;
        const char* Fault; // part of the message
    };
    const Case cases[] = {
        {"", "no name"},
        {"[Portion]\nbooks=Jonah\n", "no name"},
        {"[Portion]\nname=\n", "no name"},
        {"[Portion]\nname=Jonah\nbuilt=10.12.2026\n", "yyyy-mm-dd"},
        {"[Portion]\nname=Jonah\nbuilt=2026-02-30\n", "yyyy-mm-dd"},
        {"[Portion]\nname Jonah\n", ":2: a line without"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const std::string d = dir.path().toStdString() + "/";
        Write(d + PortionFileName, c.Text);
        try {
            ReadPortionText(d);
            ADD_FAILURE() << "accepted: " << c.Text;
        } catch (const EPortionError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Fault), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(d + PortionFileName), std::string::npos) << e.what();
        }
    }
    QTemporaryDir none;
    EXPECT_THROW(ReadPortionText(none.path().toStdString() + "/"), EFileError);
}

TEST(FindPortions, ListsTheShippedPortionFirstAndEveryFolderThatOpens)
{
    QTemporaryDir tmp;
    const fs::path root = tmp.path().toStdString();
    const fs::path program = root / "program";
    MakePortion(program, nullptr); // the shipped portion may lack its description
    const fs::path own = program / "Portions";
    const fs::path personal = root / "home" / "portions";
    MakePortion(own / "peter", PeterIni);
    MakePortion(own / "nameless", "[Portion]\nbooks=Jonah\n");
    Write(own / "halfway" / PortionFileName, "[Portion]\nname=Halfway\n"); // no content files
    fs::create_directories(own / "notes");                                 // no portion at all
    MakePortion(personal / "peter", PeterIni);                             // the id is taken
    MakePortion(personal / "jonah", "[Portion]\nname=Jonah\n");

    const TPortionList list =
        FindPortions(program.string() + "/", {own.string() + "/", personal.string() + "/", (root / "none/").string()});
    ASSERT_EQ(list.Portions.size(), 3u);
    EXPECT_TRUE(list.Portions[0].Shipped());
    EXPECT_EQ(list.Portions[0].Dir, program.string() + "/");
    EXPECT_EQ(list.Portions[1].Id, "peter");
    EXPECT_EQ(list.Portions[1].Dir, (own / "peter").string() + "/");
    EXPECT_EQ(list.Portions[1].Text.Name, QStringLiteral("1-2 Peter"));
    EXPECT_EQ(list.Portions[2].Id, "jonah");
    for (const TPortionInfo& p : list.Portions)
        EXPECT_EQ(p.Questions, SmallFixtureQuestions()) << p.Dir;

    std::vector<std::string> problems;
    for (const TPortionProblem& p : list.Problems)
        problems.push_back(fs::path(p.Dir).parent_path().filename().string() + ": " + p.Why);
    ASSERT_EQ(problems.size(), 3u) << testing::PrintToString(problems);
    EXPECT_NE(problems[0].find("halfway: Cannot open file "), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("nameless: "), std::string::npos) << problems[1];
    EXPECT_NE(problems[1].find("no name"), std::string::npos) << problems[1];
    EXPECT_NE(problems[2].find("peter: another portion folder"), std::string::npos) << problems[2];
}

TEST(FindPortions, ReportsAShippedPortionWhoseContentIsDamaged)
{
    QTemporaryDir tmp;
    const fs::path program = fs::path(tmp.path().toStdString()) / "program";
    MakePortion(program, nullptr);
    Write(program / "wf.qs", "cut short");
    const TPortionList list = FindPortions(program.string() + "/", {});
    EXPECT_TRUE(list.Portions.empty());
    ASSERT_EQ(list.Problems.size(), 1u);
}

TEST(PortionPaths, EachPortionKeepsItsPersonsApart)
{
    TProgramPaths paths = LocateProgramFiles(QStringLiteral("/nowhere/bin"), {});
    // Until another is chosen the shipped portion is open, with the Users folder as it was.
    EXPECT_EQ(paths.PortionDir, paths.ProgramDir);
    EXPECT_EQ(paths.PersonDir, paths.UsersDir);

    TPortionInfo shipped;
    shipped.Dir = paths.ProgramDir;
    TPortionInfo peter;
    peter.Id = "peter";
    peter.Dir = "/data/portions/peter/";
    EXPECT_EQ(PersonDirOf("/p/Users/", shipped), "/p/Users/");
    EXPECT_EQ(PersonDirOf("/p/Users/", peter), "/p/Users/peter/");
    UsePortion(paths, peter);
    EXPECT_EQ(paths.PortionDir, "/data/portions/peter/");
    EXPECT_EQ(paths.PersonDir, paths.UsersDir + "peter/");
    UsePortion(paths, shipped);
    EXPECT_EQ(paths.PersonDir, paths.UsersDir);
}

TEST(PortionPaths, PortionsAreSearchedBesideTheProgramAndInThePersonsData)
{
    TProgramPaths paths;
    paths.ProgramDir = "/opt/sv/";
    TPerUserFolders home{QStringLiteral("/home/ann/.local/share/scrivolt"), QStringLiteral("/home/ann/.config")};
    EXPECT_EQ(PortionSearchDirs(paths, home),
              (std::vector<std::string>{"/opt/sv/Portions/", "/home/ann/.local/share/scrivolt/portions/"}));
    paths.ProgramDir = "/usr/share/scrivolt/";
    paths.Layout = TDataLayout::PerUser;
    EXPECT_EQ(PortionSearchDirs(paths, home).front(), "/usr/share/scrivolt/portions/");
}

TEST(PortionChoice, ShowsEachPortionAndMarksTheOneOpen)
{
    TPortionList list;
    TPortionInfo shipped;
    shipped.Dir = "/p/";
    shipped.Questions = 566;
    TPortionInfo peter;
    peter.Id = "peter";
    peter.Dir = "/p/Portions/peter/";
    peter.Text.Name = QStringLiteral("1-2 Peter");
    peter.Text.Books = QStringLiteral("1 Peter, 2 Peter");
    peter.Text.Translation = QStringLiteral("engWEB2015eb");
    peter.Questions = 120;
    list.Portions = {shipped, peter};
    list.Problems = {{"/p/Portions/x/", "Cannot open file /p/Portions/x/wf.wl"}};

    const TPortionChoice choice(list, "/p/Portions/peter");
    ASSERT_EQ(choice.Rows(), 2);
    EXPECT_EQ(choice.CurrentRow(), 1);
    EXPECT_EQ(choice.Cell(0, TPortionColumn::Name), QStringLiteral("The portion of this program"));
    EXPECT_EQ(choice.Cell(0, TPortionColumn::Questions), QStringLiteral("566"));
    EXPECT_EQ(choice.Cell(1, TPortionColumn::Name), QStringLiteral("1-2 Peter"));
    EXPECT_EQ(choice.Cell(1, TPortionColumn::Books), QStringLiteral("1 Peter, 2 Peter"));
    EXPECT_EQ(choice.Cell(1, TPortionColumn::Translation), QStringLiteral("engWEB2015eb"));
    EXPECT_EQ(choice.ProblemLines(),
              QStringList{QStringLiteral("/p/Portions/x/: Cannot open file /p/Portions/x/wf.wl")});
    EXPECT_EQ(TPortionChoice(list, "/elsewhere/").CurrentRow(), -1);
}

} // namespace
} // namespace sv
