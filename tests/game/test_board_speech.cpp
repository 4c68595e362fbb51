// What a screen reader says of the game board (cells, scores, the caption as it changes) and
// whether the board's text colours can be read against their backgrounds.

#include "common/Contrast.h"
#include "game/BoardColours.h"
#include "game/BoardSpeech.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

TGameView Board()
{
    TGameView v;
    v.ColumnCaptions = {"Acts 1", "Q&&A", "c", "d", "e", "f"};
    for (int cell = 1; cell <= GameCells; ++cell) {
        const auto i = static_cast<std::size_t>(cell - 1);
        v.ButtonTexts[i] = " " + std::to_string(RowOfCell(cell) * 100) + " ";
        v.ButtonEnabled[i] = true;
    }
    v.PlayerNames = {"Ann", "Bob", ""};
    v.PlayerVisible = {true, true, false};
    v.Scores = {"300", "-100", "0"};
    return v;
}

TEST(BoardSpeech, ACellSaysItsCategoryValueAndWhetherItCanBePicked)
{
    struct Case {
        const char* what;
        int cell;
        void (*change)(TGameView&);
        const char* said;
    };
    const Case cases[] = {
        {"open", 2, [](TGameView&) {}, "Acts 1, 200 points, open"},
        {"ampersands of the caption", CellOf(2, 1), [](TGameView&) {}, "Q&A, 100 points, open"},
        {"used", 3, [](TGameView& v) { v.ButtonUsed[2] = true; }, "Acts 1, used"},
        {"not enabled", 4, [](TGameView& v) { v.ButtonEnabled[3] = false; }, "Acts 1, 400 points, not open"},
        {"board busy with a question", 1, [](TGameView& v) { v.Enabled = false; }, "Acts 1, 100 points, not open"},
        {"no question", 5, [](TGameView& v) { v.ButtonTexts[4].clear(); }, "Acts 1, empty"},
    };
    for (const Case& c : cases) {
        TGameView v = Board();
        c.change(v);
        EXPECT_EQ(CellSpeech(v, c.cell), c.said) << c.what;
    }
}

TEST(BoardSpeech, ScoresNameTheVisiblePlayersAndTheGradeComesFirst)
{
    const TGameView v = Board();
    EXPECT_EQ(ScoreSpeech(v), "Ann 300, Bob -100");
    EXPECT_EQ(GradeSpeech(true, v), "Right. Ann 300, Bob -100");
    EXPECT_EQ(GradeSpeech(false, v), "Wrong. Ann 300, Bob -100");
}

TEST(BoardSpeech, TheCaptionIsAnnouncedWhenItChangesAndTheEndWithTheScores)
{
    TBoardAnnouncements a;
    TGameView v = Board();
    v.Caption = "Round 1, Ann's turn";
    EXPECT_EQ(a.Next(v, false), std::vector<std::string>{"Round 1, Ann's turn"});
    EXPECT_EQ(a.Next(v, false), std::vector<std::string>{}) << "unchanged";
    v.Caption.clear(); // the board scatters
    EXPECT_EQ(a.Next(v, false), std::vector<std::string>{});
    v.Caption = "Round 1, Ann's turn";
    EXPECT_EQ(a.Next(v, false), std::vector<std::string>{}) << "back to the same caption after the scatter";
    v.Caption = "GAME OVER";
    EXPECT_EQ(a.Next(v, true), std::vector<std::string>{"GAME OVER. Ann 300, Bob -100"});
}

TEST(BoardColours, EveryTextOfTheBoardIsReadableOnItsBackground)
{
    const auto pairs = BoardTextColours();
    ASSERT_FALSE(pairs.empty());
    for (const TTextOnBackground& p : pairs)
        EXPECT_GE(ContrastRatio(p.Text, p.Background), ReadableContrast) << p.What;
}

} // namespace
} // namespace sv
