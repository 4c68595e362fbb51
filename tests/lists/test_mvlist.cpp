#include "ListFixtures.h"
#include "lists/MVList.h"
#include "user/User.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

// Memory verses 1..5 are single verses 1:1, 1:3, 1:5, 2:2, 2:4; number 6 is the passage
// 2:6-8.
TFixtureDesc MemoryPortion()
{
    TFixtureDesc d;
    d.Books = {PlainBook("Galatians", "Ga ", 2, 10)};
    d.Sections = {{1, 1, 1, "Greeting"}};
    d.MemoryVerses = {{1, 1, 1, 2, 1}, {1, 1, 3, 2, 1}, {1, 1, 5, 2, 1},
                      {1, 2, 2, 2, 1}, {1, 2, 4, 2, 1}, {1, 2, 6, 3, 3}};
    return d;
}

struct TSetup {
    TLoaded Content{MemoryPortion()};
    TUser User;
    TMemoryVerseSelection Sel;
    explicit TSetup(std::initializer_list<int> chosen, int wanted = 30)
    {
        Sel.Total = Content.Books().TotalMemoryVerses();
        for (int m : chosen)
            Sel.Choose(m);
        User.MaxQuestions = wanted;
    }
    std::vector<int> Numbers(const TMVList& l) const
    {
        std::vector<int> v;
        for (int i = 1; i <= l.Count(); ++i)
            v.push_back(Content.Books().MemoryVerseNoOf(l.Entry(i).Ref));
        return v;
    }
};

} // namespace

TEST(MVList, QuoteWithoutLimitListsEverySelectedVerseInOrder)
{
    TSetup s({6, 1, 3, 5}, 2);
    TScriptedRandom random;
    TMVList list(s.Content.Books(), s.User, random);
    list.Build(s.Sel, MemoryKindQuote, true);
    EXPECT_EQ(s.Numbers(list), (std::vector<int>{1, 3, 5, 6}));
    for (int i = 1; i <= list.Count(); ++i) {
        EXPECT_EQ(list.Entry(i).Mode, MemoryModeQuote);
        EXPECT_EQ(list.Entry(i).State, 0);
        EXPECT_EQ(list.Entry(i).Ref, s.Content.Books().MemoryVerse(s.Numbers(list)[i - 1]).Ref);
    }
    EXPECT_EQ(list.Entry(4).VerseCount, 3);
    EXPECT_EQ(list.Entry(4).Ref.PromptWords, 3);
    EXPECT_TRUE(random.Bounds.empty());
}

TEST(MVList, LeastKnownFirstDraws)
{
    struct TCase {
        std::vector<int> Bytes; // memory verses 1..5
        int Wanted;
        std::vector<int> Draws;
        std::vector<int> Expect;
        std::vector<int> Bounds;
    };
    const std::vector<TCase> table = {
        {{1, 0, 0, 2, 0}, 3, {}, {2, 3, 5}, {}},      // exactly three zeros: no draw
        {{1, 0, 0, 2, 0}, 4, {}, {1, 2, 3, 5}, {}},   // then the one at 1
        {{0, 0, 0, 0, 0}, 2, {0, 0}, {2, 3}, {5, 5}}, // draw 1st -> walk from 2; again -> 3
        {{0, 0, 0, 0, 0}, 2, {4, 4}, {1, 2}, {5, 5}}, // draw 5th -> wrap to 1; again -> 2
        {{3, 3, 0, 3, 3}, 2, {1}, {3, 4}, {5}},       // the zero; then draw 2nd -> walk from 3 to 4
    };
    for (const auto& c : table) {
        TSetup s({1, 2, 3, 4, 5}, c.Wanted);
        for (int m = 1; m <= 5; ++m)
            s.User.MemoryKnowledge[m] = static_cast<std::uint8_t>(c.Bytes[m - 1]);
        TScriptedRandom random(c.Draws);
        TMVList list(s.Content.Books(), s.User, random);
        list.Build(s.Sel, MemoryKindQuote, false);
        EXPECT_EQ(s.Numbers(list), c.Expect) << "case " << (&c - table.data());
        EXPECT_EQ(random.Bounds, c.Bounds) << "case " << (&c - table.data());
    }
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        TSetup s({1, 2, 3, 4, 5}, 2);
        for (int m = 1; m <= 5; ++m)
            s.User.MemoryKnowledge[m] = 0;
        TRandom random(seed);
        TMVList list(s.Content.Books(), s.User, random);
        list.Build(s.Sel, MemoryKindQuote, false);
        const auto got = s.Numbers(list);
        ASSERT_EQ(got.size(), 2u);
        EXPECT_LT(got[0], got[1]) << "seed " << seed;
    }
}

TEST(MVList, KindsGiveTheirModes)
{
    TSetup s({1, 2, 3});
    TScriptedRandom random({0, 1, 1});
    TMVList list(s.Content.Books(), s.User, random);
    list.Build(s.Sel, MemoryKindFinish, true);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(list.Entry(i).Mode, MemoryModeFinishWithReference);
    list.Build(s.Sel, MemoryKindBoth, true); // one draw per entry
    EXPECT_EQ(list.Entry(1).Mode, MemoryModeQuote);
    EXPECT_EQ(list.Entry(2).Mode, MemoryModeFinishWithReference);
    EXPECT_EQ(list.Entry(3).Mode, MemoryModeFinishWithReference);
    EXPECT_EQ(random.Bounds, (std::vector<int>{2, 2, 2}));
    EXPECT_THROW(list.Build(s.Sel, 3, true), ERangeError);
}

// A selection whose count disagrees with its flags could never be drawn from: it is refused.
TEST(MVList, InconsistentSelectionIsARangeError)
{
    TSetup s({1, 2, 3, 4, 5}, 2);
    s.Sel.Selected = 6;
    TRandom random(1);
    TMVList list(s.Content.Books(), s.User, random);
    EXPECT_THROW(list.Build(s.Sel, MemoryKindQuote, false), ERangeError);
    s.Sel.Selected = 4;
    EXPECT_THROW(list.Build(s.Sel, MemoryKindQuote, false), ERangeError);
}

TEST(MVList, WalkingMarkingAndComposing)
{
    TSetup s({1, 2, 6});
    // NextRandom from 0: draw 0 -> 1; from 1: draw 1 -> 3; from 3: draw 0 -> 4 mod 4 = 0 -> 1.
    TScriptedRandom random({0, 1, 0});
    TMVList list(s.Content.Books(), s.User, random);
    list.Build(s.Sel, MemoryKindFinish, true);
    TKeywordTags tags;
    TMarkedText q, a;
    std::vector<int> asked;
    for (int i = 0; i < 3; ++i) {
        list.NextRandom(q, a, tags, false);
        asked.push_back(list.Current());
    }
    EXPECT_EQ(asked, (std::vector<int>{1, 3, 1}));
    EXPECT_EQ(random.Bounds, (std::vector<int>{2, 2, 2}));

    list.MarkRight(); // entry 1 is memory verse 1
    EXPECT_EQ(s.User.MemoryKnowledge[1], 15);
    list.NextInOrder(q, a, tags, false);
    EXPECT_EQ(list.Current(), 2);
    list.MarkWrong();
    EXPECT_EQ(s.User.MemoryKnowledge[2], 5);
    list.NextInOrder(q, a, tags, false);
    EXPECT_EQ(list.Current(), 3);
    EXPECT_EQ(q.Text().rfind("Finish these verses and give the reference: ", 0), 0u) << q.Text();
    list.NextInOrder(q, a, tags, false);
    EXPECT_EQ(list.Current(), 2) << "right answers are skipped, wrong ones asked again";

    list.Build(s.Sel, MemoryKindQuote, true);
    for (int i = 0; i < 3; ++i)
        list.NextInOrder(q, a, tags, false);
    const std::string lead = q.Text();
    EXPECT_NE(lead.find(": verses 6 through 8"), std::string::npos) << lead;
    EXPECT_FALSE(list.NotListed(6));
    EXPECT_TRUE(list.NotListed(3));
}

TEST(MVList, EmptyListIsARangeErrorWhenAsked)
{
    TSetup s({});
    TScriptedRandom random;
    TMVList list(s.Content.Books(), s.User, random);
    list.Build(s.Sel, MemoryKindQuote, false);
    EXPECT_EQ(list.Count(), 0);
    TKeywordTags tags;
    TMarkedText q, a;
    EXPECT_THROW(list.NextInOrder(q, a, tags, false), ERangeError);
    EXPECT_THROW(list.NextRandom(q, a, tags, false), ERangeError);
    EXPECT_THROW(list.MarkRight(), ERangeError);
}
