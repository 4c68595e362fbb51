#include "study/SessionAnnouncements.h"

#include <algorithm>

namespace sv {

TSessionLook TSessionLook::Of(const TAskerLogic& logic)
{
    TSessionLook look;
    look.Phase = logic.Phase();
    look.Item = logic.ItemsLoaded();
    if (logic.QuestionShown()) {
        const std::string text = logic.Question().Text();
        look.Question = text.substr(
            0, static_cast<std::size_t>(std::clamp<int>(logic.Question().RevealPos, 0, static_cast<int>(text.size()))));
    }
    if (logic.AnswerShown())
        look.Answer = logic.Answer().Text();
    look.SecondsLeft = logic.SecondsLeft();
    look.Right = logic.RightCount();
    look.Missed = logic.MissedCount();
    look.Total = logic.TotalCount();
    look.Graded = logic.Settings().Kind != TAskerKind::Game;
    look.Finished = look.Graded && look.Total > 0 && look.Right >= look.Total;
    return look;
}

namespace {
std::string Score(const TSessionLook& s)
{
    return std::to_string(s.Right) + " right, " + std::to_string(s.Missed) + " missed of " + std::to_string(s.Total)
           + ".";
}
} // namespace

std::vector<std::string> TSessionAnnouncements::Next(const TSessionLook& now)
{
    std::vector<std::string> out;
    if (!m_last) {
        m_last = now;
        // A question already in view when the window first looks was seen with the window.
        if (now.Phase == TSessionPhase::QuestionShown && !now.Question.empty())
            m_askedItem = now.Item;
        return out;
    }
    const TSessionLook& was = *m_last;
    if (now.Phase == TSessionPhase::QuestionShown && now.Item != m_askedItem && !now.Question.empty()) {
        out.push_back("Question: " + now.Question);
        m_askedItem = now.Item;
    }
    if (was.Item == now.Item && was.SecondsLeft > WarningSeconds && now.SecondsLeft == WarningSeconds)
        out.push_back(std::to_string(WarningSeconds) + " seconds left.");
    const bool timeUp = was.Item == now.Item && was.SecondsLeft > 0 && now.SecondsLeft <= 0;
    if (timeUp)
        out.push_back("Time is up.");
    if (now.Phase == TSessionPhase::AnswerShown && was.Phase != TSessionPhase::AnswerShown && !now.Answer.empty()) {
        out.push_back("Answer: " + now.Answer);
        m_askedItem = now.Item; // a question the time cut short is not announced afterwards
    }
    if (now.Graded) {
        if (now.Right < was.Right || now.Missed < was.Missed)
            out.push_back("Grade taken back. " + Score(now));
        else if (now.Right > was.Right)
            out.push_back("Right. " + Score(now));
        else if (now.Missed > was.Missed)
            out.push_back((timeUp ? "Counted as missed. " : "Wrong. ") + Score(now));
    }
    if (now.Finished && !was.Finished)
        out.push_back("Session complete: every item answered right.");
    m_last = now;
    return out;
}

} // namespace sv
