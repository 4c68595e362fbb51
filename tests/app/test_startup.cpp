#include "support/gui/AppFixture.h"
#include "support/gui/FindWidget.h"

#include "app/ProgramWindows.h"
#include "app/StartupForm.h"
#include "app/TipOfDayForm.h"
#include "common/LeStream.h"
#include "content/QuestionKeys.h"
#include "goals/Tasks.h"
#include "goals/gui/GoalsCreateDlg.h"
#include "program/ProgramPaths.h"
#include "user/User.h"
#include "voice/Sounds.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace sv::test {
namespace {

class StartupTest : public AppTest {
protected:
    // A user file as an earlier run would have written it.
    void MakeUser(const std::string& fileName, const std::string& fullName, std::int32_t tipIndex = -1)
    {
        TUser u;
        u.Reset(false, false);
        u.FullName.setText(fullName);
        u.FileName.setText(fileName);
        u.Options.TipIndex = tipIndex;
        u.SaveToFile(UsersDir() + fileName + ".219");
    }
    QStringList Listed()
    {
        QStringList names;
        auto* form = Child<TStartupForm>();
        for (int i = 0; form && i < FindWidget<QComboBox>(form, "SelectNameComboBox")->count(); ++i)
            names << FindWidget<QComboBox>(form, "SelectNameComboBox")->itemText(i);
        return names;
    }
    void ChooseUserAgain(const QString& name)
    {
        main->CmdStart->trigger();
        Settle();
        ChooseUser(name);
    }
    const char* const kNotListed = "C:I do not have you listed in my records.\rHave you spelled your name correctly?";
};

TEST_F(StartupTest, ANewNameIsCreatedGreetedAndShownTheTips)
{
    StartUp();
    auto* form = Child<TStartupForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Select User"));
    EXPECT_EQ(FindWidget<QComboBox>(form, "SelectNameComboBox")->currentText(), QStringLiteral("<Select name>"));
    EXPECT_TRUE(Listed().isEmpty());

    messages.Answers = {true};
    ChooseUser(QStringLiteral("mary-ann"));
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{kNotListed}));
    EXPECT_EQ(Child<TStartupForm>(), nullptr);
    EXPECT_EQ(main->User().FullName.text(), "mary-ann");
    EXPECT_EQ(main->User().FileName.text(), "Maryann");
    EXPECT_EQ(main->windowTitle(), QStringLiteral("The Scrivolt welcomes mary-ann"));
    EXPECT_EQ(speech.Spoken, (std::vector<std::string>{})); // kind 0: the assistant only
    EXPECT_NE(Child<TTipOfDayForm>(), nullptr);
    EXPECT_EQ(ChildCount(), 1);
    EXPECT_FALSE(main->CmdTipOfTheDay->isEnabled());
    // The new person's file is written at once.
    EXPECT_EQ(std::filesystem::file_size(UsersDir() + "Maryann.219"), TUser::FileSize);
}

// An installed program reads its files from the shared folder and writes the person's file,
// the settings and nothing else into the person's own folders.
TEST_F(StartupTest, AnInstalledProgramWritesThePersonsFileIntoTheirOwnFolder)
{
    const std::filesystem::path home = m_dir / "home";
    TPerUserFolders perUser{QString::fromStdString((home / ".local/share/scrivolt").string()),
                            QString::fromStdString((home / ".config/scrivolt").string())};
    std::filesystem::remove_all(m_dir / "Users");
    // The program folder is the executable's own: pretend it was found in share/ by making the
    // per-user layout explicitly, as LocateProgramFiles does for an installed program.
    TProgramPaths p = LocateProgramFiles(QString::fromStdString(m_dir.string()), perUser);
    p.Layout = TDataLayout::PerUser;
    p.DataDir = perUser.DataHome.toStdString() + "/";
    p.UsersDir = p.DataDir + "Users/";
    p.SettingsFile = perUser.ConfigHome + QStringLiteral("/settings.ini");
    MakeDataFolders(p);
    paths = p;

    StartUp();
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Tester"));
    EXPECT_EQ(std::filesystem::file_size(home / ".local/share/scrivolt/Users/Tester.219"), TUser::FileSize);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Users"));
    EXPECT_EQ(main->Settings().Path(), perUser.ConfigHome + QStringLiteral("/settings.ini"));
    EXPECT_TRUE(main->Settings().Save());
    EXPECT_FALSE(std::filesystem::exists(m_dir / "settings.ini"));
}

TEST_F(StartupTest, TypingANameReplacesThePrompt)
{
    StartUp();
    auto* form = Child<TStartupForm>();
    ASSERT_NE(form, nullptr);
    QTest::keyClicks(FindWidget<QComboBox>(form, "SelectNameComboBox")->lineEdit(), QStringLiteral("Tester"));
    EXPECT_EQ(FindWidget<QComboBox>(form, "SelectNameComboBox")->currentText(), QStringLiteral("Tester"));
}

TEST_F(StartupTest, BlanksAroundATypedNameAreNotPartOfTheName)
{
    StartUp();
    messages.Answers = {true};
    ChooseUser(QStringLiteral("  Ann \t"));
    EXPECT_EQ(main->User().FullName.text(), "Ann");
    EXPECT_EQ(main->User().FileName.text(), "Ann");
    EXPECT_EQ(main->windowTitle(), QStringLiteral("The Scrivolt welcomes Ann"));
}

TEST_F(StartupTest, NewUserSavesTheCurrentPersonAndListsThem)
{
    StartUp();
    messages.Answers = {true};
    ChooseUser(QStringLiteral("mary-ann"));
    main->CmdStart->trigger();
    Settle();
    EXPECT_FALSE(main->CmdStart->isEnabled());
    EXPECT_TRUE(std::filesystem::exists(UsersDir() + "Maryann.219"));
    EXPECT_EQ(Listed(), QStringList{QStringLiteral("Maryann")});

    ChooseUser(QStringLiteral("MARYANN")); // listed: loads without a question
    EXPECT_EQ(main->User().FullName.text(), "mary-ann");
    EXPECT_EQ(main->windowTitle(), QStringLiteral("The Scrivolt welcomes mary-ann"));
    EXPECT_TRUE(main->CmdStart->isEnabled());
}

TEST_F(StartupTest, TheTaskEditorClosesWhenAnotherPersonTakesThePlace)
{
    StartUp();
    RegisterProgramWindows(*main);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    TTaskDef task;
    main->Tasks().Add(task);
    main->CmdGoalCreateTasks->trigger();
    Settle();
    ASSERT_NE(Child<TGoalsCreateDlg>(), nullptr);

    // The selection window alone leaves Ann and her editor in place.
    main->CmdStart->trigger();
    Settle();
    ASSERT_NE(Child<TGoalsCreateDlg>(), nullptr);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Bob"));
    EXPECT_EQ(Child<TGoalsCreateDlg>(), nullptr);
    EXPECT_EQ(main->Tasks().Count(), 0);

    // Back to Ann, a listed person: the editor opened for Bob goes as well.
    main->CmdGoalCreateTasks->trigger();
    Settle();
    ASSERT_NE(Child<TGoalsCreateDlg>(), nullptr);
    main->CmdStart->trigger();
    Settle();
    ChooseUser(QStringLiteral("Ann"));
    EXPECT_EQ(Child<TGoalsCreateDlg>(), nullptr);
    EXPECT_EQ(main->Tasks().Count(), 1);
}

TEST_F(StartupTest, AShortFileLeavesDefaultsNotThePreviousPersonsValues)
{
    MakeUser("Ann", "Ann", 1);
    {
        // Bob's file ends after the first 100 bytes.
        TUser b;
        b.Reset(false, false);
        b.FullName.setText("Bob");
        b.FileName.setText("Bob");
        TStreamWriter w;
        b.SaveToStream(w);
        std::vector<std::uint8_t> head(w.data().begin(), w.data().begin() + 100);
        TStreamWriter shortFile;
        shortFile.writeBytes(head);
        shortFile.saveToFile(UsersDir() + "Bob.219");
    }
    StartUp();
    ChooseUser(QStringLiteral("Ann"));
    main->User().WordUseLimit = 9;
    main->CmdStart->trigger();
    Settle();
    ChooseUser(QStringLiteral("Bob"));
    EXPECT_EQ(main->User().FullName.text(), "Bob");
    EXPECT_EQ(main->User().WordUseLimit, 4); // the default, not Ann's 9
}

TEST_F(StartupTest, WhatThePreviousPersonDidWhileTheWindowWasOpenIsSaved)
{
    MakeUser("Ann", "Ann");
    MakeUser("Bob", "Bob");
    StartUp();
    ChooseUser(QStringLiteral("Ann"));
    main->CmdStart->trigger(); // saves Ann and opens the window again
    Settle();
    main->User().WordUseLimit = 7; // Ann goes on studying meanwhile
    ChooseUser(QStringLiteral("Bob"));
    TUser ann;
    ann.LoadFromFile(UsersDir() + "Ann.219");
    EXPECT_EQ(ann.WordUseLimit, 7);
}

TEST_F(StartupTest, AListedNameLoadsWithoutRegardToCase)
{
    MakeUser("bob", "Bob the quizzer", 1);
    StartUp();
    EXPECT_EQ(Listed(), QStringList{QStringLiteral("bob")});
    ChooseUser(QStringLiteral("Bob"));
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(main->User().FullName.text(), "Bob the quizzer");
    EXPECT_EQ(main->User().Options.TipIndex, 1);
    auto* tips = Child<TTipOfDayForm>();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(tips->Current(), 2);
}

TEST_F(StartupTest, ANameDerivingAListedFileNameLoadsThatPerson)
{
    MakeUser("Maryann", "Maryann Smith");
    const auto before = std::filesystem::last_write_time(UsersDir() + "Maryann.219");
    StartUp();
    ChooseUser(QStringLiteral("Mary Ann"));
    EXPECT_TRUE(messages.Shown.empty()); // not offered as a new person
    EXPECT_EQ(main->User().FullName.text(), "Maryann Smith");
    EXPECT_EQ(main->User().FileName.text(), "Maryann");
    EXPECT_EQ(std::filesystem::last_write_time(UsersDir() + "Maryann.219"), before);
}

TEST_F(StartupTest, NamesWithoutALetterAreRefused)
{
    StartUp();
    for (const char* typed : {"<Select name>", "", " ", "1234", "--"})
        ChooseUser(QString::fromLatin1(typed));
    EXPECT_EQ(messages.Log(), std::vector<std::string>(5, "W:Please enter your name."));
    EXPECT_NE(Child<TStartupForm>(), nullptr);
    EXPECT_FALSE(main->User().IsChosen());
    EXPECT_FALSE(main->CmdStart->isEnabled());
}

TEST_F(StartupTest, WindowsLettersAreKeptInTheNameAndTheFileOthersAreRefusedSayingWhy)
{
    StartUp();
    ChooseUser(QString::fromUtf8("\u0418\u0432\u0430\u043D")); // Иван
    EXPECT_EQ(messages.Log(),
              (std::vector<std::string>{
                  "W:A name cannot contain \u201C\u0418\u201D. Names can use the letters A to Z and the "
                  "accented letters of Western European languages (such as \u00E9, \u00EB, \u00F1, "
                  "\u00DF)."}));
    EXPECT_NE(Child<TStartupForm>(), nullptr);
    EXPECT_FALSE(main->User().IsChosen());

    messages.Shown.clear();
    messages.Answers = {true};
    ChooseUser(QString::fromUtf8("Zo\u00EB"));
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{kNotListed}));
    EXPECT_EQ(main->User().FullName.text(), "Zo\xEB");
    EXPECT_EQ(main->User().FileName.text(), "Zo\xEB");
    EXPECT_TRUE(std::filesystem::exists(UsersDir() + "Zo\xC3\xAB.219")) << "UTF-8 on disk";
    EXPECT_EQ(main->windowTitle(), QString::fromUtf8("The Scrivolt welcomes Zo\u00EB"));
    Settle();
    main->CmdStart->trigger();
    Settle();
    EXPECT_EQ(Listed(), QStringList{QString::fromUtf8("Zo\u00EB")});
    ChooseUser(QString::fromUtf8("ZO\u00CB")); // the same person, loaded
    EXPECT_EQ(main->User().FileName.text(), "Zo\xEB");
}

TEST_F(StartupTest, TheLastPersonIsPreselectedAndCancelOrEscapeKeepsThePersonChosen)
{
    StartUp();
    auto* first = Child<TStartupForm>();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(FindWidget<QPushButton>(first, "CancelBtn")->isVisible()) << "someone must be chosen first";
    QTest::keyClick(FindWidget<QComboBox>(first, "SelectNameComboBox"), Qt::Key_Escape);
    Settle();
    EXPECT_NE(Child<TStartupForm>(), nullptr);
    messages.Answers = {true, true};
    ChooseUser(QStringLiteral("Ann"));
    ChooseUserAgain(QStringLiteral("Bob"));
    ChooseUserAgain(QStringLiteral("Ann"));
    Settle();

    for (const bool escape : {false, true}) {
        main->CmdStart->trigger();
        Settle();
        auto* form = Child<TStartupForm>();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(FindWidget<QComboBox>(form, "SelectNameComboBox")->currentText(), QStringLiteral("Ann"))
            << "the person chosen last";
        EXPECT_TRUE(FindWidget<QPushButton>(form, "CancelBtn")->isVisible());
        if (escape)
            QTest::keyClick(FindWidget<QComboBox>(form, "SelectNameComboBox"), Qt::Key_Escape);
        else
            FindWidget<QPushButton>(form, "CancelBtn")->click();
        Settle();
        EXPECT_EQ(Child<TStartupForm>(), nullptr);
        EXPECT_EQ(main->User().FileName.text(), "Ann");
        EXPECT_TRUE(main->CmdStart->isEnabled());
    }
}

TEST_F(StartupTest, NoToTheSpellingQuestionKeepsTheWindowOpen)
{
    StartUp();
    messages.Answers = {false};
    ChooseUser(QStringLiteral("Ann"));
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{kNotListed}));
    EXPECT_NE(Child<TStartupForm>(), nullptr);
    EXPECT_FALSE(main->User().IsChosen());
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("The Scrivolt"));
}

TEST_F(StartupTest, AListedUserWhoseFileCannotBeOpenedKeepsTheWindowOpen)
{
    std::filesystem::create_directories(UsersDir() + "Zed.219"); // listed, but not a readable file
    StartUp();
    ChooseUser(QStringLiteral("Zed"));
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Kind, "error");
    EXPECT_TRUE(messages.Shown[0].Text.starts_with("Cannot open file "));
    EXPECT_NE(Child<TStartupForm>(), nullptr);
    EXPECT_FALSE(main->User().IsChosen());
}

TEST_F(StartupTest, TheWindowClosesOnlyWhenAUserIsChosen)
{
    StartUp();
    auto* form = Child<TStartupForm>();
    CloseChildWindow(form);
    Settle();
    EXPECT_EQ(Child<TStartupForm>(), form);
}

TEST_F(StartupTest, TheGreetingIsSpokenWithSpeechAndKindZeroGoesToTheAssistantOnly)
{
    // Without an assistant character the kind-0 greeting is silent; the voice and personality
    // of the person are still applied.
    MakeUser("Ann", "Ann");
    StartUp();
    ChooseUser(QStringLiteral("ann"));
    EXPECT_TRUE(speech.Spoken.empty());
    EXPECT_EQ(speech.Mode, QStringLiteral("Default"));
    EXPECT_EQ(main->Sounds().SelectedPersonality(), 0);
}

TEST_F(StartupTest, AMissingUsersFolderOnNewUserIsReportedAndTheListStaysEmpty)
{
    MakeUser("Ann", "Ann");
    StartUp();
    ChooseUser(QStringLiteral("Ann"));
    std::filesystem::remove_all(UsersDir());
    main->CmdStart->trigger();
    Settle();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_TRUE(messages.Shown[0].Text.starts_with("Cannot create file "));
    EXPECT_NE(Child<TStartupForm>(), nullptr);
    EXPECT_TRUE(Listed().isEmpty());
    std::filesystem::create_directories(UsersDir());
}

// The questions changed since Ann's results were written: her results follow their questions,
// she is told so in one line, and a new person gets the table at once.
TEST_F(StartupTest, ResultsFollowChangedQuestionsAndThePersonIsToldInOneLine)
{
    TQuestionKeys portion;
    portion.Collection(1) = {{"x", ""}, {"a", ""}, {"b", ""}};
    portion.Fingerprint = TQuestionKeys::FingerprintOfFile(Dir() + "wf.qs");
    portion.SaveToFile(Dir() + "wf.qid");
    TQuestionKeys annsTable;
    annsTable.Collection(1) = {{"a", ""}, {"b", ""}};
    annsTable.SaveToFile(UsersDir() + "Ann.qid");
    {
        TUser u;
        u.Reset(false, false);
        u.FullName.setText("Ann");
        u.FileName.setText("Ann");
        u.QuestionByte({1, 1}) = 31;
        u.SaveToFile(UsersDir() + "Ann.219");
    }
    StartUp();
    ChooseUser(QStringLiteral("Ann"));
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{"I:1 question new; your results were kept."}));
    EXPECT_EQ(main->User().QuestionByte({1, 2}), 31);
    EXPECT_EQ(main->User().QuestionByte({1, 1}), 7);
    EXPECT_TRUE(std::filesystem::exists(UsersDir() + "Ann.219.before-2024-03-01"));

    main->CmdStart->trigger();
    Settle();
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Bob"));
    TQuestionKeys bobs;
    bobs.LoadFromFile(UsersDir() + "Bob.qid");
    EXPECT_TRUE(bobs.SameQuestions(portion));
}

} // namespace
} // namespace sv::test

namespace sv::test {
namespace {

TEST_F(StartupTest, TasksAreSavedWithTheUserFileAndComeBackWithThePerson)
{
    MakeUser("Ann", "Ann");
    MakeUser("Bob", "Bob");
    StartUp();
    ChooseUser(QStringLiteral("Ann"));
    TTaskDef t;
    t.Kind = TTaskKind::Memory;
    t.Details = "Eph 6 memory verses";
    main->Tasks().Add(t);
    main->CmdStart->trigger();
    Settle();
    EXPECT_TRUE(std::filesystem::exists(UsersDir() + "Ann.tasks"));
    ChooseUser(QStringLiteral("Bob"));
    EXPECT_EQ(main->Tasks().Count(), 0); // Bob has none

    main->CmdStart->trigger();
    Settle();
    ChooseUser(QStringLiteral("Ann"));
    ASSERT_EQ(main->Tasks().Count(), 1);
    EXPECT_EQ(main->Tasks().At(1).Details, "Eph 6 memory verses");

    // Bob's task file is damaged: reported, and Bob is loaded with an empty list.
    TStreamWriter junk;
    junk.u32(1);
    junk.i32(5);
    junk.saveToFile(UsersDir() + "Bob.tasks");
    main->CmdStart->trigger();
    Settle();
    const std::size_t shown = messages.Shown.size();
    ChooseUser(QStringLiteral("Bob"));
    EXPECT_EQ(main->User().FullName.text(), "Bob");
    EXPECT_EQ(main->Tasks().Count(), 0);
    ASSERT_GT(messages.Shown.size(), shown);
    EXPECT_EQ(messages.Shown[shown].Kind, "error");
    EXPECT_TRUE(messages.Shown[shown].Text.find("Bob.tasks is damaged") != std::string::npos);
}

} // namespace
} // namespace sv::test
