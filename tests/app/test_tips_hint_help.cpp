#include "support/gui/AppFixture.h"
#include "support/gui/FindWidget.h"

#include "app/HelpForm.h"
#include "app/HintWindow.h"
#include "app/SplashScreen.h"
#include "app/TipOfDayForm.h"
#include "user/User.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWhatsThis>

#include <filesystem>

namespace sv::test {
namespace {

TEST_F(AppTest, TipsContinueAfterTheLastSeenAndStoreThePosition)
{
    CreateMain();
    const struct {
        int tipIndex;
        QString first, afterNext;
        int stored;
    } cases[] = {
        {2, QStringLiteral("Tip zero"), QStringLiteral("Tip <B>one</B>"), 1},
        {-1, QStringLiteral("Tip zero"), QStringLiteral("Tip <B>one</B>"), 1},
        {1, QStringLiteral("Tip two"), QStringLiteral("Tip zero"), 0},
    };
    for (const auto& c : cases) {
        main->User().Options.TipIndex = c.tipIndex;
        main->CmdTipOfTheDay->trigger();
        Settle();
        EXPECT_FALSE(main->CmdTipOfTheDay->isEnabled());
        auto* tips = Child<TTipOfDayForm>();
        ASSERT_NE(tips, nullptr);
        EXPECT_EQ(FindWidget<QLabel>(tips, "tipText")->text(), c.first);
        FindWidget<QPushButton>(tips, "nextButton")->click();
        EXPECT_EQ(FindWidget<QLabel>(tips, "tipText")->text(), c.afterNext);
        FindWidget<QCheckBox>(tips, "showEachTime")->setChecked(false);
        FindWidget<QPushButton>(tips, "closeButton")->click();
        Settle();
        EXPECT_EQ(ChildCount(), 0);
        EXPECT_EQ(main->User().Options.TipIndex, c.stored);
        EXPECT_EQ(main->User().Options.ShowTips, 0);
        EXPECT_TRUE(main->CmdTipOfTheDay->isEnabled());
    }
}

TEST_F(AppTest, AMissingTipsFileSaysSoAndStoresZero)
{
    std::filesystem::remove(Dir() + "tips.txt");
    CreateMain();
    main->User().Options.TipIndex = 5;
    main->CmdTipOfTheDay->trigger();
    auto* tips = Child<TTipOfDayForm>();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(FindWidget<QLabel>(tips, "tipText")->text(),
              QStringLiteral("The <B>Tip of the Day</B> file was not found. Please contact Tamberlin."));
    EXPECT_FALSE(FindWidget<QPushButton>(tips, "nextButton")->isEnabled());
    FindWidget<QPushButton>(tips, "closeButton")->click();
    EXPECT_EQ(main->User().Options.TipIndex, 0);
}

TEST_F(AppTest, HintForA100By20RectangleIsShown26PixelsTallWithRoundedCorners)
{
    TddgHintWindow hint;
    hint.ActivateHint(QRect(40, 50, 100, 20), QStringLiteral("Save & close"));
    EXPECT_EQ(hint.geometry(), QRect(40, 50, 100, 26));
    const QRegion region = hint.mask();
    EXPECT_TRUE(region.contains(QPoint(50, 13)));
    EXPECT_TRUE(region.contains(QPoint(0, 13)));
    EXPECT_FALSE(region.contains(QPoint(0, 0))); // rounded corners
    EXPECT_FALSE(region.contains(QPoint(99, 25)));
    EXPECT_EQ(hint.Text(), QStringLiteral("Save & close"));
    hint.ActivateHint(QRect(0, 0, 100, 20), QStringLiteral("again"));
    EXPECT_EQ(hint.height(), 26); // each activation starts from the rectangle
}

TEST_F(AppTest, EveryToolTipUsesTheHintWindow)
{
    CreateMain();
    QWidget target;
    target.setToolTip(QStringLiteral("Study questions"));
    target.resize(50, 20);
    target.show();
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), target.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&target, &event);
    ASSERT_NE(HintWindow(), nullptr);
    EXPECT_TRUE(HintWindow()->isVisible());
    EXPECT_EQ(HintWindow()->Text(), QStringLiteral("Study questions"));
    HintWindow()->hide();
}

TEST_F(AppTest, AboutBoxShowsItsButtonsAndDetailsOpensTheReadme)
{
    CreateMain();
    main->CmdAbout->trigger();
    auto* about = Child<TSplashScreen>();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(FindWidget<QTimer>(about, "splashTimer")->isActive());
    EXPECT_TRUE(FindWidget<QPushButton>(about, "detailsButton")->isVisibleTo(about));
    EXPECT_TRUE(FindWidget<QPushButton>(about, "closeButton")->isVisibleTo(about));
    EXPECT_EQ(FindWidget<QLabel>(about, "edition")->text(), QStringLiteral("Wrenfold Edition"));
    EXPECT_EQ(FindWidget<QLabel>(about, "forx")->text(), QStringLiteral("for KARVO"));
    FindWidget<QPushButton>(about, "detailsButton")->click();
    EXPECT_EQ(shell.Opened, (std::vector<QString>{QString::fromStdString(Dir() + "readme.txt")}));
    FindWidget<QPushButton>(about, "closeButton")->click();
    Settle();
    EXPECT_EQ(ChildCount(), 0);
}

TEST_F(AppTest, HelpOpensTheContentsOrTheContextPage)
{
    std::filesystem::create_directories(Dir() + "help");
    WriteFile("help/index.html", "<html><body><h1>Contents</h1></body></html>");
    WriteFile("help/500.html", "<html><body><h1>Support</h1></body></html>");
    CreateMain();
    main->CmdHelpContent->trigger();
    auto* help = main->findChild<THelpForm*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Contents")));
    main->CmdTechSupport->trigger();
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Support")));
    main->ShowHelp(4242); // a context without a page: the contents
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Contents")));

    // The help button of a window shows its page.
    WriteFile("help/1100.html", "<html><body><h1>Tips page</h1></body></html>");
    main->CmdTipOfTheDay->trigger();
    main->MdiArea()->setActiveSubWindow(main->MdiArea()->subWindowList().front());
    QWhatsThis::enterWhatsThisMode();
    Settle();
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Tips page")));
}

TEST_F(AppTest, EscapePutsTheHelpAwayAndF1BringsItBack)
{
    std::filesystem::create_directories(Dir() + "help");
    WriteFile("help/index.html", "<html><body><h1>Contents</h1></body></html>");
    CreateMain();
    main->CmdHelpContent->trigger();
    auto* help = main->findChild<THelpForm*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isVisible());
    help->Browser()->setFocus();
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(help->isVisible());
    main->CmdHelpContent->trigger();
    EXPECT_TRUE(help->isVisible());
}

} // namespace
} // namespace sv::test
