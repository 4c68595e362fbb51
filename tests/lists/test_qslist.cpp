#include "ListFixtures.h"
#include "lists/MaterialQuestions.h"
#include "lists/QsList.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

using namespace sv;
using namespace sv::test;

namespace {

// One chapter of 12 verses; collection 0 holds ten questions on verses 1..10.
TFixtureDesc TenQuestions()
{
    TFixtureDesc d;
    d.Books = {PlainBook("Galatians", "Ga ", 1, 12)};
    d.Sections = {{1, 1, 1, "Greeting"}};
    TFixtureCollection c;
    c.Name = "Main";
    for (int v = 1; v <= 10; ++v)
        c.Questions.push_back(PlainQuestion(1, 1, v, "What came in verse " + std::to_string(v) + "?"));
    d.Collections = {c};
    return d;
}

std::vector<int> Indexes(const TQsList& l)
{
    std::vector<int> v;
    for (int i = 1; i <= l.Count(); ++i)
        v.push_back(l.QuestionAt(i).Index);
    return v;
}

std::vector<TQuestionId> Ids(const TQsList& l)
{
    std::vector<TQuestionId> v;
    for (int i = 1; i <= l.Count(); ++i)
        v.push_back(l.QuestionAt(i).Id());
    return v;
}

struct TStudySetup {
    TLoaded Content{TenQuestions()};
    TUser User;
    TVerseSelection Material = AllChosen<TVerseSelection>(12);
    TStudySetup(int wanted, bool allAvailable)
    {
        User.Collections[0] = 1;
        User.MaxQuestions = wanted;
        User.AllAvailable = allAvailable ? 1 : 0;
        const int bytes[10] = {0, 0, 1, 0, 2, 1, 0, 0, 1, 0};
        for (int i = 1; i <= 10; ++i)
            User.QuestionByte({0, i}) = static_cast<std::uint8_t>(bytes[i - 1]);
    }
};

} // namespace

// Ten questions, four wanted, knowledge bytes 0,0,1,0,2,1,0,0,1,0: every pick comes from
// the six zero entries (1,2,4,7,8,10), found from a random start walking forward.
TEST(QsListStudy, LeastKnownFirstDraws)
{
    struct TCase {
        std::vector<int> Draws;
        std::vector<int> Expect;
    };
    const std::vector<TCase> table = {
        {{0, 0, 0, 0}, {1, 2, 4, 7}},
        {{9, 9, 9, 9}, {1, 2, 4, 10}}, // start 10, then wrap round to 1
        {{2, 4, 5, 2}, {4, 7, 8, 10}}, // starts 3, 5, 6, 3: the first free zero from each
    };
    for (const auto& c : table) {
        TStudySetup s(4, false);
        TScriptedRandom random(c.Draws);
        TQsList list(s.Content.Questions(), s.User, random);
        list.BuildForStudy(s.Material);
        EXPECT_EQ(Indexes(list), c.Expect);
        EXPECT_EQ(random.Bounds, std::vector<int>(4, 10));
        for (int i = 1; i <= list.Count(); ++i)
            EXPECT_EQ(list.Item(i).State, StateNotAnswered);
    }
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        TStudySetup s(4, false);
        TRandom random(seed);
        TQsList list(s.Content.Questions(), s.User, random);
        list.BuildForStudy(s.Material);
        const auto got = Indexes(list);
        ASSERT_EQ(got.size(), 4u);
        EXPECT_TRUE(std::is_sorted(got.begin(), got.end()));
        EXPECT_EQ(std::adjacent_find(got.begin(), got.end()), got.end());
        for (int i : got)
            EXPECT_EQ(s.User.QuestionByte({0, i}), 0) << "seed " << seed;
    }
}

TEST(QsListStudy, AllAvailableKeepsEveryQuestionWithoutDrawing)
{
    TStudySetup s(4, true);
    TScriptedRandom random;
    TQsList list(s.Content.Questions(), s.User, random);
    list.BuildForStudy(s.Material);
    EXPECT_EQ(Indexes(list), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(random.Bounds.empty());

    // Material and type choice filter the list.
    s.Material.Choose(2, false);
    s.User.MaxQuestions = 30;
    s.User.AllAvailable = 0;
    list.BuildForStudy(s.Material);
    EXPECT_EQ(list.Count(), 9);
    s.User.Options.QuestionTypes[3] = 0;
    list.BuildForStudy(s.Material);
    EXPECT_EQ(list.Count(), 0);
}

TEST(QsListStudy, NextInOrderSkipsRightAndAsksWrongAgain)
{
    TStudySetup s(4, true);
    TScriptedRandom random;
    TQsList list(s.Content.Questions(), s.User, random);
    list.BuildForStudy(s.Material);
    list.TakeEvery(1, 1, 4);
    TKeywordTags tags;
    TMarkedText q, a;
    std::vector<int> asked;
    auto next = [&] {
        list.NextInOrder(TComposeOptions{}, tags, a, q);
        asked.push_back(list.Current());
        EXPECT_GT(q.Len, 0);
    };
    next();
    list.MarkRight();
    next();
    list.MarkWrong();
    next();
    next();
    next(); // 1 was right: skipped; 2 was wrong: asked again
    EXPECT_EQ(asked, (std::vector<int>{1, 2, 3, 4, 2}));
    EXPECT_EQ(s.User.QuestionByte({0, 1}), 1); // 0 answered right
    EXPECT_EQ(s.User.QuestionByte({0, 2}), 0); // 0 answered wrong stays 0
}

TEST(QsListStudy, NextRandomSteps)
{
    TStudySetup s(4, true);
    // From 0: draw 2 -> 2; from 2: draw 0 -> 2 again, so one more -> 3; from 3: draw 3 -> 6
    // mod 5 = 1; from 1: draw 1 -> 2.
    TScriptedRandom random({2, 0, 3, 1});
    TQsList list(s.Content.Questions(), s.User, random);
    list.BuildForStudy(s.Material);
    list.TakeEvery(1, 1, 4);
    TKeywordTags tags;
    TMarkedText q, a;
    std::vector<int> asked;
    for (int i = 0; i < 4; ++i) {
        list.NextRandom(TComposeOptions{}, tags, a, q);
        asked.push_back(list.Current());
    }
    EXPECT_EQ(asked, (std::vector<int>{2, 3, 1, 2}));
    EXPECT_EQ(random.Bounds, std::vector<int>(4, 4));
}

// Entries 1 and 2 right and 3 wrong: 3 comes back only once every other entry has been
// answered; with all right the walk still ends on an entry and composes it.
TEST(QsListStudy, NextRandomAsksWrongAnswersAfterEveryOther)
{
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        TStudySetup s(4, true);
        TRandom random(seed);
        TQsList list(s.Content.Questions(), s.User, random);
        list.BuildForStudy(s.Material);
        list.TakeEvery(1, 1, 4);
        TKeywordTags tags;
        TMarkedText q, a;
        for (int i = 0; i < 3; ++i) {
            list.NextInOrder(TComposeOptions{}, tags, a, q);
            i < 2 ? list.MarkRight() : list.MarkWrong();
        }
        list.NextRandom(TComposeOptions{}, tags, a, q);
        EXPECT_EQ(list.Current(), 4) << "seed " << seed;
        list.MarkRight();
        list.NextRandom(TComposeOptions{}, tags, a, q);
        EXPECT_EQ(list.Current(), 3) << "seed " << seed;
        list.MarkRight();
        list.NextRandom(TComposeOptions{}, tags, a, q);
        EXPECT_GE(list.Current(), 1);
        EXPECT_LE(list.Current(), 4);
        EXPECT_GT(q.Len, 0);
    }
}

TEST(QsListStudy, EmptyListAndMarkingBeforeAskingAreRangeErrors)
{
    TStudySetup s(4, true);
    TScriptedRandom random;
    TQsList list(s.Content.Questions(), s.User, random);
    TKeywordTags tags;
    TMarkedText q, a;
    EXPECT_THROW(list.NextInOrder(TComposeOptions{}, tags, a, q), ERangeError);
    EXPECT_THROW(list.NextRandom(TComposeOptions{}, tags, a, q), ERangeError);
    list.BuildForStudy(s.Material);
    EXPECT_THROW(list.MarkRight(), ERangeError);
    EXPECT_THROW(list.Item(0), ERangeError);
    EXPECT_THROW(list.Item(list.Count() + 1), ERangeError);
}

TEST(QsList, TakeEveryAndNotListed)
{
    TStudySetup s(4, true);
    TScriptedRandom random;
    TQsList list(s.Content.Questions(), s.User, random);
    EXPECT_TRUE(list.NotListed({0, 1}));
    list.BuildForStudy(s.Material);
    list.TakeEvery(2, 3, 3);
    EXPECT_EQ(Indexes(list), (std::vector<int>{2, 5, 8}));
    EXPECT_FALSE(list.NotListed({0, 5}));
    EXPECT_TRUE(list.NotListed({0, 3}));
    list.TakeEvery(1, 2, 1);
    EXPECT_EQ(Indexes(list), (std::vector<int>{2}));
    EXPECT_THROW(list.TakeEvery(1, 1, 2), ERangeError); // only one entry to keep
    EXPECT_THROW(list.TakeEvery(1, 0, 1), ERangeError);
    EXPECT_EQ(Indexes(list), (std::vector<int>{2}));
}

// ---------------------------------------------------------------------------------------
// Full lists

namespace {

// The home question (0,1) on verse 1 has placeholders (1,1) and (2,1); each collection also
// has its own question on verse 2 (type 4, the home's is type 3).
TFixtureDesc PlaceholderChain()
{
    TFixtureDesc d;
    d.Books = {PlainBook("Galatians", "Ga ", 1, 4)};
    d.Sections = {{1, 1, 1, "Greeting"}};
    d.Collections.resize(3);
    for (int c = 0; c < 3; ++c) {
        d.Collections[c].Name = "C" + std::to_string(c);
        d.Collections[c].Questions.push_back(c == 0 ? PlainQuestion(1, 1, 1, "Who wrote it?")
                                                    : Placeholder(0, 1, 1, 1, 1));
        d.Collections[c].Questions.push_back(
            PlainQuestion(1, 1, 2, "What is verse two of C" + std::to_string(c) + "?", 4));
    }
    return d;
}

TCollectionFlags Chosen(std::initializer_list<int> cs)
{
    TCollectionFlags f;
    for (int c : cs)
        f[c] = 1;
    return f;
}

} // namespace

TEST(QsListFull, PlaceholdersEnterOnce)
{
    TLoaded content(PlaceholderChain());
    TUser user;
    TScriptedRandom random;
    TQsList list(content.Questions(), user, random);
    const auto material = AllChosen<TVerseSelection>(4);
    const TQuestionId home = QuestionId(0, 1);
    struct TCase {
        std::vector<int> Collections;
        bool CheckTypes, DuplicatesOnly, HomeTypeChosen;
        int Count;
        bool HomeListed;
    };
    const std::vector<TCase> table = {
        {{0, 1, 2}, false, false, true, 4, true}, // home collection chosen: placeholders skipped
        {{1, 2}, false, false, true, 3, true},    // two placeholders, one entry
        {{2}, false, false, true, 2, true},       {{0}, false, false, true, 2, true},
        {{1, 2}, true, false, false, 2, false}, // home type not chosen
        {{1, 2}, true, false, true, 3, true},     {{0, 1, 2}, true, false, false, 3, false},
        {{1, 2}, false, true, true, 1, true}, // duplicates only: just the shared question
        {{0, 2}, false, true, true, 1, true},
    };
    for (const auto& c : table) {
        TCollectionFlags chosen;
        for (int k : c.Collections)
            chosen[k] = 1;
        user.Options.QuestionTypes[3] = c.HomeTypeChosen ? 1 : 0;
        list.BuildFull(material, c.CheckTypes, chosen, 1, c.DuplicatesOnly);
        const auto ids = Ids(list);
        EXPECT_EQ(list.Count(), c.Count) << "case " << (&c - table.data());
        EXPECT_EQ(std::count(ids.begin(), ids.end(), home), c.HomeListed ? 1 : 0) << "case " << (&c - table.data());
        for (TQuestionId id : ids)
            EXPECT_FALSE(content.Questions().IsPlaceholder(TQuestionAddr::FromId(id)));
        EXPECT_EQ(list.NotListed({1, 1}), !c.HomeListed); // a placeholder stands for its home
    }
}

// The set builder's pools and the printed lists take their questions from one place: for every
// choice the pool by reference holds what the question list lists, in the same order.
TEST(MaterialQuestions, PoolsByReferenceMatchTheFullQuestionList)
{
    TLoaded content(PlaceholderChain());
    TUser user;
    TScriptedRandom random;
    TQsList list(content.Questions(), user, random);
    const auto material = AllChosen<TVerseSelection>(4);
    struct TCase {
        std::vector<int> Collections;
        bool HomeTypeOnly, DuplicatesOnly;
    };
    const TCase table[] = {
        {{0, 1, 2}, false, false}, {{1, 2}, false, false}, {{2}, false, false},   {{1, 2}, true, false},
        {{0, 1, 2}, true, false},  {{1, 2}, false, true},  {{0, 2}, false, true},
    };
    for (const TCase& c : table) {
        TMaterialQuestionFilter filter;
        for (int k : c.Collections)
            filter.Collections[k] = 1;
        user.Options.QuestionTypes.fill(c.HomeTypeOnly ? 0 : 1);
        user.Options.QuestionTypes[3] = 1; // the home question's type
        filter.Types = c.HomeTypeOnly ? &user.Options.QuestionTypes : nullptr;
        filter.DuplicatesOnly = c.DuplicatesOnly;
        list.BuildFull(material, c.HomeTypeOnly, filter.Collections, 1, c.DuplicatesOnly);
        std::vector<TQuestionId> pool;
        for (TQuestionAddr q : QuestionsOfMaterialByReference(content.Questions(), material, filter))
            pool.push_back(q.Id());
        EXPECT_EQ(pool, Ids(list)) << "case " << (&c - table);
    }
    // Two placeholders of one home question give the home question once, where the first stands.
    TMaterialQuestionFilter filter;
    filter.Collections = Chosen({1, 2});
    std::vector<TQuestionId> found;
    for (TQuestionAddr q : QuestionsOfMaterial(content.Questions(), material, filter))
        found.push_back(q.Id());
    EXPECT_EQ(found, (std::vector<TQuestionId>{QuestionId(0, 1), QuestionId(1, 2), QuestionId(2, 2)}));
}

TEST(QsListFull, EqualSortKeysEndReversed)
{
    TFixtureDesc d;
    d.Books = {PlainBook("Galatians", "Ga ", 1, 4)};
    d.Sections = {{1, 1, 1, "Greeting"}};
    d.HasSortKeys = 1;
    d.Collections.resize(2);
    d.Collections[0].Name = "A";
    d.Collections[0].Questions = {PlainQuestion(1, 1, 1, "Zeta?", 3, 5), PlainQuestion(1, 1, 2, "Alpha?", 3, 9)};
    d.Collections[1].Name = "B";
    d.Collections[1].Questions = {PlainQuestion(1, 1, 1, "Beta?", 3, 5)};
    TLoaded content(d);
    TUser user;
    TScriptedRandom random;
    TQsList list(content.Questions(), user, random);
    list.BuildFull(AllChosen<TVerseSelection>(4), false, Chosen({0, 1}), 0, false);
    EXPECT_EQ(Ids(list), (std::vector<TQuestionId>{QuestionId(1, 1), QuestionId(0, 1), QuestionId(0, 2)}));
}

// ---------------------------------------------------------------------------------------
// Orderings against the plain insertion sorts, on random data with many equal keys

namespace {

TFixtureDesc RandomCollection(unsigned seed, int questions)
{
    std::mt19937 g(seed);
    TFixtureDesc d;
    d.Books = {PlainBook("Galatians", "Ga ", 3, 20), PlainBook("Ephesians", "Ep ", 2, 20)};
    d.Sections = {{1, 1, 1, "One"}, {2, 1, 1, "Two"}};
    const std::vector<std::string> words = {"who", "Who", "grace", "Grace", "peace", "Paul", "apostle", "a", "b"};
    for (int c = 0; c < 2; ++c) {
        TFixtureCollection col;
        col.Name = "C" + std::to_string(c);
        std::vector<std::pair<int, int>> refs; // (book, (chapter - 1) * 20 + verse - 1)
        for (int i = 0; i < questions; ++i)
            refs.push_back({1 + static_cast<int>(g() % 2), static_cast<int>(g() % 40)});
        std::sort(refs.begin(), refs.end());
        for (const auto& [book, cv] : refs) {
            std::string text;
            for (int w = 0, n = 1 + static_cast<int>(g() % 3); w < n; ++w)
                text += (w ? " " : "") + words[g() % words.size()];
            col.Questions.push_back(
                PlainQuestion(book, 1 + cv / 20, 1 + cv % 20, text + "?", 3, static_cast<std::uint16_t>(g() % 6)));
        }
        d.Collections.push_back(col);
    }
    return d;
}

std::string Folded(const TQuestions& qs, TQuestionId id)
{
    std::string s = qs.QuestionPlainText(TQuestionAddr::FromId(id));
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

TEST(QsListOrder, EachOrderingMatchesTheInsertionSort)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        TLoaded content(RandomCollection(seed, 300));
        const TQuestions& qs = content.Questions();
        TUser user;
        TScriptedRandom random;
        TQsList list(qs, user, random);
        list.BuildFull(AllChosen<TVerseSelection>(content.Books().TotalVerses()), false, Chosen({0, 1}), 1, false);
        ASSERT_EQ(list.Count(), 600);

        auto ref = [&](TQuestionId id) { return qs.PrimaryRef(TQuestionAddr::FromId(id)); };
        auto key = [&](TQuestionId id) { return qs.SortKey(TQuestionAddr::FromId(id)); };

        // Built in collection order, then ordered by reference.
        std::vector<TQuestionId> expect;
        for (int c = 0; c < 2; ++c)
            for (int i = 1; i <= 300; ++i)
                expect.push_back(QuestionId(c, i));
        ReferenceInsertionSort(expect, [&](TQuestionId a, TQuestionId b) { return RefLess(ref(b), ref(a)); });
        EXPECT_EQ(Ids(list), expect) << "by reference, seed " << seed;

        ASSERT_TRUE(list.SortByText());
        std::map<TQuestionId, std::string> text;
        for (TQuestionId id : expect)
            text[id] = Folded(qs, id);
        ReferenceInsertionSort(expect, [&](TQuestionId a, TQuestionId b) { return text[a] > text[b]; });
        EXPECT_EQ(Ids(list), expect) << "by text, seed " << seed;
        EXPECT_EQ(list.SortProgress(), list.Count());

        ASSERT_TRUE(list.SortByKey());
        ReferenceInsertionSort(expect, [&](TQuestionId a, TQuestionId b) { return key(a) >= key(b); });
        EXPECT_EQ(Ids(list), expect) << "by key, seed " << seed;

        std::mt19937 g(seed);
        std::vector<TSortRecord> records(600);
        std::vector<std::pair<TQuestionId, TSortRecord>> paired;
        for (int i = 0; i < 600; ++i) {
            records[i].Values = {i, -i, static_cast<std::int32_t>(g() % 7) - 3, 0, 0, i * 2};
            paired.push_back({expect[i], records[i]});
        }
        ASSERT_TRUE(list.SortByExternalKey(records));
        ReferenceInsertionSort(paired, [](const auto& a, const auto& b) { return a.second.Key() < b.second.Key(); });
        for (int i = 0; i < 600; ++i) {
            expect[i] = paired[i].first;
            EXPECT_EQ(records[i].Values, paired[i].second.Values) << "record " << i << " did not move with its entry";
        }
        EXPECT_EQ(Ids(list), expect) << "by external key, seed " << seed;

        // By reference again, from an order that is not the collection order.
        ASSERT_TRUE(list.SortByReference());
        ReferenceInsertionSort(expect, [&](TQuestionId a, TQuestionId b) { return RefLess(ref(b), ref(a)); });
        EXPECT_EQ(Ids(list), expect) << "by reference again, seed " << seed;

        // Verse groups: one per run of entries on the same verse.
        std::vector<int> starts;
        for (int i = 1; i <= list.Count(); ++i)
            if (i == 1 || !ref(list.QuestionAt(i).Id()).SameVerse(ref(list.QuestionAt(i - 1).Id())))
                starts.push_back(i);
        ASSERT_EQ(list.GroupCount(), static_cast<int>(starts.size()));
        for (int g2 = 1; g2 <= list.GroupCount(); ++g2)
            EXPECT_EQ(list.GroupStart(g2), starts[g2 - 1]);
    }
}

// A verse group is one verse: verse 5 of chapter 1 next to verse 5 of chapter 2 makes two
// groups, so the set builder can start a draw at either of them.
TEST(QsListOrder, VerseGroupsSplitAtEveryNewVerse)
{
    struct TCase {
        std::vector<std::pair<int, int>> Refs; // (chapter, verse) in reference order
        std::vector<int> Starts;
    };
    const std::vector<TCase> table = {
        {{{1, 5}, {2, 5}, {2, 5}, {2, 6}}, {1, 2, 4}},
        {{{1, 6}, {2, 6}}, {1, 2}},
        {{{1, 1}, {1, 1}, {1, 2}}, {1, 3}},
        {{{2, 3}}, {1}},
    };
    for (const auto& c : table) {
        TFixtureDesc d;
        d.Books = {PlainBook("Galatians", "Ga ", 2, 6)};
        d.Sections = {{1, 1, 1, "Greeting"}};
        d.Collections.resize(1);
        d.Collections[0].Name = "Main";
        for (const auto& [chapter, verse] : c.Refs)
            d.Collections[0].Questions.push_back(PlainQuestion(1, chapter, verse, "Who is in view?"));
        TLoaded content(d);
        TUser user;
        TScriptedRandom random;
        TQsList list(content.Questions(), user, random);
        list.BuildFull(AllChosen<TVerseSelection>(12), false, Chosen({0}), 1, false);
        std::vector<int> starts;
        for (int g = 1; g <= list.GroupCount(); ++g)
            starts.push_back(list.GroupStart(g));
        EXPECT_EQ(starts, c.Starts) << "case " << (&c - table.data());
    }
}

TEST(QsListOrder, CancelLeavesTheListAsItWas)
{
    TLoaded content(RandomCollection(9, 200));
    TUser user;
    TScriptedRandom random;
    TQsList list(content.Questions(), user, random);
    const auto material = AllChosen<TVerseSelection>(content.Books().TotalVerses());
    list.BuildFull(material, false, Chosen({0, 1}), 1, false);
    const auto before = Ids(list);
    ASSERT_GT(list.GroupCount(), 0);

    list.SetCancel(true);
    EXPECT_FALSE(list.SortByText());
    EXPECT_FALSE(list.SortByKey());
    std::vector<TSortRecord> records(static_cast<std::size_t>(list.Count()));
    EXPECT_FALSE(list.SortByExternalKey(records));
    EXPECT_EQ(list.Count(), 400);
    EXPECT_EQ(Ids(list), before);

    // A full build leaves Cancel set: the list is built but not ordered, and has no groups.
    list.BuildFull(material, false, Chosen({0, 1}), 1, false);
    EXPECT_EQ(list.Count(), 400);
    EXPECT_EQ(list.GroupCount(), 0);
    EXPECT_TRUE(list.Cancelled());

    // The study build clears it.
    user.Collections[0] = 1;
    user.AllAvailable = 1;
    list.BuildForStudy(material);
    EXPECT_FALSE(list.Cancelled());
    EXPECT_GT(list.GroupCount(), 0);
}
