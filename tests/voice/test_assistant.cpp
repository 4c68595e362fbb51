// The assistant's logic over a recording stage: which character is shown, where it stands,
// what it plays and says, and how it leaves; character files that are damaged.

#include "voice/Assistant.h"

#include "CharacterFixture.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

using test::TCharactersDir;
using test::TRecordingStage;

struct TShown {
    std::vector<std::string> installed;
    char letter;
    const char* shown;
};

TEST(Assistant, ShowsTheChosenCharacterOrTheFirstInstalledInTheFixedOrder)
{
    const TShown cases[] = {
        {{"Peedy", "Merlin", "Genie", "Robby"}, '?', "Peedy"},
        {{"Merlin", "Genie", "Robby"}, '?', "Merlin"},
        {{"Genie", "Robby"}, '?', "Genie"},
        {{"Robby"}, '?', "Robby"},
        {{"Peedy", "Merlin", "Genie", "Robby"}, 'R', "Robby"},
        {{"Peedy", "Merlin"}, 'M', "Merlin"},
        {{"Genie"}, 'P', "Genie"},
        {{"Genie"}, 'M', "Genie"},
        {{"Genie"}, 'R', "Genie"},
        {{"Genie"}, 'G', "Genie"},
    };
    for (const TShown& c : cases) {
        TCharactersDir dir("show");
        for (const std::string& name : c.installed)
            dir.Add(name);
        TRecordingStage stage;
        TAssistant a(dir.Path(), &stage, [] { return QRect(100, 300, 600, 500); });
        ASSERT_TRUE(a.AssistantAvailable());
        a.ShowCharacter(c.letter);
        EXPECT_EQ(a.CharacterName(), c.shown) << "letter " << c.letter << ", " << c.installed.size() << " installed";
        EXPECT_EQ(stage.Calls.front(), std::string("load ") + c.shown);
        EXPECT_EQ(stage.Calls.back(), "show");
    }
}

TEST(Assistant, StandsOnTheMainWindowsTopEdgeOrInsideItsBottomEdge)
{
    TCharactersDir dir("place");
    dir.Add("Peedy");
    TRecordingStage stage;
    QRect main(100, 300, 600, 500);
    TAssistant a(dir.Path(), &stage, [&] { return main; });
    a.ShowCharacter('?');
    // Right-aligned, 10 pixels over the top edge.
    EXPECT_EQ(stage.Calls[1], "move 360,160");
    // At the top of the screen there is no room above: inside the bottom edge.
    main = QRect(100, 0, 600, 500);
    a.FollowMainWindow();
    EXPECT_EQ(stage.Calls.back(), "move 360,354");
    // A hidden character does not follow.
    stage.IsVisible = false;
    const std::size_t calls = stage.Calls.size();
    a.FollowMainWindow();
    EXPECT_EQ(stage.Calls.size(), calls);
}

TEST(Assistant, AnimationsEndInTheRestPoseAndDoMagic1BringsDoMagic2)
{
    TCharactersDir dir("anim");
    dir.Add("Merlin");
    TRecordingStage stage;
    TAssistant a(dir.Path(), &stage);
    a.PlayAnimation("Sad"); // nothing is visible yet: nothing plays
    EXPECT_TRUE(stage.Calls.empty());
    a.ShowCharacter('M');
    stage.Calls.clear();
    a.PlayAnimation("DoMagic1");
    EXPECT_EQ(stage.Calls, (std::vector<std::string>{"play DoMagic1", "play DoMagic2", "pause 500", "play RestPose"}));
    stage.Calls.clear();
    a.PlayAnimation("Sad");
    EXPECT_EQ(stage.Calls, (std::vector<std::string>{"play Sad", "pause 500", "play RestPose"}));
}

TEST(Assistant, SpokenAndBalloonOnlyTextsTravelInTheMapTag)
{
    EXPECT_EQ(TAssistant::MapTagged("Well done", false), "\\map=\"Well done\"=\"\"\\");
    EXPECT_EQ(TAssistant::MapTagged("Well done", true), "\\map=\"\"=\"Well done\"\\");
    EXPECT_EQ(TAssistant::SplitMapTag("\\map=\"Well done\"=\"\"\\"),
              std::make_pair(std::string("Well done"), std::string()));
    EXPECT_EQ(TAssistant::SplitMapTag("\\map=\"\"=\"Well done\"\\"),
              std::make_pair(std::string(), std::string("Well done")));
    EXPECT_EQ(TAssistant::SplitMapTag("plain"), std::make_pair(std::string("plain"), std::string("plain")));

    TCharactersDir dir("speak");
    dir.Add("Robby");
    TRecordingStage stage;
    TAssistant a(dir.Path(), &stage);
    a.AssistantSpeak("Dropped", false); // not visible
    a.ShowCharacter('R');
    stage.Calls.clear();
    a.AssistantSpeak("Aloud", false);
    a.AssistantSpeak("Quietly", true);
    a.AnimateAndSpeak("Hmm", true, 16);
    EXPECT_EQ(stage.Calls, (std::vector<std::string>{"speak Aloud|", "speak |Quietly", "play Think", "pause 500",
                                                     "play RestPose", "speak |Hmm"}));
}

TEST(Assistant, GoodbyeWavesSpeaksHidesWaitsAndUnloads)
{
    TCharactersDir dir("bye");
    dir.Add("Genie");
    TRecordingStage stage;
    TAssistant a(dir.Path(), &stage);
    a.SayGoodbye("Bye", true); // nothing loaded: nothing happens
    EXPECT_TRUE(stage.Calls.empty());
    a.ShowCharacter('G');
    stage.Calls.clear();
    a.SayGoodbye("Bye, bye. See you later.", true);
    EXPECT_EQ(stage.Calls, (std::vector<std::string>{"play Wave", "pause 500", "play RestPose",
                                                     "speak Bye, bye. See you later.|", "hide", "wait", "unload"}));
    EXPECT_FALSE(a.Loaded());

    // A change of character: goodbye, then the new one.
    a.ShowCharacter('G');
    stage.Calls.clear();
    a.ChangeCharacter('M'); // only Genie is installed
    EXPECT_EQ(stage.Calls[3], "speak See you later.|");
    EXPECT_EQ(stage.Calls.back(), "show");
    EXPECT_EQ(a.CharacterName(), "Genie");
}

TEST(Assistant, TheGoodbyeDoesNotWaitAndAShowMeanwhileKeepsTheNewCharacter)
{
    TCharactersDir dir("bye_async");
    dir.Add("Genie");
    TRecordingStage stage;
    stage.HoldHide = true;
    TAssistant a(dir.Path(), &stage);
    a.ShowCharacter('G');
    int gone = 0;
    a.SayGoodbye("Bye", true, [&] { ++gone; });
    EXPECT_EQ(stage.Calls.back(), "wait");
    EXPECT_TRUE(a.Loaded()) << "still waving";
    EXPECT_EQ(gone, 0);
    stage.EndHide();
    EXPECT_FALSE(a.Loaded());
    EXPECT_EQ(gone, 1);

    // Shown again while waving: the goodbye ends there, the character stays.
    a.ShowCharacter('G');
    a.SayGoodbye("Bye", true, [&] { ++gone; });
    a.ShowCharacter('G');
    stage.EndHide();
    EXPECT_TRUE(a.Loaded());
    EXPECT_TRUE(stage.IsVisible);
    EXPECT_EQ(gone, 1);

    // A change of character shows the new one once the old has gone.
    a.ChangeCharacter('G');
    EXPECT_EQ(stage.Calls.back(), "wait");
    stage.EndHide();
    EXPECT_EQ(stage.Calls.back(), "show");
    EXPECT_TRUE(a.Loaded());
}

TEST(Assistant, ADamagedCharacterIsNotInstalledAndNothingFails)
{
    const std::string good = "character Peedy\nart Peedy.svg\nsize 40 50\nframe rest body\nanimation RestPose 0 rest\n";
    const std::string damaged[] = {
        "",                                                                          // empty
        "character Peedy\nsize 40 50\nframe rest body\nanimation RestPose 0 rest\n", // no art
        "character Peedy\nart Peedy.svg\nsize 40\nframe rest body\nanimation RestPose 0 rest\n",
        "character Peedy\nart Peedy.svg\nsize 40 50\nframe rest body\nanimation Wave 10 rest\n", // no RestPose
        good + "animation Wave 100 rest nowhere\n",                                              // unknown frame
        good + "animation Wave x rest\n",                                                        // bad time
        good + "animation Wave 0 rest rest\n", // frames without a time
        good + "dance all night\n",            // not a line of the format
        "character Peedy\nart ../Peedy.svg\nsize 40 50\nframe rest body\nanimation RestPose 0 rest\n",
        "\x89PNG\r\n\x1a\n\x00\x00", // not text at all
    };
    for (const std::string& text : damaged) {
        TCharactersDir dir("damaged");
        dir.Add("Peedy");
        dir.Write("Peedy", text);
        TRecordingStage stage;
        TAssistant a(dir.Path(), &stage);
        EXPECT_FALSE(a.CharacterInstalled("Peedy")) << text;
        EXPECT_FALSE(a.AssistantAvailable()) << text;
        a.ShowCharacter('P');
        EXPECT_TRUE(stage.Calls.empty());
    }

    // The drawing missing; a drawing the stage cannot use.
    TCharactersDir dir("damaged2");
    dir.Add("Peedy");
    dir.Add("Merlin");
    std::filesystem::remove(dir.Folder("Merlin") / "Merlin.svg");
    TRecordingStage stage;
    TAssistant a(dir.Path(), &stage);
    EXPECT_FALSE(a.CharacterInstalled("Merlin"));
    EXPECT_EQ(a.InstalledCharacters(), (std::vector<std::string>{"Peedy"}));
    stage.CanLoad = false;
    a.ShowCharacter('P');
    EXPECT_FALSE(a.Loaded());
    EXPECT_EQ(stage.Calls, (std::vector<std::string>{"load Peedy"}));
}

TEST(Assistant, ACharacterWhoseDrawingLacksALayerIsNotInstalledAndAnotherIsShown)
{
    TCharactersDir dir("layers");
    dir.Add("Peedy");
    dir.Add("Merlin");
    // Merlin's frame names "hat", which is no top-level group of his drawing: a group nested
    // inside a layer, or any other element with that id, is not a layer.
    dir.Write("Merlin",
              "character Merlin\nart Merlin.svg\nsize 40 50\nframe rest body hat\nanimation RestPose 0 rest\n");
    std::ofstream(dir.Folder("Merlin") / "Merlin.svg")
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 40 50\">"
           "<g id=\"body\"><g id=\"hat\"/></g><rect id=\"hat\" width=\"1\" height=\"1\"/></svg>";
    EXPECT_THROW(TCharacterFile::Load(TCharacterFile::PathFor(dir.Path(), "Merlin")), std::runtime_error);
    TRecordingStage stage;
    TAssistant a(dir.Path(), &stage);
    EXPECT_FALSE(a.CharacterInstalled("Merlin"));
    EXPECT_EQ(a.InstalledCharacters(), (std::vector<std::string>{"Peedy"}));
    a.ShowCharacter('M');
    EXPECT_TRUE(a.Loaded());
    EXPECT_EQ(a.CharacterName(), "Peedy");
    ASSERT_FALSE(stage.Calls.empty());
    EXPECT_EQ(stage.Calls.front(), "load Peedy");

    // A drawing that is no XML at all has no layers either.
    std::ofstream(dir.Folder("Merlin") / "Merlin.svg") << "<svg><g id=\"body\">";
    dir.Write("Merlin", "character Merlin\nart Merlin.svg\nsize 40 50\nframe rest body\nanimation RestPose 0 rest\n");
    EXPECT_FALSE(a.CharacterInstalled("Merlin"));
}

TEST(Assistant, AMissingAnimationPlaysTheRestPose)
{
    TCharactersDir dir("missing");
    dir.Add("Peedy");
    const TCharacterFile c = TCharacterFile::Load(TCharacterFile::PathFor(dir.Path(), "Peedy"));
    EXPECT_EQ(c.Animation("Congratulate").Name, "RestPose");
    EXPECT_EQ(c.Animation("Wave").Name, "Wave");
    const std::vector<std::string> missing = c.MissingAnimations();
    EXPECT_EQ(missing.size(), TCharacterFile::RequiredAnimations().size() - 4); // has RestPose, Show, Hide, Wave
}

} // namespace
} // namespace sv
