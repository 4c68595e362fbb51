// Every way out of a person's work writes all of the person's files: the user file, the task
// list and the main window's placement. One case per way out.

#include "support/gui/AppFixture.h"

#include "app/ProgramWindows.h"
#include "common/LeStream.h"
#include "common/Random.h"
#include "goals/Tasks.h"
#include "material/gui/SelectionFrames.h"
#include "study/gui/QuestionAsker.h"
#include "study/gui/StudyDialogs.h"
#include "support/gui/StudyPages.h"
#include "update/gui/UpdateCommands.h"
#include "user/User.h"
#include "widgets/CheckListCombo.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace sv::test {
namespace {

class EveryExit;

struct TWayOut {
    const char* Name;
    // The way out leaves the event loop (it is then taken inside one).
    bool LeavesTheLoop;
    std::function<void(EveryExit&)> Take;
};

class EveryExit : public AppTest, public ::testing::WithParamInterface<TWayOut> {
public:
    TRandom draws{7}; // the study session's working list draws freely

    using AppTest::Child;
    using AppTest::ChooseUser;
    using AppTest::main;
    using AppTest::messages;
    using AppTest::Settle;

    // A memory-verse session with one grade, closed.
    void CloseASession()
    {
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
        FindWidget<QPushButton>(session, "startStopButton")->click();
        FindWidget<QPushButton>(session, "rightButton")->click();
        const bool finished =
            FindWidget<QLabel>(session, "rightCount")->text() == FindWidget<QLabel>(session, "totalCount")->text();
        messages.Answers.assign(finished ? 0 : 1, true);
        ASSERT_TRUE(qobject_cast<QMdiSubWindow*>(session->parentWidget())->close());
        Settle();
    }
};

TEST_P(EveryExit, WritesTheUserFileTheTaskListAndTheWindowPlacement)
{
    randomSource = &draws;
    StartUp();
    RegisterProgramWindows(*main);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    // Work not yet on disk: a grade, a task, a moved window.
    main->User().QuestionByte({0, 1}) = 0x55;
    TTaskDef task;
    task.Details = "Read chapter 1";
    main->Tasks().Add(task);
    main->move(main->pos() + QPoint(13, 7));
    std::vector<char> expected = MemoryBytes(main->User());

    if (GetParam().LeavesTheLoop) {
        QTimer::singleShot(0, main.get(), [this] { GetParam().Take(*this); });
        EXPECT_EQ(QCoreApplication::exec(), 0);
    } else {
        GetParam().Take(*this);
    }
    Settle();
    if (main->User().FileName.text() == "Ann") // still Ann: what she has now
        expected = MemoryBytes(main->User());

    EXPECT_EQ(FileBytes(UsersDir() + "Ann.219"), expected);
    TTasks tasks;
    tasks.LoadFromFile(TaskFilePath(UsersDir(), "Ann"));
    ASSERT_EQ(tasks.Count(), 1);
    EXPECT_EQ(tasks.At(1).Details, "Read chapter 1");
    const QSettings settings(QString::fromStdString(Dir() + "settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Window/Geometry")).toByteArray(), main->saveGeometry());
}

INSTANTIATE_TEST_SUITE_P(
    WaysOut, EveryExit,
    ::testing::Values(TWayOut{"SessionClose", false, [](EveryExit& f) { f.CloseASession(); }},
                      TWayOut{"ChangeOfPerson", false,
                              [](EveryExit& f) {
                                  f.main->CmdStart->trigger();
                                  f.Settle();
                                  f.messages.Answers = {true};
                                  f.ChooseUser(QStringLiteral("Bob"));
                                  ASSERT_EQ(f.main->User().FileName.text(), "Bob");
                              }},
                      TWayOut{"ProgramExit", false,
                              [](EveryExit& f) {
                                  f.messages.Answers = {true};
                                  ASSERT_TRUE(f.main->close());
                              }},
                      TWayOut{"LogOut", false, [](EveryExit& f) { f.main->SaveForLogOut(); }},
                      TWayOut{"TerminationSignal", true, [](EveryExit& f) { f.main->SaveAndQuit(); }},
                      TWayOut{"ExitForUpdate", true, [](EveryExit& f) { QuitForUpdate(*f.main); }}),
    [](const ::testing::TestParamInfo<TWayOut>& way) { return std::string(way.param.Name); });

} // namespace
} // namespace sv::test
