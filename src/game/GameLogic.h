#pragma once
// The one-way game without its window: players and scores, rounds, turns, picking a cell,
// the wager, scoring a graded answer, the scatter animation that opens each round's board,
// and game over with the wall of fame. The window (TGameForm) shows the view state, forwards
// the picks and the grades of the game question window, and supplies the host.

#include "game/GameBoard.h"
#include "study/SessionPorts.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace sv {

class IRandom;
class TUser;

// Everything of the game window that the logic decides.
struct TGameView {
    std::string Caption = "The One-Way Game";
    std::string QuitCaption = "Quit";
    std::array<std::string, GameMaxPlayers> PlayerNames;
    std::array<bool, GameMaxPlayers> PlayerVisible{true, true, true};
    std::array<std::string, GameMaxPlayers> Scores{"0", "0", "0"};
    std::array<std::string, GameColumns> ColumnCaptions{"x", "x", "x", "x", "x", "x"};
    std::array<bool, GameColumns> ColumnVisible{true, true, true, true, true, true};
    std::array<std::string, GameCells> ButtonTexts; // index cell - 1
    std::array<bool, GameCells> ButtonEnabled{};
    std::array<bool, GameCells> ButtonUsed{}; // picked in this round
    bool Enabled = true;                      // false while a question is out
};

// What the game window does for the logic besides showing the view.
class IGameHost {
public:
    virtual ~IGameHost() = default;
    virtual void ViewChanged() = 0;
    virtual void Warning(const std::string& text) = 0;
    virtual void Information(const std::string& text) = 0;
    // Yes/No; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    virtual void StopSound() = 0;
    // Opens the wager window for a wager of 100..limit (the game question window, if any,
    // is disabled until it closes); its choice comes back through WagerChosen.
    virtual void OpenWager(int limit) = 0;
    // Shows a question in the game question window (created on the first pick).
    virtual void AskQuestion(const TMarkedText& question, const TMarkedText& answer, const TGameCell& cell) = 0;
};

inline constexpr int ScatterInterval = 300; // ms
inline constexpr int ScatterTicks = 16;

class TGameLogic {
public:
    // Reads the rounds wanted, the memory-verse choice and the person's name from user.
    TGameLogic(IGameMaterial& material, TUser& user, IGameHost& host, ISessionTimers& timers, IRandom& random);
    ~TGameLogic();
    TGameLogic(const TGameLogic&) = delete;
    TGameLogic& operator=(const TGameLogic&) = delete;

    // Player 1 must have a name; an empty second name with a third given moves the third up.
    void SetPlayers(const std::string& name1, const std::string& name2, const std::string& name3);
    // Shows the next round's board and starts the scatter animation. In round 1 it builds
    // the boards and returns 0 (after a warning) when not even one round can be played.
    int StartNextRound();
    // The player picks a cell (1..36) of the current round; an empty or used cell does nothing.
    void Pick(int cell);
    // The wager window's amount (kept within 100..limit): the wager question is asked.
    void WagerChosen(int amount);
    // The game question window's grade.
    void ScoreAnswer(bool right);
    void ScatterTimerTimer();
    // The close query: true when the window may close.
    bool QueryClose();

    const TGameView& View() const { return m_view; }
    const TGameBoard& Board() const { return m_board; }
    int Players() const { return m_players; }
    int CurrentPlayer() const { return m_currentPlayer; }
    int CurrentRound() const { return m_currentRound; }
    int RoundsWanted() const { return m_roundsWanted; }
    int RoundsPlayable() const { return m_roundsPlayable; }
    int CellsLeft() const { return m_cellsLeft; }
    std::int32_t Score(int player) const { return m_scores[static_cast<std::size_t>(player - 1)]; }
    std::int32_t PendingWager() const { return m_pendingWager; }
    // The points the question out is worth: the wager when one was chosen, else the cell's value.
    std::int32_t Stake() const;
    int WagerLimitNow() const { return m_wagerLimit; }
    const std::string& PlayerName(int player) const { return m_names[static_cast<std::size_t>(player - 1)]; }
    bool ScatterRunning() const;
    bool GameOver() const { return m_gameOver; }
    bool QuestionOut() const { return !m_view.Enabled; }
    int PickedCell() const { return m_pickedCell; }
    const TGameCell& CurrentCell() const { return m_currentCell; }

private:
    void ShowRoundBoard(int round);
    std::string TurnText() const;
    void EndGame();
    void Changed();

    IGameMaterial& m_material;
    TUser& m_user;
    IGameHost& m_host;
    IRandom& m_random;
    TGameBoard m_board;
    std::unique_ptr<ISessionTimer> m_scatter;
    TGameView m_view;

    int m_players = 1;
    int m_currentPlayer = 1;
    int m_roundsWanted = 1;
    int m_roundsPlayable = 0;
    int m_currentRound = 0;
    int m_cellsLeft = 0;
    bool m_memoryVerses = true;
    std::array<std::string, GameMaxPlayers> m_names;
    std::array<std::int32_t, GameMaxPlayers> m_scores{};
    TGameCell m_currentCell;
    int m_pickedCell = 0;
    std::int32_t m_pendingWager = 0;
    int m_wagerLimit = 0;
    bool m_wagerOpen = false;
    std::string m_savedCaption;
    int m_scatterTicks = 0;
    int m_hiddenBox = 0;
    bool m_gameOver = false;
};

} // namespace sv
