// The fixed rules of the game: captions, the memory kind, values, the wager limit and the
// messages at game over.

#include "game/GameRules.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

TEST(GameRules, CaptionsAndMemoryKind)
{
    EXPECT_EQ(CategoryCaption(0), "Grab Bag");
    EXPECT_EQ(CategoryCaption(24), "Finish this && next");
    EXPECT_EQ(CategoryCaption(39), "Situations");
    EXPECT_EQ(CategoryCaption(42), "Memory");
    EXPECT_EQ(CategoryCaption(30), "");
    EXPECT_EQ(CategoryCaption(43), "");
    int memoryKind = 0;
    for (int code = 0; code < GameCategoryCodes; ++code)
        memoryKind += IsMemoryKind(code) ? 1 : 0;
    EXPECT_EQ(memoryKind, 14);
    for (int code : {8, 11, 17, 25, 42})
        EXPECT_TRUE(IsMemoryKind(code)) << code;
    for (int code : {0, 7, 12, 16, 26, 41, 43})
        EXPECT_FALSE(IsMemoryKind(code)) << code;
}

TEST(GameRules, ValuesGrowWithRowRoundAndPlayers)
{
    EXPECT_EQ(ValueText(CellValue(1, 1, 1)), "  50");
    EXPECT_EQ(ValueText(CellValue(2, 1, 1)), " 100");
    EXPECT_EQ(ValueText(CellValue(6, 2, 1)), " 600");
    EXPECT_EQ(ValueText(CellValue(6, 3, 3)), "2700");
    EXPECT_EQ(CellOf(1, 1), 1);
    EXPECT_EQ(CellOf(2, 6), 12);
    EXPECT_EQ(ColumnOfCell(12), 2);
    EXPECT_EQ(RowOfCell(12), 6);
}

TEST(GameRules, WagerLimitIsTheScoreAboveAThousand)
{
    const struct {
        int score, limit;
    } cases[] = {{250, 1000}, {1000, 1000}, {1001, 1001}, {4300, 4300}, {0, 1000}, {-700, 1000}};
    for (auto c : cases)
        EXPECT_EQ(WagerLimit(c.score), c.limit) << c.score;
}

TEST(GameRules, TheSixEndMessages)
{
    const struct {
        int players;
        int best;
        bool qualified;
        const char* text;
    } cases[] = {
        {1, 300, true, "Congratulations, Ann!\rYou're score places you on the WALL OF FAME.\rKeep up the good work!"},
        {1, 0, false, "The game is over. It looks like\ryou need to do some more studying."},
        {1, -50, false, "The game is over. It looks like\ryou need to do some more studying."},
        {1, 50, false, "The game is over. Keep trying and\ryou may end up on the WALL OF FAME."},
        {2, 300, true,
         "Congratulations, Ann! You won the game and\ryour score places you on the WALL OF FAME. Keep up the good "
         "work!"},
        {3, 0, false, "Ann, though you won, your score is nothing\rto write home about."},
        {2, 100, false, "Congratulations, Ann! You won the game.\rKeep trying and you may end up on the WALL OF FAME!"},
    };
    for (auto c : cases)
        EXPECT_EQ(EndGameMessage(c.players, "Ann", c.best, c.qualified), c.text);
}

} // namespace
} // namespace sv
