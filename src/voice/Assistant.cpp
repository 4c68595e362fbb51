#include "voice/Assistant.h"

#include <filesystem>
#include <system_error>

namespace sv {

namespace {
const char* const kAnimations[20] = {
    "Acknowledge", "Alert", "Announce", "Confused", "Congratulate", "DontRecognize", "Explain",
    "GetAttention", "Greet", "DoMagic1", "Process", "Read", "Sad", "Search", "Suggest",
    "Surprised", "Think", "Uncertain", "Wave", "Write",
};
const char* const kSearchOrder[4] = {"Peedy", "Merlin", "Genie", "Robby"};
} // namespace

TAssistant::TAssistant(std::string charactersDir) : m_dir(std::move(charactersDir))
{
    m_available = CharacterInstalled("Peedy") || CharacterInstalled("Merlin")
        || CharacterInstalled("Robby") || CharacterInstalled("Genie");
}

bool TAssistant::CharacterInstalled(const std::string& name) const
{
    std::error_code ec;
    return std::filesystem::is_regular_file(m_dir + name + ".acs", ec);
}

std::string TAssistant::CharacterNameOf(char letter)
{
    switch (letter) {
    case 'G': return "Genie";
    case 'M': return "Merlin";
    case 'P': return "Peedy";
    case 'R': return "Robby";
    default: return "???";
    }
}

const char* TAssistant::AnimationName(int index)
{
    return index >= 0 && index < 20 ? kAnimations[index] : "";
}

void TAssistant::LoadCharacter(const std::string& name)
{
    m_characterName = name;
    m_loaded = true;
}

void TAssistant::UnloadCharacter()
{
    m_characterName.clear();
    m_loaded = false;
}

void TAssistant::ShowCharacter(char assistantChar)
{
    if (!m_available)
        return;
    std::string name = CharacterNameOf(assistantChar);
    if (!CharacterInstalled(name)) {
        for (const char* candidate : kSearchOrder)
            if (CharacterInstalled(candidate)) {
                name = candidate;
                break;
            }
    }
    LoadCharacter(name);
}

void TAssistant::PlayAnimation(const std::string&)
{
    // Needs a visible character.
}

void TAssistant::AssistantSpeak(const std::string&, bool)
{
    // Remarks reach only a loaded, visible character; others are dropped.
}

void TAssistant::AnimateAndSpeak(const std::string& text, bool balloonOnly, int animation)
{
    if (!m_available || !CharacterVisible())
        return;
    PlayAnimation(AnimationName(animation));
    AssistantSpeak(text, balloonOnly);
}

void TAssistant::SayGoodbye(const std::string& text, bool animated)
{
    if (!m_loaded)
        return;
    if (CharacterVisible()) {
        if (animated)
            AnimateAndSpeak(text, false, 18);
        else
            AssistantSpeak(text, false);
    }
    UnloadCharacter();
}

void TAssistant::ChangeCharacter(char assistantChar)
{
    SayGoodbye("See you later.", true);
    ShowCharacter(assistantChar);
}

} // namespace sv
