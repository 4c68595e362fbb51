#pragma once
// TGameForm: the One-Way Game board. Three score boxes, six category columns of six value
// buttons on blue panels, and the Quit button; the game itself is TGameLogic. Picks open
// the game question window (and first the wager window on the round's wager cell); its
// grades come back as UM_GAMERIGHT and UM_GAMEWRONG.
//
// Keyboard: the arrow keys move between the value buttons, Enter or Space picks one; F11
// shows the board full screen (Escape or F11 again returns). The board's fonts follow the
// window's size so that it stays readable on a projector, never smaller than the desktop's.
// A screen reader hears each cell's category, value and state, the turn and the grades.

#include "game/BoardSpeech.h"
#include "game/GameLogic.h"
#include "game/GameMaterial.h"
#include "game/gui/GameContext.h"

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMdiSubWindow;
class QPushButton;

namespace sv {

class TGameQuestionAsker;
class TWagerForm;

class TGameForm : public QWidget, public IGameHost {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2115;

    explicit TGameForm(const TGameContext& context, QWidget* parent = nullptr);
    ~TGameForm() override;

    TGameLogic& Logic() { return *m_logic; }

    // Names as typed (player 1 must not be empty).
    void SetPlayers(const QString& name1, const QString& name2, const QString& name3);
    int StartNextRound();
    void B11Click(int cell);
    void UM_GAMERIGHT();
    void UM_GAMEWRONG();
    void UM_WAGER(int amount);
    void QuitBtnClick() { close(); }
    void ToggleFullScreen();
    bool IsFullScreenBoard() const { return m_fullScreen; }

    TGameQuestionAsker* Asker() const;
    TWagerForm* Wager() const;
    // The value button of a cell 1..36 (B<column><row>).
    QPushButton* Button(int cell) const { return m_buttons[static_cast<std::size_t>(cell - 1)]; }
    // The cell whose button has the keyboard focus (0 when none has).
    int FocusedCell() const;

private:
    // Controls
    std::array<QGroupBox*, GameMaxPlayers> PLabel{};   // P1Label..P3Label
    std::array<QLabel*, GameMaxPlayers> PScoreLabel{}; // P1ScoreLabel..P3ScoreLabel
    QLabel* TurnLabel;                                 // the caption, large
    QPushButton* QuitBtn;
    std::array<QWidget*, GameColumns> Cat{}; // Cat1..Cat6
    std::array<QLabel*, GameColumns> CatCaption{};
    std::array<QFrame*, GameColumns> Panel{}; // Panel1..Panel6

public:
    // IGameHost
    void ViewChanged() override;
    void Warning(const std::string& text) override;
    void Information(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void StopSound() override;
    void OpenWager(int limit) override;
    void AskQuestion(const TMarkedText& question, const TMarkedText& answer, const TGameCell& cell) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Hands a text (Windows-1252) to the program's announcer.
    void Announce(const std::string& text);
    // Scores the answer; the grade is announced before the board's news of the next turn.
    void ScoreAndAnnounce(bool right);
    // Score boxes and Quit; the board of six category columns.
    QHBoxLayout* MakeScoreRow();
    QHBoxLayout* MakeBoard();
    bool HandleKey(QKeyEvent* event);
    void MoveFocus(int dColumn, int dRow);
    void FocusBoard();
    void Rescale();
    void LeaveFullScreen();
    // Full screen: the question window grows with the board, so that the room can read it.
    void FitQuestionWindow();
    // While a question or the wager is out it stays in front of the board: activating the
    // board (a click on it) brings that window back to the front, restored when minimised,
    // so that its clock never runs unseen.
    void WatchActivation();
    void KeepQuestionInFront(QMdiSubWindow* activated);

    TGameContext m_context;
    TListGameMaterial m_material;
    std::unique_ptr<ISessionTimers> m_ownTimers;
    std::unique_ptr<TGameLogic> m_logic;
    std::array<QPushButton*, GameCells> m_buttons{};
    QPointer<TGameQuestionAsker> m_asker;
    QPointer<TWagerForm> m_wager;
    int m_lastCell = 1;
    bool m_questionOut = false;
    bool m_watchingActivation = false;
    bool m_closed = false;
    bool m_fullScreen = false;
    QRect m_normalGeometry;
    QRect m_mainGeometry;
    std::optional<QFont> m_askerTimeFont; // the question window's clock as it was made
    bool m_mainWasFullScreen = false;
    bool m_mainWasMaximised = false;
    TBoardAnnouncements m_announcements;
    std::optional<std::vector<std::string>> m_heldAnnouncements; // while a grade is scored
};

// Bytes of a name as typed: Windows-1252, a character it lacks becomes "?"; spaces around
// the name are dropped.
std::string NameBytes(const QString& name);

} // namespace sv
