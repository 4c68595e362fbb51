#pragma once
// What the study session's logic (TAskerLogic) needs from the rest of the program, as small
// interfaces: its timers, the working list it asks from, the voice and the window that shows
// it. The window supplies the real ones; tests substitute fakes and drive time by hand.

#include "content/MarkedText.h"
#include "content/VerseRef.h"
#include "study/Recitation.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace sv {

// A repeating timer of the user-interface thread. Start restarts a running timer.
class ISessionTimer {
public:
    virtual ~ISessionTimer() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

// Makes the session's timers (stopped); tick runs on every expiry while the timer is active.
class ISessionTimers {
public:
    virtual ~ISessionTimers() = default;
    virtual std::unique_ptr<ISessionTimer> MakeTimer(int intervalMs, std::function<void()> tick) = 0;
};

// The passage the word-study window shows for the current item.
struct TStudyPassage {
    TVerseRef Ref;      // first verse
    int VerseCount = 0; // 0 when there is no current item
};

// One working list as the session sees it: the next item, grading, and for references the
// related questions. Adapters over the question, memory-verse and reference lists (and the
// game) implement it.
class ISessionItems {
public:
    virtual ~ISessionItems() = default;
    // Items in the list (the session's total).
    virtual int TotalCount() const = 0;
    // Composes the next item into question and answer (at random when mixed).
    virtual void LoadNext(bool mixed, TMarkedText& question, TMarkedText& answer) = 0;
    virtual void MarkRight() = 0;
    virtual void MarkWrong() = 0;
    // Takes back the last MarkRight or MarkWrong of the current item: every knowledge byte it
    // changed gets its previous value. False when there is nothing to take back (also once
    // the next item was loaded).
    virtual bool UndoMark() { return false; }

    // Caption of the question box for the current item; empty keeps "QUESTION".
    virtual std::string QuestionCaption() const { return {}; }
    // Prefix text of the current question (Windows-1252); empty hides the prefix band.
    virtual std::string Prefix() const { return {}; }
    // The passage of the current item, for the word-study window.
    virtual TStudyPassage Passage() const { return {}; }
    // What a typed recitation of the current item is compared with, given its composed
    // answer; none where the item is not recited (the answer's text is compared then).
    virtual std::optional<TRecitationTask> RecitationTask(const TMarkedText& /*answer*/) const { return std::nullopt; }

    // Related questions of the current verse (reference study only).
    virtual int RelatedCount() const { return 0; }
    virtual int RelatedPos() const { return 0; }
    virtual std::string RelatedCountText() const { return std::to_string(RelatedCount()); }
    virtual void NextRelated(TMarkedText& /*question*/) { }
    virtual void PrevRelated(TMarkedText& /*question*/) { }
};

// Comment events of the voice service, in its numbering.
enum class TSessionComment {
    Correct1 = 0,
    Correct3 = 1,
    Correct5 = 2,
    AllCorrect = 3,
    Incorrect1 = 4,
    Incorrect3 = 5,
    Incorrect5 = 6,
    Quit = 7,
    QuitEarly = 8,
};

// The sound and speech service as the session uses it.
class ISessionVoice {
public:
    virtual ~ISessionVoice() = default;
    virtual bool SpeechAvailable() const = 0;
    // Reads a question aloud (text-to-speech only).
    virtual void SpeakQuestion(const std::string& text) = 0;
    virtual void StopSpeaking() = 0;
    virtual bool IsSpeaking() const = 0;
    virtual void PlayTimeUpSound() = 0;
    virtual void Comment(TSessionComment event) = 0;
};

// The window around the logic: what it must do besides showing the view state.
class ISessionHost {
public:
    virtual ~ISessionHost() = default;
    // The view state changed: reflect it (captions, enabling, texts, focus) and repaint.
    virtual void ViewChanged() = 0;
    // Minimises the word-study window if one is open.
    virtual void MinimiseWordStudy() = 0;
    // Hands the lip picture to the main window (true) or takes it back (false).
    virtual void SetActiveLip(bool active) = 0;
    // Information without icon, button OK.
    virtual void ShowMessage(const std::string& text) = 0;
    // Confirmation with Yes and No; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // Game only: the grade goes to the game window, which takes over.
    virtual void GameRight() { }
    virtual void GameWrong() { }
    virtual void MinimiseSelf() { }
};

} // namespace sv
