#pragma once
// Test doubles for the voice service: a scripted speech engine, a sound player that records,
// an assistant that records what it is asked to say and a random source with fixed draws.

#include "common/Random.h"
#include "voice/Assistant.h"
#include "voice/SpeechEngine.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace sv::test {

class TFakeSpeech : public ISpeechEngine {
public:
    bool CanActivate = true;
    bool IsActive = false;
    QString Mode = QStringLiteral("Default");
    std::vector<std::string> Spoken;
    int Resets = 0;

    bool Active() const override { return IsActive; }
    bool Activate() override { return IsActive = CanActivate; }
    void Deactivate() override { IsActive = false; }
    QString ModeName() const override { return Mode; }
    void SetModeName(const QString& mode) override { Mode = mode; }
    QStringList Voices() const override { return {QStringLiteral("Default")}; }
    void Speak(const std::string& text) override { Spoken.push_back(text); }
    void AudioReset() override { ++Resets; }
};

class TFakeSound : public ISoundPlayer {
public:
    std::vector<QString> Played;
    int Stops = 0;
    void Play(const QString& path) override { Played.push_back(path); }
    void Stop() override { ++Stops; }
};

struct TAssistantCall {
    std::string Text;
    bool BalloonOnly;
    int Animation; // -1: spoken without an animation
    bool operator==(const TAssistantCall&) const = default;
};

class TFakeAssistant : public TAssistant {
public:
    explicit TFakeAssistant(bool available) : TAssistant("/nonexistent/") { m_available = available; }
    std::vector<TAssistantCall> Calls;
    void AssistantSpeak(const std::string& text, bool balloonOnly) override
    {
        Calls.push_back({text, balloonOnly, -1});
    }
    void AnimateAndSpeak(const std::string& text, bool balloonOnly, int animation) override
    {
        Calls.push_back({text, balloonOnly, animation});
    }
};

// Returns the queued draws in order; a draw outside 0..bound-1 or a missing draw fails the test.
class TFixedRandom : public IRandom {
public:
    std::deque<int> Draws;
    std::vector<int> Bounds;
    int Random(int bound) override
    {
        Bounds.push_back(bound);
        if (Draws.empty()) {
            ADD_FAILURE() << "unexpected random draw below " << bound;
            return 0;
        }
        const int v = Draws.front();
        Draws.pop_front();
        EXPECT_TRUE(v >= 0 && v < bound) << v << " drawn below " << bound;
        return v;
    }
};

} // namespace sv::test
