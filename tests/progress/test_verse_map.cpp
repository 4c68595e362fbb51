#include "common/Errors.h"
#include "content/Books.h"
#include "progress/VerseMap.h"
#include "support/ContentFixture.h"
#include "user/User.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

TCollectionFlags Chosen(std::initializer_list<int> collections)
{
    TCollectionFlags f;
    for (int c : collections)
        f[c] = 1;
    return f;
}

int VerseNo(int book, int chapter, int verse)
{
    return SmallContent().Books.VerseNoOf(TVerseRef(book, chapter, verse));
}

} // namespace

TEST(VerseMap, AUserWhoAnsweredNothingHasNeverBeenAskedAnyVerse)
{
    const TLoadedContent& content = SmallContent();
    TUser user;
    TVerseMap map(content.Books, content.Questions, user);
    map.Count(1, 4, Chosen({0, 1, 2}));
    ASSERT_EQ(map.Cells().size(), 23u);
    // Questions on Ga 1:1, 1:3, 1:4, 2:1, 3:1, 3:2, 3:6, Pm 1:1, 1:3, 1:8.
    const TVerseMapTotals t{23, 13, 10, 0, 0};
    EXPECT_EQ(map.Totals(), t);
    for (const TVerseCell& c : map.Cells()) {
        EXPECT_EQ(c.Tried, 0);
        EXPECT_EQ(c.Reference, TProgressSeries::Untried);
        EXPECT_NE(c.State, TVerseQuestionState::SomeTried);
    }
    // Ga 3:6: the home question only, not its placeholders in collections 1 and 2.
    EXPECT_EQ(map.CellOf(VerseNo(1, 3, 6))->Questions, 1);
    // The memory passage Ga 3:5-7 marks its three verses.
    for (int v : {5, 6, 7})
        EXPECT_EQ(map.CellOf(VerseNo(1, 3, v))->MemoryVerse, 2) << v;
    EXPECT_EQ(map.CellOf(VerseNo(1, 3, 4))->MemoryVerse, 0);
}

TEST(VerseMap, AVerseIsMasteredOnlyWhenEveryQuestionOfItIs)
{
    const TLoadedContent& content = SmallContent();
    TUser user;
    user.QuestionByte({0, 1}) = 31; // Ga 1:1, its only question
    user.QuestionByte({0, 8}) = 31; // Pm 1:8, collection 0 ...
    user.MemoryKnowledge[2] = 15;
    user.ReferenceKnowledge[VerseNo(1, 1, 2)] = 0;
    TVerseMap map(content.Books, content.Questions, user);
    map.Count(1, 4, Chosen({0, 2}));
    const TVerseCell* ga11 = map.CellOf(VerseNo(1, 1, 1));
    EXPECT_EQ(ga11->State, TVerseQuestionState::AllMastered);
    EXPECT_EQ(ga11->Ref, TVerseRef(1, 1, 1));
    const TVerseCell* pm18 = map.CellOf(VerseNo(2, 1, 8));
    EXPECT_EQ(pm18->Questions, 2); // ... and collection 2
    EXPECT_EQ(pm18->Tried, 1);
    EXPECT_EQ(pm18->State, TVerseQuestionState::SomeTried);
    EXPECT_EQ(map.CellOf(VerseNo(1, 3, 6))->Memory, TProgressSeries::CorrectFewerThan3);
    EXPECT_EQ(map.CellOf(VerseNo(1, 1, 2))->Reference, TProgressSeries::Unmastered);

    user.QuestionByte({2, 2}) = 40; // level 0 after three right answers at the top: tried, not mastered
    map.Count(1, 4, Chosen({0, 2}));
    EXPECT_EQ(map.CellOf(VerseNo(2, 1, 8))->Tried, 2);
    EXPECT_EQ(map.CellOf(VerseNo(2, 1, 8))->State, TVerseQuestionState::SomeTried);
    user.QuestionByte({2, 2}) = 31;
    map.Count(1, 4, Chosen({0, 2}));
    EXPECT_EQ(map.CellOf(VerseNo(2, 1, 8))->State, TVerseQuestionState::AllMastered);
    // With only collection 0 chosen the verse has one question.
    user.QuestionByte({2, 2}) = 7;
    map.Count(1, 4, Chosen({0}));
    EXPECT_EQ(map.CellOf(VerseNo(2, 1, 8))->Questions, 1);
    EXPECT_EQ(map.CellOf(VerseNo(2, 1, 8))->State, TVerseQuestionState::AllMastered);
}

TEST(VerseMap, CountsOnlyTheChosenChapters)
{
    const TLoadedContent& content = SmallContent();
    TUser user;
    TVerseMap map(content.Books, content.Questions, user);
    map.Count(2, 3, Chosen({0}));
    ASSERT_EQ(map.Cells().size(), 3u + 7u);
    EXPECT_EQ(map.Cells().front().Ref, TVerseRef(1, 2, 1));
    EXPECT_EQ(map.Cells().back().Ref, TVerseRef(1, 3, 7));
    EXPECT_EQ(map.CellOf(VerseNo(1, 1, 5)), nullptr);
    EXPECT_EQ(map.CellOf(VerseNo(2, 1, 1)), nullptr);
    map.Count(4, 4, Chosen({}));
    EXPECT_EQ(map.Totals().NoQuestions, 8);
    EXPECT_THROW(map.Count(0, 2, Chosen({0})), ERangeError);
    EXPECT_THROW(map.Count(3, 2, Chosen({0})), ERangeError);
    EXPECT_THROW(map.Count(1, 5, Chosen({0})), ERangeError);
}
