#include "support/gui/AppFixture.h"
#include "support/gui/FindWidget.h"

#include "app/Application.h"
#include "app/SplashScreen.h"
#include "app/StartupForm.h"
#include "app/TipOfDayForm.h"
#include "common/Errors.h"
#include "user/User.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>

#include <filesystem>

namespace sv::test {
namespace {

// The enabled state of the commands that the rules touch, in this order.
std::string States(TMainForm& m)
{
    const QAction* commands[] = {
        m.CmdStart,       m.CmdQuestions,        m.CmdMemory,          m.CmdReferenceWork, m.CmdWordStudy,
        m.CmdGame,        m.CmdWallOfFame,       m.CmdProgress,        m.CmdQuestionSets,  m.CmdQuestionLists,
        m.CmdMemoryList,  m.CmdScripturePortion, m.CmdConcordance,     m.CmdSpeech,        m.CmdViewScrivolt,
        m.CmdAssistant,   m.CmdGoalCoach,        m.CmdGoalCreateTasks, m.CmdEdit,          m.CmdUpgrade,
        m.CmdTipOfTheDay, m.CmdHelpContent,      m.CmdTechSupport,     m.CmdAbout,
    };
    std::string s;
    for (const QAction* a : commands)
        s += a->isEnabled() ? '1' : '.';
    return s;
}

void RegisterAllOpeners(TMainForm& m)
{
    for (QAction* a : {m.CmdQuestions, m.CmdMemory, m.CmdReferenceWork, m.CmdWordStudy, m.CmdGame, m.CmdWallOfFame,
                       m.CmdProgress, m.CmdQuestionSets, m.CmdQuestionLists, m.CmdMemoryList, m.CmdScripturePortion,
                       m.CmdSpeech, m.CmdGoalCreateTasks, m.CmdEdit, m.CmdUpgrade})
        m.SetOpener(a, [] {});
}

// One character per command of States(): 1 enabled, . disabled. The hidden commands (Scripture
// portion, Concordance, See Scrivolt speak, coach mode) cannot be reached and report disabled.
//                                  Start Q M R WS Game WoF Prog Sets Lists MemL Scr Conc Speech View
//                                  Asst Coach Tasks Edit Upg Tip Help Tech About
const char* const kAtStart = "....1............1..1111";
const char* const kUserChosen = "11111111111..1...111.111";
const char* const kDialogOpen = "....1.11111......11..111";
const char* const kUserNoSpeech = "11111111111......111.111";

TEST_F(AppTest, EnablingRulesAtStartAfterAUserAndWhileADialogIsOpen)
{
    StartUp();
    RegisterAllOpeners(*main);
    EXPECT_EQ(States(*main), kAtStart);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    EXPECT_EQ(States(*main), kUserChosen); // the tip window is open: Tip of the Day is off
    main->UM_DIALOGOPEN();
    EXPECT_EQ(States(*main), kDialogOpen);
    main->UM_COMMANDSON();
    EXPECT_EQ(States(*main), kUserChosen);
}

TEST_F(AppTest, WithoutSpeechTheSpeechCommandsStayDisabled)
{
    speech.CanActivate = false;
    StartUp();
    RegisterAllOpeners(*main);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    EXPECT_EQ(States(*main), kUserNoSpeech);
    EXPECT_TRUE(speech.Spoken.empty()); // no greeting
    EXPECT_EQ(main->windowTitle(), QStringLiteral("The Scrivolt welcomes Ann"));
}

TEST_F(AppTest, CommandsWithoutTheirWindowStayDisabled)
{
    StartUp();
    EXPECT_EQ(States(*main), "....................1111");
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    EXPECT_EQ(States(*main), "1....................111");
    EXPECT_TRUE(main->CmdGoals->isEnabled());      // defined as doing nothing
    EXPECT_FALSE(main->CmdGoalView->isVisible());  // nothing to show yet: not offered
    EXPECT_FALSE(main->CmdAssistant->isEnabled()); // no character installed
}

TEST_F(AppTest, CommandTableCaptionsHintsAndShortcuts)
{
    CreateMain();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("The Scrivolt"));
    EXPECT_EQ(main->minimumSize(), QSize(560, 508));
    EXPECT_EQ(main->CmdStart->text(), QStringLiteral("&New User..."));
    EXPECT_EQ(main->CmdStart->toolTip(), QStringLiteral("Start here by retrieving user data"));
    EXPECT_EQ(main->CmdStart->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(main->CmdHelpContent->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    EXPECT_TRUE(main->CmdHelpContext->shortcut().isEmpty()); // no ambiguous Ctrl+H
    EXPECT_EQ(FindWidget<QAction>(main, "Exit1")->toolTip(), QStringLiteral("Exit"));
    EXPECT_EQ(FindWidget<QAction>(main, "Exit1")->statusTip(), QStringLiteral("Quits the application"));
    EXPECT_TRUE(main->CmdAssistant->isCheckable());
    EXPECT_FALSE(main->CmdScripturePortion->isVisible());
    EXPECT_FALSE(main->CmdConcordance->isVisible());
    EXPECT_EQ(sound.Played, (std::vector<QString>{QString::fromStdString(Dir() + "Sounds/promote.wav")}));
}

TEST_F(AppTest, TheGameCommandPlaysTheGameThemeBeforeItsWindowOpens)
{
    CreateMain();
    std::vector<QString> playedWhenOpened;
    main->SetOpener(main->CmdGame, [&] { playedWhenOpened = sound.Played; });
    main->UM_COMMANDSON();
    ASSERT_TRUE(main->CmdGame->isEnabled());
    main->CmdGame->trigger();
    EXPECT_EQ(playedWhenOpened, (std::vector<QString>{QString::fromStdString(Dir() + "Sounds/promote.wav"),
                                                      QString::fromStdString(Dir() + "Sounds/jeopardy.wav")}));
}

TEST_F(AppTest, AChildNeverResizesTheMainWindowButFitsInsideOrScrolls)
{
    CreateMain();
    main->resize(main->minimumSize());
    QCoreApplication::processEvents();
    const QSize mainSize = main->size();
    QWidget* area = main->MdiArea()->viewport();
    const struct {
        const char* what;
        int extraWidth; // beyond the client area
        bool shrinks;   // its contents allow it to be made smaller
    } cases[] = {{"a wide window that can shrink", 300, true}, {"a window that cannot shrink", 150, false}};
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        auto* child = new QWidget;
        child->resize(area->width() + c.extraWidth, 200);
        if (!c.shrinks)
            child->setMinimumSize(area->width() + c.extraWidth, 200);
        QMdiSubWindow* sub = main->OpenChild(child, TMainForm::TPlacement::Cascaded, Qt::SubWindow);
        QCoreApplication::processEvents();
        EXPECT_EQ(main->size(), mainSize);
        EXPECT_GE(sub->x(), 0);
        EXPECT_GE(sub->y(), 0);
        if (c.shrinks) {
            EXPECT_LE(sub->x() + sub->width(), area->width());
        } else {
            EXPECT_GT(main->MdiArea()->horizontalScrollBar()->maximum(), 0) << "the area scrolls to the rest";
        }
        sub->close();
        QCoreApplication::processEvents();
    }
}

TEST_F(AppTest, TheCatalogIsOfferedOnlyWhereItsFileIsInstalled)
{
    for (const bool installed : {false, true}) {
        SCOPED_TRACE(installed);
        if (installed)
            WriteFile("Catalog.pdf", "%PDF-1.4\n");
        CreateMain();
        EXPECT_EQ(FindWidget<QAction>(main, "ViewCatalog1")->isVisible(), installed);
        EXPECT_EQ(main->CmdCatalog->isVisible(), installed);
        main.reset();
    }
}

TEST_F(AppTest, NewChildrenOpenCascadedFromTheTopLeft)
{
    CreateMain();
    main->resize(1000, 800);
    QCoreApplication::processEvents();
    std::vector<QPoint> at;
    for (int i = 0; i < 3; ++i) {
        auto* child = new QWidget;
        child->resize(300, 200);
        at.push_back(main->OpenChild(child, TMainForm::TPlacement::Cascaded, Qt::SubWindow)->pos());
    }
    EXPECT_EQ(at[0], QPoint(0, 0));
    EXPECT_GT(at[1].x(), at[0].x());
    EXPECT_GT(at[1].y(), at[0].y());
    EXPECT_EQ(at[2] - at[1], at[1] - at[0]);
}

TEST_F(AppTest, TheFirstRunOpensTheMainWindowAtMostOfItsScreen)
{
    CreateMain();
    const QRect avail = main->screen()->availableGeometry();
    EXPECT_TRUE(avail.contains(main->geometry())) << "within the screen";
    EXPECT_GE(main->width(), std::min(avail.width() * 8 / 10, avail.width() - 16));
    EXPECT_GE(main->height(), std::min(avail.height() * 8 / 10, avail.height() - 48));
}

TEST_F(AppTest, AChildThatClosesItselfTakesItsFrameAlong)
{
    CreateMain();
    main->show();
    auto* child = new QWidget;
    main->OpenChild(child, TMainForm::TPlacement::Cascaded, Qt::SubWindow);
    ASSERT_EQ(main->MdiArea()->subWindowList().size(), 1);
    child->close();
    Settle();
    EXPECT_TRUE(main->MdiArea()->subWindowList().isEmpty());
}

TEST_F(AppTest, WithoutAScheduleTheUserSelectionFollowsTheSplash)
{
    StartUp();
    EXPECT_EQ(Child<TSplashScreen>(), nullptr);
    EXPECT_NE(Child<TStartupForm>(), nullptr);
    EXPECT_EQ(ChildCount(), 1); // the splash is gone, frame and all
    EXPECT_FALSE(main->UpdateShown());
}

TEST_F(AppTest, ADueWeeklyUpdateOpensOnceBeforeTheUserSelection)
{
    {
        QSettings ini(QString::fromStdString(Dir() + "settings.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Update/Schedule"), 1);
        ini.setValue(QStringLiteral("Update/NextDue"), ToDayNumber(clock.Time) - 0.5);
    }
    CreateMain();
    std::vector<QString> opened;
    main->SetScheduledUpdateOpener([&](const QString& caption) { opened.push_back(caption); });
    main->WaitToSplashTimer();
    Child<TSplashScreen>()->SplashTimerTimer();
    Settle();
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("Scheduled update")}));
    EXPECT_TRUE(main->UpdateShown());
    EXPECT_EQ(Child<TStartupForm>(), nullptr);
    EXPECT_DOUBLE_EQ(main->Settings().NextUpdateDue, ToDayNumber(clock.Time) + 7);
    TProgramSettings stored(QString::fromStdString(Dir() + "settings.ini"));
    stored.Load();
    EXPECT_DOUBLE_EQ(stored.NextUpdateDue, ToDayNumber(clock.Time) + 7);

    main->UM_STARTUP(); // the update window closed before any user was chosen
    Settle();
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_NE(Child<TStartupForm>(), nullptr);
    EXPECT_FALSE(main->UpdateShown());
}

TEST_F(AppTest, NoToTheExitQuestionKeepsRunningAndSavesNothing)
{
    StartUp();
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    main->User().WordUseLimit = 9; // changed since the file was created
    messages.Answers = {false};
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    TUser onDisk;
    onDisk.LoadFromFile(UsersDir() + "Ann.219");
    EXPECT_NE(onDisk.WordUseLimit, 9);
    EXPECT_EQ(messages.Log().back(), "C:Are you sure you want to exit The Scrivolt?");
}

TEST_F(AppTest, ExitBeforeAnyUserWritesNoFile)
{
    StartUp();
    messages.Answers = {true};
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(std::filesystem::is_empty(UsersDir()));
}

TEST_F(AppTest, ExitWritesTheUserFileWhichReloads)
{
    StartUp();
    messages.Answers = {true};
    ChooseUser(QStringLiteral("mary-ann"));
    Child<TTipOfDayForm>()->nextBtnClick();
    Child<TTipOfDayForm>()->closeBtnClick();
    messages.Answers = {true};
    ASSERT_TRUE(main->close());
    const std::string path = UsersDir() + "Maryann.219";
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), TUser::FileSize);
    TUser back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.FullName.text(), "mary-ann");
    EXPECT_EQ(back.FileName.text(), "Maryann");
    EXPECT_EQ(back.Options.TipIndex, 1);
}

TEST_F(AppTest, AFailedSaveAtExitIsReportedAndTheProgramStays)
{
    StartUp();
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    std::filesystem::remove_all(UsersDir());
    messages.Answers = {true};
    EXPECT_FALSE(main->close());
    ASSERT_EQ(messages.Shown.back().Kind, "error");
    EXPECT_TRUE(messages.Shown.back().Text.starts_with("Cannot create file "));
    std::filesystem::create_directories(UsersDir());
    messages.Answers = {true};
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(std::filesystem::exists(UsersDir() + "Ann.219"));
}

TEST_F(AppTest, AWindowThatFailsWhileOpeningIsReportedByItsCommandAndGivesTheCommandsBack)
{
    // What reaches the event loop's last-resort handler is kept apart from what the
    // windows report themselves.
    TScriptedMessages lastResort;
    static_cast<TApplication*>(qApp)->SetErrorReporter(&lastResort);
    StartUp();
    RegisterAllOpeners(*main);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    const std::size_t before = messages.Shown.size();
    // A set-up window that holds the start commands and then fails, and a window that fails
    // without holding them.
    main->SetOpener(main->CmdQuestions, [this] {
        main->UM_DIALOGOPEN();
        ThrowRange("Range check error: set-up");
    });
    main->SetOpener(main->CmdProgress, [] { ThrowRange("Range check error: chart"); });
    struct TCase {
        bool DialogOpen; // another set-up window is open meanwhile
        QAction* Command;
        const char* States;
    };
    const TCase cases[] = {
        {false, main->CmdQuestions, kUserChosen},
        {false, main->CmdProgress, kUserChosen},
        {true, main->CmdProgress, kDialogOpen}, // the open window keeps them held
    };
    for (const TCase& c : cases) {
        if (c.DialogOpen)
            main->UM_DIALOGOPEN();
        QTimer::singleShot(0, c.Command, &QAction::trigger);
        Settle();
        EXPECT_EQ(States(*main), c.States) << c.Command->text().toStdString();
        main->UM_COMMANDSON();
    }
    const std::vector<std::string> log = messages.Log();
    EXPECT_EQ(std::vector<std::string>(log.begin() + static_cast<std::ptrdiff_t>(before), log.end()),
              (std::vector<std::string>{"E:Range check error: set-up", "E:Range check error: chart",
                                        "E:Range check error: chart"}));
    EXPECT_TRUE(lastResort.Shown.empty()) << lastResort.Log().front();
    static_cast<TApplication*>(qApp)->SetErrorReporter(&messages);
}

TEST_F(AppTest, ARangeErrorInACommandIsShownAndTheProgramGoesOn)
{
    CreateMain();
    QTimer::singleShot(0, main.get(), [] { ThrowRange("Range check error: test"); });
    Settle();
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{"E:Range check error: test"}));
}

} // namespace
} // namespace sv::test
