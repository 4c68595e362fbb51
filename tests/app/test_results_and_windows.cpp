// The main window keeps what was studied on disk (a closed session, a new person, a termination
// signal), starts its engines after the window is seen, places itself and its children, and
// leaves Ctrl+W and Escape to the commands that own them.

#include "support/gui/AppFixture.h"
#include "support/gui/FindWidget.h"

#include "app/ProgramWindows.h"
#include "app/QuitSignals.h"
#include "app/SplashScreen.h"
#include "app/TipOfDayForm.h"
#include "material/gui/SelectionFrames.h"
#include "study/gui/QuestionAsker.h"
#include "study/gui/StudyDialogs.h"
#include "support/gui/StudyPages.h"
#include "update/gui/UpdateCommands.h"
#include "user/StudyDate.h"
#include "user/User.h"
#include "voice/Assistant.h"
#include "voice/Sounds.h"
#include "voice/gui/CharacterWindow.h"
#include "voice/gui/SpeechForm.h"
#include "widgets/CheckListCombo.h"
#include "wordstudy/gui/BibleForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace sv::test {
namespace {

// A child window with a line edit; it refuses its close request while Refuse is set.
class TChild : public QWidget {
public:
    explicit TChild(bool* refuse = nullptr, int* requests = nullptr) : m_refuse(refuse), m_requests(requests)
    {
        auto* lay = new QVBoxLayout(this);
        Edit = new QLineEdit(this);
        lay->addWidget(Edit);
    }
    QLineEdit* Edit;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        if (m_requests)
            ++*m_requests;
        if (m_refuse && *m_refuse)
            e->ignore();
        else
            e->accept();
    }

private:
    bool* m_refuse;
    int* m_requests;
};

const Qt::WindowFlags kFramed =
    Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

void Activate(QWidget& window)
{
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 2000));
}

TEST_F(AppTest, TheEnginesStartAfterTheFirstPaintAndTheSpeechCommandFollowsThem)
{
    CreateMainUnshown();
    EXPECT_TRUE(sound.Played.empty());
    EXPECT_FALSE(speech.IsActive);
    main->SetOpener(main->CmdSpeech, [] {});
    main->UM_COMMANDSON();
    EXPECT_FALSE(main->CmdSpeech->isEnabled()); // not before the engine reports ready
    main->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return main->Sounds().EngineStarted(); }, 5000));
    EXPECT_TRUE(speech.IsActive);
    EXPECT_TRUE(main->CmdSpeech->isEnabled());
    EXPECT_EQ(sound.Played, (std::vector<QString>{QString::fromStdString(Dir() + "Sounds/promote.wav")}));
    main->StartEngines(); // once only
    EXPECT_EQ(sound.Played.size(), 1u);
}

TEST_F(AppTest, WhileADialogHoldsTheStartCommandsALateEngineLeavesSpeechSettingsOff)
{
    CreateMainUnshown();
    main->SetOpener(main->CmdSpeech, [] {});
    main->UM_COMMANDSON();
    main->UM_DIALOGOPEN();
    main->StartEngines();
    EXPECT_FALSE(main->CmdSpeech->isEnabled());
    main->UM_COMMANDSON();
    EXPECT_TRUE(main->CmdSpeech->isEnabled());
}

TEST_F(AppTest, TheFirstWindowHoldsTheWordStudyAndThePlacementIsRemembered)
{
    CreateMain();
    const QSize client = main->MdiArea()->viewport()->size();
    const QRect avail = main->screen()->availableGeometry();
    EXPECT_GE(client.width(), 724);
    EXPECT_TRUE(client.height() >= 484 || main->height() >= avail.height() - 48) << client.height();

    main->setGeometry(QRect(40, 50, 640, 560));
    const QRect placed = main->geometry();
    messages.Answers = {true};
    ASSERT_TRUE(main->close());
    main.reset();
    CreateMain();
    EXPECT_EQ(main->geometry(), placed);
}

TEST_F(AppTest, EveryChildWindowIsPlacedWhollyInsideTheClientArea)
{
    CreateMain();
    main->resize(main->minimumSize());
    std::int32_t limit = 4;
    for (int i = 0; i < 3; ++i)
        OpenBibleWindow(*main->MdiArea(), main->Books(), limit, nullptr);
    Settle();
    const QRect client(QPoint(0, 0), main->MdiArea()->viewport()->size());
    ASSERT_EQ(main->MdiArea()->subWindowList().size(), 3);
    for (QMdiSubWindow* w : main->MdiArea()->subWindowList())
        EXPECT_TRUE(client.contains(w->geometry()))
            << w->geometry().x() << "," << w->geometry().y() << " " << w->width() << "x" << w->height();
}

TEST_F(AppTest, CtrlWOpensTheWordStudyFromAChildWindowAndCtrlF4ClosesTheChild)
{
    CreateMain();
    int opened = 0;
    main->SetOpener(main->CmdWordStudy, [&] { ++opened; });
    auto* child = new TChild;
    QMdiSubWindow* sub = main->OpenChild(child, TMainForm::TPlacement::Centred, kFramed);
    Settle();
    Activate(*main);
    main->MdiArea()->setActiveSubWindow(sub);
    child->Edit->setFocus();
    QTest::keyClick(child->Edit, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
    QTest::keyClick(child->Edit, Qt::Key_F4, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(ChildCount(), 0);
}

TEST_F(AppTest, EscapeClosesTheTipOfTheDayAndTheAboutBox)
{
    CreateMain();
    Activate(*main);
    main->CmdAboutExecute();
    auto* about = Child<TSplashScreen>();
    ASSERT_NE(about, nullptr);
    auto* version = about->findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version ") + ProgramVersion());
    EXPECT_TRUE(ProgramVersion().startsWith(QStringLiteral("0.1."))) << ProgramVersion().toStdString();
    QTest::keyClick(FindWidget<QPushButton>(about, "closeButton"), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(Child<TSplashScreen>(), nullptr);

    main->CmdTipOfTheDayExecute();
    auto* tip = Child<TTipOfDayForm>();
    ASSERT_NE(tip, nullptr);
    QTest::keyClick(FindWidget<QPushButton>(tip, "closeButton"), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(Child<TTipOfDayForm>(), nullptr);
    EXPECT_TRUE(main->CmdTipOfTheDay->isEnabled());
}

TEST_F(AppTest, ExitGivesAnOpenWindowItsCloseRequestAndStaysWhenItIsRefused)
{
    CreateMain();
    bool refuse = true;
    int requests = 0;
    main->OpenChild(new TChild(&refuse, &requests), TMainForm::TPlacement::Centred, kFramed);
    messages.Answers = {true};
    EXPECT_FALSE(main->close());
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(ChildCount(), 1);
    refuse = false;
    messages.Answers = {true};
    EXPECT_TRUE(main->close());
    EXPECT_EQ(requests, 2);
}

TEST_F(AppTest, AWindowThatFreesAnotherAsItClosesLeavesTheExitWhole)
{
    // As a game frees its question window: the exit's walk must pass over the freed one and
    // still reach the window after it.
    struct TFreeing : QWidget {
        QPointer<QMdiSubWindow> Other;
        void closeEvent(QCloseEvent* e) override
        {
            delete Other.data();
            e->accept();
        }
    };
    CreateMain();
    auto* freeing = new TFreeing;
    main->OpenChild(freeing, TMainForm::TPlacement::Centred, kFramed);
    freeing->Other = main->OpenChild(new TChild, TMainForm::TPlacement::Centred, kFramed);
    int requests = 0;
    main->OpenChild(new TChild(nullptr, &requests), TMainForm::TPlacement::Centred, kFramed);
    messages.Answers = {true};
    EXPECT_TRUE(main->close());
    EXPECT_EQ(requests, 1);
}

TEST_F(AppTest, ASessionsGradeIsOnDiskOnceTheSessionCloses)
{
    TRandom draws(7); // the working list draws freely
    randomSource = &draws;
    StartUp();
    RegisterProgramWindows(*main);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    const std::string path = UsersDir() + "Ann.219";
    const std::vector<char> created = FileBytes(path);
    ASSERT_EQ(created.size(), TUser::FileSize);

    main->CmdMemory->trigger();
    auto* dlg = Child<TMemDlgStart>();
    ASSERT_NE(dlg, nullptr);
    FindWidget<QRadioButton>(PageOf(dlg), "byChapters")->setChecked(true);
    FindWidget<TCheckListCombo>(PageOf(dlg), "materialList")->SetAllChecked(true);
    main->User().Options.Timed = 0;
    dlg->OKBtnClick();
    Settle();
    auto* session = Child<TQuestionAsker>();
    ASSERT_NE(session, nullptr) << (messages.Shown.empty() ? std::string() : messages.Log().back());
    FindWidget<QPushButton>(session, "startStopButton")->click();
    FindWidget<QPushButton>(session, "startStopButton")->click();
    FindWidget<QPushButton>(session, "rightButton")->click();
    EXPECT_EQ(FileBytes(path), created); // not yet

    // Unless that was the only question, closing asks whether to quit.
    const bool finished =
        FindWidget<QLabel>(session, "rightCount")->text() == FindWidget<QLabel>(session, "totalCount")->text();
    messages.Answers.assign(finished ? 0 : 1, true);
    auto* sub = qobject_cast<QMdiSubWindow*>(session->parentWidget());
    ASSERT_TRUE(sub->close());
    Settle();
    const std::vector<char> after = FileBytes(path);
    EXPECT_NE(after, created);
    EXPECT_EQ(after, MemoryBytes(main->User()));
    // The day of the grade is kept beside the user file.
    EXPECT_EQ(ReadStudyDate(StudyDatePath(UsersDir(), "Ann")), clock.Time.date());
}

TEST_F(AppTest, ExitWithASessionOpenAsksOneQuestion)
{
    TRandom draws(7);
    randomSource = &draws;
    StartUp();
    RegisterProgramWindows(*main);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    main->CmdMemory->trigger();
    auto* dlg = Child<TMemDlgStart>();
    ASSERT_NE(dlg, nullptr);
    FindWidget<QRadioButton>(PageOf(dlg), "byChapters")->setChecked(true);
    FindWidget<TCheckListCombo>(PageOf(dlg), "materialList")->SetAllChecked(true);
    main->User().Options.Timed = 0;
    dlg->OKBtnClick();
    Settle();
    auto* session = Child<TQuestionAsker>();
    ASSERT_NE(session, nullptr);
    FindWidget<QPushButton>(session, "startStopButton")->click();
    const std::size_t asked = messages.Shown.size();

    // The exit question alone: Yes ends the unfinished session with the program.
    messages.Answers = {true};
    EXPECT_TRUE(main->close());
    ASSERT_EQ(messages.Shown.size(), asked + 1) << messages.Log().back();
    EXPECT_EQ(messages.Shown.back().Text, "Are you sure you want to exit The Scrivolt?");
}

// Run as a child process by the next test: a person with a grade in memory only, waiting for
// a termination signal.
TEST_F(AppTest, ChildWaitingForATerminationSignal)
{
    if (!std::getenv("SV_SIGNAL_CHILD"))
        GTEST_SKIP() << "run by SigTermLeavesACompleteUserFile";
    StartUp();
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    main->User().QuestionByte({0, 1}) = 0x55; // a grade not yet on disk
    TQuitSignals quitSignals;
    QObject::connect(&quitSignals, &TQuitSignals::Received, main.get(), [this](int) { main->SaveAndQuit(); });
    std::filesystem::copy_file(UsersDir() + "Ann.219", std::getenv("SV_SIGNAL_CHILD"));
    std::printf("ready\n");
    std::fflush(stdout);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    std::filesystem::copy_file(UsersDir() + "Ann.219", std::string(std::getenv("SV_SIGNAL_CHILD")) + ".after");
}

TEST_F(AppTest, SigTermLeavesACompleteUserFile)
{
    const std::string out = Dir() + "copy.219";
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SV_SIGNAL_CHILD"), QString::fromStdString(out));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=AppTest.ChildWaitingForATerminationSignal")});
    ASSERT_TRUE(child.waitForStarted(5000));
    QByteArray seen;
    while (!seen.contains("ready") && child.waitForReadyRead(20000))
        seen += child.readAllStandardOutput();
    ASSERT_TRUE(seen.contains("ready")) << seen.toStdString();
    ::kill(static_cast<pid_t>(child.processId()), SIGTERM);
    ASSERT_TRUE(child.waitForFinished(20000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();

    // The file at creation, then the file the signal left: complete and holding the grade.
    const std::vector<char> created = FileBytes(out);
    const std::vector<char> after = FileBytes(out + ".after");
    ASSERT_EQ(created.size(), TUser::FileSize);
    ASSERT_EQ(after.size(), TUser::FileSize);
    TUser back;
    back.LoadFromFile(out + ".after");
    EXPECT_EQ(back.QuestionByte({0, 1}), 0x55);
    EXPECT_EQ(back.FullName.text(), "Ann");
}

TEST_F(AppTest, TheAssistantGreetsAndTheCommandTurnedOffWavesAndHidesIt)
{
    std::filesystem::copy(SV_CHARACTERS_DIR, Dir() + "Characters", std::filesystem::copy_options::recursive);
    StartUp();
    ASSERT_TRUE(main->Assistant().AssistantAvailable());
    auto* stage = main->findChild<TCharacterWindow*>(QStringLiteral("AssistantCharacter"));
    ASSERT_NE(stage, nullptr);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    // A new person has the assistant on: the first character in the fixed order greets.
    EXPECT_TRUE(main->CmdAssistant->isEnabled());
    EXPECT_TRUE(main->CmdAssistant->isChecked());
    EXPECT_EQ(main->Assistant().CharacterName(), "Peedy");
    EXPECT_TRUE(stage->isVisible());
    EXPECT_EQ(stage->geometry().right(), main->frameGeometry().right());
    EXPECT_EQ(speech.Spoken, (std::vector<std::string>{"Welcome back Ann. Are you ready to begin?"}));
    speech.OnTextDone();

    main->CmdAssistant->trigger(); // off: the character waves, then goes
    EXPECT_FALSE(main->CmdAssistant->isChecked());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main->Assistant().Loaded(); }, 8000));
    EXPECT_FALSE(stage->isVisible());
    EXPECT_EQ(speech.Spoken.back(), "Bye, bye. See you later.");
    EXPECT_EQ(main->User().Options.UseAssistant, 0);

    main->CmdAssistant->trigger(); // on again
    EXPECT_TRUE(stage->isVisible());
}

TEST_F(AppTest, TheAssistantTurnedOnAgainDuringItsGoodbyeStays)
{
    std::filesystem::copy(SV_CHARACTERS_DIR, Dir() + "Characters", std::filesystem::copy_options::recursive);
    StartUp();
    auto* stage = main->findChild<TCharacterWindow*>(QStringLiteral("AssistantCharacter"));
    ASSERT_NE(stage, nullptr);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    ASSERT_TRUE(stage->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stage->Animating(); }, 5000));

    // On again while the character still waves goodbye.
    bool turnedOn = false;
    QTimer::singleShot(150, main.get(), [&] {
        main->CmdAssistant->trigger();
        turnedOn = true;
    });
    main->CmdAssistant->trigger(); // off
    ASSERT_TRUE(QTest::qWaitFor([&] { return turnedOn && !stage->Animating(); }, 8000));
    QTest::qWait(50);
    EXPECT_TRUE(main->CmdAssistant->isChecked());
    EXPECT_TRUE(main->Assistant().Loaded());
    EXPECT_TRUE(stage->isVisible()) << "the check mark is on: the character must be there";
}

TEST_F(AppTest, TheSpeechSettingsClosedDuringTheGoodbyeTheirOkStarted)
{
    std::filesystem::copy(SV_CHARACTERS_DIR, Dir() + "Characters", std::filesystem::copy_options::recursive);
    StartUp();
    RegisterProgramWindows(*main);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    ASSERT_TRUE(main->Assistant().Loaded());
    ASSERT_TRUE(main->CmdSpeech->isEnabled());
    main->CmdSpeech->trigger();
    Settle();
    QPointer<TSpeechForm> form = Child<TSpeechForm>();
    ASSERT_FALSE(form.isNull());
    FindWidget<QCheckBox>(form, "useAssistantBox")->click(); // off

    // Cancel while the goodbye that OK starts still plays.
    QTimer::singleShot(150, main.get(), [&] {
        if (form)
            FindWidget<QPushButton>(form, "cancelButton")->click();
    });
    FindWidget<QPushButton>(form, "okButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main->Assistant().Loaded(); }, 8000));
    Settle();
    EXPECT_TRUE(form.isNull());
    EXPECT_FALSE(main->CmdAssistant->isChecked());
    EXPECT_EQ(main->User().Options.UseAssistant, 0);
}

TEST_F(AppTest, TheExitWaitsForTheAssistantsGoodbye)
{
    std::filesystem::copy(SV_CHARACTERS_DIR, Dir() + "Characters", std::filesystem::copy_options::recursive);
    StartUp();
    auto* stage = main->findChild<TCharacterWindow*>(QStringLiteral("AssistantCharacter"));
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    ASSERT_TRUE(stage->isVisible());
    speech.OnTextDone(); // the greeting has been said
    messages.Answers = {true};
    EXPECT_FALSE(main->close()) << "the window stays while the character waves";
    EXPECT_TRUE(std::filesystem::exists(UsersDir() + "Ann.219"));
    EXPECT_FALSE(main->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main->isVisible(); }, 8000));
    EXPECT_FALSE(stage->isVisible());
    EXPECT_EQ(speech.Spoken.back(), "Bye, bye, Ann");
}

} // namespace
} // namespace sv::test
