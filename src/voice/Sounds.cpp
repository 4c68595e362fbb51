#include "voice/Sounds.h"

#include "common/Errors.h"
#include "voice/Assistant.h"

#include <QString>

#include <exception>

namespace sv {

namespace {
constexpr std::uint32_t Bit(int n) { return std::uint32_t{1} << n; }

const TCommentRow kCommentTable[CommentEventCount] = {
    {50, Bit(0), 10},                                                 // Correct1
    {50, Bit(0) | Bit(8), 20},                                        // Correct3
    {50, Bit(8) | Bit(9) | Bit(14), 50},                              // Correct5
    {0, Bit(2) | Bit(4) | Bit(9) | Bit(19), 100},                     // AllCorrect
    {50, Bit(12) | Bit(17), 10},                                      // Incorrect1
    {50, Bit(6) | Bit(12) | Bit(16) | Bit(17), 20},                   // Incorrect3
    {50, Bit(3) | Bit(5) | Bit(6) | Bit(12) | Bit(16) | Bit(17), 50}, // Incorrect5
    {50, Bit(17), 50},                                                // Quit
    {50, Bit(3) | Bit(12), 50},                                       // QuitEarly
    {0, Bit(0) | Bit(6) | Bit(18), 100},                              // Goodbye
};

void ReplaceFirst(std::string& text, const std::string& what, const std::string& by)
{
    const std::size_t at = text.find(what);
    if (at != std::string::npos)
        text.replace(at, what.size(), by);
}
} // namespace

TSounds::TSounds(std::string soundDir, ISpeechEngine* engine, ISoundPlayer* player, const std::string& personalityPath,
                 IRandom& random, TEngineStart start)
    : m_soundDir(std::move(soundDir)), m_engine(engine), m_player(player), m_random(random)
{
    if (m_engine)
        m_engine->OnTextDone = [this] { TextDone(); };
    if (start == TEngineStart::Now)
        StartEngine();
    m_personalities.LoadFromFile(personalityPath);
}

TSounds::~TSounds()
{
    if (m_engine)
        m_engine->OnTextDone = nullptr;
}

void TSounds::StartEngine()
{
    if (m_engineStarted)
        return;
    m_engineStarted = true;
    if (m_engine && !m_engine->Active()) {
        try {
            m_engine->Activate();
        } catch (const std::exception&) {
            // An engine that cannot start leaves speech unavailable.
        }
    }
    m_speechAvailable = m_engine && m_engine->Active();
    if (OnEngineStarted)
        OnEngineStarted(m_speechAvailable);
}

const TCommentRow& TSounds::CommentRow(TCommentEvent event)
{
    const int e = EventIndex(event);
    if (e < 0 || e >= CommentEventCount)
        ThrowIndex("comment event", e, 0, CommentEventCount - 1);
    return kCommentTable[e];
}

void TSounds::PlayWave(const char* name)
{
    if (m_player)
        m_player->Play(QString::fromStdString(m_soundDir + name));
}

void TSounds::StopSound()
{
    if (m_player)
        m_player->Stop();
}

void TSounds::PlayStartupSound() { PlayWave("promote.wav"); }
void TSounds::PlayGameSound() { PlayWave("jeopardy.wav"); }
void TSounds::PlayWagerSound() { PlayWave("applause.wav"); }
void TSounds::PlayTimeUpSound() { PlayWave("buzz.wav"); }

bool TSounds::AssistantAvailable() const { return m_assistant && m_assistant->AssistantAvailable(); }

std::string TSounds::SpokenText(std::string text)
{
    ReplaceFirst(text, " ||", "");
    ReplaceFirst(text, " 1 ", " First ");
    ReplaceFirst(text, " 2 ", " Second ");
    return text;
}

void TSounds::Speak(const std::string& text, bool balloonOnly, TSpeechKind speechKind)
{
    const bool assistantKind = speechKind == TSpeechKind::Greeting || speechKind == TSpeechKind::Assistant
                               || speechKind == TSpeechKind::Either;
    if (assistantKind && AssistantAvailable()) {
        m_assistant->AssistantSpeak(text, balloonOnly);
        return;
    }
    if (speechKind != TSpeechKind::Question && speechKind != TSpeechKind::Word && speechKind != TSpeechKind::Either)
        return;
    SpeakAloud(SpokenText(text));
}

bool TSounds::SpeakAloud(const std::string& text)
{
    if (!m_engine)
        return false;
    bool active = m_engine->Active();
    if (!active) {
        try {
            active = m_engine->Activate();
        } catch (const std::exception&) {
            active = false;
        }
    }
    if (!active) {
        m_speechAvailable = false;
        return false;
    }
    m_speechAvailable = true;
    if (m_speaking) {
        m_queue.push_back(text);
        return true;
    }
    m_speaking = true;
    m_engine->Speak(text);
    return true;
}

void TSounds::TextDone()
{
    if (!m_queue.empty() && m_engine && m_engine->Active()) {
        const std::string next = std::move(m_queue.front());
        m_queue.pop_front();
        m_speaking = true;
        m_engine->Speak(next);
        return;
    }
    m_queue.clear();
    m_speaking = false;
}

void TSounds::StopSpeaking()
{
    m_queue.clear();
    if (m_engine && m_engine->Active())
        m_engine->AudioReset();
}

void TSounds::SetVoice(const std::string& modeName)
{
    if (!m_engine)
        return;
    const bool wasActive = m_engine->Active();
    m_engine->Deactivate();
    m_engine->SetModeName(QString::fromStdString(modeName));
    if (wasActive) {
        try {
            m_engine->Activate();
        } catch (const std::exception&) { }
    }
}

void TSounds::SelectPersonality(const std::string& name) { m_selected = m_personalities.Find(name); }

std::vector<std::string> TSounds::PersonalityNames() const
{
    std::vector<std::string> names;
    names.reserve(m_personalities.Slots.size());
    for (const TPersonality& p : m_personalities.Slots)
        names.push_back(p.Name);
    return names;
}

void TSounds::Comment(TCommentEvent event)
{
    if (!m_speechAvailable || !m_useAssistant || !m_useAssistant())
        return;
    const TCommentRow& row = CommentRow(event);
    if (m_selected < 0 || m_selected >= static_cast<int>(m_personalities.Slots.size()))
        return;
    const TPersonality& p = m_personalities.Slots[m_selected];
    const int h = p.HeaderOf(event);
    const int l = p.LastOf(event);
    if (l - h <= 0)
        return;
    const std::string& remark = m_personalities.Lines.at(h + 1 + m_random.Random(l - h));
    if (row.SpeakPercent + row.AnimatedPercent == 0)
        return;
    if (!m_assistant)
        return;
    const int x = m_random.Random(100);
    if (x < row.SpeakPercent) {
        m_assistant->AssistantSpeak(remark, false);
    } else if (x < row.SpeakPercent + row.AnimatedPercent) {
        int members = 0;
        for (int b = 0; b < 32; ++b)
            if (row.Animations & Bit(b))
                ++members;
        int k = m_random.Random(members);
        for (int b = 0; b < 32; ++b)
            if ((row.Animations & Bit(b)) && k-- == 0) {
                m_assistant->AnimateAndSpeak(remark, false, b);
                break;
            }
    } else {
        m_assistant->AssistantSpeak(remark, true);
    }
}

} // namespace sv
