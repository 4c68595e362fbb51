// Question store: accessors, placeholders and their copy chains, material tests.
#include "support/ContentFixture.h"

#include <gtest/gtest.h>

using namespace sv;

namespace {

const test::TLoadedContent& Small()
{
    static auto c = [] {
        auto l = std::make_unique<test::TLoadedContent>();
        l->Load(test::BuildFixture(test::SmallFixture()));
        return l;
    }();
    return *c;
}

TCollectionFlags Collections(std::initializer_list<int> on)
{
    TCollectionFlags f;
    for (int c : on)
        f[c] = 1;
    return f;
}

TTypeFlags Types(std::initializer_list<int> on)
{
    TTypeFlags f;
    for (int t : on)
        f[t] = 1;
    return f;
}

TTypeFlags AllTypes()
{
    TTypeFlags f;
    f.fill(1);
    return f;
}

} // namespace

TEST(Questions, Accessors)
{
    const TQuestions& q = Small().Questions;
    EXPECT_EQ(q.QuestionCount(0), 8);
    EXPECT_EQ(q.QuestionCount(3), 0);
    EXPECT_FALSE(q.HasQuestions(7));
    EXPECT_EQ(q.Collection(0).Available, 1);
    EXPECT_EQ(q.Collection(5).Available, 0);
    EXPECT_EQ(q.Collection(2).Requires[0], 1);
    EXPECT_TRUE(q.UsesSituation()); // type 39 comes before type 40
    EXPECT_EQ(q.QuestionType({0, 6}), 2);
    EXPECT_EQ(q.ListType({0, 6}), 0);
    EXPECT_EQ(q.PrejumpClass({0, 6}), 0);
    EXPECT_EQ(q.PrejumpClass({0, 4}), 40);
    EXPECT_EQ(q.RefCountOf({0, 7}), 2);
    EXPECT_EQ(q.RefOf({0, 7}, 2), TVerseRef(2, 1, 2));
    EXPECT_EQ(q.PrimaryRef({0, 7}), TVerseRef(2, 1, 1));
    EXPECT_EQ(q.PrimaryVerseNo({0, 7}), 16);
    EXPECT_EQ(q.DupCount({0, 6}), 3);
    EXPECT_EQ(q.DupLink({0, 6}), QuestionId(1, 2));
    EXPECT_EQ(q.DupLink({1, 2}), QuestionId(2, 1));
    EXPECT_EQ(q.DupLink({2, 1}), 0);
    EXPECT_EQ(q.InfoByte({2, 1}), 0);
    EXPECT_EQ(q.HomeIndex({2, 1}), 6);
    EXPECT_EQ(q.HomeType({2, 1}), 2);
    EXPECT_EQ(q.HomeOf({1, 2}), (TQuestionAddr{0, 6}));
    EXPECT_EQ(QuestionId(7, 8191), 0xFFFF);
    EXPECT_EQ(CollectionOfId(QuestionId(5, 17)), 5);
    EXPECT_EQ(IndexOfId(QuestionId(5, 17)), 17);
    EXPECT_THROW(q.QuestionType({8, 1}), ERangeError);
    EXPECT_THROW(q.QuestionType({0, 9}), ERangeError); // the closing record is not a question
    EXPECT_THROW(q.QuestionType({0, 0}), ERangeError);
    EXPECT_THROW(q.QuestionType({3, 1}), ERangeError);
    EXPECT_THROW(q.RefOf({0, 7}, 3), ERangeError);
}

TEST(QuestionAddr, PacksIntoTheStoredIdAndKeepsItsOrder)
{
    const TQuestionAddr cases[] = {{0, 1}, {0, 2}, {0, 8191}, {1, 1}, {5, 17}, {7, 8190}, {7, 8191}};
    for (const TQuestionAddr& q : cases) {
        EXPECT_EQ(q.Id(), QuestionId(q.Collection, q.Index)) << q.Collection << ":" << q.Index;
        EXPECT_EQ(TQuestionAddr::FromId(q.Id()), q) << q.Collection << ":" << q.Index;
    }
    for (std::size_t a = 0; a < std::size(cases); ++a)
        for (std::size_t b = 0; b < std::size(cases); ++b) {
            EXPECT_EQ(cases[a] < cases[b], cases[a].Id() < cases[b].Id()) << a << " " << b;
            EXPECT_EQ(cases[a] == cases[b], a == b) << a << " " << b;
        }
}

TEST(Questions, QuestionsOfVerse)
{
    const TQuestions& q = Small().Questions;
    struct Row {
        int collection, verseNo, first, after;
    } rows[] = {{0, 1, 1, 2}, {0, 16, 7, 8}, {0, 18, 0, 0}, {1, 18, 3, 4}, {1, 14, 2, 3}, {4, 1, 0, 0}};
    for (const Row& r : rows) {
        const TQuestionRange got = q.QuestionsOfVerse(r.collection, r.verseNo);
        EXPECT_EQ(got.First, r.first) << r.collection << " " << r.verseNo;
        if (r.first != 0) {
            EXPECT_EQ(got.After, r.after);
        }
    }
}

TEST(Questions, IsTypeChosenLetsTheFirstChosenCopyStandForTheQuestion)
{
    const TQuestions& q = Small().Questions;
    // Home (0,6) type 2, placeholders (1,2) and (2,1) in chain order.
    struct Row {
        TCollectionFlags chosen;
        int collection, index;
        bool expect;
    } rows[] = {
        {Collections({0, 1, 2}), 0, 6, true},
        {Collections({0, 1, 2}), 1, 2, false}, // home collection chosen
        {Collections({0, 1, 2}), 2, 1, false},
        {Collections({1}), 1, 2, true}, // only the placeholder's collection
        {Collections({2}), 2, 1, true},
        {Collections({1, 2}), 1, 2, true}, // first placeholder in chain order
        {Collections({1, 2}), 2, 1, false},
        {Collections({}), 1, 2, true},     // nothing chosen: the walk reaches P itself
        {Collections({3, 4}), 2, 1, true}, // chosen but empty collections do not count
    };
    for (const Row& r : rows)
        EXPECT_EQ(q.IsTypeChosen({r.collection, r.index}, r.chosen, AllTypes()), r.expect)
            << r.collection << "," << r.index;
    // The placeholder answers with its home record's type flag.
    EXPECT_FALSE(q.IsTypeChosen({1, 2}, Collections({1}), Types({3})));
    EXPECT_TRUE(q.IsTypeChosen({1, 2}, Collections({1}), Types({2})));
    EXPECT_TRUE(q.IsTypeChosen({0, 1}, Collections({}), Types({3})));
    EXPECT_FALSE(q.IsTypeChosen({0, 1}, Collections({}), Types({2})));
}

TEST(Questions, ACopyChainThatDoesNotEndIsARangeErrorNotAHang)
{
    test::TLoadedContent c;
    c.Load(test::BuildFixture(test::SmallFixture()));
    c.Questions.Collection(1).Records[2].DupLink = QuestionId(1, 2); // (1,2) links to itself
    EXPECT_THROW(c.Questions.IsTypeChosen({2, 1}, Collections({5}), AllTypes()), ERangeError);
}

TEST(Questions, MaterialFlags)
{
    const TQuestions& q = Small().Questions;
    TVerseSelection chapter1;
    for (int v = 1; v <= 5; ++v)
        chapter1.Choose(v);
    TMaterialQuestions m;
    q.MarkMaterialQuestions(chapter1, m);
    EXPECT_EQ(m[0].QuestionCount, 8);
    EXPECT_EQ(m[0].InMaterial, 2);
    std::vector<int> flags0;
    for (int i = 1; i <= 8; ++i)
        flags0.push_back(m[0].Flags[i]);
    EXPECT_EQ(flags0, (std::vector<int>{1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(m[1].InMaterial, 1);
    EXPECT_EQ(m[1].Flags[1], 1);
    EXPECT_EQ(m[2].InMaterial, 0);
    EXPECT_EQ(m[5].QuestionCount, 0);

    EXPECT_TRUE(q.AnyQuestionInMaterial(chapter1, Collections({1})));
    EXPECT_FALSE(q.AnyQuestionInMaterial(chapter1, Collections({2, 3})));
    EXPECT_TRUE(q.AnyChosenTypeInMaterial(chapter1, Collections({1}), Types({7})));
    EXPECT_FALSE(q.AnyChosenTypeInMaterial(chapter1, Collections({1}), Types({3})));

    TVerseSelection ga36;
    ga36.Choose(14);
    // The placeholder in collection 2 counts with its home record's type 2.
    EXPECT_TRUE(q.AnyChosenTypeInMaterial(ga36, Collections({2}), Types({2})));
    EXPECT_FALSE(q.AnyChosenTypeInMaterial(ga36, Collections({2}), Types({44})));
}

TEST(Questions, NoSituationQuestionBeforeABookAndChapterQuestion)
{
    test::TFixtureDesc d = test::SmallFixture();
    d.Collections[0].Questions[2].Type = 3; // the type-39 question
    test::TLoadedContent c;
    c.Load(test::BuildFixture(d));
    EXPECT_FALSE(c.Questions.UsesSituation());
}

TEST(QuestionTypes, Tables)
{
    struct Row {
        int type;
        const char* name;
        const char* code;
        int cls;
    } rows[] = {
        {0, "OTHER", "[g]", 0},
        {1, "According to", "[a]", 1},
        {5, "Why", "[g]", 0},
        {13, "Chapter (MA)", "CRMA", 13},
        {25, "Finish this and next two", "FT&2", 25},
        {31, "[30 pt] Completion", "30", 31},
        {38, "40 pt", "[40]", 38},
        {40, "Book && Chapter", "[b]", 40},
        {42, "Memory verse", "[m]", 42},
        {43, "", "[g]", 43},
        {44, "", "[g]", 44},
        {46, "Finish", "[v]", 42},
        {48, "", "[g]", 48},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(TypeName(r.type), r.name) << r.type;
        EXPECT_EQ(TQuestions::PreannounceCode(r.type), r.code) << r.type;
        EXPECT_EQ(PrejumpClassOfType(r.type), r.cls) << r.type;
    }
    EXPECT_EQ(TypeTitle(4), "General question");
    EXPECT_EQ(TypeTitle(39), "Situation question");
    EXPECT_EQ(TQuestions::CollectionMark(2), '$');
    EXPECT_EQ(TQuestions::CollectionMark(3), '%');
    EXPECT_EQ(TQuestions::CollectionMark(4), '&');
    EXPECT_EQ(TQuestions::CollectionMark(0), '#');
    EXPECT_EQ(TQuestions::PreannounceCode(TQuestions::CollectionMark(3)), "[30]");
}
