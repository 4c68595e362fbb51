// What the program does for a quizzer who cannot see the screen well: the keyboard focus comes
// back after a message box, and announcements reach the accessibility bridge through the main
// window's status line.

#include "app/QtServices.h"
#include "shell/StatusAnnouncer.h"
#include "support/gui/AppFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace sv::test {
namespace {

// Presses the default button of the next message box once it is open.
void AnswerNextBox()
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            box->defaultButton() ? box->defaultButton()->click() : box->accept();
        }
    });
    timer->start();
}

// Two child windows of a main area, each with two boxes.
struct TwoWindows {
    QMdiArea area;
    QLineEdit* first[2]{};
    QLineEdit* second[2]{};
    QMdiSubWindow* sub[2]{};
    TwoWindows()
    {
        for (int w = 0; w < 2; ++w) {
            auto* page = new QWidget;
            auto* lay = new QVBoxLayout(page);
            first[w] = new QLineEdit(page);
            second[w] = new QLineEdit(page);
            lay->addWidget(first[w]);
            lay->addWidget(second[w]);
            sub[w] = area.addSubWindow(page);
            sub[w]->show();
        }
        area.resize(600, 400);
        area.show();
        area.activateWindow();
        QApplication::processEvents();
    }
};

TEST_F(AppTest, MessageBoxesReturnTheFocusToTheWidgetThatHadItAfterEveryKindOfBox)
{
    TMessageBoxes boxes;
    const std::vector<std::pair<const char*, std::function<void()>>> kinds = {
        {"warning", [&] { boxes.Warning(QStringLiteral("w")); }},
        {"error", [&] { boxes.Error(QStringLiteral("e")); }},
        {"confirm", [&] { EXPECT_TRUE(boxes.Confirm(QStringLiteral("c"))); }},
        {"information", [&] { boxes.Information(QStringLiteral("i")); }},
        {"message", [&] { boxes.Message(QStringLiteral("m")); }},
    };
    TwoWindows w;
    for (const auto& [kind, show] : kinds) {
        // The second box of the first (not the active) child window has the focus.
        w.area.setActiveSubWindow(w.sub[1]);
        w.second[0]->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), w.second[0]) << kind;
        AnswerNextBox();
        show();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), w.second[0]) << kind;
        EXPECT_EQ(w.area.activeSubWindow(), w.sub[0]) << kind;
    }
}

TEST_F(AppTest, MessageBoxesDoNotFocusAWidgetDisabledDuringTheBox)
{
    TMessageBoxes boxes;
    TwoWindows w;
    w.second[1]->setFocus();
    QApplication::processEvents();
    AnswerNextBox();
    QTimer::singleShot(0, w.second[1], [&w] { w.second[1]->setEnabled(false); });
    boxes.Warning(QStringLiteral("w"));
    EXPECT_NE(QApplication::focusWidget(), w.second[1]);
}

TEST_F(AppTest, TheStatusAnnouncerNamesItsLineWithEachText)
{
    QLabel line;
    TStatusAnnouncer announcer(&line);
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(&line);
    ASSERT_NE(status, nullptr);
    announcer.Announce(QStringLiteral("Right."));
    EXPECT_EQ(status->text(QAccessible::Name).toStdString(), "Right.");
    EXPECT_EQ(line.text().toStdString(), "Right.");
    announcer.Announce(QStringLiteral("  ")); // nothing to say
    EXPECT_EQ(status->text(QAccessible::Name).toStdString(), "Right.");
    announcer.Announce(QStringLiteral("10 seconds left."));
    EXPECT_EQ(status->text(QAccessible::Name).toStdString(), "10 seconds left.");
}

TEST_F(AppTest, TheMainWindowSpeaksThroughItsStatusLine)
{
    CreateMain();
    IAnnouncer* announcer = main->Services().Announcer;
    ASSERT_NE(announcer, nullptr);
    announcer->Announce(QStringLiteral("10 seconds left."));
    auto* line = main->statusBar()->findChild<QLabel*>(QStringLiteral("Announcements"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text().toStdString(), "10 seconds left.");
}

// Every command of the menus can be reached by its letter: each item has a mnemonic, no two
// items of a menu share one, and every shortcut of the main window is listed on the help page
// "Keyboard".
TEST_F(AppTest, EveryMenuCommandHasItsLetterAndEveryShortcutIsOnTheKeyboardPage)
{
    CreateMain();
    for (QAction* title : main->menuBar()->actions()) {
        QMenu* menu = title->menu();
        if (!menu || !title->isVisible())
            continue;
        EXPECT_TRUE(title->text().contains(QLatin1Char('&'))) << title->text().toStdString();
        std::set<QChar> letters;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator() || !item->isVisible())
                continue;
            const QString text = item->text();
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            ASSERT_GE(amp, 0) << text.toStdString() << " has no letter";
            ASSERT_LT(amp + 1, text.size());
            EXPECT_TRUE(letters.insert(text[amp + 1].toLower()).second)
                << text.toStdString() << " shares its letter in " << title->text().toStdString();
        }
    }
    EXPECT_EQ(main->CmdStart->text(), QStringLiteral("&New User...")) << "a caption's own letter stays";

    QFile page(QStringLiteral(SV_HELP_DIR) + QStringLiteral("/1300.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString keyboard = QString::fromUtf8(page.readAll());
    int shortcuts = 0;
    for (QAction* a : main->findChildren<QAction*>())
        for (const QKeySequence& key : a->shortcuts()) {
            ++shortcuts;
            EXPECT_TRUE(keyboard.contains(key.toString(QKeySequence::PortableText)))
                << key.toString().toStdString() << " of " << a->objectName().toStdString();
        }
    EXPECT_GE(shortcuts, 9);
}

} // namespace
} // namespace sv::test
