#pragma once
// The session's ports on the real platform: QTimer timers and the sound and speech service.

#include "study/SessionPorts.h"

namespace sv {

class TSounds;

class TQtSessionTimers final : public ISessionTimers {
public:
    std::unique_ptr<ISessionTimer> MakeTimer(int intervalMs, std::function<void()> tick) override;
};

class TSoundsVoice final : public ISessionVoice {
public:
    explicit TSoundsVoice(TSounds& sounds) : m_sounds(sounds) { }
    bool SpeechAvailable() const override;
    void SpeakQuestion(const std::string& text) override;
    void StopSpeaking() override;
    bool IsSpeaking() const override;
    void PlayTimeUpSound() override;
    void Comment(TSessionComment event) override;

private:
    TSounds& m_sounds;
};

} // namespace sv
