#pragma once
// The study session without its window: the phase machine of the start/stop button, the
// letter-by-letter reveal, the spoken question, the 30-second countdown, grading with streak
// comments, the score and the reference browser. The window (TQuestionAsker) forwards its
// button clicks and keys here and shows the view state; everything that takes time runs on
// the four timers made through ISessionTimers, so a test drives it with a fake clock.

#include "common/Random.h"
#include "content/MarkedText.h"
#include "study/SessionPorts.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace sv {

// Session kinds.
enum class TAskerKind { Questions = 0, MemoryVerses = 1, References = 2, Game = 3 };

// Settings fixed when a session is created.
struct TSessionSettings {
    TAskerKind Kind = TAskerKind::Questions;
    bool Mixed = false;
    bool Timed = false;
    bool Prejump = false;
    bool PrejumpSpoken = false;
    bool KeywordTargeting = false;
    int KeywordTarget = 999; // words past the prejump point; 999 without targeting
    bool MarkUniques = false;
    bool KeywordsOnly = false;
    bool TypeVerse = false; // memory verses: a typed recitation is compared with the passage (no clock)
};

// Timer intervals (ms).
inline constexpr int OneSecInterval = 1000;
inline constexpr int WordInterval = 60;
inline constexpr int StillSpeakingInterval = 250;
inline constexpr int DelayInterval = 1500;

enum class TAskerFocus { None, StartStop, Right, Wrong };

// Where a session stands with its item. Each press of the start/stop button moves to the next
// phase first and then acts on it (Clearing passes straight on to Ready with the next item).
enum class TSessionPhase {
    Ready = 0,         // nothing shown; "&Start"
    Revealing = 1,     // the question is being revealed or spoken; "&Stop"
    QuestionShown = 2, // waiting for "An&swer"
    AnswerShown = 3,   // answer shown, waiting for the grade or "&Clear"
    Clearing = 4,
};

// The seconds a quizzer has for each question.
inline constexpr int AnswerSeconds = 30;

// Everything the window shows that the logic decides. Texts are Windows-1252 bytes.
struct TAskerView {
    std::string Caption;                      // window caption
    std::string QuestionCaption = "QUESTION"; // question box
    std::string AnswerCaption = "ANSWER";
    std::string Prefix; // prefix band; hidden when empty
    std::string StartStopCaption = "&Start";
    bool StartStopEnabled = true;
    bool RightEnabled = false;
    bool WrongEnabled = false;
    bool QuitEnabled = true;
    bool QuitVisible = true;
    std::string QuitCaption = "&Quit";
    bool BibleEnabled = false;
    std::string TimeStr = "30";
    bool TimeActive = false; // drawn in white while the session is timed
    bool ScorePanelVisible = true;
    std::string TotalText = "0";
    std::string RightText = "0";
    std::string MissedText = "0";
    std::string ScoreText = "0%";
    bool LipVisible = false;
    bool LipsMenuEnabled = false;
    bool LipsMenuChecked = false;
    bool AccToPanelVisible = false;
    bool LeftAccToEnabled = false;
    bool RightAccToEnabled = false;
    std::string NumOfAccTosText;
    TAskerFocus Focus = TAskerFocus::None; // focus request of the last change
};

class TAskerLogic {
public:
    // useLips is the user's "Use lips" flag, read and written by the lips option; fullName
    // the person's name for the congratulation. Kinds 0..2 load the first item at once
    // unless the list is empty (see IsEmpty).
    TAskerLogic(const TSessionSettings& settings, ISessionItems& items, ISessionVoice& voice, ISessionHost& host,
                ISessionTimers& timers, IRandom& random, std::uint8_t& useLips, std::string fullName);
    ~TAskerLogic();
    TAskerLogic(const TAskerLogic&) = delete;
    TAskerLogic& operator=(const TAskerLogic&) = delete;

    // Buttons, keys and the lips option.
    void StartStopClick();
    void RightClick();
    void WrongClick();
    void LeftAccToClick();
    void RightAccToClick();
    void UseLipsClick(bool checked);
    // Takes back the last Right or Wrong while its item is still shown (until Clear): the
    // knowledge bytes it changed, the counts, the score and the streaks go back, and Right and
    // Wrong are offered again. False (and nothing changes) when there is none to take back.
    bool UndoGrade();
    bool CanUndoGrade() const;
    // Space/Enter, R, W, comma, full stop: acts when the matching control is enabled.
    // Returns whether the key was used.
    bool KeyPress(int key);
    // A close request (Quit, Done or the window): asks when the session is not finished.
    // True when the window may close.
    bool QueryClose();

    // Loads the next item (kind 3: the game loads its own and calls this for the reset).
    void LoadItem();
    // Kind 3: loads the game's question and shows it whole at once, the countdown running
    // from 30 and the Answer button ready.
    void ShowGameQuestion();

    TSessionPhase Phase() const { return m_phase; }
    // The countdown (the view shows it as TimeStr).
    int SecondsLeft() const { return m_secondsLeft; }
    // Items loaded so far (each new question or verse counts one).
    int ItemsLoaded() const { return m_itemsLoaded; }
    int TotalCount() const { return m_total; }
    int RightCount() const { return m_right; }
    int MissedCount() const { return m_missed; }
    int RightStreak() const { return m_rightStreak; }
    int WrongStreak() const { return m_wrongStreak; }
    // A session of kinds 0..2 whose list holds nothing: the window reports it and closes.
    bool IsEmpty() const { return m_settings.Kind != TAskerKind::Game && m_total <= 0; }
    const TSessionSettings& Settings() const { return m_settings; }
    const TAskerView& View() const { return m_view; }
    const TMarkedText& Question() const { return m_question; }
    const TMarkedText& Answer() const { return m_answer; }
    ISessionItems& Items() { return m_items; }
    // Whether a text area shows anything now (question area empty in phase 0 and, when
    // spoken, in phase 1; answer area empty in phase 0).
    bool QuestionShown() const;
    bool AnswerShown() const;

    // Timer handlers, public for the window's and tests' sake.
    void OneSecTimerTimer();
    void WordTimerTimer();
    void StillSpeakingTimerTimer();
    void DelayTimer();

    bool OneSecRunning() const;
    bool WordTimerRunning() const;
    bool StillSpeakingRunning() const;
    bool DelayRunning() const;

private:
    void Changed(TAskerFocus focus = TAskerFocus::None);
    void UpdateScore();
    void RevealAll();
    void CommentStreak(int streak, TSessionComment one, TSessionComment three, TSessionComment five);
    void GameGraded(bool right);
    void ShowRelatedPos();

    TSessionSettings m_settings;
    ISessionItems& m_items;
    ISessionVoice& m_voice;
    ISessionHost& m_host;
    IRandom& m_random;
    std::uint8_t& m_useLips;
    std::string m_fullName;
    std::unique_ptr<ISessionTimer> m_oneSec, m_word, m_stillSpeaking, m_delay;

    TAskerView m_view;
    TMarkedText m_question;
    TMarkedText m_answer;
    void SetSecondsLeft(int seconds);

    TSessionPhase m_phase = TSessionPhase::Ready;
    int m_secondsLeft = AnswerSeconds;
    int m_itemsLoaded = 0;
    int m_total = 0;
    int m_right = 0;
    int m_missed = 0;
    int m_rightStreak = 0;
    int m_wrongStreak = 0;

    // The session as it was before the last grade, kept until the next item starts.
    struct TGradeUndo {
        TAskerView View;
        int Right = 0;
        int Missed = 0;
        int RightStreak = 0;
        int WrongStreak = 0;
    };
    std::optional<TGradeUndo> m_undo;
    void NoteGrade();
};

// Helpers the logic and its tests share.

// Position after one reveal tick from pos: one character, then every following character
// that is not a letter A-Z/a-z, digit, apostrophe or hyphen, while below stopPos.
int RevealStep(const TMarkedText& text, int pos, int stopPos);
// RightCount x 100 / TotalCount rounded to the nearest, halves to even, as "n%";
// "0%" while nothing has been graded.
std::string ScoreText(int right, int missed, int total);
// The countdown text: two digits ("09" ... "00").
std::string TimeText(int seconds);
// The congratulation for the last right answer.
std::string CongratulationText(const std::string& fullName);
// The question asked before quitting an unfinished session of a kind.
std::string QuitQuestion(TAskerKind kind);

} // namespace sv
