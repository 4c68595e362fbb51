#pragma once
// TQuestionForm: the window "Question" in which a coach writes one question: its collection and
// the collections holding a copy, type, prefix, question and answer parts (each a verse and its
// text), the fields of the question file. While the coach types, the findings of the content
// check are shown a moment after the last keystroke, each with its level written out ("Error:",
// "Warning:") as well as coloured. Save is enabled once the findings are in and none is an
// error. Its controls are named for tests and assistive technology (objectName = member name).

#include "editor/QuestionEditing.h"

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
    // Checks the fields now (the delay timer does it after typing) and shows the findings.
    void CheckNow();
    const std::vector<content::TEditFinding>& Findings() const { return m_findings; }

    // Save: the fields when Save was pressed.
    std::function<void(const content::TQuestionFields&)> OnSave;

    // Typing restarts it; when it fires the fields are checked.
    QTimer* CheckTimer() const { return m_checkTimer; }

private:
    void Typed();
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
    mutable std::vector<std::string> m_textErrors;
};

} // namespace sv
