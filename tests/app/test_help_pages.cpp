// The help pages shipped in program/help: every window's help context has its page, the
// contents page lists every page, and every link between pages leads to a page.

#include "app/StartupForm.h"
#include "app/TipOfDayForm.h"
#include "editor/gui/QEditor.h"
#include "game/gui/GameDlg.h"
#include "game/gui/GameForm.h"
#include "game/gui/WagerForm.h"
#include "game/gui/WallOfFameDlg.h"
#include "goals/gui/GoalsCreateDlg.h"
#include "portion/gui/PortionDlg.h"
#include "progress/gui/ProgressChartForm.h"
#include "study/gui/QuestionAsker.h"
#include "team/gui/TeamProgressForm.h"
#include "update/gui/WebUpdateForm.h"
#include "voice/gui/SpeechForm.h"
#include "wordstudy/gui/BibleForm.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <set>
#include <utility>

namespace sv::test {
namespace {

const QDir HelpDir(QStringLiteral(SV_HELP_DIR));

QString ReadPage(const QString& name)
{
    QFile f(HelpDir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The pages a page links to ("2010.html" for href="2010.html").
std::set<QString> LinksOf(const QString& page)
{
    std::set<QString> links;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)\""));
    for (auto it = href.globalMatch(ReadPage(page)); it.hasNext();)
        links.insert(it.next().captured(1));
    return links;
}

QString PageOf(int context) { return QString::number(context) + QStringLiteral(".html"); }

TEST(HelpPages, EveryWindowsContextHasItsPageInTheContents)
{
    struct TCase {
        const char* Window;
        int Context;
        int Expected;
    };
    // Windows that keep their context as a constant, and the numbers the others pass on.
    const TCase cases[] = {
        {"Select User", TStartupForm::HelpContext, 1000},
        {"Tip of the Day", TTipOfDayForm::HelpContext, 1100},
        {"study session", TQuestionAsker::HelpContext, 2005},
        {"web update", TWebUpdateForm::HelpContext, 2010},
        {"game set-up", TGameDlgStart::HelpContext, 2110},
        {"game board", TGameForm::HelpContext, 2115},
        {"wager", TWagerForm::HelpContext, 2115},
        {"Wall of Fame", TWallOfFameDlg::HelpContext, 2125},
        {"speech settings", TSpeechForm::HelpContext, 2120},
        {"word study", TBibleForm::HelpContext, 7100},
        {"progress chart", TProgressChartForm::HelpContext, 2060},
        {"team progress", TTeamProgressForm::HelpContext, 2065},
        {"goals editor", TGoalsCreateDlg::HelpContext, 2130},
        {"question editor", TQEditor::HelpContext, 9100},
        {"portion choice", TPortionDlg::HelpContext, 9210},
        {"questions set-up", 1001, 1001},
        {"memory verses set-up", 100, 100},
        {"reference work set-up", 1003, 1003},
        {"question sets", 2070, 2070},
        {"question lists", 2080, 2080},
        {"memory verse list", 2090, 2090},
        {"scripture portion", 2100, 2100},
        {"concordance", 7200, 7200},
        {"technical support", 500, 500},
        {"other products", 510, 510},
    };
    const std::set<QString> contents = LinksOf(QStringLiteral("index.html"));
    for (const TCase& c : cases) {
        EXPECT_EQ(c.Context, c.Expected) << c.Window;
        EXPECT_TRUE(HelpDir.exists(PageOf(c.Context))) << c.Window << ": no page " << c.Context;
        EXPECT_TRUE(contents.count(PageOf(c.Context))) << c.Window << ": not in the contents";
    }
}

// The help buttons of the three study set-up dialogs have their own context; their page says
// what the dialog's page says, word for word.
const std::pair<int, int> ButtonPages[] = {{2020, 1001}, {2030, 100}, {2040, 1003}};

TEST(HelpPages, TheStudyDialogsButtonPagesAreTheirDialogsPages)
{
    for (const auto& [button, dialog] : ButtonPages) {
        EXPECT_FALSE(ReadPage(PageOf(dialog)).isEmpty()) << dialog;
        EXPECT_EQ(ReadPage(PageOf(button)), ReadPage(PageOf(dialog))) << button << " differs from " << dialog;
    }
}

TEST(HelpPages, TheContentsListEveryPageAndEveryLinkLeadsToAPage)
{
    const QStringList pages = HelpDir.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_TRUE(pages.contains(QStringLiteral("index.html")));
    std::set<QString> contents = LinksOf(QStringLiteral("index.html"));
    for (const auto& [button, dialog] : ButtonPages) {
        if (contents.count(PageOf(dialog)))
            contents.insert(PageOf(button)); // listed through its twin
    }
    for (const QString& page : pages) {
        if (page != QStringLiteral("index.html")) {
            EXPECT_TRUE(contents.count(page)) << page.toStdString() << " is not in the contents";
        }
        for (const QString& link : LinksOf(page)) {
            if (link.startsWith(QStringLiteral("http")) || link.startsWith(QStringLiteral("mailto:")))
                continue;
            EXPECT_TRUE(HelpDir.exists(link)) << page.toStdString() << " links to a missing " << link.toStdString();
        }
    }
}

} // namespace
} // namespace sv::test
