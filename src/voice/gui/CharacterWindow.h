#pragma once
// TCharacterWindow: the desktop's stage for the assistant. A frameless, translucent window
// (owned by the main window, letting clicks through) that shows the character's frames,
// rendered once from its drawing when the character is loaded, and a speech balloon to the
// character's left. Animations run on a single-shot timer, one frame at a time, and stop at
// the rest frame: a character standing still costs nothing.

#include "voice/CharacterFile.h"
#include "voice/CharacterStage.h"

#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QTimer;

namespace sv {

class TCharacterWindow final : public QWidget, public ICharacterStage {
public:
    // Room for the balloon, left of the character.
    static constexpr int BalloonWidth = 210;

    // owner keeps the window above it; speakAloud hands a spoken text to the speech queue and
    // says whether it will be heard: a remark that cannot be heard is shown in the balloon.
    TCharacterWindow(QWidget* owner, std::function<bool(const std::string&)> speakAloud);
    ~TCharacterWindow() override;

    bool Load(const TCharacterFile& character) override;
    void Unload() override;
    int Width() const override { return width(); }
    int Height() const override { return height(); }
    bool Visible() const override { return m_shown; }
    void MoveTo(int x, int y) override { move(x, y); }
    void Show() override;
    void Hide() override;
    void Play(const std::string& animation) override;
    void Pause(int ms) override;
    void Speak(const std::string& spoken, const std::string& balloon) override;
    void WhenHidden(std::function<void()> gone) override;

    // For tests and screenshots: what is queued or playing, the balloon text, the timer.
    bool Animating() const;
    const QString& BalloonText() const { return m_balloon; }
    const std::string& CurrentAnimation() const { return m_playing; }
    // The frame shown now, as drawn (without the balloon); every frame of the character.
    QPixmap CurrentFrame() const;
    const std::vector<QPixmap>& FramePictures() const { return m_frames; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct TStep {
        std::string Animation; // empty: a pause
        int PauseMs = 0;
    };
    void Next();
    void StartStep(const TStep& step);
    void Tick();
    // Calls the pending WhenHidden call, if any (once).
    void ReportHidden();
    QRect BalloonBox() const;
    void UpdateShape();

    std::function<bool(const std::string&)> m_speakAloud;
    std::optional<TCharacterFile> m_character;
    std::vector<QPixmap> m_frames;
    int m_rest = 0; // frame shown at rest
    int m_current = 0;
    std::deque<TStep> m_queue;
    std::string m_playing; // animation being played ("" when still)
    std::vector<int> m_playFrames;
    std::size_t m_playPos = 0;
    bool m_shown = false;
    bool m_hideWhenDone = false;
    QString m_balloon;
    QRegion m_shape; // every frame's opaque pixels, in window coordinates
    QTimer* m_frameTimer;
    QTimer* m_balloonTimer;
    std::function<void()> m_whenHidden;
    QTimer* m_hideLimit; // how long a Hide may take before the stage just disappears
};

} // namespace sv
