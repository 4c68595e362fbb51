#include "study/gui/QtSessionPorts.h"

#include "shell/ErrorBoundary.h"
#include "voice/Sounds.h"

#include <QTimer>

namespace sv {

namespace {
class TQtTimer final : public ISessionTimer {
public:
    TQtTimer(int interval, std::function<void()> tick) : m_tick(std::move(tick))
    {
        m_timer.setInterval(interval);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            try {
                m_tick();
            } catch (const std::exception& e) {
                // Stopped first: a clock that kept failing would raise a box on every tick.
                m_timer.stop();
                ReportError(e);
            }
        });
    }
    void Start() override { m_timer.start(); }
    void Stop() override { m_timer.stop(); }
    bool IsActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::function<void()> m_tick;
};
} // namespace

std::unique_ptr<ISessionTimer> TQtSessionTimers::MakeTimer(int intervalMs, std::function<void()> tick)
{
    return std::make_unique<TQtTimer>(intervalMs, std::move(tick));
}

bool TSoundsVoice::SpeechAvailable() const { return m_sounds.SpeechAvailable(); }
void TSoundsVoice::SpeakQuestion(const std::string& text) { m_sounds.Speak(text, false, TSpeechKind::Question); }
void TSoundsVoice::StopSpeaking() { m_sounds.StopSpeaking(); }
bool TSoundsVoice::IsSpeaking() const { return m_sounds.IsSpeaking(); }
void TSoundsVoice::PlayTimeUpSound() { m_sounds.PlayTimeUpSound(); }
void TSoundsVoice::Comment(TSessionComment event) { m_sounds.Comment(static_cast<TCommentEvent>(event)); }

} // namespace sv
