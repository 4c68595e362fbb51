// The study session's logic driven by a fake clock: phases, reveal, countdown, grading,
// score, quitting, references and the game kind.

#include "study/AskerLogic.h"
#include "study/AskerRun.h"
#include "study/FakeSession.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

struct Session {
    FakeClock clock;
    FakeItems items;
    FakeVoice voice;
    FakeHost host;
    QueuedRandom random;
    std::uint8_t useLips = 1;
    std::unique_ptr<TAskerLogic> logic;

    explicit Session(TSessionSettings s, std::vector<FakeItems::Item> list = {{"Who went?", "Paul"}})
        : items(std::move(list))
    {
        logic = std::make_unique<TAskerLogic>(s, items, voice, host, clock, random, useLips, "Ann");
    }
    const TAskerView& view() const { return logic->View(); }
    TAskerLogic& operator*() { return *logic; }
    TAskerLogic* operator->() { return logic.get(); }
};

TSessionSettings Settings(bool timed, bool prejump = false, bool spoken = false)
{
    TSessionSettings s;
    s.Timed = timed;
    s.Prejump = prejump;
    s.PrejumpSpoken = spoken;
    return s;
}

} // namespace

TEST(AskerHelpers, ScoreRoundsHalvesToEven)
{
    struct Case {
        int right, missed, total;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, 4, "0%"},   {0, 1, 4, "0%"},  {1, 0, 4, "25%"},  {1, 1, 4, "25%"},  {1, 0, 8, "12%"}, // 12.5 -> 12
        {3, 0, 8, "38%"},                                                                            // 37.5 -> 38
        {1, 0, 3, "33%"},  {2, 0, 3, "67%"}, {1, 0, 200, "0%"}, {3, 0, 200, "2%"}, // 0.5 -> 0, 1.5 -> 2
        {4, 2, 4, "100%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScoreText(c.right, c.missed, c.total), c.text) << c.right << "/" << c.total;
}

TEST(AskerHelpers, TimeTextAndMessages)
{
    EXPECT_EQ(TimeText(29), "29");
    EXPECT_EQ(TimeText(9), "09");
    EXPECT_EQ(TimeText(0), "00");

    EXPECT_EQ(CongratulationText("Ann"),
              "Congratulations, Ann!\rYou have correctly answered all of the questions.\rKeep up the good work.");
    const std::string longName(150, 'x');
    const std::string t = CongratulationText(longName);
    EXPECT_EQ(t.size(), 191u);
    EXPECT_EQ(t.substr(0, 118), "Congratulations, " + std::string(100, 'x') + "!");

    EXPECT_EQ(QuitQuestion(TAskerKind::MemoryVerses),
              "You still have more memory verses to go.\rAre you sure you want to quit?");
}

TEST(AskerHelpers, RevealStepTakesOneLetterAndWhatFollows)
{
    TMarkedText t;
    t.Append("Who went?");
    std::vector<int> positions;
    int pos = 0;
    while (pos < t.Len)
        positions.push_back(pos = RevealStep(t, pos, t.Len));
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 4, 5, 6, 7, 9}));

    TMarkedText u;
    u.Append("it's re-sent, 12 a");
    pos = 0;
    positions.clear();
    while (pos < u.Len)
        positions.push_back(pos = RevealStep(u, pos, u.Len));
    // apostrophe and hyphen are revealed one at a time like letters; ", " goes with the t
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 14, 15, 17, 18}));
}

TEST(AskerLogic, CreationShowsReadyState)
{
    Session s(Settings(true));
    EXPECT_EQ(s->Phase(), TSessionPhase::Ready);
    EXPECT_EQ(s.view().Caption, "Study questions");
    EXPECT_EQ(s.view().StartStopCaption, "&Start");
    EXPECT_TRUE(s.view().StartStopEnabled);
    EXPECT_TRUE(s.view().QuitEnabled);
    EXPECT_FALSE(s.view().RightEnabled);
    EXPECT_EQ(s.view().TotalText, "1");
    EXPECT_EQ(s.view().ScoreText, "0%");
    EXPECT_EQ(s.view().TimeStr, "30");
    EXPECT_TRUE(s.view().TimeActive);
    EXPECT_FALSE(s->QuestionShown());
    EXPECT_EQ(s.items.log, (std::vector<std::string>{"load 0"}));
    // Lips only with spoken prejump.
    EXPECT_FALSE(s.view().LipsMenuEnabled);
    EXPECT_FALSE(s.view().LipVisible);
}

TEST(AskerLogic, TimedWithoutPrejumpCountsFromStartAndKeepsTimeUntilClear)
{
    Session s(Settings(true), {{"Who went?", "Paul"}, {"Where?", "Rome"}});
    s.clock.Advance(5000);
    EXPECT_EQ(s.view().TimeStr, "30"); // nothing runs before Start
    s->StartStopClick();
    EXPECT_EQ(s->Phase(), TSessionPhase::QuestionShown);
    EXPECT_EQ(s.view().StartStopCaption, "An&swer");
    EXPECT_FALSE(s.view().QuitEnabled);
    EXPECT_EQ(s->Question().RevealPos, s->Question().Len);
    s.clock.Advance(18000);
    EXPECT_EQ(s.view().TimeStr, "12");
    s->StartStopClick(); // Answer
    EXPECT_EQ(s->Phase(), TSessionPhase::AnswerShown);
    EXPECT_EQ(s.view().StartStopCaption, "&Clear");
    EXPECT_FALSE(s.view().StartStopEnabled);
    EXPECT_TRUE(s.view().RightEnabled);
    EXPECT_TRUE(s.view().WrongEnabled);
    EXPECT_EQ(s.view().Focus, TAskerFocus::Right);
    EXPECT_TRUE(s.view().BibleEnabled);
    s.clock.Advance(5000);
    EXPECT_EQ(s.view().TimeStr, "12");
    s->WrongClick();
    s->StartStopClick(); // Clear
    EXPECT_EQ(s->Phase(), TSessionPhase::Ready);
    EXPECT_EQ(s.view().TimeStr, "30");
    EXPECT_EQ(s.view().StartStopCaption, "&Start");
    EXPECT_FALSE(s.view().BibleEnabled);
    EXPECT_EQ(s.items.log.back(), "load 1");
}

TEST(AskerLogic, TextRevealOfWhoWentTakesSevenTicksThenPauses)
{
    Session s(Settings(true, true));
    s->StartStopClick();
    EXPECT_EQ(s->Phase(), TSessionPhase::Revealing);
    EXPECT_EQ(s.view().StartStopCaption, "&Stop");
    EXPECT_TRUE(s.view().StartStopEnabled);
    EXPECT_EQ(s->Question().RevealPos, 0);
    const int expected[] = {1, 2, 4, 5, 6, 7};
    for (int pos : expected) {
        s.clock.Advance(60);
        EXPECT_EQ(s->Question().RevealPos, pos);
        EXPECT_EQ(s->Phase(), TSessionPhase::Revealing);
        EXPECT_FALSE(s->OneSecRunning()); // the countdown waits for the reveal
    }
    s.clock.Advance(60); // seventh tick: "t?"
    EXPECT_EQ(s->Question().RevealPos, 9);
    EXPECT_EQ(s->Phase(), TSessionPhase::QuestionShown);
    EXPECT_EQ(s.view().StartStopCaption, "An&swer");
    EXPECT_FALSE(s.view().StartStopEnabled);
    EXPECT_FALSE(s->WordTimerRunning());
    EXPECT_TRUE(s->OneSecRunning());
    s.clock.Advance(1499);
    EXPECT_FALSE(s.view().StartStopEnabled);
    s.clock.Advance(1);
    EXPECT_TRUE(s.view().StartStopEnabled);
    EXPECT_EQ(s.view().Focus, TAskerFocus::StartStop);
    EXPECT_EQ(s.view().TimeStr, "29"); // one second since the reveal ended
}

TEST(AskerLogic, StopDuringTextRevealKeepsWhatIsShownAndStartsCountdown)
{
    Session s(Settings(true, true));
    s->StartStopClick();
    s.clock.Advance(180); // W, h, "o "
    s->StartStopClick();  // Stop
    EXPECT_EQ(s->Phase(), TSessionPhase::QuestionShown);
    EXPECT_EQ(s->Question().RevealPos, 4);
    EXPECT_EQ(s.view().StartStopCaption, "An&swer");
    EXPECT_FALSE(s->WordTimerRunning());
    EXPECT_TRUE(s->OneSecRunning());
    s.clock.Advance(1000);
    EXPECT_EQ(s->Question().RevealPos, 4);
    EXPECT_EQ(s.view().TimeStr, "29");
}

TEST(AskerLogic, StopTurnsIntoAnswerOnlyAfterAPause)
{
    // A second press right after Stop (a double press, a repeated key) must not show the
    // answer, whether the question is revealed as text or spoken.
    for (const bool spoken : {false, true}) {
        Session s(Settings(true, true, spoken));
        s->StartStopClick();
        s.clock.Advance(120);
        s->StartStopClick(); // Stop
        EXPECT_EQ(s->Phase(), TSessionPhase::QuestionShown) << spoken;
        EXPECT_EQ(s.view().StartStopCaption, "An&swer") << spoken;
        EXPECT_FALSE(s.view().StartStopEnabled) << spoken;
        EXPECT_FALSE(s->KeyPress(' ')) << spoken;
        s->StartStopClick();
        EXPECT_EQ(s->Phase(), TSessionPhase::QuestionShown) << spoken;
        s.clock.Advance(DelayInterval);
        EXPECT_TRUE(s.view().StartStopEnabled) << spoken;
        EXPECT_EQ(s.view().Focus, TAskerFocus::StartStop) << spoken;
        EXPECT_TRUE(s->KeyPress(' ')) << spoken;
        EXPECT_EQ(s->Phase(), TSessionPhase::AnswerShown) << spoken;
    }
}

TEST(AskerLogic, ATypedRecitationRunsWithoutTheClock)
{
    TSessionSettings settings = Settings(true);
    settings.Kind = TAskerKind::MemoryVerses;
    settings.TypeVerse = true;
    Session s(settings);
    EXPECT_FALSE(s.view().TimeActive);
    s->StartStopClick();
    EXPECT_FALSE(s->OneSecRunning());
    s.clock.Advance(60000);
    EXPECT_EQ(s->Phase(), TSessionPhase::QuestionShown);
    EXPECT_EQ(s->MissedCount(), 0);
}

TEST(AskerLogic, SpokenPrejumpWaitsForTheVoice)
{
    Session s(Settings(true, true, true));
    EXPECT_TRUE(s.view().LipsMenuEnabled);
    EXPECT_TRUE(s.view().LipVisible);
    EXPECT_EQ(s.host.activeLip, (std::vector<bool>{true}));
    s->StartStopClick();
    EXPECT_EQ(s.voice.spoken, (std::vector<std::string>{"Question. Who went?"}));
    EXPECT_EQ(s->Phase(), TSessionPhase::Revealing);
    EXPECT_FALSE(s->QuestionShown()); // empty while spoken
    s.clock.Advance(1000);
    EXPECT_EQ(s->Phase(), TSessionPhase::Revealing);
    EXPECT_EQ(s.view().TimeStr, "30");
    s.voice.speaking = false;
    s.clock.Advance(250);
    EXPECT_EQ(s->Phase(), TSessionPhase::QuestionShown);
    EXPECT_TRUE(s->QuestionShown());
    EXPECT_EQ(s.view().StartStopCaption, "An&swer");
    EXPECT_FALSE(s->StillSpeakingRunning());
    EXPECT_TRUE(s->OneSecRunning());
}

TEST(AskerLogic, AnswerRightAfterStoppingSpeechStaysAnswered)
{
    // Stop, then Answer before the speech poll noticed: the poll must not undo the answer.
    Session s(Settings(false, true, true));
    s->StartStopClick();
    s->StartStopClick(); // Stop: phase 2
    EXPECT_EQ(s.voice.stops, 1);
    s.voice.speaking = true; // the voice takes a moment to fall silent
    s.clock.Advance(DelayInterval);
    EXPECT_TRUE(s->StillSpeakingRunning());
    s->StartStopClick(); // Answer
    EXPECT_EQ(s->Phase(), TSessionPhase::AnswerShown);
    s.voice.speaking = false;
    s.clock.Advance(1000);
    EXPECT_EQ(s->Phase(), TSessionPhase::AnswerShown);
    EXPECT_EQ(s.view().StartStopCaption, "&Clear");
    EXPECT_TRUE(s.view().RightEnabled);
}

TEST(AskerLogic, StreakCommentsFollowTheRun)
{
    std::vector<FakeItems::Item> list(10, {"Q?", "A"});
    Session s(Settings(false), list);
    auto grade = [&](bool right) {
        s->StartStopClick();
        s->StartStopClick();
        right ? s->RightClick() : s->WrongClick();
        s->StartStopClick();
    };
    using C = TSessionComment;
    for (bool r : {false, false, false, true, true, true, true, true})
        grade(r);
    EXPECT_EQ(s.voice.comments, (std::vector<C>{C::Incorrect1, C::Incorrect1, C::Incorrect3, C::Correct1, C::Correct1,
                                                C::Correct3, C::Correct3, C::Correct5}));
    // Beyond five, one of the three at random.
    s.voice.comments.clear();
    s.random.values = {2, 0};
    grade(true);
    grade(true);
    EXPECT_EQ(s.voice.comments, (std::vector<C>{C::Correct5, C::Correct1}));
    EXPECT_EQ(s->RightStreak(), 7);
    EXPECT_EQ(s->WrongStreak(), 0);
}

TEST(AskerLogic, ScorePanelIsTheShareAnsweredRight)
{
    Session s(Settings(false), std::vector<FakeItems::Item>(4, {"Q?", "A"}));
    s->StartStopClick();
    s->StartStopClick();
    s->RightClick();
    EXPECT_EQ(s.view().ScoreText, "25%");
    EXPECT_EQ(s.view().RightText, "1");
    EXPECT_EQ(s.view().Focus, TAskerFocus::StartStop);
    EXPECT_TRUE(s.view().QuitEnabled);
    s->StartStopClick();
    s->StartStopClick();
    s->StartStopClick();
    s->WrongClick();
    EXPECT_EQ(s.view().ScoreText, "25%");
    EXPECT_EQ(s.view().MissedText, "1");
    EXPECT_EQ(s.items.log, (std::vector<std::string>{"load 0", "right 0", "load 1", "wrong 1"}));
}

TEST(AskerLogic, TimeOutCountsAMissWithoutGrading)
{
    Session s(Settings(true), {{"Q1?", "A"}, {"Q2?", "B"}});
    s->StartStopClick();
    s.clock.Advance(21000);
    EXPECT_EQ(s.view().TimeStr, "09");
    EXPECT_EQ(s->SecondsLeft(), 9);
    s.clock.Advance(9000);
    EXPECT_EQ(s.view().TimeStr, "00");
    EXPECT_EQ(s->SecondsLeft(), 0);
    EXPECT_EQ(s.voice.timeUps, 1);
    EXPECT_EQ(s->Phase(), TSessionPhase::AnswerShown);
    EXPECT_EQ(s.view().StartStopCaption, "&Clear");
    EXPECT_EQ(s.view().MissedText, "1");
    EXPECT_FALSE(s.view().RightEnabled);
    EXPECT_FALSE(s.view().WrongEnabled);
    EXPECT_TRUE(s.view().QuitEnabled);
    EXPECT_TRUE(s.view().StartStopEnabled);
    EXPECT_TRUE(s.view().BibleEnabled); // the answer shows: its verse may be looked up
    EXPECT_EQ(s->Answer().RevealPos, s->Answer().Len);
    EXPECT_FALSE(s->OneSecRunning());
    s.clock.Advance(5000);
    EXPECT_EQ(s.view().TimeStr, "00");
    // Nothing was recorded; the item is still open and comes round again.
    s->StartStopClick();
    EXPECT_EQ(s.items.log, (std::vector<std::string>{"load 0", "load 1"}));
    EXPECT_EQ(s.items.state, (std::vector<int>{0, 0}));
    EXPECT_TRUE(s.voice.comments.empty());
}

TEST(AskerLogic, QuittingAsksOnlyBeforeTheEnd)
{
    Session s(Settings(false), {{"Q1?", "A"}, {"Q2?", "B"}});
    s.host.answers = {false};
    EXPECT_FALSE(s->QueryClose());
    EXPECT_EQ(s.host.questions.back(),
              "You haven't finished answering all of the questions yet.\rAre you sure you want to quit?");
    EXPECT_EQ(s.voice.comments, (std::vector<TSessionComment>{TSessionComment::Quit}));
    EXPECT_EQ(s.view().Focus, TAskerFocus::StartStop);

    for (int i = 0; i < 2; ++i) {
        s->StartStopClick();
        s->StartStopClick();
        s->RightClick();
        if (i == 0)
            s->StartStopClick();
    }
    EXPECT_EQ(s.view().QuitCaption, "&Done");
    EXPECT_FALSE(s.view().StartStopEnabled);
    EXPECT_EQ(s.host.messages, (std::vector<std::string>{CongratulationText("Ann")}));
    EXPECT_EQ(s.voice.comments.back(), TSessionComment::AllCorrect);
    const auto asked = s.host.questions.size();
    EXPECT_TRUE(s->QueryClose());
    EXPECT_EQ(s.host.questions.size(), asked);
}

TEST(AskerLogic, YesToQuitClosesWithQuitEarly)
{
    Session s(Settings(false));
    s.host.answers = {true};
    EXPECT_TRUE(s->QueryClose());
    EXPECT_EQ(s.voice.comments, (std::vector<TSessionComment>{TSessionComment::Quit, TSessionComment::QuitEarly}));
}

TEST(AskerLogic, EmptyListLoadsNothingAndClosesWithoutAsking)
{
    TSessionSettings st = Settings(false);
    st.Kind = TAskerKind::References;
    Session s(st, {});
    EXPECT_TRUE(s->IsEmpty());
    EXPECT_TRUE(s.items.log.empty());
    EXPECT_TRUE(s->QueryClose());
}

TEST(AskerLogic, KeysPressOnlyEnabledControls)
{
    Session s(Settings(false), {{"Q1?", "A"}, {"Q2?", "B"}});
    EXPECT_FALSE(s->KeyPress('R'));
    EXPECT_TRUE(s->KeyPress(' '));
    EXPECT_TRUE(s->KeyPress('\r'));
    EXPECT_EQ(s->Phase(), TSessionPhase::AnswerShown);
    EXPECT_FALSE(s->KeyPress(' ')); // StartStop disabled while grading
    EXPECT_TRUE(s->KeyPress('w'));
    EXPECT_EQ(s->MissedCount(), 1);
    EXPECT_FALSE(s->KeyPress('R'));
}

TEST(AskerLogic, ReferenceBrowsingStepsThroughRelatedQuestions)
{
    TSessionSettings st = Settings(false);
    st.Kind = TAskerKind::References;
    Session s(st, {{"According to Galatians 1:1", "Paul, an apostle"}});
    EXPECT_EQ(s.view().AnswerCaption, "VERSE");
    s.items.relatedCount = 3;
    EXPECT_FALSE(s->KeyPress('.')); // panel hidden before the answer
    s->StartStopClick();
    s->StartStopClick();
    EXPECT_TRUE(s.view().AccToPanelVisible);
    EXPECT_EQ(s.view().NumOfAccTosText, "0 of 3");
    EXPECT_FALSE(s.view().LeftAccToEnabled);
    EXPECT_TRUE(s.view().RightAccToEnabled);
    s->KeyPress('.');
    EXPECT_EQ(s.view().NumOfAccTosText, "1 of 3");
    EXPECT_FALSE(s.view().LeftAccToEnabled);
    EXPECT_EQ(s->Question().Text(), "related 1");
    s->RightAccToClick();
    s->RightAccToClick();
    EXPECT_EQ(s.view().NumOfAccTosText, "3 of 3");
    EXPECT_FALSE(s.view().RightAccToEnabled);
    EXPECT_TRUE(s.view().LeftAccToEnabled);
    s->KeyPress(',');
    EXPECT_EQ(s.view().NumOfAccTosText, "2 of 3");
    EXPECT_TRUE(s.view().RightAccToEnabled);
    s->RightClick();
    s->StartStopClick(); // Done: the single item is right; StartStop disabled, nothing happens
    EXPECT_TRUE(s.view().AccToPanelVisible);
}

TEST(AskerLogic, LipsOptionFollowsTheMenuAndTheUserFlag)
{
    Session s(Settings(false, true, true));
    s->UseLipsClick(false);
    EXPECT_EQ(s.useLips, 0);
    EXPECT_FALSE(s.view().LipVisible);
    s->UseLipsClick(true);
    EXPECT_EQ(s.useLips, 1);
    EXPECT_TRUE(s.view().LipVisible);
    EXPECT_EQ(s.host.activeLip, (std::vector<bool>{true, false, true}));
}

TEST(AskerLogic, GameKindStartsAtAnswerAndHandsGradesOver)
{
    TSessionSettings st = Settings(true);
    st.Kind = TAskerKind::Game;
    Session s(st);
    EXPECT_EQ(s->Phase(), TSessionPhase::QuestionShown);
    EXPECT_EQ(s.view().StartStopCaption, "An&swer");
    EXPECT_FALSE(s.view().ScorePanelVisible);
    EXPECT_FALSE(s.view().QuitVisible);
    EXPECT_TRUE(s.items.log.empty()); // the game loads its own question
    s->LoadItem();
    s->StartStopClick(); // phase 0 -> 1 -> 2 (no prejump)
    s.clock.Advance(30000);
    // Time up acts as the Answer press; Right stays off at "00".
    EXPECT_EQ(s->Phase(), TSessionPhase::AnswerShown);
    EXPECT_FALSE(s.view().RightEnabled);
    EXPECT_TRUE(s.view().WrongEnabled);
    EXPECT_EQ(s.view().Focus, TAskerFocus::Wrong);
    s->WrongClick();
    EXPECT_EQ(s.host.game, (std::vector<std::string>{"wrong", "minimise"}));
    EXPECT_EQ(s.voice.comments, (std::vector<TSessionComment>{TSessionComment::Incorrect1}));
    EXPECT_EQ(s->MissedCount(), 0);
    s.host.answers = {false};
    EXPECT_FALSE(s->QueryClose());
    EXPECT_EQ(s.host.questions.back(), "You haven't finished the game yet.\rAre you sure you want to quit?");
}

TEST(AskerLogic, GameQuestionsRestartTheClockAfterEitherGrade)
{
    TSessionSettings st = Settings(true);
    st.Kind = TAskerKind::Game;
    Session s(st, {{"Who went?", "Paul"}, {"Where?", "Rome"}});
    for (int pick = 0; pick < 3; ++pick) {
        s->ShowGameQuestion();
        EXPECT_EQ(s->Phase(), TSessionPhase::QuestionShown);
        EXPECT_EQ(s->Question().RevealPos, s->Question().Len) << "the whole question at once";
        EXPECT_EQ(s.view().TimeStr, "30");
        EXPECT_TRUE(s.view().StartStopEnabled);
        EXPECT_EQ(s.view().Focus, TAskerFocus::StartStop);
        EXPECT_FALSE(s.view().RightEnabled);
        s.clock.Advance(5000);
        EXPECT_EQ(s.view().TimeStr, "25");
        s->StartStopClick();
        EXPECT_TRUE(s.view().RightEnabled) << "answered in time";
        if (pick == 1)
            s->WrongClick();
        else
            s->RightClick();
        EXPECT_FALSE(s->OneSecRunning());
    }
    EXPECT_EQ(s.host.game, (std::vector<std::string>{"right", "minimise", "wrong", "minimise", "right", "minimise"}));
    // A question whose time runs out can only be marked wrong.
    s->ShowGameQuestion();
    s.clock.Advance(30000);
    EXPECT_EQ(s.view().TimeStr, "00");
    EXPECT_FALSE(s.view().RightEnabled);
    EXPECT_TRUE(s.view().WrongEnabled);
    s->RightClick();
    EXPECT_EQ(s.host.game.size(), 6u);
    s->KeyPress('W');
    EXPECT_EQ(s.host.game.back(), "minimise");
    EXPECT_EQ(s.host.game[6], "wrong");
}

TEST(AskerRuns, RunsSplitOnSpacesColoursAndStyles)
{
    TMarkedText t;
    t.Append("Paul went", 0, 0);
    t.Append("  Rome", 0xFF, MarkBold);
    t.RevealPos = t.Len;
    auto width = [](const std::string& s, std::uint8_t) { return static_cast<int>(s.size()) * 10; };
    auto runs = LayoutAskerRuns(t, true, 1000, 15, width);
    std::vector<std::string> texts;
    for (auto& r : runs)
        texts.push_back(r.Text);
    // "went" ends where the colour changes; each space closes its run.
    EXPECT_EQ(texts, (std::vector<std::string>{"Paul ", "went", " ", " ", "Rome"}));
    EXPECT_EQ(runs[4].Colour, 0xFFu);
    EXPECT_EQ(runs[4].Style, MarkBold);
    EXPECT_EQ(runs[1].X, 50);

    // Narrow area: a run that would pass width - 2 starts a new line.
    runs = LayoutAskerRuns(t, true, 92, 15, width);
    EXPECT_EQ(runs[1].X, 50);
    EXPECT_EQ(runs[2].X, 0); // 90 + 10 > 90: the first space wraps
    EXPECT_EQ(runs[2].Y, 15);
    EXPECT_EQ(runs[4].X, 20);
    EXPECT_EQ(runs[4].Y, 15);

    // Only the revealed part is laid out; the last revealed character ends its run.
    t.RevealPos = 3;
    runs = LayoutAskerRuns(t, false, 1000, 15, width);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Text, "Pau");
}

TEST(AskerLogic, UndoTakesBackTheLastGradeUntilTheNextItemStarts)
{
    std::vector<FakeItems::Item> list(4, {"Q?", "A"});
    Session s(Settings(true), list);
    auto answer = [&] {
        s->StartStopClick();
        s->StartStopClick();
    };
    EXPECT_FALSE(s->CanUndoGrade());
    EXPECT_FALSE(s->UndoGrade());

    // Two right, then a wrong that is taken back and graded right instead.
    for (int i = 0; i < 2; ++i) {
        answer();
        s->RightClick();
        s->StartStopClick();
    }
    answer();
    const TAskerView beforeGrade = s.view();
    s->WrongClick();
    EXPECT_EQ(s.view().MissedText, "1");
    EXPECT_EQ(s->WrongStreak(), 1);
    ASSERT_TRUE(s->CanUndoGrade());
    ASSERT_TRUE(s->UndoGrade());
    EXPECT_EQ(s.items.log.back(), "undo 2");
    EXPECT_EQ(s.view().MissedText, "0");
    EXPECT_EQ(s.view().RightText, "2");
    EXPECT_EQ(s.view().ScoreText, beforeGrade.ScoreText);
    EXPECT_EQ(s->RightStreak(), 2);
    EXPECT_EQ(s->WrongStreak(), 0);
    EXPECT_TRUE(s.view().RightEnabled && s.view().WrongEnabled);
    EXPECT_FALSE(s.view().StartStopEnabled);
    EXPECT_EQ(s.view().Focus, TAskerFocus::Right);
    EXPECT_FALSE(s->UndoGrade()); // one level only
    s.voice.comments.clear();
    s->RightClick();
    // The streak goes on from where it was: the third right in a row.
    EXPECT_EQ(s.voice.comments, std::vector<TSessionComment>{TSessionComment::Correct3});
    EXPECT_EQ(s->RightCount(), 3);

    // Once the next item starts, the grade stays.
    s->StartStopClick();
    EXPECT_FALSE(s->CanUndoGrade());
    EXPECT_FALSE(s->UndoGrade());

    // The last right answer ends the session; taking it back opens it again.
    answer();
    s->RightClick();
    EXPECT_EQ(s.view().QuitCaption, "&Done");
    ASSERT_TRUE(s->UndoGrade());
    EXPECT_EQ(s.view().QuitCaption, "&Quit");
    EXPECT_EQ(s->RightCount(), 3);
    EXPECT_FALSE(s.view().QuitEnabled);
}

TEST(AskerLogic, NoUndoWhenTheListCannotTakeTheMarkBack)
{
    Session s(Settings(false));
    s->StartStopClick();
    s->StartStopClick();
    s->RightClick();
    s.items.state[0] = 0; // as if the list had nothing to take back
    EXPECT_FALSE(s->UndoGrade());
    EXPECT_EQ(s->RightCount(), 1);
    EXPECT_FALSE(s->CanUndoGrade());
}
