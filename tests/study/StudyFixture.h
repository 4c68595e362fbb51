#pragma once
// A study set-up over the small content fixture: stores, user, working lists, a scripted
// message service, a fake voice and clock, and the context the study windows take.

#include "lists/AccToList.h"
#include "lists/MVList.h"
#include "lists/QsList.h"
#include "shell/Services.h"
#include "study/FakeSession.h"
#include "study/gui/StudyContext.h"
#include "support/ContentFixture.h"
#include "user/User.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace sv::test {

// Message boxes answered from a script; an unexpected box fails the test, and so does an
// answer left unused (checked by Finish).
class ScriptedMessages : public IMessageService {
public:
    struct Box {
        std::string kind; // "warning", "error", "confirm", "information", "message"
        std::string text;
    };
    std::vector<Box> shown;
    std::deque<bool> answers;

    void Warning(const QString& t) override { shown.push_back({"warning", t.toStdString()}); }
    void Error(const QString& t) override { shown.push_back({"error", t.toStdString()}); }
    void Information(const QString& t) override { shown.push_back({"information", t.toStdString()}); }
    void Message(const QString& t) override { shown.push_back({"message", t.toStdString()}); }
    bool Confirm(const QString& t) override
    {
        shown.push_back({"confirm", t.toStdString()});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << t.toStdString();
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string Last() const { return shown.empty() ? std::string() : shown.back().text; }
    ~ScriptedMessages() override { EXPECT_TRUE(answers.empty()) << "answers left unused"; }
};

struct StudyFixture {
    TLoadedContent content;
    TUser user;
    QueuedRandom random;
    TQsList qs{content.Questions, user, random};
    TMVList mvs{content.Books, user, random};
    TAccToList accTos{content.Books, content.Questions, user, random};
    ScriptedMessages messages;
    FakeVoice voice;
    FakeClock clock;
    int dialogOpen = 0;
    int commandsOn = 0;
    std::vector<QPointer<QWidget>> children; // windows handed to the main window
    std::vector<int> help;

    explicit StudyFixture(const TFixtureDesc& desc = SmallFixture())
    {
        content.Load(BuildFixture(desc));
        user.Reset(content.Questions.UsesSituation(), false);
        user.FullName.setText("Ann");
        user.FileName.setText("Ann");
    }
    ~StudyFixture()
    {
        for (auto& w : children)
            delete w.data();
    }

    TStudyContext Context()
    {
        TStudyContext c;
        c.User = &user;
        c.Books = &content.Books;
        c.Questions = &content.Questions;
        c.QsList = &qs;
        c.MVList = &mvs;
        c.AccToList = &accTos;
        c.Messages = &messages;
        c.Voice = &voice;
        c.Random = &random;
        c.Timers = &clock;
        c.DialogOpen = [this] { ++dialogOpen; };
        c.CommandsOn = [this] { ++commandsOn; };
        c.OpenChild = [this](QWidget* w, bool) {
            children.push_back(w);
            w->show();
        };
        c.ShowHelp = [this](int context) { help.push_back(context); };
        return c;
    }

    std::vector<std::uint8_t> UserBytes() const
    {
        TStreamWriter w;
        user.SaveToStream(w);
        return w.data();
    }
};

} // namespace sv::test
