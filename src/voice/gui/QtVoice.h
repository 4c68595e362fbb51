#pragma once
// The platform engines behind TSounds: text-to-speech through Qt TextToSpeech with the flite
// engine (constructed explicitly: the default engine blocks for seconds and never reports an
// end without a sound device) and wave playback through QSoundEffect (it needs no media
// framework: a QMediaPlayer would start GStreamer, about 14 MiB and 0.1 s, for the jingle that
// plays at start-up).

#include "voice/SpeechEngine.h"

#include <QObject>

class QTextToSpeech;
class QSoundEffect;

namespace sv {

class TFliteSpeechEngine final : public QObject, public ISpeechEngine {
    Q_OBJECT
public:
    explicit TFliteSpeechEngine(QObject* parent = nullptr);
    ~TFliteSpeechEngine() override;

    bool Active() const override { return m_active; }
    bool Activate() override;
    void Deactivate() override;
    QString ModeName() const override { return m_modeName; }
    void SetModeName(const QString& mode) override { m_modeName = mode; }
    QStringList Voices() const override;
    void Speak(const std::string& text) override;
    void AudioReset() override;
    // The name of the voice the engine speaks with ("" before the engine was first activated).
    QString CurrentVoice() const;

private:
    // The Qt engine, created on first use (a text to speak, the list of voices); null when
    // flite is not installed or cannot start.
    QTextToSpeech* Engine() const;
    void StateChanged(int state);
    void ApplyVoice();

    mutable QTextToSpeech* m_tts = nullptr;
    QString m_modeName = QStringLiteral("Default");
    mutable QString m_defaultVoice; // the engine's own voice when it was created
    bool m_active = false;
    bool m_busy = false;
};

class TMediaSoundPlayer final : public QObject, public ISoundPlayer {
    Q_OBJECT
public:
    explicit TMediaSoundPlayer(QObject* parent = nullptr);
    ~TMediaSoundPlayer() override;
    void Play(const QString& path) override;
    void Stop() override;

private:
    QSoundEffect* m_effect = nullptr; // created on the first sound
};

} // namespace sv
