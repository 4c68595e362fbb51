#pragma once
// TProgressChartForm: the window "Study Progress Chart". For the current person it charts,
// chapter by chapter, how many questions (of the chosen collections), memory verses or
// references are mastered, correct fewer than 3 times, unmastered and untried, and shows the
// totals. The counting is TProgressCounts; this window hands the counts to its chart. It
// changes nothing in the user record. A pop-up menu on the chart saves it as a PNG image;
// hovering a bar shows the chapter and its four counts. The fourth view, the verse map, shows
// one cell per verse of a chapter range; a click on a cell opens the word study at the verse.

#include "progress/ProgressCounts.h"
#include "progress/VerseMap.h"

#include <QString>
#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QStackedWidget;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace sv {

class IMessageService;
class TfrmCollections;
class TProgressChart;
class TVerseMapView;

class TProgressChartForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2060;

    TProgressChartForm(const TBooks& books, const TQuestions& questions, const TUser& user, IMessageService* messages,
                       QWidget* parent = nullptr);

    TProgressView View() const { return m_view; }
    // Selects a view as its radio button does.
    void SelectView(TProgressView view);
    const TProgressCounts& Counts() const { return m_counts; }
    // The text shown when the mouse rests on a chart point.
    QString HoverText(int point) const;
    // Saves the chart as a PNG image at path; false (and an error message) when it cannot.
    bool SaveImage(const QString& path);
    // What "Save chart as image..." does: asks for a file name, then saves there.
    void SaveChartAsImage();

    // Asks where to save the image (suggested name given); empty for cancel. A file dialog
    // unless a test replaces it.
    std::function<QString(const QString& suggested)> AskSavePath;
    // Opens the help at a context number (the Help button); may be empty.
    std::function<void(int context)> ShowHelp;
    // Opens the word study at a verse (a click on the verse map); may be empty.
    std::function<void(const TVerseRef& ref)> OpenWordStudyAt;

    // The verse map's chapter range (ChapterNo, inclusive), as the two lists choose it.
    void SetMapRange(int fromChapter, int toChapter);
    const TVerseMap& Map() const { return m_map; }

private:
    TProgressChart* Chart;
    QGroupBox* ViewGroupBox;
    QRadioButton* QuestionsRB;
    QRadioButton* MemoryRB;
    QRadioButton* ReferenceRB;
    QRadioButton* VerseMapRB;
    QStackedWidget* Pages;
    QWidget* MapPage;
    QComboBox* MapFromCB;
    QComboBox* MapToCB;
    TVerseMapView* MapView;
    QLabel* MapSummaryLabel;
    QGroupBox* LegendGroupBox;
    QGroupBox* MapLegendGroupBox;
    QGroupBox* TotalsGroupBox;
    QGroupBox* CollectionsGroupBox;
    TfrmCollections* Collections;
    QLabel* AvailableLabel;
    QLabel* AttemptedLabel;
    QLabel* UntriedLabel;
    QLabel* MasteredLabel;
    QLabel* CorrectLabel;
    QLabel* UnmasteredLabel;
    QPushButton* OKBtn;
    QPushButton* HelpBtn;
    QPushButton* SaveImageBtn; // "Save as image...", as the chart's pop-up menu

    QMenu* ChartPopupMenu;

    // The parts of the window, each made and wired by its own function.
    void MakeChart();
    void MakeViewBox();
    void MakeMapPage(const TBooks& books);
    void MakeCollectionsBox(const TQuestions& questions, IMessageService* messages, const TUser& user);
    void MakeTotalsBox();
    void MakeButtons();
    void NameControls();
    void Fill();
    void ShowTotals();

    const TBooks& m_books;
    const TUser& m_user;
    IMessageService* m_messages;
    TProgressCounts m_counts;
    TVerseMap m_map;
    TProgressView m_view = TProgressView::Questions;
};

} // namespace sv
