// Progress follows the question through rebuilds of a portion: a small portion compiled, a
// person graded, a question inserted before the graded ones and one removed, the portion
// compiled again; and the ids written into the sources by "sv-content ids".

#include "compiler/Compiler.h"
#include "compiler/IdAssigner.h"
#include "tools/TwelveVerses.h"

#include "common/Errors.h"
#include "user/History.h"
#include "user/Knowledge.h"
#include "user/ProgressCarry.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

using namespace sv;
using namespace sv::content;
using namespace sv::test;

namespace {

// Questions 1..10, one on each of the verses 1..10; ids when withIds.
std::vector<TAuthoredQuestion> TenQuestions(bool withIds)
{
    std::vector<TAuthoredQuestion> qs;
    for (int v = 1; v <= 10; ++v)
        qs.push_back(Question(withIds ? v : 0, v, AskedAt(v)));
    return qs;
}

// Compiles the sources into dir and reads the table back as the program does.
std::unique_ptr<TCompiledContent> Build(const TSourceSet& s, const QString& dir, TQuestionKeys& keys)
{
    auto c = Compile(s, TwelveVerses());
    WriteContent(*c, dir.toStdString());
    TPortionKeys loaded = LoadPortionKeys(QDir(dir).filePath(QStringLiteral("wf.qid")).toStdString(),
                                          QDir(dir).filePath(QStringLiteral("wf.qs")).toStdString());
    EXPECT_EQ(loaded.Problem, "");
    if (loaded.Keys)
        keys = *loaded.Keys;
    return c;
}

int IndexOf(const TCompiledContent& c, const std::string& text)
{
    for (int i = 1; i <= c.Questions.QuestionCount(1); ++i)
        if (c.Questions.QuestionPlainText({1, i}) == text)
            return i;
    return 0;
}

} // namespace

TEST(QuestionIds, GradesAndSetHistoryStayOnTheirQuestionsThroughARebuild)
{
    const struct {
        const char* Name;
        bool IdsBefore, IdsAfter;
    } cases[] = {
        {"questions with ids", true, true},
        {"questions without ids yet", false, false},
        {"ids given between the builds", false, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir first, second, users;
        TQuestionKeys keys1, keys2;
        auto built1 = Build(Portion(TenQuestions(c.IdsBefore)), first.path(), keys1);
        ASSERT_EQ(IndexOf(*built1, AskedAt(5)), 5) << c.Name;
        ASSERT_EQ(IndexOf(*built1, AskedAt(9)), 9) << c.Name;

        // Ann is graded on questions 5 and 9 and has used them in sets.
        const std::string dir = users.path().toStdString() + "/";
        const TPersonFiles files = PersonFilesOf(dir + "Ann.219", dir, "Ann");
        TUser ann;
        ann.FullName.setText("Ann");
        EXPECT_EQ(FollowQuestions(keys1, files, ann, "2026-12-10").Outcome, TCarryOutcome::TableWritten);
        ann.QuestionByte({1, 5}) = 31;
        ann.QuestionByte({1, 9}) = 13;
        ann.SaveToFile(files.UserFile);
        THistory h;
        h.At({1, 5}) = 2;
        h.At({1, 9}) = 1;
        h.SaveToFile(files.HistoryFile);

        // A question inserted on verse 2, the one on verse 10 removed.
        auto after = TenQuestions(c.IdsAfter);
        after.pop_back();
        after.push_back(Question(c.IdsAfter ? 11 : 0, 2, "Which verse comes second?"));
        auto built2 = Build(Portion(after), second.path(), keys2);
        const int at5 = IndexOf(*built2, AskedAt(5)), at9 = IndexOf(*built2, AskedAt(9));
        ASSERT_EQ(at5, 6) << c.Name;
        ASSERT_EQ(at9, 10) << c.Name;

        TUser loaded;
        loaded.LoadFromFile(files.UserFile);
        const TCarryReport r = FollowQuestions(keys2, files, loaded, "2026-12-11");
        EXPECT_EQ(r.Counts, (TCarryCounts{1, 1})) << c.Name;
        EXPECT_EQ(loaded.QuestionByte({1, at5}), 31) << c.Name;
        EXPECT_EQ(loaded.QuestionByte({1, at9}), 13) << c.Name;
        EXPECT_EQ(loaded.QuestionByte({1, 5}), KnowledgeUntried) << c.Name;
        EXPECT_EQ(loaded.QuestionByte({1, 9}), KnowledgeUntried) << c.Name;
        THistory h2;
        h2.LoadFromFile(files.HistoryFile);
        EXPECT_EQ(h2.SetUseCount({1, at5}), 2) << c.Name;
        EXPECT_EQ(h2.SetUseCount({1, at9}), 1) << c.Name;
        EXPECT_EQ(h2.SetUseCount({1, 5}), 0) << c.Name;
        // The generated questions kept their places and were not counted.
        EXPECT_EQ(keys2.At({5, 3}).Key, "book-and-chapter Gal 1:3") << c.Name;
    }
}

TEST(QuestionIds, IdsAreCheckedWhenCompiling)
{
    auto twice = TenQuestions(true);
    twice[3].Id = 2;
    twice[3].IdPos = {"q.yaml", 40};
    try {
        Compile(Portion(twice), TwelveVerses());
        ADD_FAILURE() << "an id given twice was taken";
    } catch (const ESourceError& e) {
        EXPECT_NE(std::string(e.what()).find("q.yaml:40: id 2 is given twice"), std::string::npos) << e.what();
    }
    auto s = Portion(TenQuestions(true));
    s.Portion.NextId = 10;
    EXPECT_THROW(Compile(s, TwelveVerses()), ESourceError);
    s.Portion.NextId = 11;
    EXPECT_NO_THROW(Compile(s, TwelveVerses()));

    // Without ids the build goes on and says so once.
    auto missing = Compile(Portion(TenQuestions(false)), TwelveVerses());
    EXPECT_EQ(missing->Stats.MissingIds, 10);
    ASSERT_FALSE(missing->Stats.Warnings.empty());
    EXPECT_EQ(missing->Stats.Warnings.back(),
              "10 authored questions have no id yet (the first at q.yaml:1); \"sv-content ids\" gives each one");
}

namespace {

std::string Read(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const QString& path, const std::string& text)
{
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

const char* kPortion = TwelveVersesPortionYaml;

} // namespace

TEST(QuestionIds, TheIdsCommandWritesOnlyTheIds)
{
    const struct {
        const char* Name;
        std::string Before, After;
    } cases[] = {
        {"comments, quoting and order kept",
         "# Galatians\n\n# chapter 1\n- collection: 1   # toss-up\n  type: what\n  question: 'What, \"said\" he?'\n"
         "  ref: Gal 1:1\n  answer: \"Paul\"\n\n- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:2\n"
         "  answer: Paul\n",
         "# Galatians\n\n# chapter 1\n- id: 1\n  collection: 1   # toss-up\n  type: what\n  question: 'What, \"said\" "
         "he?'\n"
         "  ref: Gal 1:1\n  answer: \"Paul\"\n\n- id: 2\n  collection: 1\n  type: who\n  question: \"Who?\"\n  ref: "
         "Gal 1:2\n"
         "  answer: Paul\n"},
        {"Windows line ends and an id already given",
         "- id: 7\r\n  collection: 1\r\n  type: who\r\n  question: \"Who?\"\r\n  ref: Gal 1:2\r\n  answer: Paul\r\n"
         "-   type: who\r\n    collection: 2\r\n    question: \"Who?\"\r\n    ref: Gal 1:3\r\n    answer: Paul",
         "- id: 7\r\n  collection: 1\r\n  type: who\r\n  question: \"Who?\"\r\n  ref: Gal 1:2\r\n  answer: Paul\r\n"
         "-   id: 8\r\n    type: who\r\n    collection: 2\r\n    question: \"Who?\"\r\n    ref: Gal 1:3\r\n    answer: "
         "Paul"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("questions"));
        Write(dir.filePath(QStringLiteral("portion.yaml")), kPortion);
        Write(dir.filePath(QStringLiteral("questions/a.yaml")), c.Before);
        const TIdAssignment a = AssignIds(dir.path().toStdString());
        EXPECT_EQ(Read(dir.filePath(QStringLiteral("questions/a.yaml"))), c.After) << c.Name;
        EXPECT_EQ(a.Assigned, std::string(c.Name).starts_with("Windows") ? 1 : 2) << c.Name;
        // The ids read back; next-id is written after the portion file's own text.
        const TPortion p = ReadPortion(dir.filePath(QStringLiteral("portion.yaml")).toStdString());
        EXPECT_EQ(p.NextId, a.NextId) << c.Name;
        EXPECT_TRUE(Read(dir.filePath(QStringLiteral("portion.yaml"))).starts_with(kPortion)) << c.Name;
        const auto qs = ReadQuestionFile(dir.filePath(QStringLiteral("questions/a.yaml")).toStdString(), p);
        for (const auto& q : qs)
            EXPECT_GT(q.Id, 0) << c.Name;
        // A second run has nothing to do and changes nothing.
        const std::string portion = Read(dir.filePath(QStringLiteral("portion.yaml")));
        EXPECT_EQ(AssignIds(dir.path().toStdString()).Assigned, 0) << c.Name;
        EXPECT_EQ(Read(dir.filePath(QStringLiteral("questions/a.yaml"))), c.After) << c.Name;
        EXPECT_EQ(Read(dir.filePath(QStringLiteral("portion.yaml"))), portion) << c.Name;
    }
}

TEST(QuestionIds, AnIdIsNeverHandedOutTwice)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("questions"));
    Write(dir.filePath(QStringLiteral("portion.yaml")), kPortion);
    const std::string q = "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:2\n  answer: Paul\n";
    Write(dir.filePath(QStringLiteral("questions/a.yaml")), q + q);
    EXPECT_EQ(AssignIds(dir.path().toStdString()).NextId, 3);
    // The question with the highest id is deleted; a new one gets a fresh id, not 2 again.
    Write(dir.filePath(QStringLiteral("questions/a.yaml")), "- id: 1\n  " + q.substr(2) + q);
    AssignIds(dir.path().toStdString());
    EXPECT_EQ(Read(dir.filePath(QStringLiteral("questions/a.yaml"))),
              "- id: 1\n  " + q.substr(2) + "- id: 3\n  " + q.substr(2));
    const std::string portion = Read(dir.filePath(QStringLiteral("portion.yaml")));
    EXPECT_EQ(portion.substr(portion.size() - 11), "next-id: 4\n");

    // A file with a fault is refused before anything is written.
    Write(dir.filePath(QStringLiteral("questions/b.yaml")), q + "- collection: 9\n");
    EXPECT_THROW(AssignIds(dir.path().toStdString()), ESourceError);
    EXPECT_EQ(Read(dir.filePath(QStringLiteral("portion.yaml"))), portion);
}
