#include "ListFixtures.h"
#include "lists/AccToList.h"
#include "user/User.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

// Ten verses. Collection 0: questions on verses 2, 4, 4, 4, 6; collection 2: an own question
// on verse 4 and a placeholder for (0,2).
TFixtureDesc ReferencePortion()
{
    TFixtureDesc d;
    d.Books = {PlainBook("Galatians", "Ga ", 1, 10)};
    d.Sections = {{1, 1, 1, "Greeting"}};
    d.Collections.resize(3);
    d.Collections[0].Name = "Main";
    for (int v : {2, 4, 4, 4, 6})
        d.Collections[0].Questions.push_back(
            PlainQuestion(1, 1, v, "What is said in verse " + std::to_string(v) + "?"));
    d.Collections[1].Name = "Empty";
    d.Collections[2].Name = "Bonus";
    d.Collections[2].Questions = {PlainQuestion(1, 1, 4, "Who is greeted?"), Placeholder(0, 2, 1, 1, 4)};
    return d;
}

struct TSetup {
    TLoaded Content{ReferencePortion()};
    TUser User;
    TVerseSelection Sel = AllChosen<TVerseSelection>(10);
};

std::vector<int> Verses(const TAccToList& l)
{
    std::vector<int> v;
    for (int i = 1; i <= l.Count(); ++i)
        v.push_back(l.Entry(i).VerseNo);
    return v;
}

} // namespace

TEST(AccToList, BuildTakesLeastKnownVersesInOrder)
{
    TSetup s;
    s.User.MaxQuestions = 3;
    s.User.ReferenceKnowledge[9] = 1;
    s.User.ReferenceKnowledge[5] = 0;
    s.User.ReferenceKnowledge[2] = 0;
    TScriptedRandom random;
    TAccToList list(s.Content.Books(), s.Content.Questions(), s.User, random);
    list.Build(s.Sel);
    EXPECT_EQ(Verses(list), (std::vector<int>{2, 5, 9}));
    EXPECT_TRUE(random.Bounds.empty());

    s.User.AllAvailable = 1;
    list.Build(s.Sel);
    EXPECT_EQ(list.Count(), 10);
    s.User.AllAvailable = 0;
    s.User.MaxQuestions = 30; // more wanted than selected: all of them
    list.Build(s.Sel);
    EXPECT_EQ(list.Count(), 10);
    EXPECT_TRUE(list.NotListed(11));
    EXPECT_FALSE(list.NotListed(10));
}

TEST(AccToList, MarkingFollowsTheReferenceRule)
{
    struct TCase {
        int Start;
        bool Right;
        std::vector<int> After;
    };
    const std::vector<TCase> table = {
        {5, true, {6, 7, 15, 23, 31}},
        {9, false, {8, 8}},
        {7, true, {15}},
    };
    for (const auto& c : table) {
        TSetup s;
        s.User.AllAvailable = 1;
        s.User.ReferenceKnowledge[1] = static_cast<std::uint8_t>(c.Start);
        TScriptedRandom random;
        TAccToList list(s.Content.Books(), s.Content.Questions(), s.User, random);
        list.Build(s.Sel);
        TKeywordTags tags;
        TMarkedText q, a;
        list.NextInOrder(q, a, tags);
        ASSERT_EQ(list.Entry(list.Current()).VerseNo, 1);
        EXPECT_EQ(q.Text().rfind("According to Galatians chapter 1: verse 1", 0), 0u) << q.Text();
        for (int expect : c.After) {
            c.Right ? list.MarkRight() : list.MarkWrong();
            EXPECT_EQ(s.User.ReferenceKnowledge[1], expect) << "from " << c.Start;
        }
    }
}

TEST(AccToList, RelatedQuestionsOfTheVerse)
{
    TSetup s;
    s.User.AllAvailable = 1;
    TScriptedRandom random;
    TAccToList list(s.Content.Books(), s.Content.Questions(), s.User, random);
    list.Build(s.Sel);
    TKeywordTags tags;
    TMarkedText q, a;
    for (int i = 0; i < 4; ++i)
        list.NextInOrder(q, a, tags);
    ASSERT_EQ(list.Entry(list.Current()).VerseNo, 4);
    list.FillRelated();
    EXPECT_EQ(list.RelatedCount(), 4); // three in collection 0, one own in collection 2
    EXPECT_EQ(list.RelatedCountText(), "4");
    EXPECT_EQ(list.RelatedPos(), 0);
    EXPECT_EQ(list.Related(4), (TQuestionAddr{2, 1}));

    TMarkedText shown;
    list.PrevRelated(shown, tags);
    EXPECT_EQ(list.RelatedPos(), 0);
    EXPECT_EQ(shown.Len, 0) << "PrevRelated right after FillRelated does nothing";
    list.NextRelated(shown, tags);
    EXPECT_EQ(list.RelatedPos(), 1);
    EXPECT_GT(shown.Len, 0);
    EXPECT_EQ(shown.RevealPos, shown.Len);
    EXPECT_NE(shown.Text().find("verse 4"), std::string::npos) << shown.Text();
    for (int i = 0; i < 6; ++i)
        list.NextRelated(shown, tags);
    EXPECT_EQ(list.RelatedPos(), 4);
    list.PrevRelated(shown, tags);
    EXPECT_EQ(list.RelatedPos(), 3);

    list.NextInOrder(q, a, tags); // verse 5: none
    list.FillRelated();
    EXPECT_EQ(list.RelatedCount(), 0);
    EXPECT_EQ(list.RelatedCountText(), "0");
}
