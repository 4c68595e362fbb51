#include "material/gui/SelectionFrames.h"
#include "progress/gui/ProgressChart.h"
#include "progress/gui/ProgressChartForm.h"
#include "progress/gui/VerseMapView.h"
#include "study/StudyFixture.h"
#include "support/gui/FindWidget.h"
#include "widgets/CheckListCombo.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

double ChartValue(TProgressChart& chart, TProgressSeries s, int point)
{
    chart.SetThisSerie(static_cast<int>(s));
    return chart.Value(point);
}

} // namespace

TEST(ProgressChartForm, ChartsTheCountsOfEachViewAndTheTotals)
{
    StudyFixture f;
    f.user.Collections[0] = 1;
    f.user.QuestionByte({0, 1}) = 31; // Ga 1:1, mastered
    f.user.QuestionByte({0, 3}) = 15; // Ga 2:1, correct < 3
    f.user.MemoryKnowledge[3] = 0;    // Pm 1:3, unmastered
    const std::vector<std::uint8_t> before = f.UserBytes();
    TProgressChartForm form(f.content.Books, f.content.Questions, f.user, &f.messages);
    form.show();

    EXPECT_EQ(form.windowTitle().toStdString(), "Study Progress Chart");
    EXPECT_EQ(FindWidget<QGroupBox>(&form, "viewBox")->title().toStdString(), "Percent of Questions");
    EXPECT_TRUE(FindWidget<QRadioButton>(&form, "questionsView")->isChecked());
    EXPECT_TRUE(FindWidget<QGroupBox>(&form, "collectionsBox")->isVisible());
    ASSERT_EQ(FindWidget<TProgressChart>(&form, "chart")->Points(), 4);
    EXPECT_EQ(FindWidget<TProgressChart>(&form, "chart")->Legend(0).toStdString(), "Ga 1");
    EXPECT_EQ(ChartValue(*FindWidget<TProgressChart>(&form, "chart"), TProgressSeries::Mastered, 0), 1);
    EXPECT_EQ(ChartValue(*FindWidget<TProgressChart>(&form, "chart"), TProgressSeries::CorrectFewerThan3, 1), 1);
    EXPECT_EQ(FindWidget<QLabel>(&form, "availableCount")->text().toStdString(), "8");
    EXPECT_EQ(FindWidget<QLabel>(&form, "attemptedCount")->text().toStdString(), "2");
    EXPECT_EQ(FindWidget<QLabel>(&form, "untriedCount")->text().toStdString(), "6");
    EXPECT_EQ(FindWidget<QLabel>(&form, "masteredCount")->text().toStdString(), "1");
    EXPECT_EQ(FindWidget<QLabel>(&form, "correctCount")->text().toStdString(), "1");
    EXPECT_EQ(FindWidget<QLabel>(&form, "unmasteredCount")->text().toStdString(), "0");
    EXPECT_EQ(form.HoverText(0).toStdString(), "Galatians 1\nMastered: 1\nCorrect < 3: 0\nUnmastered: 0\nUntried: 1");

    // Unchecking the last collection refills the view: every chapter untried, zero totals.
    FindWidget<TCheckListCombo>(&form, "collectionsList")->ToggleItem(0);
    EXPECT_EQ(ChartValue(*FindWidget<TProgressChart>(&form, "chart"), TProgressSeries::Untried, 3), 100);
    EXPECT_EQ(ChartValue(*FindWidget<TProgressChart>(&form, "chart"), TProgressSeries::Mastered, 0), 0);
    EXPECT_EQ(FindWidget<QLabel>(&form, "availableCount")->text().toStdString(), "0");
    EXPECT_EQ(form.HoverText(0).toStdString(), "Galatians 1\nNo question collection chosen");

    FindWidget<QRadioButton>(&form, "memoryView")->click();
    EXPECT_EQ(form.View(), TProgressView::MemoryVerses);
    EXPECT_EQ(FindWidget<QGroupBox>(&form, "viewBox")->title().toStdString(), "Percent of Memory Verses");
    EXPECT_FALSE(FindWidget<QGroupBox>(&form, "collectionsBox")->isVisible());
    EXPECT_EQ(ChartValue(*FindWidget<TProgressChart>(&form, "chart"), TProgressSeries::Unmastered, 3), 1);
    EXPECT_EQ(FindWidget<QLabel>(&form, "availableCount")->text().toStdString(), "3");

    FindWidget<QRadioButton>(&form, "referenceView")->click();
    EXPECT_EQ(FindWidget<QGroupBox>(&form, "viewBox")->title().toStdString(), "Percent of According To's");
    EXPECT_EQ(FindWidget<QLabel>(&form, "availableCount")->text().toStdString(), "23");
    EXPECT_EQ(ChartValue(*FindWidget<TProgressChart>(&form, "chart"), TProgressSeries::Untried, 2), 7);

    // The window reads the record and changes nothing, not even the collection choice.
    EXPECT_EQ(f.UserBytes(), before);
    EXPECT_TRUE(f.messages.Shown.empty());
}

TEST(ProgressChartForm, SavesTheChartAsAPngImage)
{
    StudyFixture f;
    f.user.Collections[0] = 1;
    TProgressChartForm form(f.content.Books, f.content.Questions, f.user, &f.messages);
    form.resize(760, 400);
    form.show();
    QTemporaryDir dir;
    QString suggested;
    form.AskSavePath = [&](const QString& s) {
        suggested = s;
        return dir.filePath(QStringLiteral("chart"));
    };
    // The button in the window, not only the chart's pop-up menu.
    ASSERT_TRUE(FindWidget<QPushButton>(&form, "saveImageButton")->isVisible());
    FindWidget<QPushButton>(&form, "saveImageButton")->click();
    EXPECT_EQ(suggested.toStdString(), "Ann progress.png");
    QImage image(dir.filePath(QStringLiteral("chart.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 300);
    EXPECT_TRUE(f.messages.Shown.empty());
    // Below the chart, the key: a swatch of each class colour (the new person's chart is all
    // untried, so these colours come from the key alone).
    for (const QColor colour : {QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0x00, 0x00)}) {
        int found = 0;
        for (int y = image.height() - 40; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                found += image.pixelColor(x, y) == colour;
        EXPECT_GT(found, 20) << colour.name().toStdString();
    }

    // Cancelled: nothing; a folder that does not exist: an error, reported.
    form.AskSavePath = [](const QString&) { return QString(); };
    form.SaveChartAsImage();
    EXPECT_TRUE(f.messages.Shown.empty());
    EXPECT_FALSE(form.SaveImage(dir.filePath(QStringLiteral("missing/chart.png"))));
    ASSERT_EQ(f.messages.Shown.size(), 1u);
    EXPECT_EQ(f.messages.Shown[0].Kind, "error");
    EXPECT_EQ(f.messages.Last(),
              "Cannot create file " + dir.filePath(QStringLiteral("missing/chart.png")).toStdString());
}

TEST(ProgressChartForm, TheVerseMapShowsTheChosenChaptersAndOpensTheWordStudyAtAClickedVerse)
{
    StudyFixture f;
    f.user.Collections[0] = 1;
    f.user.QuestionByte({0, 1}) = 31; // Ga 1:1 mastered
    TProgressChartForm form(f.content.Books, f.content.Questions, f.user, &f.messages);
    form.resize(760, 400);
    form.show();
    std::vector<TVerseRef> opened;
    form.OpenWordStudyAt = [&](const TVerseRef& ref) { opened.push_back(ref); };

    FindWidget<QRadioButton>(&form, "verseMapView")->click();
    EXPECT_EQ(form.View(), TProgressView::VerseMap);
    EXPECT_EQ(FindWidget<QGroupBox>(&form, "viewBox")->title().toStdString(), "Verse Map");
    EXPECT_TRUE(FindWidget<TVerseMapView>(&form, "verseMap")->isVisible());
    EXPECT_FALSE(FindWidget<TProgressChart>(&form, "chart")->isVisible());
    EXPECT_TRUE(FindWidget<QGroupBox>(&form, "collectionsBox")->isVisible());
    EXPECT_FALSE(FindWidget<QGroupBox>(&form, "totalsBox")->isVisible());
    EXPECT_EQ(form.Map().Cells().size(), 23u); // all four chapters of the fixture
    EXPECT_EQ(FindWidget<QLabel>(&form, "mapSummary")->text().toStdString(),
              "23 verses: 7 never asked, 0 some asked, 1 all mastered, 15 without questions");

    const QRect ga11 = FindWidget<TVerseMapView>(&form, "verseMap")->CellRect(1);
    ASSERT_FALSE(ga11.isEmpty());
    EXPECT_EQ(FindWidget<TVerseMapView>(&form, "verseMap")->VerseAt(ga11.center()), 1);
    EXPECT_EQ(FindWidget<TVerseMapView>(&form, "verseMap")->HoverText(1).toStdString(),
              "Galatians 1:1\nQuestions: 1, asked 1, mastered 1\nReference work: Untried");
    QTest::mouseClick(FindWidget<TVerseMapView>(&form, "verseMap"), Qt::LeftButton, {},
                      FindWidget<TVerseMapView>(&form, "verseMap")->CellRect(7).center());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], TVerseRef(1, 2, 2));

    form.SetMapRange(3, 3);
    EXPECT_EQ(form.Map().Cells().size(), 7u);
    EXPECT_TRUE(FindWidget<TVerseMapView>(&form, "verseMap")->CellRect(1).isEmpty());
    // Choosing a start after the end moves the end along.
    FindWidget<QComboBox>(&form, "mapFrom")->setCurrentIndex(3);
    EXPECT_EQ(FindWidget<QComboBox>(&form, "mapTo")->currentIndex(), 3);
    EXPECT_EQ(form.Map().Cells().size(), 8u);

    // Collections refill the map too.
    FindWidget<TCheckListCombo>(&form, "collectionsList")->ToggleItem(0);
    EXPECT_EQ(form.Map().Totals().NoQuestions, 8);
    EXPECT_TRUE(f.messages.Shown.empty());
}

TEST(ProgressChartForm, AScreenReaderSeesTheChartsBarsAndTheVerseMapsCells)
{
    StudyFixture f;
    f.user.Collections[0] = 1;
    f.user.QuestionByte({0, 1}) = 31; // Ga 1:1 mastered
    TProgressChartForm form(f.content.Books, f.content.Questions, f.user, &f.messages);
    form.resize(760, 400);
    form.show();

    // The chart: one child per chapter, its label and each series' share.
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(FindWidget<TProgressChart>(&form, "chart"));
    ASSERT_NE(chart, nullptr);
    ASSERT_EQ(chart->childCount(), 4);
    QAccessibleInterface* ga1 = chart->child(0);
    ASSERT_NE(ga1, nullptr);
    EXPECT_EQ(ga1->parent(), chart);
    EXPECT_EQ(chart->indexOfChild(ga1), 0);
    EXPECT_EQ(ga1->text(QAccessible::Name).toStdString(), "Ga 1");
    EXPECT_EQ(ga1->text(QAccessible::Description).toStdString(),
              "Mastered 50%, Correct < 3 0%, Unmastered 0%, Untried 50%");
    EXPECT_TRUE(chart->rect().contains(ga1->rect())) << "the bar lies on the chart";
    EXPECT_EQ(chart->child(3)->text(QAccessible::Name).toStdString(), "Pm 1");

    // The verse map: one child per verse with its state and counts; the keyboard moves along
    // the cells and Enter opens the current verse.
    std::vector<TVerseRef> opened;
    form.OpenWordStudyAt = [&](const TVerseRef& ref) { opened.push_back(ref); };
    FindWidget<QRadioButton>(&form, "verseMapView")->click();
    auto* mapView = FindWidget<TVerseMapView>(&form, "verseMap");
    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(mapView);
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->childCount(), 23);
    EXPECT_EQ(map->child(0)->text(QAccessible::Name).toStdString(), "Galatians 1:1, All mastered");
    EXPECT_EQ(map->child(0)->text(QAccessible::Description).toStdString(),
              "Questions: 1, asked 1, mastered 1. Reference work: Untried");
    EXPECT_EQ(map->child(0)->role(), QAccessible::ListItem);
    EXPECT_EQ(map->childAt(map->child(6)->rect().center().x(), map->child(6)->rect().center().y()), map->child(6));

    mapView->setFocus();
    EXPECT_TRUE(map->child(0)->state().selected) << "the first verse is the current one";
    QTest::keyClick(mapView, Qt::Key_Right);
    QTest::keyClick(mapView, Qt::Key_Down); // Ga 2:2
    EXPECT_FALSE(map->child(0)->state().selected);
    EXPECT_EQ(map->focusChild(), map->child(mapView->CurrentVerse() - 1));
    QTest::keyClick(mapView, Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], TVerseRef(1, 2, 2));
    QTest::keyClick(mapView, Qt::Key_End);
    QTest::keyClick(mapView, Qt::Key_Right);
    QTest::keyClick(mapView, Qt::Key_Space);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], form.Map().Cells().back().Ref) << "the last verse stays the last";
}
