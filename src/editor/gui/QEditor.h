#pragma once
// TQEditor: the window "Question Editor", a viewer of the questions that hang on one verse.
// The word study browser on the left picks the verse (a click on any verse); the list on the
// right holds that verse's questions in alphabetical order, and the chosen one is shown
// composed in the "Question" and "Answer" boxes. The window itself only shows: the coach's
// editing (editor/gui/CoachEditor.h) hooks the New, Modify and Delete buttons.

#include "editor/VerseQuestions.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace sv {

class IBibleSpeech;
class TBooks;
class TfrmBible;
struct TVerseRef;

class TQEditor : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 9100;

    // wordUseLimit is the person's WordUseLimit (the browser reads and writes it).
    TQEditor(const TBooks& books, const TQuestions& questions, std::int32_t& wordUseLimit, QWidget* parent = nullptr);

    // Lists the questions of a verse (1-based global number) and shows its reference.
    void ListVerse(int verseNo);
    // Shows the entry at a row of the list (as a click on it does).
    void AvailableLBClick(int row);
    const TVerseQuestions& Entries() const { return m_list; }

    // What the New, Modify and Delete buttons do, with their tooltips (the coach's editing
    // sets them; without it the buttons do nothing).
    struct TEditCommand {
        std::function<void()> Run;
        QString Tip;
    };
    void SetEditCommands(const TEditCommand& add, const TEditCommand& modify, const TEditCommand& remove);
    // The index into Entries() of the question chosen in the list; -1 when none is.
    int ChosenEntry() const;
    // Hides the question type list (the editing form has its own).
    void HideTypeList();
    // Places w under the buttons.
    void AddBelowButtons(QWidget* w);

private:
    TfrmBible* frmBible;
    QWidget* Panel1;
    QGroupBox* GroupBox1;
    QListWidget* AvailableLB;
    QGroupBox* GroupBox2;
    QPushButton* newBtn;
    QPushButton* modifyBtn;
    QPushButton* deleteBtn;
    QComboBox* genreCB;
    QGroupBox* GroupBox4;
    QTextEdit* qMemo;
    QGroupBox* GroupBox3;
    QTextEdit* aMemo;
    QPushButton* Button1;

    void NameControls();
    void VerseSelected(const TVerseRef& ref);

    const TBooks& m_books;
    TVerseQuestions m_list;
};

// The characters of a marked text as HTML, keeping bold and underline.
QString MarkedTextHtml(const TMarkedText& text);

} // namespace sv
