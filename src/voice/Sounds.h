#pragma once
// TSounds: the one object through which the program makes noise. It plays the four wave
// files, speaks texts through the text-to-speech engine or the assistant, knows whether speech
// is available, keeps the assistant's personalities and turns study events into remarks.

#include "common/Random.h"
#include "voice/Personality.h"
#include "voice/SpeechEngine.h"

#include <cstdint>
#include <functional>
#include <string>

namespace sv {

class TAssistant;

// Speech kinds of Speak: 0 and 2 the assistant only, 1 and 3 text-to-speech only, 4 the
// assistant when there is one, else text-to-speech.
enum TSpeechKind : int { skGreeting = 0, skQuestion = 1, skAssistant = 2, skWord = 3, skEither = 4 };

struct TCommentRow {
    int SpeakPercent;
    std::uint32_t Animations;   // bit n = animation n of the assistant
    int AnimatedPercent;
};

class TSounds {
public:
    // soundDir ends in "/"; the engine and the player are not owned. The personalities are
    // read from personalityPath; random draws the remarks of Comment.
    TSounds(std::string soundDir, ISpeechEngine* engine, ISoundPlayer* player,
            const std::string& personalityPath, IRandom& random);

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
    void Speak(const std::string& text, bool balloonOnly, int speechKind);
    void StopSpeaking();
    bool IsSpeaking() const { return m_speaking; }
    void SetSpeaking(bool speaking) { m_speaking = speaking; }
    void SetVoice(const std::string& modeName);

    void SelectPersonality(const std::string& name);
    int SelectedPersonality() const { return m_selected; }
    int PersonalityCount() const { return m_personalities.Count; }
    std::vector<std::string> PersonalityNames() const;
    const TPersonalities& Personalities() const { return m_personalities; }

    void Comment(int event);
    static const TCommentRow& CommentRow(int event);

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
    TPersonalities m_personalities;
    int m_selected = 0;
};

} // namespace sv
