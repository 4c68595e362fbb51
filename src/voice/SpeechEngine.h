#pragma once
// The platform side of sound and speech, kept behind two small interfaces so that the
// service above them (TSounds) runs the same with the real engines and with test fakes.

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

namespace sv {

// A text-to-speech engine: inactive until activated; voices are selected by mode name,
// "Default" being the engine's own default voice.
class ISpeechEngine {
public:
    virtual ~ISpeechEngine() = default;

    virtual bool Active() const = 0;
    // Tries to make the engine active; returns the resulting Active().
    virtual bool Activate() = 0;
    virtual void Deactivate() = 0;

    virtual QString ModeName() const = 0;
    virtual void SetModeName(const QString& mode) = 0;
    virtual QStringList Voices() const = 0;

    // Speaks a Windows-1252 text asynchronously; the end is reported through OnTextDone.
    virtual void Speak(const std::string& text) = 0;
    // Stops the output at once.
    virtual void AudioReset() = 0;

    // Called (on the user-interface thread) when a text handed to Speak has finished or failed.
    std::function<void()> OnTextDone;
};

// Plays wave files asynchronously; a new sound cuts off the playing one; a missing file is
// silent.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void Play(const QString& path) = 0;
    virtual void Stop() = 0;
};

} // namespace sv
