// The team window as a coach uses it: three persons, sorted by a chapter, one person's chart
// opened from the table, the report printed and the CSV file exported.

#include "TeamFixture.h"
#include "support/ContentFixture.h"
#include "support/gui/AppFixture.h"
#include "support/gui/FindWidget.h"
#include "support/gui/ScriptedSaveDialog.h"

#include "app/ProgramWindows.h"
#include "print/gui/PrintContext.h"
#include "progress/gui/ProgressChartForm.h"
#include "support/gui/ScriptedMessages.h"
#include "team/gui/PersonTransfer.h"
#include "team/gui/TeamProgressForm.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <deque>

using namespace sv;
using namespace sv::test;

namespace {

int PercentAt(const QTableWidget* table, int row, int column)
{
    return table->item(row, column)->data(Qt::DisplayRole).toInt();
}

} // namespace

TEST_F(AppTest, TeamProgressListsThePersonsAndOpensTheChartOfOne)
{
    std::filesystem::create_directories(UsersDir());
    WriteThreePersons(UsersDir());
    StartUp();
    RegisterProgramWindows(*main);
    ChooseUser(QStringLiteral("Cy"));

    ASSERT_TRUE(main->CmdTeamProgress->isEnabled());
    main->CmdTeamProgress->trigger();
    auto* team = Child<TTeamProgressForm>();
    ASSERT_NE(team, nullptr);
    auto* table = FindWidget<QTableWidget>(team, "PersonsTable");
    ASSERT_EQ(table->rowCount(), 3);
    int bobRow = -1;
    for (int r = 0; r < 3; ++r)
        if (team->FileNameAt(r) == "Bobthequick")
            bobRow = r;
    ASSERT_GE(bobRow, 0);
    EXPECT_EQ(table->item(bobRow, 1)->text().toStdString(), "2026-12-09");

    // Enter on Bob (as a double click does) opens his chart, read from his file.
    table->setCurrentCell(bobRow, 0);
    QTest::keyClick(table, Qt::Key_Return);
    Settle();
    auto* chart = Child<TProgressChartForm>();
    ASSERT_NE(chart, nullptr) << ChildCount() << " "
                              << (messages.Shown.empty() ? std::string() : messages.Log().back());
    EXPECT_TRUE(chart->windowTitle().contains(QStringLiteral("Bobthequick"))) << chart->windowTitle().toStdString();
    EXPECT_TRUE(messages.Shown.empty()) << messages.Log().back();
}

TEST_F(AppTest, TeamWindowSortsByAChapterAndShowsEachMeasure)
{
    const TTeamFolder folder;
    const TLoadedContent& content = SmallContent();
    TPrintContext context;
    context.Books = &content.Books;
    context.Questions = &content.Questions;
    context.Messages = &messages;
    TTeamProgressForm form(context, folder.Users());
    std::vector<std::string> opened;
    form.OpenChart = [&opened](const std::string& fileName) { opened.push_back(fileName); };
    form.show();
    auto* table = FindWidget<QTableWidget>(&form, "PersonsTable");
    auto* totals = FindWidget<QTableWidget>(&form, "TotalsTable");
    ASSERT_EQ(table->rowCount(), 3);
    ASSERT_EQ(table->columnCount(), 2 + 4);
    EXPECT_EQ(table->horizontalHeaderItem(TTeamProgressForm::ColumnOfChapter(3))->text().toStdString(), "Pm 1");

    // Pm 1 questions: Cy 0 of 4, Ann 1 of 4, Bob 2 of 4. A click on the header sorts by it,
    // a second click the other way round.
    const int pm1 = TTeamProgressForm::ColumnOfChapter(3);
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(pm1) + 4, 4));
    ASSERT_EQ(header->sortIndicatorSection(), pm1);
    const bool ascending = header->sortIndicatorOrder() == Qt::AscendingOrder;
    EXPECT_EQ(form.FileNameAt(ascending ? 0 : 2), "Cy");
    EXPECT_EQ(form.FileNameAt(1), "Annlee");
    EXPECT_EQ(PercentAt(table, 1, pm1), 25);
    EXPECT_EQ(form.FileNameAt(ascending ? 2 : 0), "Bobthequick");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(pm1) + 4, 4));
    EXPECT_EQ(form.FileNameAt(ascending ? 0 : 2), "Bobthequick");
    // The totals row stays under the table: 3 of 12.
    ASSERT_EQ(totals->rowCount(), 1);
    EXPECT_EQ(totals->item(0, 0)->text().toStdString(), "Team");
    EXPECT_EQ(PercentAt(totals, 0, pm1), 25);

    // Memory passages: Bob has mastered those of Ga 3 and Pm 1.
    FindWidget<QComboBox>(&form, "MeasureCB")->setCurrentIndex(1);
    EXPECT_EQ(form.Measure(), TTeamMeasure::MemoryPassages);
    int bobRow = -1;
    for (int r = 0; r < 3; ++r)
        if (form.FileNameAt(r) == "Bobthequick")
            bobRow = r;
    ASSERT_GE(bobRow, 0);
    EXPECT_EQ(PercentAt(table, bobRow, TTeamProgressForm::ColumnOfChapter(2)), 100);
    EXPECT_EQ(PercentAt(table, bobRow, TTeamProgressForm::ColumnOfChapter(0)), 0);
    EXPECT_EQ(PercentAt(totals, 0, TTeamProgressForm::ColumnOfChapter(0)), 33); // Ann's of Ga 1

    // Enter on a selected person opens their chart.
    table->setCurrentCell(bobRow, 3);
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(opened, std::vector<std::string>{"Bobthequick"});
}

TEST_F(AppTest, TeamWindowPrintsTheReportAndExportsTheCsvFile)
{
    std::filesystem::create_directories(UsersDir());
    WriteThreePersons(UsersDir());
    StartUp();
    TScriptedSaveDialog saves;
    TPrintContext context;
    context.Books = &main->Books();
    context.Questions = &main->Questions();
    context.Messages = &messages;
    context.Shell = &shell;
    context.SaveDialog = &saves;
    TTeamProgressForm form(context, UsersDir());
    form.show();

    const QString rtf = QString::fromStdString(Dir() + "TEAM.rtf");
    const QString csv = QString::fromStdString(Dir() + "TEAM.csv");
    saves.Answers = {TSaveAnswer{rtf, 0}, TSaveAnswer{csv, 0}, std::nullopt};
    messages.Answers = {true}; // open the report
    FindWidget<QPushButton>(&form, "PrintBtn")->click();
    FindWidget<QPushButton>(&form, "CsvBtn")->click();
    FindWidget<QPushButton>(&form, "CsvBtn")->click(); // cancelled: nothing happens

    QFile report(rtf);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(report.readAll().contains("Bob, \"the quick\"\\cell "));
    ASSERT_EQ(shell.Opened.size(), 1u);
    EXPECT_EQ(shell.Opened[0], rtf);
    QFile table(csv);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_TRUE(table.readAll().startsWith("Person,File,Chapter,"));
    ASSERT_EQ(saves.Requests.size(), 3u);
    EXPECT_EQ(saves.Requests[1].DefaultExtension.toStdString(), "csv");
}

TEST(PersonTransfer, ImportAsksAboutATakenNameAndNeverReplacesThePersonWorkingNow)
{
    const struct {
        const char* What;
        std::string Current;
        std::deque<bool> Answers;
        bool Imported;
        std::vector<std::string> Kinds;
        const char* NewFile;
    } cases[] = {
        {"replace", "Cy", {true}, true, {"confirm", "information"}, "Annlee.219"},
        {"keep both", "Cy", {false, true}, true, {"confirm", "confirm", "information"}, "Annleecopy.219"},
        {"cancel", "Cy", {false, false}, false, {"confirm", "confirm"}, ""},
        {"the person working now", "Annlee", {true}, true, {"warning", "confirm", "information"}, "Annleecopy.219"},
    };
    const TTeamFolder from;
    for (const auto& c : cases) {
        const TTeamFolder to;
        TScriptedMessages messages;
        messages.Answers = c.Answers;
        EXPECT_EQ(ImportPersonFile(from.Users() + "Annlee.219", to.Users(), c.Current, messages), c.Imported) << c.What;
        std::vector<std::string> kinds;
        for (const auto& shown : messages.Shown)
            kinds.push_back(shown.Kind);
        EXPECT_EQ(kinds, c.Kinds) << c.What;
        if (*c.NewFile) {
            EXPECT_TRUE(QFile::exists(QString::fromStdString(to.Users() + c.NewFile))) << c.What;
        }
    }

    const TTeamFolder to;
    TScriptedMessages messages;
    QFile foreign(QString::fromStdString(from.Users() + "Notes.219"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("a letter, not a person");
    foreign.close();
    EXPECT_FALSE(ImportPersonFile(from.Users() + "Notes.219", to.Users(), "Cy", messages));
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Kind, "error");
    EXPECT_NE(messages.Shown[0].Text.find("cut short"), std::string::npos) << messages.Shown[0].Text;
}
