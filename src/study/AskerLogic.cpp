#include "study/AskerLogic.h"

#include <cstdlib>

namespace sv {

namespace {

bool IsRevealChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '\'' || c == '-';
}

const char* KindCaption(TAskerKind kind)
{
    switch (kind) {
    case TAskerKind::Questions:
        return "Study questions";
    case TAskerKind::MemoryVerses:
        return "Study memory verses";
    case TAskerKind::References:
        return "Reference study";
    case TAskerKind::Game:
        return "One-Way Game";
    }
    return "";
}

} // namespace

int RevealStep(const TMarkedText& text, int pos, int stopPos)
{
    ++pos;
    while (pos < stopPos && !IsRevealChar(text.Chars[pos + 1]))
        ++pos;
    return pos;
}

std::string ScoreText(int right, int missed, int total)
{
    if (right + missed == 0 || total <= 0)
        return "0%";
    const long long num = static_cast<long long>(right) * 100;
    long long q = num / total;
    const long long rem = num % total;
    if (rem * 2 > total || (rem * 2 == total && q % 2 != 0))
        ++q;
    return std::to_string(q) + "%";
}

void TAskerLogic::SetSecondsLeft(int seconds)
{
    m_secondsLeft = seconds;
    m_view.TimeStr = TimeText(seconds);
}

std::string TimeText(int seconds)
{
    std::string s = std::to_string(seconds);
    if (seconds >= 0 && seconds < 10)
        s = "0" + s;
    return s;
}

std::string CongratulationText(const std::string& fullName)
{
    std::string head = "Congratulations, " + fullName;
    if (head.size() > 117)
        head.resize(117);
    std::string text = head + "!\rYou have correctly answered all of the questions.\rKeep up the good work.";
    if (text.size() > 191)
        text.resize(191);
    return text;
}

std::string QuitQuestion(TAskerKind kind)
{
    std::string text;
    switch (kind) {
    case TAskerKind::Questions:
        text = "You haven't finished answering all of the questions yet.";
        break;
    case TAskerKind::MemoryVerses:
        text = "You still have more memory verses to go.";
        break;
    case TAskerKind::References:
        text = "You still have more reference questions.";
        break;
    case TAskerKind::Game:
        text = "You haven't finished the game yet.";
        break;
    }
    return text + "\rAre you sure you want to quit?";
}

TAskerLogic::TAskerLogic(const TSessionSettings& settings, ISessionItems& items, ISessionVoice& voice,
                         ISessionHost& host, ISessionTimers& timers, IRandom& random, std::uint8_t& useLips,
                         std::string fullName)
    : m_settings(settings), m_items(items), m_voice(voice), m_host(host), m_random(random), m_useLips(useLips),
      m_fullName(std::move(fullName))
{
    // Typing a passage takes longer than saying it: a typed recitation runs without the clock.
    if (m_settings.Kind == TAskerKind::MemoryVerses && m_settings.TypeVerse)
        m_settings.Timed = false;
    m_oneSec = timers.MakeTimer(OneSecInterval, [this] { OneSecTimerTimer(); });
    m_word = timers.MakeTimer(WordInterval, [this] { WordTimerTimer(); });
    m_stillSpeaking = timers.MakeTimer(StillSpeakingInterval, [this] { StillSpeakingTimerTimer(); });
    m_delay = timers.MakeTimer(DelayInterval, [this] { DelayTimer(); });

    m_view.TimeActive = m_settings.Timed;
    m_phase = TSessionPhase::Ready;
    m_view.Caption = KindCaption(m_settings.Kind);
    const bool game = m_settings.Kind == TAskerKind::Game;
    m_total = game ? 1 : m_items.TotalCount();
    if (game) {
        m_view.ScorePanelVisible = false;
        m_view.QuitVisible = false;
        m_phase = TSessionPhase::QuestionShown;
        m_view.StartStopCaption = "An&swer";
    }
    m_right = 0;
    m_missed = 0;
    if (!game) {
        if (!IsEmpty())
            LoadItem();
        m_view.TotalText = std::to_string(m_total);
        m_view.RightText = "0";
        m_view.MissedText = "0";
        m_view.AnswerCaption = m_settings.Kind == TAskerKind::References ? "VERSE" : "ANSWER";
    }
    m_view.LipsMenuEnabled = m_settings.PrejumpSpoken;
    const bool lips = m_settings.PrejumpSpoken && m_useLips != 0;
    m_view.LipVisible = lips;
    m_view.LipsMenuChecked = lips;
    m_host.SetActiveLip(lips);
    m_rightStreak = 0;
    m_wrongStreak = 0;
    SetSecondsLeft(AnswerSeconds);
    m_view.Focus = TAskerFocus::StartStop;
}

TAskerLogic::~TAskerLogic() = default;

void TAskerLogic::Changed(TAskerFocus focus)
{
    m_view.Focus = focus;
    m_host.ViewChanged();
}

bool TAskerLogic::QuestionShown() const
{
    if (m_phase == TSessionPhase::Ready)
        return false;
    if (m_phase == TSessionPhase::Revealing && m_settings.Prejump && m_settings.PrejumpSpoken)
        return false;
    return true;
}

bool TAskerLogic::AnswerShown() const { return m_phase != TSessionPhase::Ready; }

bool TAskerLogic::OneSecRunning() const { return m_oneSec->IsActive(); }
bool TAskerLogic::WordTimerRunning() const { return m_word->IsActive(); }
bool TAskerLogic::StillSpeakingRunning() const { return m_stillSpeaking->IsActive(); }
bool TAskerLogic::DelayRunning() const { return m_delay->IsActive(); }

void TAskerLogic::LoadItem()
{
    ++m_itemsLoaded;
    m_question = TMarkedText();
    m_answer = TMarkedText();
    m_items.LoadNext(m_settings.Mixed, m_question, m_answer);
    if (m_settings.Kind == TAskerKind::Questions) {
        const std::string caption = m_items.QuestionCaption();
        m_view.QuestionCaption = caption.empty() ? "QUESTION" : caption;
        m_view.Prefix = m_items.Prefix();
    }
    m_answer.RevealPos = 0;
    m_phase = TSessionPhase::Ready;
}

void TAskerLogic::ShowGameQuestion()
{
    m_oneSec->Stop();
    LoadItem();
    m_question.RevealPos = m_question.Len;
    m_phase = TSessionPhase::QuestionShown;
    m_view.StartStopCaption = "An&swer";
    m_view.StartStopEnabled = true;
    m_view.RightEnabled = false;
    m_view.WrongEnabled = false;
    m_view.BibleEnabled = false;
    SetSecondsLeft(AnswerSeconds);
    m_oneSec->Start();
    Changed(TAskerFocus::StartStop);
}

void TAskerLogic::RevealAll()
{
    m_question.RevealPos = m_question.Len;
    m_answer.RevealPos = m_answer.Len;
}

void TAskerLogic::StartStopClick()
{
    if (!m_view.StartStopEnabled)
        return;
    m_undo.reset(); // the graded item is left behind
    m_phase = static_cast<TSessionPhase>(static_cast<int>(m_phase) + 1);
    TAskerFocus focus = TAskerFocus::None;
    switch (m_phase) {
    case TSessionPhase::Revealing:
        m_view.QuitEnabled = false;
        if (!m_settings.Prejump) {
            m_question.RevealPos = m_settings.KeywordTargeting ? m_question.StopPos : m_question.Len;
        } else if (m_settings.PrejumpSpoken) {
            if (m_voice.SpeechAvailable())
                m_voice.SpeakQuestion("Question. " + m_question.Text());
            m_question.RevealPos = m_question.Len;
            m_stillSpeaking->Start();
        } else {
            m_question.RevealPos = 0;
            m_word->Start();
        }
        if (m_settings.Timed && !m_settings.Prejump)
            m_oneSec->Start();
        m_host.MinimiseWordStudy();
        m_view.BibleEnabled = false;
        if (m_settings.Prejump) {
            m_view.StartStopCaption = "&Stop";
        } else {
            m_phase = TSessionPhase::QuestionShown;
            m_view.StartStopCaption = "An&swer";
        }
        break;
    case TSessionPhase::QuestionShown:
        // Stop pressed while the question is being revealed or spoken. The button turns into
        // Answer and rests as it does at the end of a reveal, so that a second press meant
        // as Stop cannot show the answer.
        if (m_voice.SpeechAvailable())
            m_voice.StopSpeaking();
        if (m_question.RevealPos < m_question.StopPos)
            m_word->Stop();
        m_view.StartStopCaption = "An&swer";
        m_view.StartStopEnabled = false;
        m_delay->Start();
        if (m_settings.Timed)
            m_oneSec->Start();
        break;
    case TSessionPhase::AnswerShown:
        m_oneSec->Stop();
        // A reveal or speech poll still running must not move the phase back afterwards.
        m_word->Stop();
        m_stillSpeaking->Stop();
        m_delay->Stop();
        m_view.StartStopCaption = "&Clear";
        m_view.LipVisible = false;
        RevealAll();
        m_view.BibleEnabled = true;
        if (m_settings.Kind == TAskerKind::References && m_items.RelatedCount() > 0) {
            m_view.LeftAccToEnabled = false;
            m_view.RightAccToEnabled = true;
            m_view.NumOfAccTosText = "0 of " + m_items.RelatedCountText();
            m_view.AccToPanelVisible = true;
        }
        m_view.StartStopEnabled = false;
        m_view.QuitEnabled = false;
        m_view.WrongEnabled = true;
        if (m_settings.Kind == TAskerKind::Game && m_secondsLeft <= 0) {
            m_view.RightEnabled = false;
            focus = TAskerFocus::Wrong;
        } else {
            m_view.RightEnabled = true;
            focus = TAskerFocus::Right;
        }
        break;
    case TSessionPhase::Ready:
    case TSessionPhase::Clearing:
        m_view.StartStopCaption = "&Start";
        m_phase = TSessionPhase::Ready;
        if (m_settings.PrejumpSpoken && m_useLips != 0)
            m_view.LipVisible = true;
        SetSecondsLeft(AnswerSeconds);
        m_host.MinimiseWordStudy();
        m_view.BibleEnabled = false;
        m_view.AccToPanelVisible = false;
        LoadItem();
        break;
    }
    Changed(focus);
}

void TAskerLogic::WordTimerTimer()
{
    if (m_question.RevealPos >= m_question.Len) {
        m_word->Stop();
        return;
    }
    m_question.RevealPos = static_cast<std::int16_t>(RevealStep(m_question, m_question.RevealPos, m_question.StopPos));
    if (m_question.RevealPos >= m_question.StopPos) {
        m_word->Stop();
        m_phase = TSessionPhase::QuestionShown;
        m_view.StartStopCaption = "An&swer";
        m_view.StartStopEnabled = false;
        m_delay->Start();
        if (m_settings.Timed)
            m_oneSec->Start();
    }
    Changed();
}

void TAskerLogic::DelayTimer()
{
    m_delay->Stop();
    m_view.StartStopEnabled = true;
    Changed(TAskerFocus::StartStop);
}

void TAskerLogic::StillSpeakingTimerTimer()
{
    if (m_voice.IsSpeaking())
        return;
    m_stillSpeaking->Stop();
    m_phase = TSessionPhase::QuestionShown;
    m_view.StartStopCaption = "An&swer";
    if (m_settings.Timed)
        m_oneSec->Start();
    Changed();
}

void TAskerLogic::OneSecTimerTimer()
{
    const int left = m_secondsLeft - 1;
    SetSecondsLeft(left);
    if (left > 0) {
        Changed();
        return;
    }
    m_oneSec->Stop();
    m_voice.PlayTimeUpSound();
    m_view.QuitEnabled = true;
    if (m_settings.Kind == TAskerKind::Game) {
        Changed();
        StartStopClick();
        return;
    }
    m_word->Stop();
    m_stillSpeaking->Stop();
    m_phase = TSessionPhase::AnswerShown;
    m_view.StartStopCaption = "&Clear";
    m_view.LipVisible = false;
    RevealAll();
    // The answer is shown: its verse may be looked up, as after Answer.
    m_view.BibleEnabled = true;
    // Not graded: the item stays unanswered in its list and comes up again.
    ++m_missed;
    UpdateScore();
    Changed();
}

void TAskerLogic::UpdateScore()
{
    m_view.TotalText = std::to_string(m_total);
    m_view.RightText = std::to_string(m_right);
    m_view.MissedText = std::to_string(m_missed);
    m_view.ScoreText = ScoreText(m_right, m_missed, m_total);
}

void TAskerLogic::CommentStreak(int streak, TSessionComment one, TSessionComment three, TSessionComment five)
{
    TSessionComment event = one;
    if (streak >= 6) {
        const int pick = m_random.Random(3);
        event = pick == 0 ? one : pick == 1 ? three : five;
    } else if (streak == 5) {
        event = five;
    } else if (streak >= 3) {
        event = three;
    }
    m_voice.Comment(event);
}

// In the game the board keeps the score: report the grade and step aside for the board.
void TAskerLogic::GameGraded(bool right)
{
    m_voice.Comment(right ? TSessionComment::Correct1 : TSessionComment::Incorrect1);
    Changed();
    if (right)
        m_host.GameRight();
    else
        m_host.GameWrong();
    m_host.MinimiseSelf();
    m_view.BibleEnabled = false;
    m_host.MinimiseWordStudy();
    Changed();
}

void TAskerLogic::RightClick()
{
    if (!m_view.RightEnabled)
        return;
    m_view.QuitEnabled = true;
    m_view.RightEnabled = false;
    m_view.WrongEnabled = false;
    if (m_settings.Kind == TAskerKind::Game) {
        GameGraded(true);
        return;
    }
    NoteGrade();
    ++m_right;
    m_items.MarkRight();
    UpdateScore();
    if (m_right < m_total) {
        m_view.StartStopEnabled = true;
        m_wrongStreak = 0;
        ++m_rightStreak;
        CommentStreak(m_rightStreak, TSessionComment::Correct1, TSessionComment::Correct3, TSessionComment::Correct5);
        Changed(TAskerFocus::StartStop);
    } else {
        m_voice.Comment(TSessionComment::AllCorrect);
        m_view.QuitCaption = "&Done";
        Changed();
        m_host.ShowMessage(CongratulationText(m_fullName));
    }
}

void TAskerLogic::WrongClick()
{
    if (!m_view.WrongEnabled)
        return;
    m_view.QuitEnabled = true;
    m_view.RightEnabled = false;
    m_view.WrongEnabled = false;
    m_view.StartStopEnabled = true;
    if (m_settings.Kind == TAskerKind::Game) {
        GameGraded(false);
        return;
    }
    NoteGrade();
    ++m_missed;
    m_items.MarkWrong();
    UpdateScore();
    m_rightStreak = 0;
    ++m_wrongStreak;
    CommentStreak(m_wrongStreak, TSessionComment::Incorrect1, TSessionComment::Incorrect3, TSessionComment::Incorrect5);
    Changed(TAskerFocus::StartStop);
}

void TAskerLogic::NoteGrade()
{
    // The view before the click: Right and Wrong still enabled.
    TGradeUndo u{m_view, m_right, m_missed, m_rightStreak, m_wrongStreak};
    u.View.RightEnabled = true;
    u.View.WrongEnabled = true;
    u.View.QuitEnabled = false;
    u.View.StartStopEnabled = false;
    m_undo = u;
}

bool TAskerLogic::CanUndoGrade() const { return m_undo.has_value(); }

bool TAskerLogic::UndoGrade()
{
    if (!m_undo)
        return false;
    if (!m_items.UndoMark()) {
        m_undo.reset();
        return false;
    }
    m_view = m_undo->View;
    m_right = m_undo->Right;
    m_missed = m_undo->Missed;
    m_rightStreak = m_undo->RightStreak;
    m_wrongStreak = m_undo->WrongStreak;
    m_undo.reset();
    UpdateScore();
    Changed(TAskerFocus::Right);
    return true;
}

void TAskerLogic::ShowRelatedPos()
{
    m_view.NumOfAccTosText = std::to_string(m_items.RelatedPos()) + " of " + m_items.RelatedCountText();
}

void TAskerLogic::RightAccToClick()
{
    if (!m_view.AccToPanelVisible || !m_view.RightAccToEnabled)
        return;
    if (m_items.RelatedCount() > 1)
        m_view.LeftAccToEnabled = true;
    m_items.NextRelated(m_question);
    if (m_items.RelatedPos() == m_items.RelatedCount())
        m_view.RightAccToEnabled = false;
    if (m_items.RelatedPos() == 1)
        m_view.LeftAccToEnabled = false;
    ShowRelatedPos();
    Changed();
}

void TAskerLogic::LeftAccToClick()
{
    if (!m_view.AccToPanelVisible || !m_view.LeftAccToEnabled)
        return;
    if (m_items.RelatedCount() > 1)
        m_view.RightAccToEnabled = true;
    m_items.PrevRelated(m_question);
    if (m_items.RelatedPos() == m_items.RelatedCount())
        m_view.RightAccToEnabled = false;
    if (m_items.RelatedPos() == 1)
        m_view.LeftAccToEnabled = false;
    ShowRelatedPos();
    Changed();
}

void TAskerLogic::UseLipsClick(bool checked)
{
    if (m_settings.PrejumpSpoken && checked) {
        m_useLips = 1;
        m_view.LipVisible = true;
        m_view.LipsMenuChecked = true;
        m_host.SetActiveLip(true);
    } else {
        m_useLips = 0;
        m_view.LipVisible = false;
        m_view.LipsMenuChecked = false;
        m_host.SetActiveLip(false);
    }
    Changed();
}

bool TAskerLogic::KeyPress(int key)
{
    switch (key) {
    case ' ':
    case '\r':
        if (!m_view.StartStopEnabled)
            return false;
        StartStopClick();
        return true;
    case 'R':
    case 'r':
        if (!m_view.RightEnabled)
            return false;
        RightClick();
        return true;
    case 'W':
    case 'w':
        if (!m_view.WrongEnabled)
            return false;
        WrongClick();
        return true;
    case ',':
        if (!m_view.AccToPanelVisible)
            return false;
        LeftAccToClick();
        return true;
    case '.':
        if (!m_view.AccToPanelVisible)
            return false;
        RightAccToClick();
        return true;
    default:
        return false;
    }
}

bool TAskerLogic::QueryClose()
{
    if (m_right >= m_total)
        return true;
    m_voice.Comment(TSessionComment::Quit);
    if (m_host.Confirm(QuitQuestion(m_settings.Kind))) {
        m_voice.Comment(TSessionComment::QuitEarly);
        return true;
    }
    Changed(m_view.StartStopEnabled ? TAskerFocus::StartStop : TAskerFocus::None);
    return false;
}

} // namespace sv
