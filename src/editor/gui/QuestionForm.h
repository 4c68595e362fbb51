#pragma once
// TQuestionForm: the window "Question" in which a coach writes one question: its collection and
// the collections holding a copy, type, prefix, question and answer parts (each a verse and its
// text), the fields of the question file. While the coach types, the findings of the content
// check are shown a moment after the last keystroke, each with its level written out ("Error:",
// "Warning:") as well as coloured. Save is enabled once the findings are in and none is an
// error. The check compiles the whole portion (about half a second for the shipped one), so
// it runs on another thread and the form stays usable meanwhile. Its controls are named for tests and assistive
// technology (objectName = member name).

#include "editor/QuestionEditing.h"

#include <QFutureWatcher>
#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace sv {

class TQuestionForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int CheckDelayMs = 400;

    // editing checks the fields; it must outlive the form.
    TQuestionForm(const content::TQuestionEditing& editing, const content::TQuestionFields& fields,
                  QWidget* parent = nullptr);

    // The fields as typed (texts converted to Windows-1252; a character without a
    // Windows-1252 byte is reported as an error finding instead).
    content::TQuestionFields Fields() const;
    // Checks the fields now and shows the findings (the delay timer starts the same check on
    // another thread after typing).
    void CheckNow();
    // A check started by the timer has not come back yet.
    bool Checking() const;
    const std::vector<content::TEditFinding>& Findings() const { return m_findings; }

    // Save: the fields when Save was pressed.
    std::function<void(const content::TQuestionFields&)> OnSave;

    // Typing restarts it; when it fires the fields are checked.
    QTimer* CheckTimer() const { return m_checkTimer; }

private:
    void Typed();
    void StartCheck();
    void CheckDone();
    void ShowFindings();
    void AddPart(const QString& ref, const QString& text);

    QComboBox* CollectionCB;
    std::vector<QCheckBox*> CopyBoxes; // one per collection ("Copy0".."Copy7")
    QComboBox* TypeCB;
    QLineEdit* PrefixEdit;
    QLineEdit* QuestionEdit;
    QTableWidget* PartsTable; // columns: verse, answer text
    QPushButton* AddPartBtn;
    QPushButton* RemovePartBtn;
    QListWidget* FindingsList;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;
    QTimer* m_checkTimer;

    const content::TQuestionEditing& m_editing;
    content::TQuestionFields m_base; // what the form does not show is kept as it was
    std::vector<content::TEditFinding> m_findings;
    QFutureWatcher<std::vector<content::TEditFinding>> m_checking;
    int m_typed = 0;             // counts the changes of the fields
    int m_checked = 0;           // the count the running check started from
    bool m_checkPending = false; // a check is out and its findings not shown yet
    mutable std::vector<std::string> m_textErrors;
};

} // namespace sv
