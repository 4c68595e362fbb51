#include "voice/Sounds.h"

#include "VoiceFakes.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

namespace sv {
namespace {

using test::TAssistantCall;

class SoundsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_personality = m_temp.filePath(QStringLiteral("personality.txt")).toStdString();
        std::ofstream(m_personality) << "[Personality=Encourager]\n"
                                        "[Category=Correct1]\nOne\nTwo\nThree\n"
                                        "[Category=AllCorrect]\nAll!\n"
                                        "[Category=Incorrect1]\n"
                                        "[Personality=Coach]\n[Category=Correct1]\nOnly\n";
    }
    TSounds Make() { return TSounds("/prog/Sounds/", &speech, &sound, m_personality.string(), random); }

    test::TFakeSpeech speech;
    test::TFakeSound sound;
    test::TFixedRandom random;
    QTemporaryDir m_temp; // private to this test: runs at the same time never share it
    std::filesystem::path m_personality;
};

TEST_F(SoundsTest, SpeechAvailabilityFollowsTheEngine)
{
    speech.CanActivate = false;
    TSounds s = Make();
    EXPECT_FALSE(s.SpeechAvailable());
    s.Speak("Question. Who?", false, TSpeechKind::Question);
    EXPECT_TRUE(speech.Spoken.empty());
    EXPECT_FALSE(s.IsSpeaking());

    speech.CanActivate = true; // a later text-to-speech kind tries again
    s.Speak("Question. Who?", false, TSpeechKind::Question);
    EXPECT_TRUE(s.SpeechAvailable());
    EXPECT_TRUE(s.IsSpeaking());
    s.SetSpeaking(false); // the engine's "text done"
    EXPECT_FALSE(s.IsSpeaking());
}

TEST_F(SoundsTest, SpokenTextReplacesOnlyTheFirstOccurrences)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Question. According to 1 Peter 2 ||, who?", "Question. According to First Peter 2, who?"},
        {"Question. Name 2 of the 1 things ||", "Question. Name Second of the First things"},
        {"Name 1 of 1 things", "Name First of 1 things"},
        {"Is it 2?", "Is it 2?"},
        {"a 2 b 2 c", "a Second b 2 c"},
        {"x || y ||", "x y ||"},
        {"12 1x", "12 1x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TSounds::SpokenText(c.in), c.out) << c.in;
}

TEST_F(SoundsTest, SpeechKindsRouteToTheAssistantOrTheEngine)
{
    const struct {
        TSpeechKind kind;
        bool assistant;
        bool toAssistant, toEngine;
    } cases[] = {
        {TSpeechKind::Greeting, true, true, false},  {TSpeechKind::Greeting, false, false, false},
        {TSpeechKind::Question, true, false, true},  {TSpeechKind::Question, false, false, true},
        {TSpeechKind::Assistant, true, true, false}, {TSpeechKind::Assistant, false, false, false},
        {TSpeechKind::Word, true, false, true},      {TSpeechKind::Word, false, false, true},
        {TSpeechKind::Either, true, true, false},    {TSpeechKind::Either, false, false, true},
    };
    for (const auto& c : cases) {
        test::TFakeAssistant assistant(c.assistant);
        speech.Spoken.clear();
        TSounds s = Make();
        s.SetAssistant(&assistant);
        s.Speak("Hello", true, c.kind);
        EXPECT_EQ(!assistant.Calls.empty(), c.toAssistant)
            << "kind " << static_cast<int>(c.kind) << " assistant " << c.assistant;
        EXPECT_EQ(!speech.Spoken.empty(), c.toEngine)
            << "kind " << static_cast<int>(c.kind) << " assistant " << c.assistant;
        if (c.toAssistant) {
            EXPECT_EQ(assistant.Calls[0], (TAssistantCall{"Hello", true, -1}));
        }
    }
}

TEST_F(SoundsTest, OneQueueSpeaksEveryTextInTurnWithoutCuttingOffTheOneSpoken)
{
    TSounds s = Make();
    s.Speak("Question. Who went?", false, TSpeechKind::Question); // the session
    s.Speak("grace", false, TSpeechKind::Word);                   // a word study window meanwhile
    s.Speak("peace", false, TSpeechKind::Word);
    EXPECT_EQ(speech.Spoken, (std::vector<std::string>{"Question. Who went?"}));
    EXPECT_EQ(speech.Resets, 0);
    EXPECT_EQ(s.QueuedTexts(), 2u);
    speech.OnTextDone();
    EXPECT_EQ(speech.Spoken.back(), "grace");
    EXPECT_TRUE(s.IsSpeaking());
    speech.OnTextDone();
    speech.OnTextDone();
    EXPECT_EQ(speech.Spoken, (std::vector<std::string>{"Question. Who went?", "grace", "peace"}));
    EXPECT_FALSE(s.IsSpeaking());

    // Stopping drops what waits.
    s.Speak("one", false, TSpeechKind::Word);
    s.Speak("two", false, TSpeechKind::Word);
    s.StopSpeaking();
    EXPECT_EQ(s.QueuedTexts(), 0u);
    speech.OnTextDone(); // the engine reports the stopped text
    EXPECT_FALSE(s.IsSpeaking());
    EXPECT_EQ(speech.Spoken.back(), "one");
}

TEST_F(SoundsTest, ALaterEngineStartLeavesSpeechUnavailableUntilStarted)
{
    TSounds s("/prog/Sounds/", &speech, &sound, m_personality.string(), random, TEngineStart::Later);
    std::vector<bool> reported;
    s.OnEngineStarted = [&](bool available) { reported.push_back(available); };
    EXPECT_FALSE(speech.IsActive);
    EXPECT_FALSE(s.SpeechAvailable());
    s.StartEngine();
    s.StartEngine(); // once only
    EXPECT_TRUE(s.SpeechAvailable());
    EXPECT_EQ(reported, (std::vector<bool>{true}));

    speech.IsActive = false;
    speech.CanActivate = false;
    TSounds mute("/prog/Sounds/", &speech, &sound, m_personality.string(), random, TEngineStart::Later);
    mute.OnEngineStarted = [&](bool available) { reported.push_back(available); };
    mute.StartEngine();
    EXPECT_FALSE(mute.SpeechAvailable());
    EXPECT_EQ(reported, (std::vector<bool>{true, false}));
}

TEST_F(SoundsTest, WaveFilesComeFromTheSoundFolder)
{
    TSounds s = Make();
    s.PlayStartupSound();
    s.PlayGameSound();
    s.PlayWagerSound();
    s.PlayTimeUpSound();
    s.StopSound();
    EXPECT_EQ(sound.Played, (std::vector<QString>{
                                QStringLiteral("/prog/Sounds/promote.wav"), QStringLiteral("/prog/Sounds/jeopardy.wav"),
                                QStringLiteral("/prog/Sounds/applause.wav"), QStringLiteral("/prog/Sounds/buzz.wav")}));
    EXPECT_EQ(sound.Stops, 1);
}

TEST_F(SoundsTest, SetVoiceKeepsTheActiveState)
{
    TSounds s = Make();
    ASSERT_TRUE(speech.IsActive);
    s.SetVoice("kal16");
    EXPECT_EQ(speech.Mode, QStringLiteral("kal16"));
    EXPECT_TRUE(speech.IsActive);
    speech.IsActive = false;
    s.SetVoice("Default");
    EXPECT_FALSE(speech.IsActive);
}

TEST_F(SoundsTest, CommentRoutesByTheDrawnPercentage)
{
    test::TFakeAssistant assistant(true);
    TSounds s = Make();
    s.SetAssistant(&assistant);
    bool use = true;
    s.SetUseAssistantQuery([&] { return use; });
    s.SelectPersonality("Encourager");

    // Correct1: speak 50 %, animated 10 % (Acknowledge); remark draw r in 0..2 picks One/Two/Three.
    random.Draws = {0, 49}; // spoken aloud
    s.Comment(TCommentEvent::Correct1);
    random.Draws = {1, 50}; // animated, the only animation of the set (draw 0 of 1)
    random.Draws.push_back(0);
    s.Comment(TCommentEvent::Correct1);
    random.Draws = {2, 59};
    random.Draws.push_back(0);
    s.Comment(TCommentEvent::Correct1);
    random.Draws = {2, 60}; // the rest: balloon only
    s.Comment(TCommentEvent::Correct1);
    // AllCorrect: always animated; the 4th member of {2, 4, 9, 19} is Write (19).
    random.Draws = {0, 0, 3};
    s.Comment(TCommentEvent::AllCorrect);

    EXPECT_EQ(assistant.Calls, (std::vector<TAssistantCall>{
                                   {"One", false, -1},
                                   {"Two", false, 0},
                                   {"Three", false, 0},
                                   {"Three", true, -1},
                                   {"All!", false, 19},
                               }));
    EXPECT_EQ(random.Bounds, (std::vector<int>{3, 100, 3, 100, 1, 3, 100, 1, 3, 100, 1, 100, 4}));
    EXPECT_TRUE(random.Draws.empty());
}

TEST_F(SoundsTest, CommentIsSilentWithoutRemarksSpeechOrTheAssistantOption)
{
    test::TFakeAssistant assistant(true);
    TSounds s = Make();
    s.SetAssistant(&assistant);
    bool use = true;
    s.SetUseAssistantQuery([&] { return use; });

    s.Comment(TCommentEvent::Incorrect1); // header without lines
    s.Comment(TCommentEvent::Correct3);   // no section
    use = false;
    s.Comment(TCommentEvent::Correct1); // the option is off
    use = true;
    speech.CanActivate = false;
    speech.IsActive = false;
    s.Speak("x", false, TSpeechKind::Question); // speech now unavailable
    s.Comment(TCommentEvent::Correct1);
    EXPECT_TRUE(assistant.Calls.empty());
    EXPECT_TRUE(random.Bounds.empty());

    // One remark line is always that line.
    speech.CanActivate = true;
    s.Speak("x", false, TSpeechKind::Question);
    s.SelectPersonality("Coach");
    EXPECT_EQ(s.SelectedPersonality(), 1);
    random.Draws = {0, 10};
    s.Comment(TCommentEvent::Correct1);
    ASSERT_EQ(assistant.Calls.size(), 1u);
    EXPECT_EQ(assistant.Calls[0].Text, "Only");
}

TEST_F(SoundsTest, PersonalityNamesListEverySlot)
{
    TSounds s = Make();
    EXPECT_EQ(s.PersonalityCount(), 2);
    const auto names = s.PersonalityNames();
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names[0], "Encourager");
    EXPECT_EQ(names[1], "Coach");
    s.SelectPersonality("Nobody");
    EXPECT_EQ(s.SelectedPersonality(), 0);
}

TEST(Assistant, NotAvailableWithoutCharacterFilesAndDoesNothing)
{
    const QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const std::filesystem::path dir = temp.path().toStdString();
    TAssistant none(dir.string() + "/");
    EXPECT_FALSE(none.AssistantAvailable());
    none.ShowCharacter('P');
    none.SayGoodbye("Bye", true);
    EXPECT_FALSE(none.Loaded());

    std::filesystem::create_directories(dir / "Genie");
    std::ofstream(dir / "Genie" / "Genie.character")
        << "character Genie\nart Genie.svg\nsize 40 50\nframe rest body\nanimation RestPose 0 rest\n";
    std::ofstream(dir / "Genie" / "Genie.svg") << "<svg xmlns=\"http://www.w3.org/2000/svg\"><g id=\"body\"/></svg>";
    TAssistant genie(dir.string() + "/");
    EXPECT_TRUE(genie.AssistantAvailable());
    genie.ShowCharacter('M'); // Merlin is not installed: the first installed one instead
    EXPECT_EQ(genie.CharacterName(), "Genie");
    EXPECT_EQ(TAssistant::CharacterNameOf('?'), "???");
    EXPECT_EQ(TAssistant::CharacterNameOf('R'), "Robby");
}

} // namespace
} // namespace sv
