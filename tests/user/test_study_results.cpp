#include "common/Errors.h"
#include "support/ContentFixture.h"
#include "user/History.h"
#include "user/KnowledgeUndo.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <functional>

using namespace sv;
using namespace sv::test;

namespace {

// Question (0,1) is at home in collection 0 with copies in collections 3 and 5; (0,2) has
// no copies.
TFixtureDesc Chain()
{
    TFixtureDesc d;
    TFixtureBook b;
    b.Name = "Galatians";
    b.Abbrev = "Ga ";
    b.Chapters = {{"Paul an apostle.", "Grace to you."}};
    d.Books = {b};
    d.Sections = {{1, 1, 1, "Greeting"}};
    d.Collections.resize(6);
    for (int c = 0; c < 6; ++c)
        d.Collections[c].Name = "C" + std::to_string(c);
    TFixtureQuestion home;
    home.Question = "Who is an apostle?";
    home.Answer = {{TVerseRef(1, 1, 1), "Paul"}};
    TFixtureQuestion other = home;
    other.Question = "What is to you?";
    other.Answer = {{TVerseRef(1, 1, 2), "grace"}};
    d.Collections[0].Questions = {home, other};
    for (int c : {3, 5}) {
        TFixtureQuestion p;
        p.Type = 44;
        p.HomeCollection = 0;
        p.HomeIndex = 1;
        p.Answer = {{TVerseRef(1, 1, 1), ""}};
        d.Collections[c].Questions = {p};
    }
    return d;
}

} // namespace

TEST(StudyResults, AnAnswerChangesEveryCopyOfTheQuestion)
{
    TLoadedContent content;
    content.Load(BuildFixture(Chain()));
    ASSERT_EQ(content.Questions.DupLink({0, 1}), QuestionId(3, 1));
    ASSERT_EQ(content.Questions.DupLink({3, 1}), QuestionId(5, 1));

    TUser u;
    u.QuestionByte({3, 1}) = 5;
    u.RecordQuestion({0, 1}, true, content.Questions);
    EXPECT_EQ(u.QuestionByte({0, 1}), 15);
    EXPECT_EQ(u.QuestionByte({3, 1}), 6);
    EXPECT_EQ(u.QuestionByte({5, 1}), 15);
    EXPECT_EQ(u.QuestionByte({0, 2}), 7);
    u.RecordQuestion({0, 2}, false, content.Questions);
    EXPECT_EQ(u.QuestionByte({0, 2}), 5);
    EXPECT_EQ(u.QuestionByte({0, 1}), 15);

    THistory h;
    h.At({3, 1}) = 255;
    h.CountUse({0, 1}, content.Questions);
    EXPECT_EQ(h.SetUseCount({0, 1}), 1);
    EXPECT_EQ(h.SetUseCount({3, 1}), 255); // stays, and the chain goes on
    EXPECT_EQ(h.SetUseCount({5, 1}), 1);
    EXPECT_EQ(h.SetUseCount({0, 2}), 0);
}

// A question file whose copies link round in a circle would never finish: it is refused
// before any byte changes.
TEST(StudyResults, LoopingDuplicateChainIsARangeError)
{
    TLoadedContent content;
    content.Load(BuildFixture(Chain()));
    content.Questions.Collection(5).Records[1].DupLink = QuestionId(0, 1);
    TUser u;
    EXPECT_THROW(u.RecordQuestion({0, 1}, true, content.Questions), ERangeError);
    EXPECT_EQ(u.QuestionByte({0, 1}), 7);
    EXPECT_EQ(u.QuestionByte({3, 1}), 7);
    THistory h;
    EXPECT_THROW(h.CountUse({3, 1}, content.Questions), ERangeError);
    EXPECT_EQ(h.SetUseCount({3, 1}), 0);
}

TEST(StudyResults, MemoryVerseAnswersGoToTheMemoryVerseNumber)
{
    TFixtureDesc d = Chain();
    d.MemoryVerses = {{1, 1, 1, 2, 1}, {1, 1, 2, 2, 1}};
    TLoadedContent content;
    content.Load(BuildFixture(d));
    TUser u;
    u.RecordMemoryVerse(TVerseRef(1, 1, 2), true, content.Books);
    EXPECT_EQ(u.MemoryKnowledge[2], 15);
    EXPECT_EQ(u.MemoryKnowledge[1], 7);
    // Not a memory verse: counts as the first entry.
    u.RecordMemoryVerse(TVerseRef(1, 1, 9), false, content.Books);
    EXPECT_EQ(u.MemoryKnowledge[1], 5);
}

TEST(StudyResults, UndoGivesBackExactlyTheBytesOneAnswerChanged)
{
    TLoadedContent content;
    content.Load(BuildFixture(Chain()));
    TUser u;
    u.QuestionByte({3, 1}) = 5;
    u.MemoryKnowledge[1] = 15;
    auto bytes = [](const TUser& user) {
        TStreamWriter w;
        user.SaveToStream(w);
        return w.data();
    };
    const struct {
        const char* Name;
        std::function<void(TUser&)> Record;
    } answers[] = {
        {"question right, with its copies",
         [&](TUser& x) {
             x.RecordQuestion({0, 1}, true, content.Questions);
         }},
        {"question wrong, with its copies",
         [&](TUser& x) {
             x.RecordQuestion({0, 1}, false, content.Questions);
         }},
        {"memory verse", [&](TUser& x) { x.RecordMemoryVerse(TVerseRef(1, 1, 1), false, content.Books); }},
        {"reference", [&](TUser& x) { x.RecordReference(2, true); }},
    };
    for (const auto& a : answers) {
        const std::vector<std::uint8_t> before = bytes(u);
        TKnowledgeUndo undo;
        undo.Before(u);
        a.Record(u);
        undo.After(u);
        EXPECT_NE(bytes(u), before) << a.Name;
        ASSERT_TRUE(undo.CanRestore()) << a.Name;
        // A change made meanwhile elsewhere in the record stays.
        u.WordUseLimit = 9;
        undo.Restore(u);
        u.WordUseLimit = 4;
        EXPECT_EQ(bytes(u), before) << a.Name;
        EXPECT_FALSE(undo.CanRestore());
    }
    // Once forgotten, nothing is given back.
    TKnowledgeUndo undo;
    undo.Before(u);
    u.RecordReference(2, true);
    undo.After(u);
    undo.Forget();
    undo.Restore(u);
    EXPECT_EQ(u.ReferenceKnowledge[2], 15);
}
