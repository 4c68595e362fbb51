// What a quizzer hears of a session, driven through the real session logic with a fake clock:
// the question (as far as it is shown), ten seconds left, the time up, the answer, the grade
// with the score, a grade taken back and the end of the session.

#include "study/AskerLogic.h"
#include "study/FakeSession.h"
#include "study/SessionAnnouncements.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

struct Heard {
    FakeClock clock;
    FakeItems items;
    FakeVoice voice;
    FakeHost host;
    QueuedRandom random;
    std::uint8_t useLips = 0;
    std::unique_ptr<TAskerLogic> logic;
    TSessionAnnouncements announcements;

    Heard(TSessionSettings s, std::vector<FakeItems::Item> list) : items(std::move(list))
    {
        logic = std::make_unique<TAskerLogic>(s, items, voice, host, clock, random, useLips, "Ann");
        Look();
    }
    // What the window would announce after its next change.
    std::vector<std::string> Look() { return announcements.Next(TSessionLook::Of(*logic)); }
    std::vector<std::string> After(long long ms)
    {
        clock.Advance(ms);
        return Look();
    }
    std::vector<std::string> Click(void (TAskerLogic::*action)())
    {
        ((*logic).*action)();
        return Look();
    }
};

using Texts = std::vector<std::string>;

TSessionSettings Timed(bool prejump = false)
{
    TSessionSettings s;
    s.Timed = true;
    s.Prejump = prejump;
    return s;
}

} // namespace

TEST(SessionAnnouncements, TimedSessionFromFirstQuestionToTheEnd)
{
    Heard h(Timed(), {{"Who went?", "Paul"}, {"Who stayed?", "Silas"}});
    EXPECT_EQ(h.Look(), Texts{}) << "nothing before Start";
    EXPECT_EQ(h.Click(&TAskerLogic::StartStopClick), Texts{"Question: Who went?"});
    EXPECT_EQ(h.After(19'000), Texts{}) << "11 seconds left";
    EXPECT_EQ(h.After(1'000), Texts{"10 seconds left."});
    EXPECT_EQ(h.After(9'000), Texts{}) << "a second left";
    // The time runs out: the answer is shown and the item counts as missed.
    EXPECT_EQ(h.After(1'000), (Texts{"Time is up.", "Answer: Paul", "Counted as missed. 0 right, 1 missed of 2."}));

    EXPECT_EQ(h.Click(&TAskerLogic::StartStopClick), Texts{}) << "Clear loads the next item, not yet shown";
    EXPECT_EQ(h.Click(&TAskerLogic::StartStopClick), Texts{"Question: Who stayed?"});
    h.clock.Advance(DelayInterval); // Answer comes ready
    h.Look();
    EXPECT_EQ(h.Click(&TAskerLogic::StartStopClick), Texts{"Answer: Silas"});
    EXPECT_EQ(h.Click(&TAskerLogic::WrongClick), Texts{"Wrong. 0 right, 2 missed of 2."});
    ASSERT_TRUE(h.logic->UndoGrade());
    EXPECT_EQ(h.Look(), Texts{"Grade taken back. 0 right, 1 missed of 2."});
    EXPECT_EQ(h.Click(&TAskerLogic::RightClick), Texts{"Right. 1 right, 1 missed of 2."});

    // The first item again, answered right: the session is complete.
    h.Click(&TAskerLogic::StartStopClick);
    EXPECT_EQ(h.Click(&TAskerLogic::StartStopClick), Texts{"Question: Who went?"});
    h.clock.Advance(DelayInterval);
    h.Look();
    EXPECT_EQ(h.Click(&TAskerLogic::StartStopClick), Texts{"Answer: Paul"});
    EXPECT_EQ(h.Click(&TAskerLogic::RightClick),
              (Texts{"Right. 2 right, 1 missed of 2.", "Session complete: every item answered right."}));
}

TEST(SessionAnnouncements, APrejumpQuestionIsAnnouncedOnceAndOnlyAsFarAsItIsShown)
{
    // Revealed letter by letter up to the prejump stop: nothing is said while it is revealed,
    // then the part shown, never the words still hidden.
    Heard h(Timed(true), {{"Who went down to Antioch?", "Paul", 8}});
    EXPECT_EQ(h.Click(&TAskerLogic::StartStopClick), Texts{});
    Texts heard;
    for (int tick = 0; tick < 40; ++tick)
        for (const std::string& t : h.After(WordInterval))
            heard.push_back(t);
    EXPECT_EQ(heard, Texts{"Question: Who went"});
    EXPECT_EQ(h.After(DelayInterval), Texts{}) << "the same question is not announced again";
}

TEST(SessionAnnouncements, StoppingTheClockBeforeTenSecondsSaysNothingOfTheTime)
{
    Heard h(Timed(), {{"Who went?", "Paul"}});
    h.Click(&TAskerLogic::StartStopClick);
    h.After(DelayInterval);
    EXPECT_EQ(h.Click(&TAskerLogic::StartStopClick), Texts{"Answer: Paul"});
    EXPECT_EQ(h.After(30'000), Texts{}) << "the clock stopped with the answer";
}
