#pragma once
// Fakes for driving the study session's logic: a clock that fires the session's timers as
// time is advanced by hand, a scripted list of items, a recording voice and host.

#include "common/Random.h"
#include "study/AskerLogic.h"

#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace sv::test {

class FakeClock : public ISessionTimers {
public:
    struct Timer : ISessionTimer {
        FakeClock* clock = nullptr;
        int interval = 0;
        std::function<void()> tick;
        bool active = false;
        long long due = 0;
        void Start() override
        {
            active = true;
            due = clock->now + interval;
        }
        void Stop() override { active = false; }
        bool IsActive() const override { return active; }
    };

    std::unique_ptr<ISessionTimer> MakeTimer(int intervalMs, std::function<void()> tick) override
    {
        auto t = std::make_unique<Timer>();
        t->clock = this;
        t->interval = intervalMs;
        t->tick = std::move(tick);
        timers[intervalMs] = t.get();
        return t;
    }

    // Advances the clock by ms, firing every active timer whose time comes, in time order.
    void Advance(long long ms)
    {
        const long long end = now + ms;
        for (;;) {
            Timer* next = nullptr;
            for (auto& [iv, t] : timers)
                if (t->active && t->due <= end && (!next || t->due < next->due))
                    next = t;
            if (!next)
                break;
            now = next->due;
            next->due = now + next->interval;
            next->tick();
        }
        now = end;
    }

    Timer* ByInterval(int ms) { return timers.at(ms); }

    long long now = 0;
    std::map<int, Timer*> timers;
};

// A list of items with plain texts; grading is recorded.
class FakeItems : public ISessionItems {
public:
    struct Item {
        std::string question;
        std::string answer;
        int stopPos = 0; // 0: the whole question
    };
    std::vector<Item> items;
    std::vector<int> state; // 0 open, 1 right, 2 wrong
    int current = -1;
    std::vector<std::string> log;
    int relatedCount = 0;
    int relatedPos = 0;

    explicit FakeItems(std::vector<Item> list = {}) : items(std::move(list)), state(items.size(), 0) { }

    int TotalCount() const override { return static_cast<int>(items.size()); }
    void LoadNext(bool, TMarkedText& q, TMarkedText& a) override
    {
        // In order, skipping items answered right.
        const int n = TotalCount();
        for (int k = 0; k < n; ++k) {
            current = (current + 1) % n;
            if (state[current] != 1)
                break;
        }
        q.Append(items[current].question);
        q.StopPos = items[current].stopPos ? static_cast<std::int16_t>(items[current].stopPos) : q.Len;
        a.Append(items[current].answer);
        a.StopPos = a.Len;
        relatedPos = 0;
        log.push_back("load " + std::to_string(current));
    }
    void MarkRight() override
    {
        state[current] = 1;
        log.push_back("right " + std::to_string(current));
    }
    void MarkWrong() override
    {
        state[current] = 2;
        log.push_back("wrong " + std::to_string(current));
    }
    bool UndoMark() override
    {
        if (current < 0 || state[current] == 0)
            return false;
        state[current] = 0;
        log.push_back("undo " + std::to_string(current));
        return true;
    }
    int RelatedCount() const override { return relatedCount; }
    int RelatedPos() const override { return relatedPos; }
    void NextRelated(TMarkedText& q) override
    {
        if (relatedPos < relatedCount)
            ++relatedPos;
        q = TMarkedText();
        q.Append("related " + std::to_string(relatedPos));
        q.RevealPos = q.Len;
    }
    void PrevRelated(TMarkedText& q) override
    {
        if (relatedPos > 1)
            --relatedPos;
        q = TMarkedText();
        q.Append("related " + std::to_string(relatedPos));
        q.RevealPos = q.Len;
    }
};

class FakeVoice : public ISessionVoice {
public:
    bool available = true;
    bool speaking = false;
    std::vector<std::string> spoken;
    std::vector<TSessionComment> comments;
    int timeUps = 0;
    int stops = 0;
    std::string failComments; // when set, every comment fails with this text
    bool SpeechAvailable() const override { return available; }
    void SpeakQuestion(const std::string& text) override
    {
        spoken.push_back(text);
        speaking = true;
    }
    void StopSpeaking() override
    {
        ++stops;
        speaking = false;
    }
    bool IsSpeaking() const override { return speaking; }
    void PlayTimeUpSound() override { ++timeUps; }
    void Comment(TSessionComment e) override
    {
        if (!failComments.empty())
            throw std::runtime_error(failComments);
        comments.push_back(e);
    }
};

class FakeHost : public ISessionHost {
public:
    int changes = 0;
    int minimised = 0;
    std::vector<bool> activeLip;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers; // queued answers for Confirm
    std::vector<std::string> game;
    void ViewChanged() override { ++changes; }
    void MinimiseWordStudy() override { ++minimised; }
    void SetActiveLip(bool a) override { activeLip.push_back(a); }
    void ShowMessage(const std::string& t) override { messages.push_back(t); }
    bool Confirm(const std::string& t) override
    {
        questions.push_back(t);
        if (answers.empty())
            throw std::logic_error("unexpected question: " + t);
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void GameRight() override { game.push_back("right"); }
    void GameWrong() override { game.push_back("wrong"); }
    void MinimiseSelf() override { game.push_back("minimise"); }
};

// A random source that returns queued values (0 when empty).
class QueuedRandom : public IRandom {
public:
    std::deque<int> values;
    int Random(int bound) override
    {
        if (values.empty())
            return 0;
        const int v = values.front();
        values.pop_front();
        return bound > 0 ? v % bound : 0;
    }
};

} // namespace sv::test
