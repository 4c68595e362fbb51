// The game boards: category order, the stock count of playable rounds, filling columns
// least known first, the order of rows by answer length and the wager cells.

#include "game/GameBoard.h"
#include "game/GameFakes.h"
#include "study/FakeSession.h"

#include <gtest/gtest.h>

#include <set>

namespace sv {
namespace {

using test::FakeMaterial;
using test::QueuedRandom;

// The codes an all-zero random source gives positions 1.. (after Memory when it is first).
std::vector<int> ZeroDrawOrder()
{
    std::vector<int> codes;
    for (int c = 0; c < GameCategoryCodes; ++c)
        if (!IsMemoryKind(c))
            codes.push_back(c);
    return codes; // 30 codes; the remaining positions hold 0
}

TEST(GameBoard, ShuffleWithZeroDrawsPlacesEveryAllowedCodeOnceThenGrabBag)
{
    for (bool memory : {false, true}) {
        FakeMaterial m;
        QueuedRandom r;
        TGameBoard b(m, r);
        b.ShuffleCategories(memory);
        std::vector<int> expected;
        if (memory)
            expected.push_back(MemoryVerseCode);
        for (int c : ZeroDrawOrder())
            expected.push_back(c);
        expected.resize(GameOrderPositions, GrabBagCode);
        for (int round = 1; round <= GameMaxRounds; ++round)
            for (int p = 1; p <= GameOrderPositions; ++p)
                EXPECT_EQ(b.CategoryAt(round, p), expected[static_cast<std::size_t>(p - 1)])
                    << "memory " << memory << " round " << round << " position " << p;
    }
}

TEST(GameBoard, ShuffleKeepsMemoryFirstAndNoOtherMemoryKind)
{
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        for (bool memory : {false, true}) {
            FakeMaterial m;
            TRandom r(seed);
            TGameBoard b(m, r);
            b.ShuffleCategories(memory);
            for (int round = 1; round <= GameMaxRounds; ++round) {
                std::set<int> seen;
                for (int p = 1; p <= GameOrderPositions; ++p) {
                    const int code = b.CategoryAt(round, p);
                    if (memory && p == 1) {
                        EXPECT_EQ(code, MemoryVerseCode);
                    } else {
                        EXPECT_FALSE(IsMemoryKind(code)) << "seed " << seed << " position " << p;
                    }
                    if (code != GrabBagCode) {
                        EXPECT_TRUE(seen.insert(code).second) << "code " << code << " twice";
                    }
                }
            }
        }
    }
}

TEST(GameBoard, PlayableRoundsFromTheStock)
{
    FakeMaterial m;
    QueuedRandom r;
    struct Case {
        const char* name;
        std::vector<std::vector<int>> orders; // per round, the first positions (rest 43, never stocked)
        std::vector<std::pair<int, int>> stock;
        int rounds;
    };
    const std::vector<Case> cases = {
        {"six codes of six",
         {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}},
         {{1, 18}, {2, 18}, {3, 18}, {4, 18}, {5, 18}, {6, 12}},
         2},
        {"grab bag makes up three columns", {{1, 2, 3}, {1, 2}, {9}}, {{1, 12}, {2, 6}, {0, 24}}, 1},
        // Round 2 fails but keeps what it took; round 3 then misses codes 6..9.
        {"a failed round keeps its share",
         {{1, 2, 3, 4, 5}, {6, 7, 8, 9}, {6, 7, 8, 9, 10, 11}},
         {{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {0, 6}, {6, 6}, {7, 6}, {8, 6}, {9, 6}, {10, 6}, {11, 6}},
         1},
        {"nothing", {{}, {}, {}}, {}, 0},
    };
    for (const Case& c : cases) {
        TGameBoard b(m, r);
        for (int round = 1; round <= 3; ++round) {
            const auto& order = c.orders[static_cast<std::size_t>(round - 1)];
            for (int p = 1; p <= GameOrderPositions; ++p)
                b.SetCategoryAt(round, p,
                                p <= static_cast<int>(order.size()) ? order[static_cast<std::size_t>(p - 1)] : 43);
        }
        for (auto [code, count] : c.stock)
            b.SetStock(code, count);
        EXPECT_EQ(b.CountPlayableRounds(), c.rounds) << c.name;
        for (auto [code, count] : c.stock)
            EXPECT_EQ(b.Stock(code), count) << "the count works on a copy";
    }
}

TEST(GameBoard, FillTakesLeastKnownQuestionsFirst)
{
    FakeMaterial m;
    m.Add(3, 10);
    const std::uint8_t bytes[] = {7, 2, 0, 7, 1, 0, 0, 0, 3, 7};
    for (int i = 0; i < 10; ++i)
        m.questions[static_cast<std::size_t>(i)].Knowledge = bytes[i];
    m.Add(4, 3);
    QueuedRandom r; // every start at entry 1
    TGameBoard b(m, r);
    b.CountStock();
    EXPECT_EQ(b.Stock(3), 10);
    EXPECT_EQ(b.Stock(4), 3);
    EXPECT_FALSE(b.FillCategory(4, 1, 2));
    ASSERT_TRUE(b.FillCategory(3, 1, 2));
    std::vector<int> keys;
    for (int row = 1; row <= GameRows; ++row)
        keys.push_back(b.Cell(1, CellOf(2, row)).Key);
    EXPECT_EQ(keys, (std::vector<int>{3, 6, 7, 8, 5, 2}));
    EXPECT_EQ(b.Stock(3), 4);
    EXPECT_EQ(b.Caption(1, 2).Text, "Things");
    EXPECT_EQ(b.Cell(1, CellOf(2, 1)).SortKey, m.questions[2].AnswerLen);
    // A second column of the type takes what is left, never a question already on the board;
    // when the rest runs short the last cells stay empty.
    b.SetStock(3, 6);
    ASSERT_TRUE(b.FillCategory(3, 2, 1));
    std::set<int> second;
    for (int row = 1; row <= GameRows; ++row)
        second.insert(b.Cell(2, CellOf(1, row)).Key);
    EXPECT_EQ(second, (std::set<int>{0, 1, 4, 9, 10}));
    EXPECT_EQ(b.FilledCells(2), 4);
}

TEST(GameBoard, AListRepeatingOneQuestionLeavesCellsEmptyInsteadOfHanging)
{
    FakeMaterial m;
    m.Add(5, 1);
    m.entries.assign(8, 1);
    QueuedRandom r;
    TGameBoard b(m, r);
    b.CountStock();
    EXPECT_EQ(b.Stock(5), 8);
    ASSERT_TRUE(b.FillCategory(5, 1, 1));
    EXPECT_EQ(b.FilledCells(1), 1);
    EXPECT_EQ(b.Cell(1, 1).Key, 1);
}

TEST(GameBoard, TheLastQuestionAtTheWalksStartWithKnowledgeZeroStillFillsItsCell)
{
    // Six questions of the type, all unknown: the sixth cell's walk starts at the only one left.
    FakeMaterial m;
    m.Add(3, 6);
    m.Add(4, 2);
    for (auto& q : m.questions)
        q.Knowledge = 0;
    QueuedRandom r; // every walk starts at entry 1, which the first five walks pass over
    TGameBoard b(m, r);
    b.CountStock();
    ASSERT_TRUE(b.FillCategory(3, 1, 1));
    EXPECT_EQ(b.FilledCells(1), GameRows);
    std::set<int> keys;
    for (int row = 1; row <= GameRows; ++row)
        keys.insert(b.Cell(1, CellOf(1, row)).Key);
    EXPECT_EQ(keys, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

TEST(GameBoard, RowsFollowAnswerLengthAndEqualLengthsKeepTheirOrder)
{
    FakeMaterial m;
    m.Add(6, 7);
    for (auto& q : m.questions)
        q.Knowledge = 0;
    const int lens[] = {1, 9, 5, 9, 5, 3, 9};
    for (int i = 0; i < 7; ++i)
        m.questions[static_cast<std::size_t>(i)].AnswerLen = lens[i];
    QueuedRandom r;
    TGameBoard b(m, r);
    b.CountStock();
    ASSERT_TRUE(b.FillCategory(6, 1, 3)); // fill order 2, 3, 4, 5, 6, 7
    b.SortColumns(1);
    std::vector<int> keys;
    for (int row = 1; row <= GameRows; ++row)
        keys.push_back(b.Cell(1, CellOf(3, row)).Key);
    EXPECT_EQ(keys, (std::vector<int>{6, 3, 5, 2, 4, 7}));
}

TEST(GameBoard, BuildWithMemoryVersesPutsMemoryFirstInEveryRound)
{
    FakeMaterial m;
    for (int type = 1; type <= 7; ++type)
        m.Add(type, 18, type);
    m.memoryAnswerLens.assign(20, 0);
    for (int v = 0; v < 20; ++v)
        m.memoryAnswerLens[static_cast<std::size_t>(v)] = 40 - v;
    TRandom r(7);
    TGameBoard b(m, r);
    ASSERT_EQ(b.BuildBoards(true), 3);
    std::set<std::pair<int, int>> used;
    for (int round = 1; round <= 3; ++round) {
        EXPECT_EQ(b.Caption(round, 1).Text, "Memory");
        EXPECT_EQ(b.Caption(round, 1).Code, MemoryVerseCode);
        EXPECT_GE(b.WagerCell(round), 1);
        EXPECT_LE(b.WagerCell(round), GameCells);
        for (int col = 1; col <= GameColumns; ++col) {
            for (int row = 1; row <= GameRows; ++row) {
                const TGameCell& cell = b.Cell(round, CellOf(col, row));
                ASSERT_FALSE(cell.Empty());
                EXPECT_EQ(cell.Kind, col == 1 ? TGameCellKind::MemoryVerse : TGameCellKind::Question);
                EXPECT_TRUE(used.insert({static_cast<int>(cell.Kind), cell.Key}).second) << "twice on the board";
                if (row > 1) {
                    EXPECT_LE(b.Cell(round, CellOf(col, row - 1)).SortKey, cell.SortKey);
                }
            }
        }
    }
}

TEST(GameBoard, WagerCellsAreDrawnForAllThreeRoundsWhateverIsPlayable)
{
    FakeMaterial m;
    for (int type = 1; type <= 6; ++type)
        m.Add(type, 6);
    QueuedRandom r;
    TGameBoard b(m, r);
    // Draws: 42 per round for the order, 6 per filled column of round 1, then the wagers.
    for (int i = 0; i < 3 * GameOrderPositions + 36; ++i)
        r.values.push_back(0);
    r.values.insert(r.values.end(), {35, 0, 17});
    EXPECT_EQ(b.BuildBoards(false), 1);
    EXPECT_EQ(b.WagerCell(1), 36);
    EXPECT_EQ(b.WagerCell(2), 1);
    EXPECT_EQ(b.WagerCell(3), 18);
    EXPECT_EQ(b.FilledCells(1), 36);
    EXPECT_EQ(b.FilledCells(2), 0);
}

} // namespace
} // namespace sv
