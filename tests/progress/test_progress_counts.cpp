#include "content/Books.h"
#include "progress/ProgressCounts.h"
#include "support/ContentFixture.h"
#include "user/User.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

// The small fixture: Ga 1 (5 verses), Ga 2 (3), Ga 3 (7), Pm 1 (8); collections 0 "Main"
// (8 questions), 1 "Extra" (3, one a placeholder of 0/6), 2 "Bonus" (2, one a placeholder).
constexpr int Ga1 = 0, Ga2 = 1, Ga3 = 2, Pm1 = 3;

TCollectionFlags Chosen(std::initializer_list<int> collections)
{
    TCollectionFlags f;
    for (int c : collections)
        f[c] = 1;
    return f;
}

int Sum(const TProgressCounts& p, TProgressSeries s)
{
    int n = 0;
    for (int i = 0; i < p.Points(); ++i)
        n += p.Value(i, s);
    return n;
}

} // namespace

TEST(ProgressCounts, SeriesOfAKnowledgeByte)
{
    const struct {
        std::uint8_t Byte;
        TProgressSeries Series;
    } cases[] = {
        {7, TProgressSeries::Untried},
        {0, TProgressSeries::Unmastered}, // tried, answered wrong down to level 0
        {6, TProgressSeries::Unmastered},
        {15, TProgressSeries::CorrectFewerThan3}, // top level reached once
        {23, TProgressSeries::CorrectFewerThan3},
        {31, TProgressSeries::Mastered},
        {29, TProgressSeries::Unmastered}, // mastered once, then answered wrong
        {255, TProgressSeries::Mastered},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SeriesOf(c.Byte), c.Series) << int(c.Byte);
}

TEST(ProgressCounts, AUserWhoAnsweredNothingIsWhollyUntried)
{
    const TLoadedContent& content = SmallContent();
    TUser user;
    TProgressCounts p(content.Books, content.Questions, user);
    for (TProgressView view : {TProgressView::Questions, TProgressView::MemoryVerses, TProgressView::References}) {
        p.Count(view, Chosen({0, 1, 2}));
        EXPECT_EQ(p.Totals().Attempted, 0);
        EXPECT_GT(p.Totals().Available, 0);
        EXPECT_EQ(p.Totals().Untried(), p.Totals().Available);
        EXPECT_EQ(Sum(p, TProgressSeries::Untried), p.Totals().Available);
        for (TProgressSeries s :
             {TProgressSeries::Mastered, TProgressSeries::CorrectFewerThan3, TProgressSeries::Unmastered})
            EXPECT_EQ(Sum(p, s), 0);
    }
    p.CountQuestions(Chosen({0, 1, 2}));
    EXPECT_EQ(p.Totals().Available, 8 + 3 + 2);
    ASSERT_EQ(p.Points(), 4);
    EXPECT_EQ(p.Label(Ga1), "Ga 1");
    EXPECT_EQ(p.Label(Pm1), "Pm 1");
    // Placeholders count in their own collection, in the chapter of their reference.
    EXPECT_EQ(p.Value(Ga3, TProgressSeries::Untried), 3 + 2);
    EXPECT_EQ(p.Value(Pm1, TProgressSeries::Untried), 4);
}

TEST(ProgressCounts, QuestionsCountInTheChapterOfTheirPrimaryReference)
{
    const TLoadedContent& content = SmallContent();
    TUser user;
    user.QuestionByte({0, 1}) = 15; // Ga 1:1
    user.QuestionByte({0, 3}) = 31; // Ga 2:1
    user.QuestionByte({0, 6}) = 29; // Ga 3:6
    user.QuestionByte({1, 3}) = 31; // Pm 1:3, collection 1
    TProgressCounts p(content.Books, content.Questions, user);

    p.CountQuestions(Chosen({0}));
    EXPECT_EQ(p.Value(Ga1, TProgressSeries::CorrectFewerThan3), 1);
    EXPECT_EQ(p.Value(Ga2, TProgressSeries::Mastered), 1);
    EXPECT_EQ(p.Value(Ga3, TProgressSeries::Unmastered), 1);
    EXPECT_EQ(p.Value(Pm1, TProgressSeries::Mastered), 0); // its collection is not chosen
    const TProgressTotals t{8, 3, 1, 1, 1};
    EXPECT_EQ(p.Totals(), t);
    EXPECT_EQ(p.Totals().Untried(), 5);

    p.CountQuestions(Chosen({0, 1}));
    EXPECT_EQ(p.Value(Pm1, TProgressSeries::Mastered), 1);
    EXPECT_EQ(p.Totals().Available, 11);
    EXPECT_EQ(p.Totals().Mastered, 2);
}

TEST(ProgressCounts, NoCollectionChosenShowsEveryChapterUntriedAndZeroTotals)
{
    const TLoadedContent& content = SmallContent();
    TUser user;
    user.QuestionByte({0, 1}) = 31;
    TProgressCounts p(content.Books, content.Questions, user);
    p.CountQuestions(Chosen({}));
    EXPECT_EQ(p.Totals(), TProgressTotals{});
    for (int i = 0; i < p.Points(); ++i) {
        EXPECT_EQ(p.Value(i, TProgressSeries::Untried), 100);
        EXPECT_EQ(p.Value(i, TProgressSeries::Mastered), 0);
    }
}

TEST(ProgressCounts, MemoryVersesFollowTheCurrentChapterAlsoIntoALaterBookWithASmallerChapter)
{
    // Entries: Ga 1:3, Ga 3:5, Pm 1:3. The last lies in a later book but an earlier chapter
    // number than Ga 3: it still counts in Pm 1.
    const TLoadedContent& content = SmallContent();
    ASSERT_EQ(content.Books.TotalMemoryVerses(), 3);
    TUser user;
    user.MemoryKnowledge[1] = 8; // level 0 after right answers: unmastered
    user.MemoryKnowledge[2] = 15;
    user.MemoryKnowledge[3] = 31;
    TProgressCounts p(content.Books, content.Questions, user);
    p.CountMemoryVerses();
    EXPECT_EQ(p.Value(Ga1, TProgressSeries::Unmastered), 1);
    EXPECT_EQ(p.Value(Ga2, TProgressSeries::Untried), 0);
    EXPECT_EQ(p.Value(Ga3, TProgressSeries::CorrectFewerThan3), 1);
    EXPECT_EQ(p.Value(Pm1, TProgressSeries::Mastered), 1);
    const TProgressTotals t{3, 3, 1, 1, 1};
    EXPECT_EQ(p.Totals(), t);
}

TEST(ProgressCounts, ReferencesCountOneItemPerVerse)
{
    const TLoadedContent& content = SmallContent();
    TUser user;
    user.ReferenceKnowledge[6] = 15; // Ga 2:1
    user.ReferenceKnowledge[23] = 0; // Pm 1:8
    TProgressCounts p(content.Books, content.Questions, user);
    p.CountReferences();
    EXPECT_EQ(p.Totals().Available, 23);
    EXPECT_EQ(p.Totals().Attempted, 2);
    EXPECT_EQ(p.Value(Ga1, TProgressSeries::Untried), 5);
    EXPECT_EQ(p.Value(Ga2, TProgressSeries::CorrectFewerThan3), 1);
    EXPECT_EQ(p.Value(Ga2, TProgressSeries::Untried), 2);
    EXPECT_EQ(p.Value(Pm1, TProgressSeries::Unmastered), 1);
    EXPECT_THROW(p.Value(4, TProgressSeries::Untried), ERangeError);
}
