#include "voice/Assistant.h"

#include "voice/CharacterFile.h"
#include "voice/CharacterStage.h"

#include <exception>

namespace sv {

namespace {
const char* const kAnimations[20] = {
    "Acknowledge",  "Alert",     "Announce", "Confused",  "Congratulate", "DontRecognize", "Explain",
    "GetAttention", "Greet",     "DoMagic1", "Process",   "Read",         "Sad",           "Search",
    "Suggest",      "Surprised", "Think",    "Uncertain", "Wave",         "Write",
};
const char* const kSearchOrder[4] = {"Peedy", "Merlin", "Genie", "Robby"};
const std::string kMapOpen = "\\map=\"";
const std::string kMapMiddle = "\"=\"";
const std::string kMapClose = "\"\\";
} // namespace

TAssistant::TAssistant(std::string charactersDir, ICharacterStage* stage, std::function<QRect()> mainWindowRect)
    : m_dir(std::move(charactersDir)), m_stage(stage), m_mainWindowRect(std::move(mainWindowRect))
{
    m_available = CharacterInstalled("Peedy") || CharacterInstalled("Merlin") || CharacterInstalled("Robby")
                  || CharacterInstalled("Genie");
}

TAssistant::~TAssistant()
{
    if (m_loaded && m_stage)
        m_stage->Unload();
}

bool TAssistant::CharacterInstalled(const std::string& name) const
{
    try {
        TCharacterFile::Load(TCharacterFile::PathFor(m_dir, name));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::vector<std::string> TAssistant::InstalledCharacters() const
{
    std::vector<std::string> names;
    for (const char* name : kSearchOrder)
        if (CharacterInstalled(name))
            names.emplace_back(name);
    return names;
}

std::string TAssistant::CharacterNameOf(char letter)
{
    switch (letter) {
    case 'G':
        return "Genie";
    case 'M':
        return "Merlin";
    case 'P':
        return "Peedy";
    case 'R':
        return "Robby";
    default:
        return "???";
    }
}

const char* TAssistant::AnimationName(int index) { return index >= 0 && index < 20 ? kAnimations[index] : ""; }

std::string TAssistant::MapTagged(const std::string& text, bool balloonOnly)
{
    return balloonOnly ? kMapOpen + kMapMiddle + text + kMapClose : kMapOpen + text + kMapMiddle + kMapClose;
}

std::pair<std::string, std::string> TAssistant::SplitMapTag(const std::string& tagged)
{
    const bool tagged_ = tagged.size() >= kMapOpen.size() + kMapMiddle.size() + kMapClose.size()
                         && tagged.compare(0, kMapOpen.size(), kMapOpen) == 0
                         && tagged.compare(tagged.size() - kMapClose.size(), kMapClose.size(), kMapClose) == 0;
    if (!tagged_)
        return {tagged, tagged};
    const std::string inner = tagged.substr(kMapOpen.size(), tagged.size() - kMapOpen.size() - kMapClose.size());
    const std::size_t middle = inner.find(kMapMiddle);
    if (middle == std::string::npos)
        return {tagged, tagged};
    return {inner.substr(0, middle), inner.substr(middle + kMapMiddle.size())};
}

bool TAssistant::CharacterVisible() const { return m_loaded && m_stage && m_stage->Visible(); }

void TAssistant::LoadCharacter(const std::string& name)
{
    m_characterName = name;
    m_loaded = true;
    if (!m_stage)
        return;
    try {
        if (m_stage->Load(TCharacterFile::Load(TCharacterFile::PathFor(m_dir, name))))
            return;
    } catch (const std::exception&) { }
    // A character whose files cannot be used is not shown.
    m_characterName.clear();
    m_loaded = false;
}

void TAssistant::UnloadCharacter()
{
    if (m_stage)
        m_stage->Unload();
    m_characterName.clear();
    m_loaded = false;
}

void TAssistant::ShowCharacter(char assistantChar)
{
    if (!m_available)
        return;
    if (m_loaded)
        UnloadCharacter();
    std::string name = CharacterNameOf(assistantChar);
    if (!CharacterInstalled(name)) {
        for (const char* candidate : kSearchOrder)
            if (CharacterInstalled(candidate)) {
                name = candidate;
                break;
            }
    }
    LoadCharacter(name);
    if (!m_loaded || !m_stage)
        return;
    Place();
    m_stage->Show();
}

void TAssistant::Place()
{
    if (!m_mainWindowRect)
        return;
    // Right-aligned with the main window, standing on its top edge (10 pixels over it), or
    // inside its bottom edge when there is no room above.
    const QRect r = m_mainWindowRect();
    const int x = r.left() + r.width() - m_stage->Width();
    int y = r.top() + 10 - m_stage->Height();
    if (y < 0)
        y = r.top() + r.height() - m_stage->Height() + 4;
    m_stage->MoveTo(x, y);
}

void TAssistant::FollowMainWindow()
{
    if (CharacterVisible())
        Place();
}

void TAssistant::PlayAnimation(const std::string& name)
{
    if (!m_available || !CharacterVisible())
        return;
    m_stage->Play(name);
    if (name == "DoMagic1")
        m_stage->Play("DoMagic2");
    m_stage->Pause(500);
    m_stage->Play("RestPose");
}

void TAssistant::AssistantSpeak(const std::string& text, bool balloonOnly)
{
    // Remarks reach only a loaded, visible character; others are dropped.
    if (!m_available || !CharacterVisible())
        return;
    const auto [spoken, balloon] = SplitMapTag(MapTagged(text, balloonOnly));
    m_stage->Speak(spoken, balloon);
}

void TAssistant::AnimateAndSpeak(const std::string& text, bool balloonOnly, int animation)
{
    if (!m_available || !CharacterVisible())
        return;
    PlayAnimation(AnimationName(animation));
    AssistantSpeak(text, balloonOnly);
}

void TAssistant::SayGoodbye(const std::string& text, bool animated, std::function<void()> gone)
{
    if (!m_loaded) {
        if (gone)
            gone();
        return;
    }
    auto leave = [this, gone = std::move(gone)] {
        UnloadCharacter();
        if (gone)
            gone();
    };
    if (!CharacterVisible()) {
        leave();
        return;
    }
    if (animated)
        AnimateAndSpeak(text, false, 18);
    else
        AssistantSpeak(text, false);
    m_stage->Hide();
    // No waiting here: whoever called goes on, and the character leaves when its Hide ends.
    m_stage->WhenHidden(std::move(leave));
}

void TAssistant::ChangeCharacter(char assistantChar)
{
    if (!m_loaded) {
        ShowCharacter(assistantChar);
        return;
    }
    SayGoodbye("See you later.", true, [this, assistantChar] { ShowCharacter(assistantChar); });
}

} // namespace sv
