#pragma once
// The assistant: an animated character standing at the edge of the main window that speaks
// the comment service's remarks and waves goodbye. Characters are files "<Name>.acs" in the
// program's "Characters" folder; without any installed character the assistant is not
// available and every operation does nothing.

#include <string>

namespace sv {

class TAssistant {
public:
    // Looks for the installed characters in charactersDir (a folder path ending in "/").
    explicit TAssistant(std::string charactersDir);
    virtual ~TAssistant() = default;

    TAssistant(const TAssistant&) = delete;
    TAssistant& operator=(const TAssistant&) = delete;

    virtual bool AssistantAvailable() const { return m_available; }
    bool CharacterInstalled(const std::string& name) const;
    // "G" Genie, "M" Merlin, "P" Peedy, "R" Robby; any other letter "???".
    static std::string CharacterNameOf(char letter);
    // The 20 animations the comment service picks from, by index 0..19 ("" outside).
    static const char* AnimationName(int index);

    bool Loaded() const { return m_loaded; }
    const std::string& CharacterName() const { return m_characterName; }

    // assistantChar is the current user's chosen character letter.
    virtual void ShowCharacter(char assistantChar);
    virtual void PlayAnimation(const std::string& name);
    virtual void AssistantSpeak(const std::string& text, bool balloonOnly);
    virtual void AnimateAndSpeak(const std::string& text, bool balloonOnly, int animation);
    virtual void SayGoodbye(const std::string& text, bool animated);
    void ChangeCharacter(char assistantChar);

protected:
    void LoadCharacter(const std::string& name);
    void UnloadCharacter();
    // Visibility of the loaded character; drawing the character is not part of this class.
    virtual bool CharacterVisible() const { return false; }

    std::string m_dir;
    bool m_available = false;
    bool m_loaded = false;
    std::string m_characterName;
};

} // namespace sv
