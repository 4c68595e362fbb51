// A coach's own questions: kept in the coach's folder, compiled with the shipped ones, and a
// rebuild after each change that keeps every person's results on their questions.

#include "compiler/CoachQuestions.h"
#include "tools/TwelveVerses.h"

#include "user/History.h"
#include "user/Knowledge.h"
#include "user/ProgressCarry.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace sv;
using namespace sv::content;
using namespace sv::test;

namespace {

// The shipped portion: questions 1..10 (ids 1..10) on verses 1..10.
TSourceSet Shipped()
{
    std::vector<TAuthoredQuestion> ten;
    for (int v = 1; v <= 10; ++v)
        ten.push_back(Question(v, v, AskedAt(v)));
    TSourceSet s = Portion(ten);
    s.Portion.NextId = 11;
    return s;
}

TQuestionKeys KeysOf(const QString& dir)
{
    TPortionKeys loaded = LoadPortionKeys(QDir(dir).filePath(QStringLiteral("wf.qid")).toStdString(),
                                          QDir(dir).filePath(QStringLiteral("wf.qs")).toStdString());
    EXPECT_EQ(loaded.Problem, "");
    return loaded.Keys ? *loaded.Keys : TQuestionKeys{};
}

// The number in collection 1 of the question with this text in the built folder.
int IndexOf(const QString& dir, const std::string& text)
{
    TWords words;
    words.LoadFromFile(QDir(dir).filePath(QStringLiteral("wf.wl")).toStdString());
    TBooks books(words);
    books.LoadFromFile(QDir(dir).filePath(QStringLiteral("wf.bk")).toStdString());
    TQuestions qs(words, books);
    qs.LoadFromFile(QDir(dir).filePath(QStringLiteral("wf.qs")).toStdString());
    for (int i = 1; i <= qs.QuestionCount(1); ++i)
        if (qs.QuestionPlainText({1, i}) == text)
            return i;
    return 0;
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(CoachQuestions, EditsAreKeptInTheCoachsFileAndIdsAreNeverHandedOutTwice)
{
    QTemporaryDir coach;
    const std::string dir = coach.path().toStdString();
    int added = 0;
    {
        TCoachQuestions c(Shipped(), dir);
        added = c.Add(Question(0, 2, "Who wrote verse two?"));
        EXPECT_GE(added, CoachIdBase);
        const int gone = c.Add(Question(0, 4, "Who wrote verse four?"));
        EXPECT_TRUE(c.Remove(gone));
        EXPECT_FALSE(c.Remove(3)) << "a shipped question is not the coach's to remove";
        c.Replace(Question(3, 3, "Which verse did Paul write third?")); // a shipped question edited
        c.Save();
        EXPECT_EQ(added + 1, gone);
    }
    TCoachQuestions again(Shipped(), dir);
    ASSERT_EQ(again.Own().size(), 2u);
    EXPECT_EQ(again.Find(added)->Question, "Who wrote verse two?");
    EXPECT_EQ(again.Find(3)->Question, "Which verse did Paul write third?");
    EXPECT_EQ(again.Add(Question(0, 5, "?")), added + 2) << "the removed question's id is not reused";
    // Compiled together: the edited shipped question stands once, in its place.
    const TSourceSet s = again.Sources();
    EXPECT_EQ(s.Authored.size(), 12u);
    EXPECT_EQ(std::count_if(s.Authored.begin(), s.Authored.end(), [](const auto& q) { return q.Id == 3; }), 1);
    EXPECT_GT(s.Portion.NextId, added + 2);
}

TEST(CoachQuestions, GradesStayOnTheirQuestionsThroughEachRebuildAndAFailedBuildChangesNothing)
{
    QTemporaryDir coach, program, users;
    const QString out = program.path();
    ASSERT_TRUE(RebuildContent(Shipped(), TwelveVerses(), out.toStdString()).Built);

    // Ann is graded on the questions of verses 5 and 9 and has used them in sets.
    const std::string dir = users.path().toStdString() + "/";
    const TPersonFiles files = PersonFilesOf(dir + "Ann.219", dir, "Ann");
    TUser ann;
    ann.FullName.setText("Ann");
    FollowQuestions(KeysOf(out), files, ann, "2026-12-10");
    ann.QuestionByte({1, 5}) = 31;
    ann.QuestionByte({1, 9}) = 13;
    ann.SaveToFile(files.UserFile);
    THistory h;
    h.At({1, 9}) = 2;
    h.SaveToFile(files.HistoryFile);

    TCoachQuestions c(Shipped(), coach.path().toStdString());
    const int added = c.Add(Question(0, 2, "Who wrote verse two?"));
    auto edited = *c.Find(9);
    edited.Question = "What did Paul write as verse nine?";
    c.Replace(edited);
    const struct {
        const char* step;
        bool remove;
        int at5, at9;
    } steps[] = {{"a question added before them, one edited", false, 6, 10}, {"the added one deleted", true, 5, 9}};
    for (const auto& s : steps) {
        if (s.remove) {
            ASSERT_TRUE(c.Remove(added));
        }
        const TRebuildResult r = RebuildContent(c.Sources(), TwelveVerses(), out.toStdString());
        ASSERT_TRUE(r.Built) << s.step << ": " << r.Problem;
        ASSERT_EQ(IndexOf(out, AskedAt(5)), s.at5) << s.step;
        ASSERT_EQ(IndexOf(out, edited.Question), s.at9) << s.step;
        TUser loaded;
        loaded.LoadFromFile(files.UserFile);
        FollowQuestions(KeysOf(out), files, loaded, "2026-12-11");
        EXPECT_EQ(loaded.QuestionByte({1, s.at5}), 31) << s.step;
        EXPECT_EQ(loaded.QuestionByte({1, s.at9}), 13) << s.step;
        THistory h2;
        h2.LoadFromFile(files.HistoryFile);
        EXPECT_EQ(h2.SetUseCount({1, s.at9}), 2) << s.step;
    }

    // An answer on a verse the portion does not have: the build fails, says why, and leaves
    // the content files as they were.
    const QByteArray before = Bytes(QDir(out).filePath(QStringLiteral("wf.qs")));
    auto wrong = Question(0, 2, "Who wrote verse thirteen?");
    wrong.Parts[0].Ref = TVerseRef(1, 1, 13);
    c.Add(wrong);
    const TRebuildResult r = RebuildContent(c.Sources(), TwelveVerses(), out.toStdString());
    EXPECT_FALSE(r.Built);
    EXPECT_NE(r.Problem.find("Gal 1:13 is not in the portion"), std::string::npos) << r.Problem;
    EXPECT_EQ(Bytes(QDir(out).filePath(QStringLiteral("wf.qs"))), before);
    EXPECT_FALSE(QDir(out + QStringLiteral(".new")).exists());
}

TEST(CoachQuestions, AnImportedFileWithErrorsIsRefusedWithAllOfThem)
{
    QTemporaryDir coach, files;
    TCoachQuestions c(Shipped(), coach.path().toStdString());
    const int own = c.Add(Question(0, 2, "Who wrote verse two?"));
    const auto write = [&](const char* name, const std::string& text) {
        const QString path = QDir(files.path()).filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
        return path.toStdString();
    };
    const std::string twoBonuses =
        write("bonus.yaml", "- collection: 2\n  type: what\n  prefix: \"Two-part answer.\"\n"
                            "  question: \"What?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n"
                            "- collection: 3\n  type: what\n  prefix: \"Three-part answer.\"\n"
                            "  question: \"What?\"\n  ref: Gal 1:2\n  answer: \"Paul\"\n");
    const std::string badType = write("type.yaml", "- collection: 1\n  type: whom\n  question: \"Who?\"\n"
                                                   "  ref: Gal 1:1\n  answer: \"Paul\"\n");
    const std::string badVerse = write("verse.yaml", "- collection: 1\n  type: who\n  question: \"Who?\"\n"
                                                     "  ref: Gal 1:40\n  answer: \"Paul\"\n");
    const struct {
        std::string path;
        std::vector<std::string> starts; // each error starts with path:line
    } refused[] = {
        {twoBonuses, {twoBonuses + ":1:", twoBonuses + ":7:"}},
        {badType, {badType + ":2:"}},
        {badVerse, {badVerse + ":4:"}},
    };
    for (const auto& r : refused) {
        const auto errors = c.Import(r.path, TwelveVerses());
        ASSERT_EQ(errors.size(), r.starts.size()) << r.path << ": " << (errors.empty() ? "" : errors[0]);
        for (std::size_t i = 0; i < errors.size(); ++i)
            EXPECT_EQ(errors[i].rfind(r.starts[i], 0), 0u) << errors[i];
        ASSERT_EQ(c.Own().size(), 1u) << "a refused file changes nothing";
    }

    // Another coach's file: their version of our question by its id, and a new one.
    const std::string good =
        write("good.yaml", "- id: " + std::to_string(own)
                               + "\n  collection: 1\n  type: who\n  question: \"Who wrote verse 2?\"\n"
                                 "  ref: Gal 1:2\n  answer: \"Paul\"\n"
                                 "- collection: 1\n  type: who\n  question: \"Who wrote verse 3?\"\n"
                                 "  ref: Gal 1:3\n  answer: \"Paul\"\n");
    EXPECT_TRUE(c.Import(good, TwelveVerses()).empty());
    ASSERT_EQ(c.Own().size(), 2u);
    EXPECT_EQ(c.Find(own)->Question, "Who wrote verse 2?");
    EXPECT_GT(c.Own()[1].Id, own);
}
