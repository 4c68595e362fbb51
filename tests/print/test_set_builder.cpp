// The set builder: candidates and difficulty scores, the pick of one question, the driver
// that fills every set, the targeted pools, the adequacy check and the set history.

#include "print/SetBuilder.h"
#include "print/SetFixtures.h"
#include "print/SetsOfQs.h"

#include "common/Random.h"
#include "user/History.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <map>
#include <set>

namespace sv::test {
namespace {

TSetsRequest Request(int sets, std::array<int, 4> perSet)
{
    TSetsRequest r;
    r.Sets = sets;
    r.Counts.PerSet = perSet;
    return r;
}

// Builds with one pool (no targeting); fails the test when the build fails.
std::unique_ptr<TSetsOfQs> Build(TSetPool& pool, const TSetsRequest& r, IRandom& random, TDistribution dist = {})
{
    auto sets = std::make_unique<TSetsOfQs>(random);
    sets->SetDistribution(dist.Verse, dist.Questions, dist.Chapter, dist.Section);
    EXPECT_TRUE(BuildSets(*sets, pool, nullptr, r, random));
    return sets;
}

std::vector<TQuestionId> SetIds(const TSetsOfQs& sets, int s, int from, int to)
{
    std::vector<TQuestionId> ids;
    for (int p = from; p <= to; ++p)
        ids.push_back(sets.Entry(s, p).Id);
    return ids;
}

TEST(SetBuilder, PlacesFollowTheCategoriesInOrder)
{
    TSetPool pool(SpreadPool({0, 20, 20, 20, 20}, 10));
    TRandom random(7);
    auto sets = Build(pool, Request(3, {5, 0, 3, 2}), random);
    for (int s = 1; s <= 3; ++s)
        for (int p = 1; p <= 10; ++p) {
            const int expected = p <= 5 ? 1 : (p <= 8 ? 3 : 4);
            EXPECT_EQ(CollectionOfId(sets->Entry(s, p).Id), expected) << "set " << s << " place " << p;
        }
    EXPECT_EQ(sets->Entry(1, 11).Id, 0); // places past the set stay empty
}

TEST(SetBuilder, RepeatsInsideASetOnlyAfterEveryQuestionIsInIt)
{
    // Three toss-ups for five places: the first three places hold all three.
    TSetPool pool(SpreadPool({0, 3, 0, 0, 4}, 3));
    for (std::uint64_t seed : {1u, 2u, 3u, 4u}) {
        TRandom random(seed);
        auto sets = Build(pool, Request(1, {5, 0, 0, 0}), random);
        const auto first = SetIds(*sets, 1, 1, 3);
        EXPECT_EQ(std::set<TQuestionId>(first.begin(), first.end()).size(), 3u) << "seed " << seed;
        for (int p = 4; p <= 5; ++p)
            EXPECT_EQ(CollectionOfId(sets->Entry(1, p).Id), 1);
    }
}

TEST(SetBuilder, TwoSetsEachHoldEveryTossUpOnce)
{
    TSetPool pool(SpreadPool({0, 6, 2, 2, 2}, 4));
    TRandom random(11);
    auto sets = Build(pool, Request(2, {6, 1, 1, 1}), random);
    for (int s = 1; s <= 2; ++s) {
        const auto ids = SetIds(*sets, s, 1, 6);
        EXPECT_EQ(std::set<TQuestionId>(ids.begin(), ids.end()).size(), 6u) << "set " << s;
    }
    // Times used are even: every toss-up was placed twice.
    for (const TSetCandidate& k : pool.Candidates()) {
        if (k.Collection == 1) {
            EXPECT_EQ(k.TimesUsed, 2);
        }
    }
}

TEST(SetBuilder, TargetedShareIsExactPerSet)
{
    // Targeted material: verses 1..5; the rest: verses 6..20.
    std::vector<TSetCandidate> t, m;
    for (const TSetCandidate& k : SpreadPool({0, 40, 10, 10, 10}, 20))
        (k.Verse <= 5 ? t : m).push_back(k);
    TSetPool targeted(t), main(m);
    TRandom random(5);
    TSetsRequest r = Request(4, {14, 2, 2, 2});
    r.PercentTargeted = 50;
    TSetsOfQs sets(random);
    ASSERT_TRUE(BuildSets(sets, main, &targeted, r, random));
    for (int s = 1; s <= 4; ++s) {
        int fromTargeted = 0;
        for (int p = 1; p <= 20; ++p)
            fromTargeted += targeted.PositionOf(sets.Entry(s, p).Id) >= 0 ? 1 : 0;
        EXPECT_EQ(fromTargeted, 10) << "set " << s;
    }
    // A small percentage still targets one question per set.
    r.PercentTargeted = 1;
    TSetsOfQs few(random);
    ASSERT_TRUE(BuildSets(few, main, &targeted, r, random));
    int fromTargeted = 0;
    for (int p = 1; p <= 20; ++p)
        fromTargeted += targeted.PositionOf(few.Entry(1, p).Id) >= 0 ? 1 : 0;
    EXPECT_EQ(fromTargeted, 1);
}

TEST(SetBuilder, BuildFailsOnlyWhenACategoryHasNoQuestion)
{
    TSetPool pool(SpreadPool({0, 10, 5, 5, 0}, 5));
    TRandom random(3);
    TSetsOfQs sets(random);
    EXPECT_FALSE(BuildSets(sets, pool, nullptr, Request(2, {4, 1, 1, 1}), random));
    TSetsOfQs without40(random);
    EXPECT_TRUE(BuildSets(without40, pool, nullptr, Request(2, {30, 9, 9, 0}), random));
}

TEST(SetBuilder, RefusesMoreThanTheTableHolds)
{
    TSetPool pool(SpreadPool({0, 10, 5, 5, 5}, 5));
    TRandom random(3);
    TSetsOfQs sets(random);
    EXPECT_THROW(BuildSets(sets, pool, nullptr, Request(1, {300, 100, 100, 1}), random), ERangeError);
    EXPECT_THROW(BuildSets(sets, pool, nullptr, Request(101, {4, 0, 0, 0}), random), ERangeError);
}

TEST(SetBuilder, CollectionsOtherThanOneToFourAreNeverPlaced)
{
    TSetPool pool(SpreadPool({30, 8, 4, 4, 4, 30, 30, 30}, 8));
    TRandom random(9);
    auto sets = Build(pool, Request(3, {20, 4, 4, 4}), random);
    for (int s = 1; s <= 3; ++s)
        for (int p = 1; p <= 32; ++p) {
            const int c = CollectionOfId(sets->Entry(s, p).Id);
            EXPECT_GE(c, 1);
            EXPECT_LE(c, 4);
        }
}

TEST(SetBuilder, VerseSpreadingAgainstHistoryWhenSwitchesAreOff)
{
    // Two unused toss-ups on verse 1, a much used one on verse 2.
    const std::vector<TSetCandidate> c = {Cand(1, 1, 1), Cand(1, 2, 1), Cand(1, 3, 2, 0, 1, 9)};
    TPickPreferences prefs;
    prefs.AvoidHistory = true;
    {
        TSetPool pool(c);
        TRandom random(1);
        TSetsOfQs sets(random);
        sets.SetDistribution(false, false, false, false);
        ASSERT_TRUE(sets.PickQuestion(pool, 1, 1, 1, prefs));
        ASSERT_TRUE(sets.PickQuestion(pool, 1, 1, 2, prefs));
        EXPECT_EQ(std::set<TQuestionId>({sets.Entry(1, 1).Id, sets.Entry(1, 2).Id}),
                  std::set<TQuestionId>({QuestionId(1, 1), QuestionId(1, 2)}));
    }
    {
        // Spreading over verses puts the second place on the other verse.
        TSetPool pool(c);
        TRandom random(1);
        TSetsOfQs sets(random);
        ASSERT_TRUE(sets.PickQuestion(pool, 1, 1, 1, prefs));
        ASSERT_TRUE(sets.PickQuestion(pool, 1, 1, 2, prefs));
        EXPECT_EQ(sets.Entry(1, 2).Verse, 2);
        EXPECT_EQ(sets.OverallVerseUsage(1), 1);
        EXPECT_EQ(sets.OverallVerseUsage(2), 1);
    }
}

TEST(SetBuilder, PreferencesDecideAmongEqualCandidates)
{
    // All on one verse: difficulty first, then collections count, then history.
    struct TCase {
        const char* name;
        std::vector<TSetCandidate> pool;
        TPickPreferences prefs;
        TQuestionId expected;
    } cases[] = {
        {"difficulty", {Cand(1, 1, 1, 10), Cand(1, 2, 1, 45), Cand(1, 3, 1, 3, 7)}, {true, true}, QuestionId(1, 2)},
        {"duplicates",
         {Cand(1, 1, 1, 0, 2), Cand(1, 2, 1, 0, 3), Cand(1, 3, 1, 0, 1)},
         {true, false},
         QuestionId(1, 2)},
        {"history",
         {Cand(1, 1, 1, 0, 1, 4), Cand(1, 2, 1, 0, 1, 2), Cand(1, 3, 1, 0, 1, 3)},
         {false, true},
         QuestionId(1, 2)},
        {"duplicates before history", {Cand(1, 1, 1, 0, 1, 0), Cand(1, 2, 1, 0, 2, 5)}, {true, true}, QuestionId(1, 2)},
    };
    for (const TCase& tc : cases)
        for (std::uint64_t seed = 1; seed <= 5; ++seed) {
            TSetPool pool(tc.pool);
            TRandom random(seed);
            TSetsOfQs sets(random);
            ASSERT_TRUE(sets.PickQuestion(pool, 1, 1, 1, tc.prefs));
            EXPECT_EQ(sets.Entry(1, 1).Id, tc.expected) << tc.name << ", seed " << seed;
        }
}

TEST(SetBuilder, SpreadsOverChaptersWithinASet)
{
    // Chapter 1 holds many toss-ups, chapter 2 few: a set of four takes two from each.
    std::vector<TSetCandidate> c;
    for (int n = 1; n <= 12; ++n)
        c.push_back(Cand(1, n, 1 + (n - 1) % 6)); // verses 1..6, chapter 1
    c.push_back(Cand(1, 13, 11));
    c.push_back(Cand(1, 14, 12)); // chapter 2
    TSetPool pool(c);
    TRandom random(4);
    TDistribution dist{false, false, true, false};
    auto sets = Build(pool, Request(1, {4, 0, 0, 0}), random, dist);
    int inChapter2 = 0;
    for (int p = 1; p <= 4; ++p)
        inChapter2 += sets->Entry(1, p).Chapter == 2 ? 1 : 0;
    EXPECT_EQ(inChapter2, 2);
}

// Over random pools and seeds: places keep their categories, a set repeats a question only
// when its category has no unused question left, and uses stay even across the sets.
TEST(SetBuilder, PropertyOverRandomPoolsAndSeeds)
{
    TRandom shape(2024);
    for (int round = 0; round < 40; ++round) {
        const int verses = 1 + shape.Random(60);
        std::vector<int> per = {shape.Random(5),      1 + shape.Random(120), 1 + shape.Random(30),
                                1 + shape.Random(30), 1 + shape.Random(30),  shape.Random(5)};
        std::vector<TSetCandidate> cands = SpreadPool(per, verses);
        for (TSetCandidate& k : cands) {
            k.DifficultyScore = shape.Random(91);
            k.CollectionsCount = static_cast<std::uint8_t>(1 + shape.Random(3));
            k.HistoryCount = static_cast<std::uint8_t>(shape.Random(3));
        }
        TSetPool pool(cands);
        TSetsRequest r =
            Request(1 + shape.Random(6), {1 + shape.Random(60), shape.Random(12), shape.Random(12), shape.Random(12)});
        r.Prefs = {shape.Random(2) == 1, shape.Random(2) == 1};
        const TDistribution dist{shape.Random(2) == 1, shape.Random(2) == 1, shape.Random(2) == 1,
                                 shape.Random(2) == 1};
        TRandom random(static_cast<std::uint64_t>(round) * 7919u + 1u);
        auto sets = Build(pool, r, random, dist);
        const int q = r.Counts.QuestionsPerSet();
        for (int s = 1; s <= r.Sets; ++s) {
            std::map<int, std::set<TQuestionId>> distinct;
            std::map<int, int> places;
            for (int p = 1; p <= q; ++p) {
                const TSetEntry& e = sets->Entry(s, p);
                const int cat = r.Counts.CategoryOfPlace(p);
                ASSERT_EQ(CollectionOfId(e.Id), cat) << "round " << round << " set " << s << " place " << p;
                distinct[cat].insert(e.Id);
                ++places[cat];
            }
            for (auto [cat, n] : places)
                EXPECT_EQ(static_cast<int>(distinct[cat].size()), std::min(n, per[static_cast<std::size_t>(cat)]))
                    << "round " << round << " set " << s << " category " << cat;
        }
        // Without spreading over verses, uses stay even across the sets (unless one set
        // alone exhausts a category).
        for (int cat = 1; cat <= 4 && !dist.Verse && !dist.Questions; ++cat) {
            const int n = per[static_cast<std::size_t>(cat)];
            if (r.Counts.PerSet[static_cast<std::size_t>(cat - 1)] > n)
                continue;
            int lo = 1 << 30, hi = 0;
            for (const TSetCandidate& k : pool.Candidates())
                if (k.Collection == cat) {
                    lo = std::min(lo, k.TimesUsed);
                    hi = std::max(hi, k.TimesUsed);
                }
            EXPECT_LE(hi - lo, 1) << "round " << round << " category " << cat;
        }
    }
}

TEST(SetBuilder, VerseUsageCountsDoNotWrap)
{
    // 95 sets of four toss-ups from the eight questions of one verse: 380 uses of the verse.
    TSetPool pool(SpreadPool({0, 8}, 1));
    TRandom random(2);
    auto sets = Build(pool, Request(95, {4, 0, 0, 0}), random);
    EXPECT_EQ(sets->OverallVerseUsage(1), 380);
    for (const TSetCandidate& k : pool.Candidates())
        EXPECT_GE(k.TimesUsed, 47);
}

TEST(SetBuilder, SameSeedSameSets)
{
    TSetPool a(SpreadPool({0, 50, 10, 10, 10}, 17)), b(SpreadPool({0, 50, 10, 10, 10}, 17));
    TRandom ra(42), rb(42);
    auto sa = Build(a, Request(3, {20, 3, 3, 3}), ra);
    auto sb = Build(b, Request(3, {20, 3, 3, 3}), rb);
    for (int s = 1; s <= 3; ++s)
        EXPECT_EQ(SetIds(*sa, s, 1, 29), SetIds(*sb, s, 1, 29));
}

// ---- The adequacy check ----

TEST(SetAdequacy, SummaryColoursAndCreate)
{
    const std::string good = "Your selections should be adequate to build good sets.";
    struct TCase {
        std::array<int, 8> byCollection;
        int sets;
        std::array<int, 4> perSet;
        std::string summary;
        TAdequacyColour total;
        bool create;
    } cases[] = {
        {{0, 40, 10, 10, 10}, 2, {20, 5, 5, 5}, good, TAdequacyColour::Green, true},
        // Collections 0 and 5..7 count as toss-ups.
        {{10, 10, 10, 10, 10, 5, 5, 0}, 1, {30, 5, 5, 5}, good, TAdequacyColour::Green, true},
        {{0, 30, 10, 10, 10},
         2,
         {20, 5, 5, 5},
         "Though sets can be created from your selections, there are not enough questions for Toss-ups, and some of "
         "these will be repeated.",
         TAdequacyColour::Yellow,
         true},
        {{0, 30, 6, 6, 10},
         2,
         {20, 5, 5, 5},
         "Though sets can be created from your selections, there are not enough questions for Toss-ups, 20-Pt Bonus "
         "and 30-Pt Bonus, and some of these will be repeated.",
         TAdequacyColour::Yellow,
         true},
        {{0, 30, 4, 6, 3},
         2,
         {20, 5, 5, 5},
         "There are not enough questions for 20-Pt Bonus and 40-Pt Bonus to avoid repeating questions in a set. Please "
         "modify your selections.",
         TAdequacyColour::Red,
         false},
        {{0, 30, 10, 10, 10},
         2,
         {3, 0, 0, 0},
         "Each set must contain at least 4 questions.",
         TAdequacyColour::Green,
         false},
        {{0, 900, 900, 900, 900},
         1,
         {300, 100, 100, 100},
         "Each set can hold at most 500 questions. Please reduce the toss-up or bonus questions per set.",
         TAdequacyColour::Green,
         false},
    };
    for (const TCase& c : cases) {
        TSetCounts counts;
        counts.PerSet = c.perSet;
        const TAdequacy a = CheckAdequacy(c.byCollection, c.sets, counts);
        EXPECT_EQ(a.Summary, c.summary);
        EXPECT_EQ(a.TotalColour, c.total) << c.summary;
        EXPECT_EQ(a.CreateEnabled, c.create) << c.summary;
        EXPECT_EQ(a.TotalNeeded, c.sets * counts.QuestionsPerSet());
    }
    TSetCounts counts;
    counts.PerSet = {20, 5, 5, 5};
    const TAdequacy a = CheckAdequacy({1, 30, 4, 6, 3, 2}, 2, counts);
    EXPECT_EQ(a.Available, (std::array<int, 4>{33, 4, 6, 3}));
    EXPECT_EQ(a.Needed, (std::array<int, 4>{40, 10, 10, 10}));
    EXPECT_EQ(a.Colour, (std::array<TAdequacyColour, 4>{TAdequacyColour::Yellow, TAdequacyColour::Red,
                                                        TAdequacyColour::Yellow, TAdequacyColour::Red}));
}

// ---- With the stores: candidates, pools, history ----

TEST(SetCandidates, ScoresByDifficulty)
{
    TSetContent s;
    const TCollectionFlags only1 = [] {
        TCollectionFlags f;
        f[1] = 1;
        return f;
    }();
    const auto pool = PrepareMainPool(s.Questions(), TSelectionKind::ByChapter, {true, true}, only1);
    ASSERT_EQ(pool.size(), 4u);
    TSetsHelper helper(s.Questions());
    THistory history;
    history.At({1, 2}) = 7;
    struct TCase {
        TDifficulty d;
        bool scaled;
        std::array<int, 4> scores;
    } cases[] = {
        // Question lengths 10..20 (step 1), answer lengths 5..30 (step 2.5).
        {TDifficulty::Mixed, true, {0, 0, 0, 0}},           {TDifficulty::ShortQuestion, true, {45, 15, 0, 0}},
        {TDifficulty::LongQuestion, true, {0, 15, 45, 45}}, {TDifficulty::ShortAnswer, true, {0, 45, 45, 10}},
        {TDifficulty::LongQA, true, {45, 15, 45, 45 + 21}}, {TDifficulty::ShortQA, true, {45, 60, 45, 10}},
        {TDifficulty::LongAnswer, false, {25, 0, 0, 15}},   {TDifficulty::ShortQA, false, {10, 30, 25, 10}},
    };
    for (const TCase& c : cases) {
        std::vector<TSetCandidate> k;
        helper.BuildCandidates(k, pool, history, c.scaled, c.d);
        ASSERT_EQ(k.size(), 4u);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(k[i].DifficultyScore, c.scores[i]) << DifficultyName(c.d) << " question " << i + 1;
    }
    std::vector<TSetCandidate> k;
    helper.BuildCandidates(k, pool, history, true, TDifficulty::Mixed);
    EXPECT_EQ(k[1].HistoryCount, 7);
    EXPECT_EQ(k[1].Verse, 4);
    EXPECT_EQ(k[1].Chapter, 1);
    EXPECT_EQ(k[1].Section, 1);
    EXPECT_EQ(k[2].Verse, 17);
    EXPECT_EQ(k[2].Chapter, 2);
    EXPECT_EQ(k[3].Section, 3); // the book's third section
    EXPECT_EQ(k[0].TimesUsed, 0);
    EXPECT_EQ(k[0].VerseCount, 1);
}

TEST(SetCandidates, EqualLengthsGiveEqualQuestionScores)
{
    TSetContent s;
    const TCollectionFlags only1 = [] {
        TCollectionFlags f;
        f[1] = 1;
        return f;
    }();
    // Questions 3 and 4 (chapter 2) have the same question length.
    const auto pool = PrepareMainPool(s.Questions(), TSelectionKind::ByChapter, {false, true}, only1);
    ASSERT_EQ(pool.size(), 2u);
    std::vector<TSetCandidate> k;
    TSetsHelper(s.Questions()).BuildCandidates(k, pool, THistory(), true, TDifficulty::LongQuestion);
    EXPECT_EQ(k[0].DifficultyScore, 0);
    EXPECT_EQ(k[1].DifficultyScore, 0);
}

TEST(SetPools, TargetedAndMainPoolsSplitTheCheckedItems)
{
    TSetContent s;
    std::vector<TQuestionAddr> main, targeted;
    PrepareTargetedPools(s.Questions(), TSelectionKind::ByChapter, {true, true}, {false, true}, AllCollections(), main,
                         targeted);
    for (const TQuestionAddr q : main)
        EXPECT_EQ(s.Questions().PrimaryRef(q).Chapter, 1);
    for (const TQuestionAddr q : targeted)
        EXPECT_EQ(s.Questions().PrimaryRef(q).Chapter, 2);
    EXPECT_EQ(main.size() + targeted.size(), 4u + 6u + 2u);
    EXPECT_EQ(CountByCollection(targeted), (std::array<int, 8>{0, 2, 1, 1, 1, 1, 0, 0}));
}

TEST(SetHistory, RecordingCountsEveryPlaceAndSaturates)
{
    TSetContent s;
    const auto list = PrepareMainPool(s.Questions(), TSelectionKind::ByChapter, {true, true}, AllCollections());
    THistory history;
    std::vector<TSetCandidate> k;
    TSetsHelper(s.Questions()).BuildCandidates(k, list, history, true, TDifficulty::Mixed);
    TSetPool pool(k);
    TRandom random(3);
    auto sets = Build(pool, Request(2, {4, 1, 1, 1}), random);
    history.At({1, 1}) = 255;
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("coach.219h")).toStdString();
    RecordSetsInHistory(*sets, 2, 7, history, s.Questions(), path);
    EXPECT_EQ(history.SetUseCount({1, 1}), 255);
    for (int i = 2; i <= 4; ++i)
        EXPECT_EQ(history.SetUseCount({1, i}), 2) << "toss-up " << i;
    for (int c = 2; c <= 4; ++c)
        EXPECT_EQ(history.SetUseCount({c, 1}) + history.SetUseCount({c, 2}), 2);
    EXPECT_EQ(history.SetUseCount({0, 1}), 0);
    THistory reread;
    reread.LoadFromFile(path);
    EXPECT_EQ(reread.SetUseCount({1, 2}), 2);
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).size(), 65528);
}

} // namespace
} // namespace sv::test
