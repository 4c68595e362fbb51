#pragma once
// The assistant: an animated character standing at the edge of the main window that speaks
// the comment service's remarks and waves goodbye. Characters are the program's own, one
// folder each in the program's "Characters" folder (TCharacterFile); without any installed
// character the assistant is not available and every operation does nothing. The character
// is shown on a stage (ICharacterStage), a window of its own.

#include <QRect>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace sv {

class ICharacterStage;

class TAssistant {
public:
    // Looks for the installed characters in charactersDir (a folder path ending in "/").
    // stage shows the character (none: nothing is ever visible); mainWindowRect gives the
    // main window's outer rectangle in screen coordinates.
    explicit TAssistant(std::string charactersDir, ICharacterStage* stage = nullptr,
                        std::function<QRect()> mainWindowRect = {});
    virtual ~TAssistant();

    TAssistant(const TAssistant&) = delete;
    TAssistant& operator=(const TAssistant&) = delete;

    virtual bool AssistantAvailable() const { return m_available; }
    // The character's file is there and passes its checks.
    bool CharacterInstalled(const std::string& name) const;
    // "G" Genie, "M" Merlin, "P" Peedy, "R" Robby; any other letter "???".
    static std::string CharacterNameOf(char letter);
    // The 20 animations the comment service picks from, by index 0..19 ("" outside).
    static const char* AnimationName(int index);
    // The installed characters in the order Peedy, Merlin, Genie, Robby.
    std::vector<std::string> InstalledCharacters() const;

    // The text handed to the character: spoken aloud with an empty balloon, or shown in the
    // balloon without being spoken.
    static std::string MapTagged(const std::string& text, bool balloonOnly);
    // The spoken and the balloon part of a text made by MapTagged (a text without the tag is
    // spoken and shown alike).
    static std::pair<std::string, std::string> SplitMapTag(const std::string& tagged);

    bool Loaded() const { return m_loaded; }
    const std::string& CharacterName() const { return m_characterName; }

    // assistantChar is the current user's chosen character letter.
    virtual void ShowCharacter(char assistantChar);
    virtual void PlayAnimation(const std::string& name);
    virtual void AssistantSpeak(const std::string& text, bool balloonOnly);
    virtual void AnimateAndSpeak(const std::string& text, bool balloonOnly, int animation);
    // Waves (animated) and says text, then hides; once the character has gone it is unloaded
    // and gone (if given) is called. Returns at once: the goodbye plays on in the program's
    // event loop. A ShowCharacter meanwhile ends the goodbye, and gone is then not called.
    virtual void SayGoodbye(const std::string& text, bool animated, std::function<void()> gone = {});
    // Says goodbye, then shows the character of the letter.
    void ChangeCharacter(char assistantChar);
    // The main window moved or changed size: the visible character goes along.
    void FollowMainWindow();

protected:
    void LoadCharacter(const std::string& name);
    void UnloadCharacter();
    // Visibility of the loaded character on its stage.
    virtual bool CharacterVisible() const;

    std::string m_dir;
    ICharacterStage* m_stage;
    std::function<QRect()> m_mainWindowRect;
    bool m_available = false;
    bool m_loaded = false;
    std::string m_characterName;

private:
    void Place();
};

} // namespace sv
