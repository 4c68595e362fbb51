#pragma once
// ICharacterStage: what the assistant needs of the window that shows its character. The
// desktop's stage is TCharacterWindow; tests put a recording fake in its place. Animations
// and pauses are queued: each starts when the previous one has ended, and nothing blocks the
// caller (no call runs an event loop of its own).

#include <functional>
#include <string>

namespace sv {

class TCharacterFile;

class ICharacterStage {
public:
    virtual ~ICharacterStage() = default;

    // Prepares the character's frames; false (nothing shown) when its drawing cannot be used.
    virtual bool Load(const TCharacterFile& character) = 0;
    virtual void Unload() = 0;
    // The stage's outer size in pixels (character and speech balloon).
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // True from Show until the Hide animation has ended.
    virtual bool Visible() const = 0;
    // Places the stage's top left corner (screen coordinates).
    virtual void MoveTo(int x, int y) = 0;
    // Appears and plays "Show".
    virtual void Show() = 0;
    // Plays "Hide" after what is queued, then disappears.
    virtual void Hide() = 0;
    virtual void Play(const std::string& animation) = 0;
    virtual void Pause(int ms) = 0;
    // spoken goes to the program's speech queue; balloon (when not empty) is shown in the
    // speech balloon for a while.
    virtual void Speak(const std::string& spoken, const std::string& balloon) = 0;
    // Calls gone once the stage is no longer visible: at once when it is not, else when the
    // Hide animation has ended, or after a few seconds at most (the stage then disappears at
    // once). Returns without waiting. A later Load, Unload, Show or WhenHidden drops the call.
    virtual void WhenHidden(std::function<void()> gone) = 0;
};

} // namespace sv
