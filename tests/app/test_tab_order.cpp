// Tab goes through the windows of the program in reading order: each command's window is
// opened for a person, and its Tab chain is walked. A step back up the same column, or back
// to the left along the same row, is a control out of order.

#include "app/ProgramWindows.h"
#include "support/gui/AppFixture.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sv::test {
namespace {

// The controls Tab reaches in a window, in Tab order from the window's first.
std::vector<QWidget*> TabChain(QWidget* window)
{
    std::vector<QWidget*> chain;
    QWidget* w = window;
    for (int guard = 0; guard < 2000; ++guard) {
        w = w->nextInFocusChain();
        if (w == window)
            break;
        if (window->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled()
            && !w->focusProxy())
            chain.push_back(w);
    }
    return chain;
}

std::string Describe(QWidget* w)
{
    std::string name = w->objectName().toStdString();
    if (name.empty())
        name = w->metaObject()->className();
    if (!w->accessibleName().isEmpty())
        name += " \"" + w->accessibleName().toStdString() + "\"";
    return name;
}

// The steps of the chain that go back against the reading order.
std::vector<std::string> OutOfOrder(QWidget* window)
{
    std::vector<std::string> wrong;
    const std::vector<QWidget*> chain = TabChain(window);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        const QRect a(chain[i - 1]->mapTo(window, QPoint(0, 0)), chain[i - 1]->size());
        const QRect b(chain[i]->mapTo(window, QPoint(0, 0)), chain[i]->size());
        const bool above = b.bottom() < a.top() && b.left() < a.right();
        const bool sameRow = b.top() < a.bottom() && a.top() < b.bottom();
        const bool left = sameRow && b.right() <= a.left();
        if (above || left)
            wrong.push_back(Describe(chain[i - 1]) + " -> " + Describe(chain[i]));
    }
    return wrong;
}

} // namespace

TEST_F(AppTest, TabGoesThroughTheWindowsInReadingOrder)
{
    StartUp();
    RegisterProgramWindows(*main);
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    Settle();
    const std::vector<QAction*> commands = {
        main->CmdQuestions,     main->CmdMemory,          main->CmdProgress,    main->CmdQuestionSets,
        main->CmdReferenceWork, main->CmdWordStudy,       main->CmdGame,        main->CmdWallOfFame,
        main->CmdTeamProgress,  main->CmdQuestionLists,   main->CmdMemoryList,  main->CmdScripturePortion,
        main->CmdConcordance,   main->CmdGoalCreateTasks, main->CmdTipOfTheDay,
    };
    int windows = 0;
    for (QAction* command : commands) {
        if (!command->isEnabled())
            continue;
        const auto before = main->MdiArea()->subWindowList();
        command->trigger();
        Settle();
        QMdiSubWindow* opened = nullptr;
        for (QMdiSubWindow* sub : main->MdiArea()->subWindowList())
            if (!before.contains(sub) && sub->isVisible())
                opened = sub;
        if (!opened)
            continue;
        ++windows;
        for (const std::string& step : OutOfOrder(opened->widget()))
            ADD_FAILURE() << command->objectName().toStdString() << ": " << step;
        opened->close();
        Settle();
    }
    EXPECT_GE(windows, 8);
}

} // namespace sv::test
