// A person's results follow their questions when the questions are numbered anew: the
// knowledge bytes of every copy and the set history move by question key, new questions start
// untried, gone ones are dropped, and the person's files are kept once before they change.

#include "FileTestHelpers.h"

#include "common/Errors.h"
#include "user/History.h"
#include "user/Knowledge.h"
#include "user/ProgressCarry.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <set>

using namespace sv;
using namespace sv::test;

namespace {

// A table from "collection: key key ..." lists; a key written "id 5=text x" has an alias.
TQuestionKeys Table(const std::map<int, std::vector<std::string>>& collections)
{
    TQuestionKeys t;
    for (const auto& [c, keys] : collections)
        for (const std::string& k : keys) {
            const auto eq = k.find('=');
            t.Collection(c).push_back(eq == std::string::npos ? TQuestionKey{k, ""}
                                                              : TQuestionKey{k.substr(0, eq), k.substr(eq + 1)});
        }
    return t;
}

} // namespace

TEST(ProgressCarry, ResultsFollowTheirQuestions)
{
    const struct {
        const char* Name;
        TQuestionKeys From, To;
        std::vector<std::pair<TQuestionAddr, TQuestionAddr>> Moves; // old place -> new place
        TCarryCounts Counts;
    } cases[] = {
        {"one inserted before, one removed",
         Table({{1, {"a", "b", "c", "d", "e"}}}),
         Table({{1, {"a", "x", "b", "d", "e"}}}),
         {{{1, 1}, {1, 1}}, {{1, 2}, {1, 3}}, {{1, 4}, {1, 4}}, {{1, 5}, {1, 5}}},
         {1, 1}},
        {"copies in other collections follow as well",
         Table({{1, {"a", "b"}}, {7, {"b"}}}),
         Table({{1, {"x", "a", "b"}}, {7, {"w", "b"}}}),
         {{{1, 1}, {1, 2}}, {{1, 2}, {1, 3}}, {{7, 1}, {7, 2}}},
         {2, 0}},
        {"a question moved to another collection",
         Table({{1, {"a", "b"}}}),
         Table({{1, {"b"}}, {2, {"a"}}}),
         {{{1, 1}, {2, 1}}, {{1, 2}, {1, 1}}},
         {0, 0}},
        {"a question given an id is found by its text key",
         Table({{1, {"text Gal 1:1 aaa", "text Gal 1:2 bbb"}}}),
         Table({{1, {"id 1=text Gal 1:1 aaa", "id 2=text Gal 1:2 bbb"}}}),
         {{{1, 1}, {1, 1}}, {{1, 2}, {1, 2}}},
         {0, 0}},
        {"an alias does not take the results of a question that is still there",
         Table({{1, {"id 1=t"}}}),
         Table({{1, {"id 2=t", "id 1=t"}}}),
         {{{1, 1}, {1, 2}}},
         {1, 0}},
    };
    for (const auto& c : cases) {
        TUser user;
        THistory history;
        // Every old question gets its own byte and use count.
        for (int col = 0; col < 8; ++col)
            for (int i = 1; i <= static_cast<int>(c.From.Collection(col).size()); ++i) {
                user.QuestionByte({col, i}) = static_cast<std::uint8_t>(100 + col * 10 + i);
                history.At({col, i}) = static_cast<std::uint8_t>(col * 10 + i);
            }
        user.ReferenceKnowledge[3] = 31;
        user.FullName.setText("Ann");
        const TCarryCounts counts = CarryProgress(c.From, c.To, user, &history);
        EXPECT_EQ(counts, c.Counts) << c.Name;
        std::set<TQuestionAddr> moved;
        for (const auto& [from, to] : c.Moves) {
            EXPECT_EQ(user.QuestionByte(to), 100 + from.Collection * 10 + from.Index) << c.Name;
            EXPECT_EQ(history.SetUseCount(to), from.Collection * 10 + from.Index) << c.Name;
            moved.insert(to);
        }
        // Every other place is untried and unused; nothing else of the person changed.
        for (int col = 0; col < 8; ++col)
            for (int i = 1; i <= 20; ++i)
                if (!moved.count({col, i})) {
                    EXPECT_EQ(user.QuestionByte({col, i}), KnowledgeUntried) << c.Name << " " << col << ":" << i;
                    EXPECT_EQ(history.SetUseCount({col, i}), 0) << c.Name << " " << col << ":" << i;
                }
        EXPECT_EQ(user.ReferenceKnowledge[3], 31) << c.Name;
        EXPECT_EQ(user.FullName.text(), "Ann") << c.Name;
    }
}

TEST(ProgressCarry, TheMessageSaysWhatHappenedInOneLine)
{
    const struct {
        TCarryCounts Counts;
        const char* Expect;
    } cases[] = {
        {{3, 1}, "3 questions new, 1 removed; your results were kept."},
        {{1, 0}, "1 question new; your results were kept."},
        {{0, 2}, "2 questions removed; your results were kept."},
        {{0, 0}, "The questions were numbered anew; your results were kept."},
    };
    for (const auto& c : cases)
        EXPECT_EQ((TCarryReport{TCarryOutcome::Carried, c.Counts}.Message()), c.Expect);
    EXPECT_EQ((TCarryReport{TCarryOutcome::TableWritten, {}}.Message()), "");
}

namespace {

// A person "Ann" in a Users folder: user file, set history and (optionally) a table.
struct TPersonFixture {
    QTemporaryDir Dir;
    std::string Users = Dir.path().toStdString() + "/";
    TPersonFiles Files = PersonFilesOf(Users + "Ann.219", Users, "Ann");
    TQuestionKeys Old = Table({{1, {"a", "b", "c"}}, {7, {"b"}}});
    TQuestionKeys New = Table({{1, {"x", "a", "b"}}, {7, {"b"}}});

    TUser Written()
    {
        TUser u;
        u.FullName.setText("Ann");
        u.QuestionByte({1, 2}) = 31;
        u.QuestionByte({7, 1}) = 31;
        u.QuestionByte({1, 3}) = 5;
        u.SaveToFile(Files.UserFile);
        THistory h;
        h.At({1, 2}) = 4;
        h.SaveToFile(Files.HistoryFile);
        return u;
    }
    TUser Loaded() const
    {
        TUser u;
        u.LoadFromFile(Files.UserFile);
        return u;
    }
};

} // namespace

TEST(ProgressCarry, APersonWithoutTableIsTakenAsMatchingAndGetsOne)
{
    TPersonFixture f;
    TUser user = f.Written();
    const auto before = ReadAll(f.Files.UserFile);
    const TCarryReport r = FollowQuestions(f.New, f.Files, user, "2026-12-10");
    EXPECT_EQ(r.Outcome, TCarryOutcome::TableWritten);
    EXPECT_EQ(user.QuestionByte({1, 2}), 31);
    EXPECT_EQ(ReadAll(f.Files.UserFile), before);
    TQuestionKeys mine;
    mine.LoadFromFile(f.Files.KeysFile);
    EXPECT_TRUE(mine.SameQuestions(f.New));
    EXPECT_EQ(Entries(f.Dir),
              (QStringList{QStringLiteral("Ann.219"), QStringLiteral("Ann.219h"), QStringLiteral("Ann.qid")}));
    // Loaded again with the same questions: nothing to do.
    EXPECT_EQ(FollowQuestions(f.New, f.Files, user, "2026-12-10").Outcome, TCarryOutcome::Matching);
}

TEST(ProgressCarry, ChangedQuestionsMoveTheResultsAndKeepTheOldFilesOnce)
{
    TPersonFixture f;
    TUser user = f.Written();
    f.Old.SaveToFile(f.Files.KeysFile);
    const auto oldUser = ReadAll(f.Files.UserFile), oldHistory = ReadAll(f.Files.HistoryFile),
               oldKeys = ReadAll(f.Files.KeysFile);

    const TCarryReport r = FollowQuestions(f.New, f.Files, user, "2026-12-10");
    EXPECT_EQ(r.Outcome, TCarryOutcome::Carried);
    EXPECT_EQ(r.Message(), "1 question new, 1 removed; your results were kept.");
    // In memory and on disk: "b" moved from 1:2 to 1:3, its copy stays 7:1; "x" is new, "c" gone.
    for (const TUser& u : {user, f.Loaded()}) {
        EXPECT_EQ(u.QuestionByte({1, 3}), 31);
        EXPECT_EQ(u.QuestionByte({7, 1}), 31);
        EXPECT_EQ(u.QuestionByte({1, 1}), KnowledgeUntried);
        EXPECT_EQ(u.FullName.text(), "Ann");
    }
    THistory h;
    h.LoadFromFile(f.Files.HistoryFile);
    EXPECT_EQ(h.SetUseCount({1, 3}), 4);
    EXPECT_EQ(h.SetUseCount({1, 2}), 0);
    TQuestionKeys mine;
    mine.LoadFromFile(f.Files.KeysFile);
    EXPECT_TRUE(mine.SameQuestions(f.New));
    EXPECT_EQ(ReadAll(f.Files.UserFile + ".before-2026-12-10"), oldUser);
    EXPECT_EQ(ReadAll(f.Files.HistoryFile + ".before-2026-12-10"), oldHistory);
    EXPECT_EQ(ReadAll(f.Files.KeysFile + ".before-2026-12-10"), oldKeys);

    // A second change the same day keeps the first backups as they are.
    const TQuestionKeys newer = Table({{1, {"a", "b"}}, {7, {"b"}}});
    EXPECT_EQ(FollowQuestions(newer, f.Files, user, "2026-12-10").Counts, (TCarryCounts{0, 1}));
    EXPECT_EQ(ReadAll(f.Files.UserFile + ".before-2026-12-10"), oldUser);
    EXPECT_EQ(user.QuestionByte({1, 2}), 31);
    EXPECT_EQ(Entries(f.Dir).size(), 6);
}

// A carry-over cut short (a crash or a full disk between its writes) is finished or undone by
// the next load; the results are never moved twice.
TEST(ProgressCarry, ACarryOverCutShortIsFinishedOrUndoneNeverDoneTwice)
{
    // What a whole carry-over writes.
    TPersonFixture whole;
    TUser u = whole.Written();
    whole.Old.SaveToFile(whole.Files.KeysFile);
    FollowQuestions(whole.New, whole.Files, u, "2026-12-10");
    const auto newUser = ReadAll(whole.Files.UserFile), newHistory = ReadAll(whole.Files.HistoryFile),
               newKeys = ReadAll(whole.Files.KeysFile);

    enum TStep { UserWritten, AllWritten, HistoryPlaced, UserPlaced };
    const struct {
        const char* Name;
        TStep CutAfter;
    } cases[] = {
        {"cut before the table was written", UserWritten},
        {"cut before any file took its place", AllWritten},
        {"cut after the set history took its place", HistoryPlaced},
        {"cut after the user file took its place", UserPlaced},
    };
    for (const auto& c : cases) {
        TPersonFixture f;
        f.Written();
        f.Old.SaveToFile(f.Files.KeysFile);
        WriteAll(f.Files.UserFile + (c.CutAfter == UserPlaced ? "" : ".carried"), newUser);
        if (c.CutAfter != UserWritten) {
            WriteAll(f.Files.HistoryFile + (c.CutAfter >= HistoryPlaced ? "" : ".carried"), newHistory);
            WriteAll(f.Files.KeysFile + ".carried", newKeys);
        }
        TUser loaded = f.Loaded(); // what the program read before it looks at the questions
        FollowQuestions(f.New, f.Files, loaded, "2026-12-11");
        EXPECT_EQ(ReadAll(f.Files.UserFile), newUser) << c.Name;
        EXPECT_EQ(ReadAll(f.Files.HistoryFile), newHistory) << c.Name;
        EXPECT_EQ(ReadAll(f.Files.KeysFile), newKeys) << c.Name;
        EXPECT_EQ(loaded.QuestionByte({1, 3}), 31) << c.Name;
        EXPECT_EQ(loaded.QuestionByte({1, 2}), KnowledgeUntried) << c.Name;
        for (const QString& name : Entries(f.Dir))
            EXPECT_FALSE(name.endsWith(QStringLiteral(".carried"))) << c.Name << ": " << name.toStdString();
    }
}

TEST(ProgressCarry, ADamagedTableIsReportedAndNothingIsLost)
{
    TPersonFixture f;
    TUser user = f.Written();
    WriteAll(f.Files.KeysFile, {1, 0, 0, 0, 9});
    const auto oldUser = ReadAll(f.Files.UserFile), oldHistory = ReadAll(f.Files.HistoryFile);
    try {
        FollowQuestions(f.New, f.Files, user, "2026-12-10");
        ADD_FAILURE() << "a damaged table was taken";
    } catch (const ERangeError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("The question table " + f.Files.KeysFile + " is damaged"), std::string::npos) << what;
        EXPECT_NE(what.find("your results were left as they are"), std::string::npos) << what;
    }
    EXPECT_EQ(user.QuestionByte({1, 2}), 31);
    EXPECT_EQ(ReadAll(f.Files.UserFile), oldUser);
    EXPECT_EQ(ReadAll(f.Files.HistoryFile), oldHistory);
    EXPECT_EQ(ReadAll(f.Files.KeysFile), (std::vector<std::uint8_t>{1, 0, 0, 0, 9}));
    EXPECT_EQ(Entries(f.Dir).size(), 3);
}

TEST(ProgressCarry, ThePortionTableMustBelongToItsQuestionFile)
{
    QTemporaryDir dir;
    const std::string qs = dir.filePath(QStringLiteral("wf.qs")).toStdString(),
                      qid = dir.filePath(QStringLiteral("wf.qid")).toStdString();
    WriteAll(qs, {1, 2, 3});
    // No table: nothing to follow, nothing to say.
    TPortionKeys none = LoadPortionKeys(qid, qs);
    EXPECT_FALSE(none.Keys);
    EXPECT_EQ(none.Problem, "");

    TQuestionKeys k = Table({{1, {"a"}}});
    k.Fingerprint = TQuestionKeys::FingerprintOf({1, 2, 3});
    k.SaveToFile(qid);
    TPortionKeys ok = LoadPortionKeys(qid, qs);
    ASSERT_TRUE(ok.Keys);
    EXPECT_TRUE(ok.Keys->SameQuestions(k));

    // wf.qs replaced (by an update) without its table.
    WriteAll(qs, {1, 2, 4});
    TPortionKeys stale = LoadPortionKeys(qid, qs);
    EXPECT_FALSE(stale.Keys);
    EXPECT_NE(stale.Problem.find("was made for other questions than " + qs), std::string::npos) << stale.Problem;

    WriteAll(qid, {7});
    TPortionKeys damaged = LoadPortionKeys(qid, qs);
    EXPECT_FALSE(damaged.Keys);
    EXPECT_NE(damaged.Problem.find(qid), std::string::npos) << damaged.Problem;
}
