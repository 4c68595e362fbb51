#pragma once
// The message service of the window tests: every message kept in order, confirmations
// answered from a queue. A confirmation without a queued answer fails the test, and so does an
// answer left unused (checked by Verify() and when the service goes).

#include "shell/Services.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace sv::test {

class TScriptedMessages : public IMessageService {
public:
    struct TShown {
        std::string Kind; // "warning", "error", "confirm", "information", "message"
        std::string Text;
        bool operator==(const TShown&) const = default;
    };
    std::deque<bool> Answers;
    std::vector<TShown> Shown;
    // Runs when a confirmation is asked, before it is answered (to look at the windows
    // while the question is open).
    std::function<void()> BeforeAnswer;

    ~TScriptedMessages() override
    {
        EXPECT_TRUE(Answers.empty()) << Answers.size() << " scripted answer(s) left unused";
    }

    void Warning(const QString& text) override { Shown.push_back({"warning", text.toStdString()}); }
    void Error(const QString& text) override { Shown.push_back({"error", text.toStdString()}); }
    void Information(const QString& text) override { Shown.push_back({"information", text.toStdString()}); }
    void Message(const QString& text) override { Shown.push_back({"message", text.toStdString()}); }
    bool Confirm(const QString& text) override
    {
        Shown.push_back({"confirm", text.toStdString()});
        if (BeforeAnswer)
            BeforeAnswer();
        if (Answers.empty()) {
            ADD_FAILURE() << "unanswered confirmation: " << text.toStdString();
            return false;
        }
        const bool a = Answers.front();
        Answers.pop_front();
        return a;
    }
    void Verify()
    {
        EXPECT_TRUE(Answers.empty()) << Answers.size() << " scripted answer(s) left unused";
        Answers.clear();
    }
    // The text of the last message ("" before the first).
    std::string Last() const { return Shown.empty() ? std::string() : Shown.back().Text; }
    // The messages shown, in order, each as its kind's initial and its text ("W:Please enter
    // your name.").
    std::vector<std::string> Log() const
    {
        std::vector<std::string> log;
        for (const TShown& s : Shown)
            log.push_back(std::string(1, static_cast<char>(s.Kind[0] - 'a' + 'A')) + ":" + s.Text);
        return log;
    }
};

} // namespace sv::test
