#pragma once
// TTeamProgressForm: the window "Team Progress". Every person of the Users folder is a row;
// after the name and the date of the last study comes one column per chapter with the
// percent mastered of what the view chooses (questions, memory passages or references), in
// the progress chart's colours: the mastered share lime, the rest grey. A click on a column
// header sorts by it; the totals row under the table ("Team") stays put and shows the team's
// weakest chapters. A double click (or Enter) on a person opens that person's progress
// chart. "Print..." writes the team report, "Export CSV..." the CSV file. The counting is
// TTeamTable; this window changes no person's files.

#include "print/gui/PrintContext.h"
#include "team/TeamTable.h"

#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace sv {

class TTeamProgressForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2065;

    // Counts the persons of usersDir (ending in "/").
    TTeamProgressForm(TPrintContext context, std::string usersDir, QWidget* parent = nullptr);

    const TTeamTable& Table() const { return *m_table; }
    // The view shown in the chapter columns.
    TTeamMeasure Measure() const;
    void SelectMeasure(TTeamMeasure measure);
    // The file name of the person in a row of the table as it is sorted now.
    std::string FileNameAt(int row) const;
    // The table's column of a chapter (index 0 is the first chapter).
    static int ColumnOfChapter(int chapter) { return chapter + 2; }
    // Counts the folder again (after a person was imported, say).
    void Reload();
    // What "Print..." and "Export CSV..." do.
    void PrintReport();
    void ExportCsv();

    // Opens a person's progress chart (the file name of the user file); may be empty.
    std::function<void(const std::string& fileName)> OpenChart;

private:
    void Fill();
    void OpenChartAt(int row);

    TPrintContext m_context;
    std::string m_usersDir;
    std::unique_ptr<TTeamTable> m_table;
    QComboBox* m_measure;
    QTableWidget* m_persons;
    QTableWidget* m_totals;
    QPushButton* m_print;
    QPushButton* m_csv;
    QPushButton* m_help;
    QPushButton* m_close;
};

} // namespace sv
