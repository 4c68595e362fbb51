// The game without its window: players, rounds and turns, the wager, scoring, the scatter
// animation, game over with the wall of fame, and the close query.

#include "game/GameFakes.h"
#include "game/GameLogic.h"
#include "study/FakeSession.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <memory>

namespace sv {
namespace {

using test::FakeClock;
using test::FakeGameHost;
using test::FakeMaterial;
using test::QueuedRandom;

// Material for three full rounds with memory verses; every draw of the random source is 0,
// so the wager cell is cell 1 in every round.
struct Game {
    FakeMaterial material;
    TUser user;
    FakeGameHost host;
    FakeClock clock;
    QueuedRandom random;
    std::unique_ptr<TGameLogic> logic;

    explicit Game(int roundsWanted = 3, bool memory = true, int questionsPerType = 18)
    {
        for (int type = 1; type <= 7; ++type)
            material.Add(type, questionsPerType, type);
        material.memoryAnswerLens.assign(20, 12);
        user.FullName.setText("Ann");
        user.GameRounds = roundsWanted - 1;
        user.GameMemoryVerses = memory ? 0 : 1;
    }
    TGameLogic& operator*() { return *logic; }
    TGameLogic* operator->() { return logic.get(); }
    const TGameView& view() const { return logic->View(); }

    // Creates the game window's logic and starts round 1; the board is playable after it.
    int Start(const std::string& n1, const std::string& n2 = "", const std::string& n3 = "")
    {
        logic = std::make_unique<TGameLogic>(material, user, host, clock, random);
        logic->SetPlayers(n1, n2, n3);
        const int rounds = logic->StartNextRound();
        clock.Advance(ScatterTicks * ScatterInterval);
        return rounds;
    }
    // One pick and its grade; a wager cell is answered with the wager amount.
    void Play(int cell, bool right, int wager = 100)
    {
        const std::size_t wagers = host.wagers.size();
        logic->Pick(cell);
        if (host.wagers.size() > wagers)
            logic->WagerChosen(wager);
        logic->ScoreAnswer(right);
        if (logic->ScatterRunning())
            clock.Advance(ScatterTicks * ScatterInterval);
    }
    // Pairs of a right and a wrong answer on the unused cells of each row, left to right:
    // each pair scores nothing and passes the turn (the wager cell is wagered at its face value).
    void PlayPairs()
    {
        for (int row = 1; row <= GameRows; ++row) {
            bool right = true;
            for (int col = 1; col <= GameColumns; ++col) {
                const int cell = CellOf(col, row);
                if (!view().ButtonEnabled[static_cast<std::size_t>(cell - 1)])
                    continue;
                Play(cell, right, CellValue(row, logic->CurrentRound(), logic->Players()));
                right = !right;
            }
        }
    }
    void PlayRoundRight()
    {
        const int round = logic->CurrentRound();
        for (int cell = 1; cell <= GameCells && logic->CurrentRound() == round && !logic->GameOver(); ++cell)
            Play(cell, true);
    }
};

TEST(GameLogic, TurnOrderOverRoundsForOneToThreePlayers)
{
    const struct {
        std::vector<std::string> names;
        std::vector<int> starters;
        std::vector<std::string> captions; // after each round's animation
    } cases[] = {
        {{"Ann", "", ""}, {1, 1, 1}, {"Round 1", "Round 2", "Round 3"}},
        {{"Ann", "Bob", ""}, {1, 2, 1}, {"Round 1, Ann's turn.", "Round 2, Bob's turn.", "Round 3, Ann's turn."}},
        {{"Ann", "Bob", "Cy"}, {1, 2, 3}, {"Round 1, Ann's turn.", "Round 2, Bob's turn.", "Round 3, Cy's turn."}},
    };
    for (const auto& c : cases) {
        Game g;
        ASSERT_EQ(g.Start(c.names[0], c.names[1], c.names[2]), 3);
        for (int round = 1; round <= 3; ++round) {
            EXPECT_EQ(g->CurrentRound(), round);
            EXPECT_EQ(g->CurrentPlayer(), c.starters[static_cast<std::size_t>(round - 1)]) << c.names.size();
            EXPECT_EQ(g.view().Caption, c.captions[static_cast<std::size_t>(round - 1)]);
            g.PlayRoundRight();
        }
        EXPECT_TRUE(g->GameOver());
        EXPECT_EQ(g.view().Caption, "GAME OVER");
        EXPECT_EQ(g.view().QuitCaption, "Done");
    }
}

TEST(GameLogic, RightKeepsTheTurnWrongAndALostWagerPassIt)
{
    Game g;
    g.Start("Ann", "Bob", "Cy");
    EXPECT_EQ(g.view().ButtonTexts[1], " 300");
    g.Play(2, true); // row 2: 2 x 1 x 3 x 50
    EXPECT_EQ(g->Score(1), 300);
    EXPECT_EQ(g->CurrentPlayer(), 1);
    g.Play(3, false); // row 3
    EXPECT_EQ(g->Score(1), -150);
    EXPECT_EQ(g->CurrentPlayer(), 2);
    EXPECT_EQ(g.view().Caption, "Round 1, Bob's turn.");
    EXPECT_EQ(g.view().Scores[0], "-150");

    // The wager cell: the limit is 1000 for a score of 0, the amount is kept within it.
    g->Pick(1);
    EXPECT_EQ(g.host.wagers, (std::vector<int>{1000}));
    EXPECT_TRUE(g.host.asked.size() == 2) << "the question waits for the wager";
    g->WagerChosen(5000);
    EXPECT_EQ(g->PendingWager(), 1000);
    EXPECT_EQ(g.host.asked.size(), 3u);
    g->ScoreAnswer(false);
    EXPECT_EQ(g->Score(2), -1000);
    EXPECT_EQ(g->CurrentPlayer(), 3);
    EXPECT_EQ(g->PendingWager(), 0);
    // The next pick scores its face value again.
    g.Play(7, true); // row 1 of column 2: 150
    EXPECT_EQ(g->Score(3), 150);
    EXPECT_EQ(g->CurrentPlayer(), 3);
    EXPECT_EQ(g->CellsLeft(), 32);
}

TEST(GameLogic, WagerLimitFollowsTheScoreAndNeverGoesBelowOneHundred)
{
    Game g(1, true, 40);
    g.Start("Ann");
    // Reach 4300 on cells of column 2..6 before the wager cell (cell 1).
    const int cells[] = {12, 18, 24, 30, 36, 11, 17, 23, 29, 35, 10, 16, 22, 28}; // rows 6, 5, 4
    int score = 0;
    for (int cell : cells) {
        g.Play(cell, true);
        score += CellValue(RowOfCell(cell), 1, 1);
    }
    ASSERT_EQ(score, 5 * 300 + 5 * 250 + 4 * 200);
    g.Play(2, false); // -100 -> 3450
    g.Play(34, true); // +200 -> 3650
    g.Play(3, true);  // +150 -> 3800
    g.Play(4, true);  // +200 -> 4000
    g.Play(9, true);  // +150 -> 4150
    g.Play(33, true); // +150 -> 4300
    ASSERT_EQ(g->Score(1), 4300);
    g->Pick(1);
    EXPECT_EQ(g.host.wagers.back(), 4300);
    g->WagerChosen(50);
    EXPECT_EQ(g->PendingWager(), 100);
    g->ScoreAnswer(true);
    EXPECT_EQ(g->Score(1), 4400);
}

TEST(GameLogic, FewerRoundsThanWantedAreAnnouncedAndPlayed)
{
    Game g(3, true, 12); // memory verses for three rounds, other types for two
    g.material.memoryAnswerLens.assign(18, 12);
    g.material.questions.clear();
    for (int type = 1; type <= 5; ++type)
        g.material.Add(type, 12);
    EXPECT_EQ(g.Start("Ann"), 2);
    EXPECT_EQ(g.host.infos, (std::vector<std::string>{"There are only enough questions for 2 rounds."}));
    EXPECT_EQ(g.view().Caption, "Round 1");
    g.PlayRoundRight();
    EXPECT_EQ(g->CurrentRound(), 2);
    g.PlayRoundRight();
    EXPECT_TRUE(g->GameOver());
    EXPECT_EQ(g.host.infos.size(), 2u);
}

TEST(GameLogic, OneRoundAndTooFewQuestions)
{
    {
        Game g(2, false, 6);
        g.material.questions.resize(6 * 6);
        EXPECT_EQ(g.Start("Ann"), 1);
        EXPECT_EQ(g.host.infos, (std::vector<std::string>{"There are only enough questions for 1 round."}));
        EXPECT_EQ(g.view().Caption, "ONE-WAY Game");
        g.Play(2, true);
        EXPECT_EQ(g.view().Caption, "") << "one player, one round: no caption after the first answer";
    }
    {
        Game g(1, false, 5);
        g.logic = std::make_unique<TGameLogic>(g.material, g.user, g.host, g.clock, g.random);
        g->SetPlayers("Ann", "Bob", "");
        EXPECT_EQ(g->StartNextRound(), 0);
        EXPECT_EQ(g.host.warnings,
                  (std::vector<std::string>{
                      "There are not enough questions between\rthe chosen chapters to play the game."}));
        EXPECT_FALSE(g->ScatterRunning());
        EXPECT_EQ(g.view().ColumnCaptions[0], "x");
    }
}

TEST(GameLogic, ScatterAnimationOpensTheBoardAfterSixteenTicks)
{
    Game g;
    g.logic = std::make_unique<TGameLogic>(g.material, g.user, g.host, g.clock, g.random);
    g->SetPlayers("Ann", "Bob", "");
    g->StartNextRound();
    EXPECT_EQ(g.view().Caption, "Round 1, Ann's turn.");
    EXPECT_EQ(g.view().ColumnCaptions[0], "Memory");
    std::vector<int> hidden;
    for (int tick = 1; tick < ScatterTicks; ++tick) {
        g.clock.Advance(ScatterInterval);
        EXPECT_EQ(g.view().Caption, "");
        int h = 0, count = 0;
        for (int b = 0; b < GameColumns; ++b)
            if (!g.view().ColumnVisible[static_cast<std::size_t>(b)]) {
                h = b + 1;
                ++count;
            }
        EXPECT_EQ(count, 1);
        hidden.push_back(h);
        EXPECT_FALSE(g.view().ButtonEnabled[5]);
    }
    // Every draw is box 1: the box hidden on the tick before is passed over for the next.
    EXPECT_EQ(std::vector<int>(hidden.begin(), hidden.begin() + 4), (std::vector<int>{1, 2, 1, 2}));
    g->Pick(5);
    EXPECT_TRUE(g.host.asked.empty()) << "no pick while the board scatters";
    g.clock.Advance(ScatterInterval);
    EXPECT_FALSE(g->ScatterRunning());
    EXPECT_EQ(g.view().Caption, "Round 1, Ann's turn.");
    for (int c = 0; c < GameCells; ++c)
        EXPECT_TRUE(g.view().ButtonEnabled[static_cast<std::size_t>(c)]);
    for (int b = 0; b < GameColumns; ++b)
        EXPECT_TRUE(g.view().ColumnVisible[static_cast<std::size_t>(b)]);
}

TEST(GameLogic, EqualBestScoresGoToTheLowerNumberedPlayerAndTheWall)
{
    Game g(1);
    g.Start("Ann", "Bob");
    g.Play(2, true);   // Ann +200
    g.Play(7, false);  // Ann -100, Bob's turn
    g.Play(8, true);   // Bob +200
    g.Play(13, false); // Bob -100
    g.PlayPairs();
    ASSERT_TRUE(g->GameOver());
    EXPECT_EQ(g->Score(1), 100);
    EXPECT_EQ(g->Score(2), 100);
    EXPECT_EQ(g.host.infos.back(), "Congratulations, Ann! You won the game and\ryour score places you on the WALL OF "
                                   "FAME. Keep up the good work!");
    EXPECT_EQ(g.user.WallOfFame.Name(1), "Ann");
    EXPECT_EQ(g.user.WallOfFame.Score(1), 100);
    EXPECT_EQ(g.user.WallOfFame.Name(2), "You could be here");
}

TEST(GameLogic, AScoreOfNothingIsNotOnTheWall)
{
    Game g(1);
    g.Start("Bob", "Cy");
    g.PlayPairs();
    ASSERT_TRUE(g->GameOver());
    EXPECT_EQ(g.host.infos.back(), "Bob, though you won, your score is nothing\rto write home about.");
    EXPECT_EQ(g.user.WallOfFame.Name(1), "You could be here");
}

TEST(GameLogic, OnlyTheUsersOwnAnswersAreRecorded)
{
    Game g;
    g.Start("Bob", "Ann");
    g.Play(2, true);
    g.Play(3, false);
    EXPECT_TRUE(g.material.recorded.empty());
    ASSERT_EQ(g->CurrentPlayer(), 2);
    g.Play(4, true);
    g.Play(5, false);
    ASSERT_EQ(g.material.recorded.size(), 2u);
    EXPECT_EQ(g.material.recorded[0].substr(0, 1), "M"); // column 1 holds memory verses
    EXPECT_NE(g.material.recorded[0].find("right"), std::string::npos);
    EXPECT_NE(g.material.recorded[1].find("wrong"), std::string::npos);
}

TEST(GameLogic, APersonRegisteredWithBlanksAroundTheNameStillGetsTheirAnswersRecorded)
{
    Game g;
    g.user.FullName.setText(" Ann \t"); // a file written before names were trimmed
    g.Start("Ann");
    g.Play(2, true);
    EXPECT_EQ(g.material.recorded.size(), 1u);
}

TEST(GameLogic, AnEmptySecondNameMovesTheThirdUp)
{
    Game g;
    g.Start("Ann", "", "Cy");
    EXPECT_EQ(g->Players(), 2);
    EXPECT_EQ(g.view().PlayerNames[1], "Cy");
    EXPECT_EQ(g.view().PlayerVisible, (std::array<bool, 3>{true, true, false}));
    EXPECT_EQ(g.view().ButtonTexts[0], " 100");
}

TEST(GameLogic, EmptyCellsCannotBePickedAndTheRoundEndsWithoutThem)
{
    Game g(1, false, 0);
    for (int type = 1; type <= 5; ++type)
        g.material.Add(type, 6);
    g.material.Add(6, 1); // id 31
    for (int id = 1; id <= 30; ++id)
        g.material.entries.push_back(static_cast<TQuestionId>(id));
    g.material.entries.insert(g.material.entries.end(), 6, 31);
    ASSERT_EQ(g.Start("Ann"), 1);
    EXPECT_EQ(g->CellsLeft(), 31);
    EXPECT_EQ(g.view().ColumnCaptions[5], "Places");
    EXPECT_EQ(g.view().ButtonTexts[30], "");
    EXPECT_FALSE(g.view().ButtonEnabled[30]);
    EXPECT_TRUE(g.view().ButtonEnabled[35]);
    g->Pick(31);
    EXPECT_TRUE(g.host.asked.empty());
    EXPECT_TRUE(g.view().Enabled);
    g.PlayRoundRight();
    EXPECT_TRUE(g->GameOver());
}

TEST(GameLogic, ClosingAsksUntilTheGameIsOver)
{
    Game g(1);
    g.Start("Ann");
    g.host.answers = {false, true};
    EXPECT_FALSE(g->QueryClose());
    EXPECT_TRUE(g->QueryClose());
    EXPECT_EQ(g.host.confirms, (std::vector<std::string>(2, "Are you sure you want to quit the game?")));
    g.PlayRoundRight();
    ASSERT_TRUE(g->GameOver());
    EXPECT_TRUE(g->QueryClose());
    EXPECT_EQ(g.host.confirms.size(), 2u);
}

TEST(GameLogic, AGradeWithoutAQuestionOutIsIgnored)
{
    Game g(1);
    g.Start("Ann", "Bob");
    g->ScoreAnswer(false);
    EXPECT_EQ(g->CurrentPlayer(), 1);
    EXPECT_EQ(g->CellsLeft(), 36);
    g->Pick(1); // the wager window is open
    g->ScoreAnswer(true);
    EXPECT_EQ(g->Score(1), 0);
    EXPECT_EQ(g.host.stopSounds, 1);
}

} // namespace
} // namespace sv
