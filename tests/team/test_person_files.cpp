#include "TeamFixture.h"
#include "common/LeStream.h"
#include "common/Win1252.h"
#include "content/QuestionKeys.h"
#include "goals/Tasks.h"
#include "program/UserNames.h"
#include "team/PersonFiles.h"
#include "user/History.h"
#include "user/StudyDate.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>

using namespace sv;
using namespace sv::test;

namespace {

using TBytes = std::vector<std::uint8_t>;

TBytes ReadAll(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray a = f.readAll();
    return TBytes(a.begin(), a.end());
}

void WriteAll(const std::string& path, const TBytes& bytes)
{
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

// A folder with Ann's four files: user file, set history, task list and study date.
struct TStick {
    QTemporaryDir Dir;
    std::string Path() const { return Dir.path().toStdString() + "/"; }
    TStick()
    {
        TUser ann = TeamPerson("Ann", "Ann");
        ann.QuestionByte({2, 5}) = 31;
        ann.SaveToFile(Path() + "Ann.219");
        THistory history;
        history.At({1, 1}) = 4;
        history.SaveToFile(Path() + "Ann.219h");
        TStreamWriter tasks;
        TTasks().SaveToStream(tasks);
        tasks.saveToFile(Path() + "Ann.tasks");
        WriteStudyDate(StudyDatePath(Path(), "Ann"), QDate(2026, 12, 1));
    }
};

std::vector<std::string> Listing(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TNameClash Never(const std::string&)
{
    ADD_FAILURE() << "asked about a name clash";
    return TNameClash::Cancel;
}

} // namespace

TEST(PersonFiles, AGoodPersonIsBroughtWithAllTheirFiles)
{
    const TStick stick;
    QTemporaryDir users;
    const std::string to = users.path().toStdString() + "/";
    const TPersonPackage p = ReadPersonFiles(stick.Path() + "Ann.219");
    const TImportResult r = ImportPerson(p, to, Never);
    EXPECT_TRUE(r.Imported);
    EXPECT_EQ(r.FileName, "Ann");
    EXPECT_EQ(Listing(to), (std::vector<std::string>{"Ann.219", "Ann.219h", "Ann.studied", "Ann.tasks"}));
    for (const char* name : {"Ann.219", "Ann.219h", "Ann.studied", "Ann.tasks"})
        EXPECT_EQ(ReadAll(to + name), ReadAll(stick.Path() + name)) << name;
}

TEST(PersonFiles, ADamagedOrForeignFileIsRefusedWithItsReasonAndNothingIsCopied)
{
    const struct {
        const char* What;
        const char* File; // the file changed, in the stick folder
        TBytes (*Change)(TBytes);
        const char* Reason;
    } cases[] = {
        {"truncated user file", "Ann.219",
         [](TBytes b) {
             b.resize(40000);
             return b;
         },
         "cut short"},
        {"empty user file", "Ann.219", [](TBytes) { return TBytes(); }, "cut short"},
        {"longer file", "Ann.219",
         [](TBytes b) {
             b.push_back(0);
             return b;
         },
         "too long"},
        {"foreign file of the same size", "Ann.219",
         [](TBytes b) {
             std::fill(b.begin(), b.end(), 'x');
             return b;
         },
         "another layout"},
        {"no name", "Ann.219",
         [](TBytes b) {
             b[5] = 0;
             return b;
         },
         "no person's name"},
        {"cut set history", "Ann.219h",
         [](TBytes b) {
             b.resize(100);
             return b;
         },
         "set history of Ann.219 is damaged"},
        {"damaged task list", "Ann.tasks",
         [](TBytes) {
             return TBytes{1, 2, 3};
         },
         "task list of Ann.219 is damaged"},
    };
    for (const auto& c : cases) {
        const TStick stick;
        WriteAll(stick.Path() + c.File, c.Change(ReadAll(stick.Path() + c.File)));
        try {
            ReadPersonFiles(stick.Path() + "Ann.219");
            ADD_FAILURE() << c.What << " was accepted";
        } catch (const EImportRefused& e) {
            EXPECT_NE(std::string(e.what()).find(c.Reason), std::string::npos) << c.What << ": " << e.what();
        }
    }
    const TStick stick;
    EXPECT_THROW(ReadPersonFiles(stick.Path() + "Ann.219h"), EImportRefused); // not a user file
    EXPECT_THROW(ReadPersonFiles(stick.Path() + "Bob.219"), EFileError);
}

TEST(PersonFiles, ANameAlreadyPresentIsReplacedKeptTwiceOrLeftOnlyAsAnswered)
{
    const TStick stick;
    const TPersonPackage p = ReadPersonFiles(stick.Path() + "Ann.219");
    const struct {
        TNameClash Answer;
        bool Imported;
        const char* FileName;
        std::vector<std::string> Files;
    } cases[] = {
        {TNameClash::Cancel, false, "", {"Ann.219", "Ann.219h"}},
        {TNameClash::Replace, true, "Ann", {"Ann.219", "Ann.219h", "Ann.studied", "Ann.tasks"}},
        {TNameClash::KeepBoth,
         true,
         "Anncopy",
         {"Ann.219", "Ann.219h", "Anncopy.219", "Anncopy.219h", "Anncopy.studied", "Anncopy.tasks"}},
    };
    for (const auto& c : cases) {
        QTemporaryDir users;
        const std::string to = users.path().toStdString() + "/";
        TUser here = TeamPerson("Ann", "Ann");
        here.QuestionByte({0, 1}) = 31;
        here.SaveToFile(to + "Ann.219");
        THistory().SaveToFile(to + "Ann.219h");
        const TBytes before = ReadAll(to + "Ann.219");

        std::vector<std::string> asked;
        const TImportResult r = ImportPerson(p, to, [&](const std::string& present) {
            asked.push_back(present);
            return c.Answer;
        });
        EXPECT_EQ(asked, std::vector<std::string>{"Ann"});
        EXPECT_EQ(r.Imported, c.Imported);
        EXPECT_EQ(r.FileName, c.FileName);
        EXPECT_EQ(Listing(to), c.Files) << int(c.Answer);
        TUser now;
        now.LoadFromFile(to + "Ann.219");
        EXPECT_EQ(now.QuestionByte({2, 5}), c.Answer == TNameClash::Replace ? 31 : 7);
        if (c.Answer == TNameClash::Replace) {
            EXPECT_EQ(ReadAll(to + "Ann.219h"), ReadAll(stick.Path() + "Ann.219h"));
        } else {
            EXPECT_EQ(ReadAll(to + "Ann.219"), before);
        }
        if (c.Answer == TNameClash::KeepBoth) {
            TUser copy;
            copy.LoadFromFile(to + "Anncopy.219");
            EXPECT_EQ(copy.FullName.text(), "Ann (copy)");
            EXPECT_EQ(copy.FileName.text(), "Anncopy");
            EXPECT_EQ(copy.QuestionByte({2, 5}), 31);
            EXPECT_EQ(ResolveTypedName("Ann (copy)", ListUserNames(to)).FileName, "Anncopy");
        }
    }
}

TEST(PersonFiles, AZipArchiveRoundTripsAndAForeignArchiveIsRefused)
{
    const TStick stick;
    QTemporaryDir out;
    const std::string zip = out.path().toStdString() + "/Ann.zip";
    ExportPersonToZip(stick.Path(), "Ann", zip);
    QTemporaryDir users;
    const std::string to = users.path().toStdString() + "/";
    ImportPerson(ReadPersonFiles(zip), to, Never);
    for (const char* name : {"Ann.219", "Ann.219h", "Ann.studied", "Ann.tasks"})
        EXPECT_EQ(ReadAll(to + name), ReadAll(stick.Path() + name)) << name;

    // A folder export holds the same files.
    const std::string folder = out.path().toStdString() + "/";
    ExportPersonToFolder(stick.Path(), "Ann", folder);
    EXPECT_EQ(Listing(folder),
              (std::vector<std::string>{"Ann.219", "Ann.219h", "Ann.studied", "Ann.tasks", "Ann.zip"}));

    // A text file named .zip, and a zip that is cut short.
    WriteAll(folder + "text.zip", TBytes{'h', 'e', 'l', 'l', 'o'});
    EXPECT_THROW(ReadPersonFiles(folder + "text.zip"), EImportRefused);
    TBytes cut = ReadAll(zip);
    cut.resize(cut.size() / 2);
    WriteAll(folder + "cut.zip", cut);
    EXPECT_THROW(ReadPersonFiles(folder + "cut.zip"), EImportRefused);
}

// A person whose name has a letter beyond A-Z travels with the table their results were
// written against: the file names stay UTF-8 on disk, the table arrives beside the user file,
// and a damaged table is refused before anything is copied.
TEST(PersonFiles, AnAccentedPersonTravelsWithTheirQuestionTable)
{
    const std::string zoe = "Zo\xEB";              // Windows-1252, as the program holds it
    const std::string onDisk = Win1252ToUtf8(zoe); // "Zoë" in UTF-8
    QTemporaryDir from;
    const std::string dir = from.path().toStdString() + "/";
    TeamPerson(zoe, zoe).SaveToFile(dir + onDisk + ".219");
    TQuestionKeys keys;
    keys.Collection(1) = {{"id 1", "text Gal 1:1 x"}, {"quote Gal 2:20", ""}};
    keys.SaveToFile(dir + onDisk + ".qid");

    QTemporaryDir out;
    const std::string zip = out.path().toStdString() + "/zoe.zip";
    ExportPersonToZip(dir, zoe, zip);
    QTemporaryDir users;
    const std::string to = users.path().toStdString() + "/";
    const TImportResult r = ImportPerson(ReadPersonFiles(zip), to, Never);
    EXPECT_EQ(r.FileName, zoe);
    EXPECT_EQ(Listing(to), (std::vector<std::string>{onDisk + ".219", onDisk + ".qid"}));
    EXPECT_EQ(ReadAll(to + onDisk + ".qid"), ReadAll(dir + onDisk + ".qid"));
    EXPECT_EQ(ListUserNames(to), std::vector<std::string>{zoe});

    TBytes damaged = ReadAll(dir + onDisk + ".qid");
    damaged.resize(damaged.size() - 3);
    WriteAll(dir + onDisk + ".qid", damaged);
    try {
        ReadPersonFiles(dir + onDisk + ".219");
        ADD_FAILURE() << "a damaged question table was accepted";
    } catch (const EImportRefused& e) {
        EXPECT_NE(std::string(e.what()).find("question table"), std::string::npos) << e.what();
    }
}
