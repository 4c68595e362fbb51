#include "game/GameLogic.h"

#include "common/Random.h"
#include "program/UserNames.h"
#include "user/User.h"

#include <algorithm>

namespace sv {

TGameLogic::TGameLogic(IGameMaterial& material, TUser& user, IGameHost& host, ISessionTimers& timers, IRandom& random)
    : m_material(material), m_user(user), m_host(host), m_random(random), m_board(material, random)
{
    m_scatter = timers.MakeTimer(ScatterInterval, [this] { ScatterTimerTimer(); });
    m_roundsWanted = std::clamp(user.GameRounds + 1, 1, GameMaxRounds);
    m_memoryVerses = user.GameMemoryVerses == 0;
}

TGameLogic::~TGameLogic() = default;

bool TGameLogic::ScatterRunning() const { return m_scatter->IsActive(); }

void TGameLogic::Changed() { m_host.ViewChanged(); }

void TGameLogic::SetPlayers(const std::string& name1, const std::string& name2, const std::string& name3)
{
    m_names = {name1, name2, name3};
    if (m_names[1].empty())
        std::swap(m_names[1], m_names[2]);
    m_players = 1;
    for (int p = 2; p <= GameMaxPlayers; ++p)
        if (!m_names[static_cast<std::size_t>(p - 1)].empty())
            m_players = p;
    for (int p = 0; p < GameMaxPlayers; ++p) {
        m_view.PlayerNames[static_cast<std::size_t>(p)] = m_names[static_cast<std::size_t>(p)];
        m_view.PlayerVisible[static_cast<std::size_t>(p)] = p < m_players;
    }
    Changed();
}

std::string TGameLogic::TurnText() const { return PlayerName(m_currentPlayer) + "'s turn."; }

int TGameLogic::StartNextRound()
{
    ++m_currentRound;
    if (m_currentRound == 1) {
        m_roundsPlayable = m_board.BuildBoards(m_memoryVerses);
        if (m_roundsPlayable < 1) {
            m_host.Warning("There are not enough questions between\rthe chosen chapters to play the game.");
            return 0;
        }
        if (m_roundsPlayable < m_roundsWanted)
            m_host.Information("There are only enough questions for " + std::to_string(m_roundsPlayable)
                               + (m_roundsPlayable == 1 ? " round." : " rounds."));
        m_roundsPlayable = std::min(m_roundsPlayable, m_roundsWanted);
        if (m_roundsPlayable == 1)
            m_view.Caption = m_players == 1 ? "ONE-WAY Game" : TurnText();
        else
            m_view.Caption = m_players == 1 ? "Round 1" : "Round 1, " + TurnText();
    } else {
        m_currentPlayer = 1;
        if (m_currentRound == 2 && m_players >= 2)
            m_currentPlayer = 2;
        if (m_currentRound == 3 && m_players == 3)
            m_currentPlayer = 3;
        const std::string round = "Round " + std::to_string(m_currentRound);
        m_view.Caption = m_players == 1 ? round : round + ", " + TurnText();
    }
    // An empty cell cannot be picked, so the round ends when the filled ones are answered.
    m_cellsLeft = m_board.FilledCells(m_currentRound);
    ShowRoundBoard(m_currentRound);
    m_scatterTicks = 0;
    m_hiddenBox = 0;
    m_scatter->Start();
    Changed();
    return m_roundsPlayable;
}

void TGameLogic::ShowRoundBoard(int round)
{
    for (int col = 1; col <= GameColumns; ++col)
        m_view.ColumnCaptions[static_cast<std::size_t>(col - 1)] = m_board.Caption(round, col).Text;
    for (int cell = 1; cell <= GameCells; ++cell) {
        const bool filled = !m_board.Cell(round, cell).Empty();
        m_view.ButtonTexts[static_cast<std::size_t>(cell - 1)] =
            filled ? ValueText(CellValue(RowOfCell(cell), round, m_players)) : std::string();
        m_view.ButtonEnabled[static_cast<std::size_t>(cell - 1)] = false;
        m_view.ButtonUsed[static_cast<std::size_t>(cell - 1)] = false;
    }
}

void TGameLogic::ScatterTimerTimer()
{
    if (!m_view.Caption.empty()) {
        m_savedCaption = m_view.Caption;
        m_view.Caption.clear();
    }
    ++m_scatterTicks;
    m_view.ColumnVisible.fill(true);
    if (m_scatterTicks < ScatterTicks) {
        int box = m_random.Random(GameColumns) + 1;
        if (box == m_hiddenBox)
            box = box % GameColumns + 1;
        m_hiddenBox = box;
        m_view.ColumnVisible[static_cast<std::size_t>(box - 1)] = false;
    } else {
        m_scatter->Stop();
        m_scatterTicks = 0;
        m_hiddenBox = 0;
        for (int cell = 1; cell <= GameCells; ++cell)
            m_view.ButtonEnabled[static_cast<std::size_t>(cell - 1)] = !m_board.Cell(m_currentRound, cell).Empty();
        m_view.Caption = m_savedCaption;
    }
    Changed();
}

void TGameLogic::Pick(int cell)
{
    if (cell < 1 || cell > GameCells || m_gameOver || !m_view.Enabled || ScatterRunning()
        || !m_view.ButtonEnabled[static_cast<std::size_t>(cell - 1)])
        return;
    m_host.StopSound();
    m_view.ButtonEnabled[static_cast<std::size_t>(cell - 1)] = false;
    m_view.ButtonUsed[static_cast<std::size_t>(cell - 1)] = true;
    m_pickedCell = cell;
    m_currentCell = m_board.Cell(m_currentRound, cell);
    m_view.Enabled = false;
    Changed();
    if (cell == m_board.WagerCell(m_currentRound)) {
        m_wagerOpen = true;
        m_wagerLimit = WagerLimit(Score(m_currentPlayer));
        m_host.OpenWager(m_wagerLimit);
        return;
    }
    TMarkedText question, answer;
    m_material.Compose(m_currentCell, question, answer);
    m_host.AskQuestion(question, answer, m_currentCell);
}

void TGameLogic::WagerChosen(int amount)
{
    if (!m_wagerOpen)
        return;
    m_wagerOpen = false;
    m_pendingWager = std::clamp(amount, MinimumWager, m_wagerLimit);
    TMarkedText question, answer;
    m_material.Compose(m_currentCell, question, answer);
    m_host.AskQuestion(question, answer, m_currentCell);
}

std::int32_t TGameLogic::Stake() const
{
    if (m_pendingWager > 0)
        return m_pendingWager;
    return m_pickedCell > 0 ? CellValue(RowOfCell(m_pickedCell), m_currentRound, m_players) : 0;
}

void TGameLogic::ScoreAnswer(bool right)
{
    if (m_view.Enabled || m_wagerOpen || m_gameOver)
        return; // no question out
    if (TrimName(PlayerName(m_currentPlayer)) == TrimName(m_user.FullName.text()))
        m_material.Record(m_currentCell, right);
    std::int32_t points = Stake();
    m_pendingWager = 0;
    if (!right)
        points = -points;
    auto& score = m_scores[static_cast<std::size_t>(m_currentPlayer - 1)];
    score += points;
    m_view.Scores[static_cast<std::size_t>(m_currentPlayer - 1)] = std::to_string(score);
    if (points < 0)
        m_currentPlayer = m_currentPlayer % m_players + 1;
    --m_cellsLeft;
    m_view.Enabled = true;
    if (m_cellsLeft > 0) {
        const std::string a = m_roundsPlayable >= 2 ? "Round " + std::to_string(m_currentRound) : "";
        const std::string b = m_players >= 2 ? TurnText() : "";
        m_view.Caption = !a.empty() && !b.empty() ? a + ", " + b : a + b;
        Changed();
    } else if (m_currentRound < m_roundsPlayable) {
        StartNextRound();
    } else {
        EndGame();
    }
}

void TGameLogic::EndGame()
{
    m_gameOver = true;
    m_view.Caption = "GAME OVER";
    m_view.QuitCaption = "Done";
    std::int32_t best = m_scores[0];
    std::string winner = m_names[0];
    for (int p = 2; p <= m_players; ++p) {
        if (Score(p) > best) {
            best = Score(p);
            winner = PlayerName(p);
        }
    }
    const bool qualified = m_user.AddHighScore(best, winner);
    Changed();
    m_host.Information(EndGameMessage(m_players, winner, best, qualified));
}

bool TGameLogic::QueryClose()
{
    if (m_gameOver)
        return true;
    return m_host.Confirm("Are you sure you want to quit the game?");
}

} // namespace sv
