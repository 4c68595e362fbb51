#pragma once
// TSounds: the one object through which the program makes noise. It plays the four wave
// files, speaks texts through the text-to-speech engine or the assistant, knows whether speech
// is available, keeps the assistant's personalities and turns study events into remarks.

#include "common/Random.h"
#include "voice/Personality.h"
#include "voice/SpeechEngine.h"
#include "voice/SpeechKind.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

namespace sv {

class TAssistant;

struct TCommentRow {
    int SpeakPercent;
    std::uint32_t Animations; // bit n = animation n of the assistant
    int AnimatedPercent;
};

// When the speech engine is first made active: at once, or when the program calls
// StartEngine (the main window does so after its first paint, so that it is seen sooner).
enum class TEngineStart { Now, Later };

class TSounds {
public:
    // soundDir ends in "/"; the engine and the player are not owned. The personalities are
    // read from personalityPath; random draws the remarks of Comment. The service takes the
    // engine's "text done" notification (OnTextDone) for its speech queue.
    TSounds(std::string soundDir, ISpeechEngine* engine, ISoundPlayer* player, const std::string& personalityPath,
            IRandom& random, TEngineStart start = TEngineStart::Now);
    ~TSounds();
    TSounds(const TSounds&) = delete;
    TSounds& operator=(const TSounds&) = delete;

    // Makes the engine active when it is not yet (a failure leaves speech unavailable) and
    // reports the outcome through OnEngineStarted. Calling it again does nothing.
    void StartEngine();
    bool EngineStarted() const { return m_engineStarted; }
    std::function<void(bool speechAvailable)> OnEngineStarted;

    // The assistant is created after this object; until it is set there is none.
    void SetAssistant(TAssistant* assistant) { m_assistant = assistant; }
    // The current user's "use the assistant" option, read by Comment.
    void SetUseAssistantQuery(std::function<bool()> query) { m_useAssistant = std::move(query); }

    void StopSound();
    void PlayStartupSound();
    void PlayGameSound();
    void PlayWagerSound();
    void PlayTimeUpSound();

    bool SpeechAvailable() const { return m_speechAvailable; }
    // Text-to-speech goes through one queue for the whole program: a text handed over while
    // another is spoken waits for it to finish, so no window cuts off another's speech.
    void Speak(const std::string& text, bool balloonOnly, TSpeechKind speechKind);
    // Hands text to the engine through the queue as it is (no replacements): the assistant's
    // spoken remarks and the settings' test sentence. False when no speech engine can speak
    // it, so that the text is not heard.
    bool SpeakAloud(const std::string& text);
    // Stops the text being spoken and drops the waiting ones.
    void StopSpeaking();
    // True from Speak until the last queued text is done.
    bool IsSpeaking() const { return m_speaking; }
    void SetSpeaking(bool speaking) { m_speaking = speaking; }
    // The engine finished (or gave up on) a text: the next waiting one is spoken.
    void TextDone();
    // Texts waiting behind the one being spoken.
    std::size_t QueuedTexts() const { return m_queue.size(); }
    void SetVoice(const std::string& modeName);

    void SelectPersonality(const std::string& name);
    int SelectedPersonality() const { return m_selected; }
    int PersonalityCount() const { return m_personalities.Count; }
    std::vector<std::string> PersonalityNames() const;
    const TPersonalities& Personalities() const { return m_personalities; }

    void Comment(TCommentEvent event);
    static const TCommentRow& CommentRow(TCommentEvent event);

    // The text handed to the engine for a text-to-speech kind.
    static std::string SpokenText(std::string text);

private:
    void PlayWave(const char* name);
    bool AssistantAvailable() const;

    std::string m_soundDir;
    ISpeechEngine* m_engine;
    ISoundPlayer* m_player;
    TAssistant* m_assistant = nullptr;
    IRandom& m_random;
    std::function<bool()> m_useAssistant;
    bool m_speechAvailable = false;
    bool m_speaking = false;
    bool m_engineStarted = false;
    std::deque<std::string> m_queue; // spoken texts waiting for the engine
    TPersonalities m_personalities;
    int m_selected = 0;
};

} // namespace sv
