#pragma once
// TQuestionAsker: the study session window. It binds its controls to TAskerLogic, which
// holds the phases, timers, grading and score; the window draws the two marked texts,
// forwards clicks and keys, and looks after the word-study window and the lips.

#include "study/AskerLogic.h"
#include "study/SessionAnnouncements.h"
#include "study/gui/StudyContext.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QFont;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace sv {

class TBibleForm;
class TLipPicture;
class TAskerCanvas;

class TQuestionAsker : public QWidget, public ISessionHost {
    Q_OBJECT
public:
    // Help page of the window.
    static constexpr int HelpContext = 2005;

    // Creates the session window for a filled working list (items). The caller shows it as a
    // child of the main window (OpenChild); the window frees itself when it closes.
    TQuestionAsker(const TStudyContext& context, const TSessionSettings& settings, std::unique_ptr<ISessionItems> items,
                   QWidget* parent = nullptr);
    ~TQuestionAsker() override;

    TAskerLogic& Logic() { return *m_logic; }

private:
    // Controls
    QGroupBox* QuestionGroupBox;
    QLabel* prefixLabel;
    TAskerCanvas* QuestionCanvas;
    TLipPicture* Lip;
    QWidget* AccToButtonsPanel;
    QLabel* NumOfAccTosLabel;
    QPushButton* LeftAccToButton;
    QPushButton* RightAccToButton;
    QGroupBox* AnswerGroupBox;
    TAskerCanvas* AnswerCanvas;
    QGroupBox* TimeGroupBox;
    QLabel* TimeStr;
    QWidget* ScorePanel;
    QLabel* TotalLabel;
    QLabel* RightLabel;
    QLabel* MissedLabel;
    QLabel* ScoreLabel;
    QPushButton* StartStop;
    QPushButton* Right;
    QPushButton* Wrong;
    QPushButton* QuitBtn;
    QPushButton* Bible;
    QAction* useLipsToReadQuestion;
    QAction* undoGrade = nullptr; // "Undo grade" (Ctrl+Z)
    // Typed recitation (memory verses with "Type the verse"): the quizzer's text, and after the
    // answer the passage with the differences marked.
    QGroupBox* RecitationGroupBox = nullptr;
    QPlainTextEdit* RecitationEdit = nullptr;
    QLabel* RecitationResult = nullptr;

public:
    // Errors of the last comparison (-1 before the answer).
    int RecitationErrors() const { return m_recitationErrors; }

    TBibleForm* WordStudyWindow() const { return m_bible; }
    // The countdown's font (the game window enlarges it on a full-screen board).
    QFont ClockFont() const;
    void SetClockFont(const QFont& font);

    // ISessionHost
    void ViewChanged() override;
    void MinimiseWordStudy() override;
    void SetActiveLip(bool active) override;
    void ShowMessage(const std::string& text) override;
    bool Confirm(const std::string& text) override;

    void BibleClick();

protected:
    // Puts a widget into the time box, below the countdown.
    void AddBelowClock(QWidget* widget);
    void FocusStartStop();
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The names a screen reader says for the session's controls and read-outs.
    void SetAccessibleNames();
    // The parts of the window, each made by its own function.
    void MakeQuestionBox();
    void MakeAnswerBox();
    void MakeTimeBox();
    void MakeScorePanel();
    void MakeButtons();
    void MakeRecitationBox();
    void MakePopupMenu();
    void NameControls();
    // receiver is the widget the key went to (the focused one).
    bool HandleKey(QKeyEvent* event, QObject* receiver);
    // Undoes the last grade through the error boundary; false when there was none to undo.
    bool UndoGrade();
    // Runs a step of the session through the error boundary; after a failure the controls
    // follow the session's state again. False when the step failed.
    bool Act(const std::function<void()>& step);
    // Follows the phase: a new item clears the text, the answer compares it.
    void UpdateRecitation();
    // Hands what changed since the last look at the session to the announcer, and gives the
    // painted question and answer their text for a screen reader.
    void Announce();
    QPushButton* MnemonicButton(QKeyEvent* event) const;
    // receiver when it is one of the buttons Right, Wrong, Quit and Bible (Enter on them
    // presses that button rather than Start/Stop); null otherwise.
    QPushButton* OtherButton(QObject* receiver) const;

    TStudyContext m_context;
    std::unique_ptr<ISessionItems> m_items;
    std::unique_ptr<ISessionTimers> m_ownTimers;
    std::unique_ptr<TAskerLogic> m_logic;
    TBibleForm* m_bible = nullptr; // cleared by its OnClosed
    QMenu* m_popup;
    const TAskerLogic* m_logicPtr = nullptr;
    bool m_closed = false;
    std::optional<TSessionPhase> m_recitationPhase; // none before the first update
    int m_recitationErrors = -1;
    TSessionAnnouncements m_announcements;
};

} // namespace sv
