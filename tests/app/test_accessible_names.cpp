// Every control of every window that can take the focus has a name a screen reader can say: the
// program's windows are opened one after another through their commands, and a study session
// through its set-up dialog.

#include "support/gui/AccessibleNames.h"
#include "support/gui/AppFixture.h"
#include "support/gui/FindWidget.h"
#include "support/gui/StudyPages.h"

#include "app/ProgramWindows.h"
#include "common/Random.h"
#include "material/gui/SelectionFrames.h"
#include "study/gui/QuestionAsker.h"
#include "study/gui/StudyDialogs.h"
#include "user/User.h"
#include "widgets/CheckListCombo.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

namespace sv::test {
namespace {

class AccessibleNames : public AppTest {
protected:
    TRandom draws{7}; // the session draws freely

    // Notes the unnamed controls of every window shown now.
    void Audit()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                for (const QString& control : UnnamedControls(w))
                    m_unnamed.insert(control);
    }
    void CloseChildren()
    {
        main->MdiArea()->closeAllSubWindows();
        Settle();
    }
    QStringList Unnamed() const
    {
        QStringList list(m_unnamed.begin(), m_unnamed.end());
        list.sort();
        return list;
    }

private:
    QSet<QString> m_unnamed;
};

TEST_F(AccessibleNames, EveryFocusableControlOfEveryWindowHasOne)
{
    randomSource = &draws;
    StartUp();
    Audit(); // the main window and Select User
    RegisterProgramWindows(*main);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    main->User().Options.Timed = 0;

    const QAction* commands[] = {
        main->CmdQuestions,    main->CmdMemory,        main->CmdReferenceWork,   main->CmdWordStudy,
        main->CmdGame,         main->CmdWallOfFame,    main->CmdProgress,        main->CmdTeamProgress,
        main->CmdQuestionSets, main->CmdQuestionLists, main->CmdMemoryList,      main->CmdScripturePortion,
        main->CmdConcordance,  main->CmdSpeech,        main->CmdGoalCreateTasks, main->CmdEdit,
        main->CmdUpgrade,      main->CmdHelpContent,   main->CmdStart,
    };
    for (const QAction* command : commands) {
        SCOPED_TRACE(command->objectName().toStdString());
        EXPECT_TRUE(command->isEnabled());
        const_cast<QAction*>(command)->trigger();
        Settle();
        Audit();
        CloseChildren();
    }

    // A session window, opened from its set-up dialog.
    main->CmdMemory->trigger();
    auto* dlg = Child<TMemDlgStart>();
    ASSERT_NE(dlg, nullptr);
    FindWidget<QRadioButton>(PageOf(dlg), "byChapters")->setChecked(true);
    FindWidget<TCheckListCombo>(PageOf(dlg), "materialList")->SetAllChecked(true);
    dlg->OKBtnClick();
    Settle();
    auto* session = Child<TQuestionAsker>();
    ASSERT_NE(session, nullptr);
    Audit();
    FindWidget<QPushButton>(session, "startStopButton")->click();
    Audit();

    EXPECT_TRUE(Unnamed().isEmpty()) << Unnamed().join(QLatin1Char('\n')).toStdString();
    messages.Answers.assign(1, true);
    CloseChildren();
}

} // namespace
} // namespace sv::test
