#pragma once
// TSessionAnnouncements: what a quizzer who cannot see the session window must hear. It
// compares the session as it stands now with how it stood at the last look and names the
// changes that matter: a new question (as far as it is shown), the answer shown, the grade or
// a grade taken back with the score, ten seconds left, the time up and the end of the
// session. The window takes a look after every change of its view and hands the texts to the
// program's announcer. Texts are Windows-1252 bytes, like the question they quote.

#include "study/AskerLogic.h"

#include <optional>
#include <string>
#include <vector>

namespace sv {

// The parts of a session that announcements are made of.
struct TSessionLook {
    TSessionPhase Phase = TSessionPhase::Ready;
    int Item = 0;         // items loaded so far: a new one is a new question
    std::string Question; // the question as far as it is shown
    std::string Answer;
    int SecondsLeft = AnswerSeconds;
    int Right = 0;
    int Missed = 0;
    int Total = 0;
    bool Graded = true; // false in the game, whose board keeps the score
    bool Finished = false;

    static TSessionLook Of(const TAskerLogic& logic);
};

class TSessionAnnouncements {
public:
    // The announcements since the last look, in the order they happened; none at the first.
    std::vector<std::string> Next(const TSessionLook& now);

private:
    std::optional<TSessionLook> m_last;
    int m_askedItem = -1; // the item whose question was announced last
};

// The seconds left at which the quizzer is warned.
inline constexpr int WarningSeconds = 10;

} // namespace sv
