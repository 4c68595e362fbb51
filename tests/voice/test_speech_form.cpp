// "Speech and Assistant Settings" over a fake engine and test characters.

#include "voice/gui/SpeechForm.h"

#include "CharacterFixture.h"
#include "VoiceFakes.h"
#include "WidgetApp.h"
#include "support/gui/FindWidget.h"
#include "user/User.h"
#include "voice/Assistant.h"
#include "voice/Sounds.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace sv {
namespace {

using test::FindWidget;

QApplication& App() { return test::WidgetApp(); }

class TVoices : public test::TFakeSpeech {
public:
    QStringList Voices() const override
    {
        return {QStringLiteral("Default"), QStringLiteral("AdultMale1"), QStringLiteral("kal"),
                QStringLiteral("Adult Female"), QStringLiteral("slt")};
    }
};

class SpeechFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App();
        m_personality = m_temp.filePath(QStringLiteral("personality.txt")).toStdString();
        std::ofstream(m_personality) << "[Personality=Encourager]\n[Category=Correct1]\nGood\n"
                                        "[Personality=Coach]\n[Category=Correct1]\nRight\n";
        sounds = std::make_unique<TSounds>("/prog/Sounds/", &engine, &sound, m_personality.string(), random);
        user.Reset(false, true);
        user.VoiceName.setText("kal");
        user.PersonalityName.setText("Coach");
    }

    // A settings window over the characters installed in dir.
    std::unique_ptr<TSpeechForm> Open(const test::TCharactersDir& dir)
    {
        assistant = std::make_unique<TAssistant>(dir.Path(), &stage);
        TSpeechSettingsContext c;
        c.User = &user;
        c.Sounds = sounds.get();
        c.Engine = &engine;
        c.Assistant = assistant.get();
        c.AssistantChanged = [this](bool on) { changes.push_back(on); };
        return std::make_unique<TSpeechForm>(c);
    }
    static std::vector<std::string> Items(const QComboBox* cb)
    {
        std::vector<std::string> items;
        for (int i = 0; i < cb->count(); ++i)
            items.push_back(cb->itemText(i).toStdString());
        return items;
    }

    TVoices engine;
    test::TFakeSound sound;
    test::TFixedRandom random;
    std::unique_ptr<TSounds> sounds;
    test::TRecordingStage stage;
    std::unique_ptr<TAssistant> assistant;
    TUser user;
    std::vector<bool> changes;
    QTemporaryDir m_temp; // private to this test: runs at the same time never share it
    std::filesystem::path m_personality;
};

TEST_F(SpeechFormTest, OpensWithTheStoredChoicesAndWithoutAdultVoices)
{
    test::TCharactersDir dir("form_open");
    dir.Add("Robby");
    dir.Add("Merlin");
    user.Options.AssistantChar = '?';
    auto form = Open(dir);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Speech and Assistant Settings"));
    EXPECT_EQ(Items(FindWidget<QComboBox>(form, "voiceBox")), (std::vector<std::string>{"Default", "kal", "slt"}));
    EXPECT_EQ(FindWidget<QComboBox>(form, "voiceBox")->currentText(), QStringLiteral("kal"));
    EXPECT_EQ(Items(FindWidget<QComboBox>(form, "personalityBox")), (std::vector<std::string>{"Encourager", "Coach"}));
    EXPECT_EQ(FindWidget<QComboBox>(form, "personalityBox")->currentText(), QStringLiteral("Coach"));
    // The installed characters in the fixed order; "?" selects the first.
    EXPECT_EQ(Items(FindWidget<QComboBox>(form, "assistantBox")), (std::vector<std::string>{"Merlin", "Robby"}));
    EXPECT_EQ(FindWidget<QComboBox>(form, "assistantBox")->currentText(), QStringLiteral("Merlin"));
    EXPECT_TRUE(FindWidget<QCheckBox>(form, "useAssistantBox")->isChecked());
    EXPECT_TRUE(FindWidget<QComboBox>(form, "assistantBox")->isEnabled());
    FindWidget<QCheckBox>(form, "useAssistantBox")->click();
    EXPECT_FALSE(FindWidget<QComboBox>(form, "assistantBox")->isEnabled());
    EXPECT_FALSE(FindWidget<QComboBox>(form, "personalityBox")->isEnabled());
    EXPECT_FALSE(FindWidget<QLabel>(form, "personalityLabel")->isEnabled());
    EXPECT_EQ(FindWidget<QPlainTextEdit>(form, "testText")->toPlainText(),
              QStringLiteral("With what did John baptize?"));
    // The voice chooser says what it chooses.
    auto* voiceGroup = qobject_cast<QGroupBox*>(FindWidget<QComboBox>(form, "voiceBox")->parentWidget());
    ASSERT_TRUE(voiceGroup);
    EXPECT_EQ(voiceGroup->title(), QStringLiteral("Voice"));
}

TEST_F(SpeechFormTest, WithoutCharactersTheAssistantPartIsOffAndOkStoresTheVoiceOnly)
{
    test::TCharactersDir dir("form_none");
    user.Options.AssistantChar = 'M';
    auto form = Open(dir);
    EXPECT_FALSE(FindWidget<QCheckBox>(form, "useAssistantBox")->isChecked());
    EXPECT_FALSE(FindWidget<QCheckBox>(form, "useAssistantBox")->isEnabled());
    EXPECT_FALSE(FindWidget<QComboBox>(form, "assistantBox")->isEnabled());
    EXPECT_FALSE(FindWidget<QComboBox>(form, "personalityBox")->isEnabled());
    FindWidget<QComboBox>(form, "voiceBox")->setCurrentText(QStringLiteral("slt"));
    form->OKBtnClick();
    EXPECT_EQ(user.VoiceName.text(), "slt");
    EXPECT_EQ(user.Options.AssistantChar, 'M');
    EXPECT_EQ(engine.Mode, QStringLiteral("slt"));
}

TEST_F(SpeechFormTest, CancelUndoesTheVoicePreview)
{
    test::TCharactersDir dir("form_cancel");
    auto form = Open(dir);
    FindWidget<QComboBox>(form, "voiceBox")->setCurrentText(QStringLiteral("slt"));
    EXPECT_EQ(engine.Mode, QStringLiteral("slt")); // the preview
    form->CancelBtnClick();
    EXPECT_EQ(engine.Mode, QStringLiteral("kal"));
    EXPECT_EQ(user.VoiceName.text(), "kal");
}

TEST_F(SpeechFormTest, TheTestSentenceIsSpokenAsTyped)
{
    test::TCharactersDir dir("form_test");
    auto form = Open(dir);
    FindWidget<QPlainTextEdit>(form, "testText")->setPlainText(QStringLiteral("Read 1 John 2 now"));
    FindWidget<QPushButton>(form, "testButton")->click();
    ASSERT_FALSE(engine.Spoken.empty());
    EXPECT_EQ(engine.Spoken.back(), "Read 1 John 2 now");
}

TEST_F(SpeechFormTest, OkTellsTheMainWindowOfAChangeOrChangesTheCharacter)
{
    test::TCharactersDir dir("form_ok");
    dir.Add("Peedy");
    dir.Add("Genie");
    user.Options.UseAssistant = 1;
    user.Options.AssistantChar = 'P';

    // Off and on again in one visit: no net change, no call.
    auto form = Open(dir);
    FindWidget<QCheckBox>(form, "useAssistantBox")->click();
    FindWidget<QCheckBox>(form, "useAssistantBox")->click();
    form->OKBtnClick();
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(stage.Calls.empty());

    // Another character while the assistant stays on: the character changes.
    assistant->ShowCharacter('P');
    stage.Calls.clear();
    form = Open(dir);
    assistant->ShowCharacter('P');
    FindWidget<QComboBox>(form, "assistantBox")->setCurrentText(QStringLiteral("Genie"));
    FindWidget<QComboBox>(form, "personalityBox")->setCurrentText(QStringLiteral("Encourager"));
    form->OKBtnClick();
    EXPECT_EQ(user.Options.AssistantChar, 'G');
    EXPECT_EQ(user.PersonalityName.text(), "Encourager");
    EXPECT_EQ(sounds->SelectedPersonality(), 0);
    EXPECT_EQ(assistant->CharacterName(), "Genie");
    EXPECT_TRUE(changes.empty());

    // Switched off: the main window hears of it.
    form = Open(dir);
    FindWidget<QCheckBox>(form, "useAssistantBox")->click();
    form->OKBtnClick();
    EXPECT_EQ(changes, (std::vector<bool>{false}));
    EXPECT_EQ(user.Options.UseAssistant, 0);
}

} // namespace
} // namespace sv
