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
#include "support/gui/ScriptedAnnouncer.h"
#include "support/gui/ScriptedMessages.h"
#include "user/User.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace sv::test {

struct StudyFixture {
    TLoadedContent content;
    TUser user;
    QueuedRandom random;
    TQsList qs{content.Questions, user, random};
    TMVList mvs{content.Books, user, random};
    TAccToList accTos{content.Books, content.Questions, user, random};
    TScriptedMessages messages;
    TScriptedAnnouncer announcer;
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
        c.Announcer = &announcer;
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
