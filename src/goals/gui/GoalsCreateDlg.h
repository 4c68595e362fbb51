#pragma once
// TGoalsCreateDlg: the window "Create or Edit Study Tasks". Its "Tasks" page adds, edits,
// deletes and starts goal tasks: a row of buttons adds a task of a kind, the to-do list shows
// every task of the person (sorted by its details), and the "Details" panel holds the study
// page of the task's kind with "Record Changes" and "Cancel" (or Escape). Delete asks first.
// Tasks are kept in TTasks; this window lists them and edits them through the study pages.

#include "goals/Tasks.h"

#include <QDate>
#include <QWidget>

#include <functional>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace sv {

class IMessageService;
class TBooks;
class TfrmAccTo;
class TfrmMemory;
class TfrmQuestions;
class TQuestions;
class TUser;

class TGoalsCreateDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2130;
    enum class TMode { Idle, Adding, Editing };
    // The to-do list's columns.
    enum class TColumn { Task = 0, Details = 1, Target = 2, Due = 3, Complete = 4 };
    static constexpr int Column(TColumn c) { return static_cast<int>(c); }

    TGoalsCreateDlg(const TBooks& books, const TQuestions& questions, const TUser& user, IMessageService* messages,
                    bool speechAvailable, TTasks& tasks, QDate today, QWidget* parent = nullptr);

    // --- what the buttons do ---
    void Add(TTaskKind kind);
    void EditDetails();
    void RecordChanges();
    // Leaves the details without recording them; a task being added is dropped.
    void CancelChanges();
    // Removes the selected task once the person has agreed.
    void Delete();
    // Hands the selected study task to OnStartTask.
    void StartTask();

    TMode Mode() const { return m_mode; }
    // The task id of a list item (0 while an added item is not yet recorded).
    static int TaskIdOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* ItemOfTask(int id) const;
    // Selects the list item of a task (as a click does).
    void SelectTask(int id);

    // Opens the set-up dialog of the task's kind filled with its choices; false when it cannot
    // now (a study set-up or session is open).
    std::function<bool(const TTaskDef& task)> OnStartTask;
    std::function<void(int context)> ShowHelp;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The widgets; tests find them by objectName.
    QTabWidget* m_pages = nullptr;
    QLabel* m_addCaption = nullptr;
    QWidget* m_addButtons = nullptr;
    QPushButton* m_studyQuestionsButton = nullptr;
    QPushButton* m_reviewMemoryButton = nullptr;
    QPushButton* m_studyAccToButton = nullptr;
    QPushButton* m_wordStudyButton = nullptr;
    QPushButton* m_readScriptureButton = nullptr;
    QPushButton* m_userDefinedButton = nullptr;
    QPushButton* m_editDetailsButton = nullptr;
    QPushButton* m_duplicateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_startTaskButton = nullptr;
    QTreeWidget* m_todoList = nullptr;
    QGroupBox* m_detailsPanel = nullptr;
    QLineEdit* m_detailsEdit = nullptr;
    QDateEdit* m_targetDateEdit = nullptr;
    QDateEdit* m_dueDateEdit = nullptr;
    QSpinBox* m_completeSpin = nullptr;
    TfrmQuestions* m_questionsFrame = nullptr;
    TfrmMemory* m_memoryFrame = nullptr;
    TfrmAccTo* m_accToFrame = nullptr;
    QPushButton* m_recordChangesButton = nullptr;
    QPushButton* m_cancelChangesButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_helpButton = nullptr;

    // The parts of the window, built in this order (the order of the focus chain).
    void MakeAddButtons(QWidget* tasksPage);
    void MakeListButtons(QWidget* tasksPage);
    void MakeTodoList(QWidget* tasksPage);
    void MakeDetailsPanel(QWidget* tasksPage, const TBooks& books, const TQuestions& questions, const TUser& user,
                          bool speechAvailable);
    // A button's action, run through the error boundary.
    std::function<void()> GuardedAction(void (TGoalsCreateDlg::*action)());

    void FillList();
    QTreeWidgetItem* NewItem(const TTaskDef& task);
    void ShowItem(QTreeWidgetItem* item, const TTaskDef& task);
    void LoadScratchIntoFrame();
    void ShowDetails(bool on);
    void UpdateButtons();
    QWidget* FrameOf(TTaskKind kind) const;

    TTasks& m_tasks;
    QDate m_today;
    IMessageService* m_messages; // errors of the buttons are reported here
    TTaskDef m_scratch;
    TMode m_mode = TMode::Idle;
    QTreeWidgetItem* m_edited = nullptr;
};

} // namespace sv
