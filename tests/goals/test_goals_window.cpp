#include "goals/gui/GoalsCreateDlg.h"
#include "goals/gui/TaskSetup.h"
#include "material/gui/SelectionFrames.h"
#include "study/StudyFixture.h"
#include "study/gui/QuestionAsker.h"
#include "study/gui/StudyDialogs.h"
#include "support/gui/FindWidget.h"
#include "support/gui/StudyPages.h"
#include "widgets/CheckListCombo.h"
#include "widgets/SpinEdit.h"

#include <stdexcept>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

const QDate Today(2026, 12, 10);

struct GoalsFixture : StudyFixture {
    TTasks tasks;
    std::unique_ptr<TGoalsCreateDlg> Open()
    {
        auto dlg =
            std::make_unique<TGoalsCreateDlg>(content.Books, content.Questions, user, &messages, false, tasks, Today);
        dlg->show();
        return dlg;
    }
};

std::vector<int> Checked(const TCheckListCombo& list)
{
    std::vector<int> out;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Checked(i))
            out.push_back(i);
    return out;
}

} // namespace

TEST(GoalsCreateDlg, AddingShowsTheKindsPageAndRecordingGivesTheTaskItsId)
{
    GoalsFixture f;
    auto dlg = f.Open();
    EXPECT_EQ(dlg->windowTitle().toStdString(), "Create or Edit Study Tasks");
    EXPECT_EQ(FindWidget<QTabWidget>(dlg, "pages")->tabText(0).toStdString(), "Tasks");
    EXPECT_EQ(FindWidget<QTabWidget>(dlg, "pages")->count(), 1) << "no empty pages";
    EXPECT_FALSE(FindWidget<QGroupBox>(dlg, "detailsPanel")->isVisible());
    EXPECT_FALSE(FindWidget<QPushButton>(dlg, "editDetailsButton")->isEnabled());

    FindWidget<QPushButton>(dlg, "studyQuestionsButton")->click();
    EXPECT_EQ(dlg->Mode(), TGoalsCreateDlg::TMode::Adding);
    EXPECT_TRUE(FindWidget<QGroupBox>(dlg, "detailsPanel")->isVisible());
    EXPECT_FALSE(FindWidget<QWidget>(dlg, "addButtons")->isVisible());
    EXPECT_FALSE(FindWidget<QPushButton>(dlg, "okButton")->isEnabled());
    EXPECT_TRUE(FindWidget<TfrmQuestions>(dlg, "questionsFrame")->isVisible());
    EXPECT_FALSE(FindWidget<TfrmMemory>(dlg, "memoryFrame")->isVisible());
    EXPECT_FALSE(FindWidget<TfrmCollections>(FindWidget<TfrmQuestions>(dlg, "questionsFrame"), "collections")
                     ->isVisible()); // not part of a task
    ASSERT_EQ(FindWidget<QTreeWidget>(dlg, "todoList")->topLevelItemCount(), 1);
    QTreeWidgetItem* item = FindWidget<QTreeWidget>(dlg, "todoList")->topLevelItem(0);
    EXPECT_EQ(item->text(TGoalsCreateDlg::Column(TGoalsCreateDlg::TColumn::Task)).toStdString(), "Questions");
    EXPECT_EQ(item->text(TGoalsCreateDlg::Column(TGoalsCreateDlg::TColumn::Due)).toStdString(), "2026-12-10");
    EXPECT_EQ(TGoalsCreateDlg::TaskIdOf(item), 0);
    // A fresh task: by chapter, nothing chosen, all available.
    EXPECT_TRUE(FindWidget<QRadioButton>(FindWidget<TfrmQuestions>(dlg, "questionsFrame"), "byChapters")->isChecked());
    EXPECT_TRUE(Checked(*FindWidget<TCheckListCombo>(FindWidget<TfrmQuestions>(dlg, "questionsFrame"), "materialList"))
                    .empty());

    FindWidget<QRadioButton>(FindWidget<TfrmQuestions>(dlg, "questionsFrame"), "byVerses")->click();
    FindWidget<TCheckListCombo>(FindWidget<TfrmQuestions>(dlg, "questionsFrame"), "materialList")->SetChecked(0, true);
    FindWidget<TCheckListCombo>(FindWidget<TfrmQuestions>(dlg, "questionsFrame"), "materialList")->SetChecked(4, true);
    FindWidget<QCheckBox>(FindWidget<TfrmQuestions>(dlg, "questionsFrame"), "timed")->setChecked(true);
    FindWidget<QLineEdit>(dlg, "detailsEdit")->setText(QStringLiteral("Chapter 1 before Friday"));
    FindWidget<QPushButton>(dlg, "recordChangesButton")->click();

    EXPECT_EQ(dlg->Mode(), TGoalsCreateDlg::TMode::Idle);
    EXPECT_FALSE(FindWidget<QGroupBox>(dlg, "detailsPanel")->isVisible());
    EXPECT_TRUE(FindWidget<QWidget>(dlg, "addButtons")->isVisible());
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "okButton")->isEnabled());
    ASSERT_EQ(f.tasks.Count(), 1);
    const TTaskDef& t = f.tasks.Find(1);
    EXPECT_EQ(TGoalsCreateDlg::TaskIdOf(item), 1);
    EXPECT_TRUE(t.ByVerses);
    EXPECT_TRUE(t.ItemChosen(0) && t.ItemChosen(4) && !t.ItemChosen(1));
    EXPECT_TRUE(t.Timed);
    EXPECT_EQ(t.Kind, TTaskKind::Questions);
    EXPECT_EQ(t.Details, "Chapter 1 before Friday");
    EXPECT_EQ(item->text(TGoalsCreateDlg::Column(TGoalsCreateDlg::TColumn::Details)).toStdString(),
              "Chapter 1 before Friday");
}

TEST(GoalsCreateDlg, EditingRestoresVersesByPositionAndKeepsTheId)
{
    GoalsFixture f;
    TTaskDef other;
    other.Kind = TTaskKind::UserDefined;
    f.tasks.Add(other);
    TTaskDef memory;
    memory.Kind = TTaskKind::Memory;
    memory.ByChapters = false;
    memory.ByMemoryVerses = true;
    memory.SetItemChosen(2, true);
    memory.VerseTypes = 1;
    memory.KeywordFlag = true;
    TTaskDef verses;
    verses.Kind = TTaskKind::AccordingTo;
    verses.ByChapters = false;
    verses.ByVerses = true;
    verses.SetItemChosen(1, true);
    verses.SetItemChosen(7, true);
    f.tasks.Add(memory);
    f.tasks.Add(verses);

    auto dlg = f.Open();
    ASSERT_EQ(FindWidget<QTreeWidget>(dlg, "todoList")->topLevelItemCount(), 3); // a new window lists every task
    dlg->SelectTask(3);
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "editDetailsButton")->isEnabled());
    FindWidget<QPushButton>(dlg, "editDetailsButton")->click();
    EXPECT_TRUE(FindWidget<TfrmAccTo>(dlg, "accToFrame")->isVisible());
    EXPECT_TRUE(FindWidget<QRadioButton>(FindWidget<TfrmAccTo>(dlg, "accToFrame"), "byVerses")->isChecked());
    EXPECT_EQ(Checked(*FindWidget<TCheckListCombo>(FindWidget<TfrmAccTo>(dlg, "accToFrame"), "materialList")),
              (std::vector<int>{1, 7}));
    FindWidget<TCheckListCombo>(FindWidget<TfrmAccTo>(dlg, "accToFrame"), "materialList")->SetChecked(7, false);
    FindWidget<QPushButton>(dlg, "recordChangesButton")->click();
    EXPECT_EQ(f.tasks.Count(), 3);
    EXPECT_TRUE(f.tasks.Find(3).ItemChosen(1));
    EXPECT_FALSE(f.tasks.Find(3).ItemChosen(7));
    EXPECT_EQ(f.tasks.At(3).Id, 3);

    dlg->SelectTask(2);
    dlg->EditDetails();
    EXPECT_TRUE(FindWidget<TfrmMemory>(dlg, "memoryFrame")->isVisible());
    EXPECT_TRUE(FindWidget<QRadioButton>(FindWidget<TfrmMemory>(dlg, "memoryFrame"), "byMemory")->isChecked());
    EXPECT_EQ(Checked(*FindWidget<TCheckListCombo>(FindWidget<TfrmMemory>(dlg, "memoryFrame"), "materialList")),
              (std::vector<int>{2}));
    EXPECT_TRUE(FindWidget<QRadioButton>(FindWidget<TfrmMemory>(dlg, "memoryFrame"), "quote")->isChecked());
    EXPECT_TRUE(FindWidget<QCheckBox>(FindWidget<TfrmMemory>(dlg, "memoryFrame"), "keywordsOnly")->isChecked());
    dlg->RecordChanges();
    EXPECT_EQ(f.tasks.Find(2).VerseTypes, 1);

    // A task without study settings shows no page and cannot be started.
    dlg->SelectTask(1);
    EXPECT_FALSE(FindWidget<QPushButton>(dlg, "startTaskButton")->isEnabled());
    dlg->EditDetails();
    EXPECT_FALSE(FindWidget<TfrmQuestions>(dlg, "questionsFrame")->isVisible()
                 || FindWidget<TfrmMemory>(dlg, "memoryFrame")->isVisible()
                 || FindWidget<TfrmAccTo>(dlg, "accToFrame")->isVisible());
    dlg->RecordChanges();

    dlg->SelectTask(2);
    f.messages.Answers = {true};
    FindWidget<QPushButton>(dlg, "deleteButton")->click();
    EXPECT_EQ(f.tasks.Count(), 2);
    EXPECT_FALSE(f.tasks.Contains(2));
    EXPECT_EQ(FindWidget<QTreeWidget>(dlg, "todoList")->topLevelItemCount(), 2);
    FindWidget<QPushButton>(dlg, "userDefinedButton")->click();
    dlg->RecordChanges();
    EXPECT_TRUE(f.tasks.Contains(4));
}

TEST(GoalsCreateDlg, EveryKindIsNamedInTheList)
{
    const struct {
        TTaskKind kind;
        const char* shown;
    } cases[] = {
        {TTaskKind::Questions, "Questions"},          {TTaskKind::Memory, "Memory"},
        {TTaskKind::AccordingTo, "According to"},     {TTaskKind::WordStudy, "Word study"},
        {TTaskKind::ReadScripture, "Read scripture"}, {TTaskKind::UserDefined, "User-defined"},
    };
    GoalsFixture f;
    for (auto c : cases) {
        TTaskDef t;
        t.Kind = c.kind;
        f.tasks.Add(t);
    }
    auto dlg = f.Open();
    for (int id = 1; id <= 6; ++id) {
        QTreeWidgetItem* item = dlg->ItemOfTask(id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(TGoalsCreateDlg::Column(TGoalsCreateDlg::TColumn::Task)).toStdString(),
                  cases[id - 1].shown);
    }
}

TEST(GoalsCreateDlg, DeleteAsksAndCancelOrEscapeLeaveTheDetailsUnrecorded)
{
    GoalsFixture f;
    TTaskDef t;
    t.Kind = TTaskKind::ReadScripture;
    t.Details = "Galatians 1-3";
    f.tasks.Add(t);
    auto dlg = f.Open();
    auto* list = FindWidget<QTreeWidget>(dlg, "todoList");

    // No keeps the task; the question names it.
    dlg->SelectTask(1);
    f.messages.Answers = {false};
    FindWidget<QPushButton>(dlg, "deleteButton")->click();
    EXPECT_EQ(f.messages.Last(), "Delete the task Read scripture \u201CGalatians 1-3\u201D?");
    EXPECT_TRUE(f.tasks.Contains(1));
    EXPECT_EQ(list->topLevelItemCount(), 1);

    // Cancel drops a task being added; Escape leaves an edit with the task as it was.
    FindWidget<QPushButton>(dlg, "userDefinedButton")->click();
    EXPECT_EQ(list->topLevelItemCount(), 2);
    FindWidget<QPushButton>(dlg, "cancelChangesButton")->click();
    EXPECT_EQ(dlg->Mode(), TGoalsCreateDlg::TMode::Idle);
    EXPECT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(f.tasks.Count(), 1);
    EXPECT_FALSE(FindWidget<QGroupBox>(dlg, "detailsPanel")->isVisible());

    dlg->SelectTask(1);
    dlg->EditDetails();
    FindWidget<QLineEdit>(dlg, "detailsEdit")->setText(QStringLiteral("changed"));
    QTest::keyClick(FindWidget<QLineEdit>(dlg, "detailsEdit"), Qt::Key_Escape);
    EXPECT_EQ(dlg->Mode(), TGoalsCreateDlg::TMode::Idle);
    EXPECT_EQ(f.tasks.Find(1).Details, "Galatians 1-3");
    EXPECT_EQ(list->topLevelItem(0)->text(TGoalsCreateDlg::Column(TGoalsCreateDlg::TColumn::Details)).toStdString(),
              "Galatians 1-3");
    EXPECT_TRUE(dlg->isVisible());
    QTest::keyClick(list, Qt::Key_Escape); // nothing being edited: the window closes
    EXPECT_FALSE(dlg->isVisible());
}

TEST(GoalsCreateDlg, ASetupThatFailsToOpenIsReportedAndTheListStaysUsable)
{
    GoalsFixture f;
    TTaskDef t;
    t.Kind = TTaskKind::Memory;
    f.tasks.Add(t);
    auto dlg = f.Open();
    int tries = 0;
    dlg->OnStartTask = [&](const TTaskDef&) -> bool {
        ++tries;
        throw std::runtime_error("Range check error: task material item 1300 outside 0..1207");
    };
    dlg->SelectTask(1);
    EXPECT_NO_THROW(FindWidget<QPushButton>(dlg, "startTaskButton")->click());
    ASSERT_EQ(f.messages.Shown.size(), 1u);
    EXPECT_EQ(f.messages.Shown[0].Kind, "error");
    EXPECT_EQ(f.messages.Shown[0].Text, "Range check error: task material item 1300 outside 0..1207");
    // The task is kept and can be tried again or edited.
    EXPECT_TRUE(f.tasks.Contains(1));
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "startTaskButton")->isEnabled());
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "editDetailsButton")->isEnabled());
    EXPECT_NO_THROW(FindWidget<QPushButton>(dlg, "startTaskButton")->click());
    EXPECT_EQ(tries, 2);
    EXPECT_EQ(f.messages.Shown.size(), 2u);
}

TEST(GoalsCreateDlg, AStartedTaskIsStudiedWithoutChangingThePersonsOwnChoices)
{
    GoalsFixture f;
    f.user.Options.KeywordTargeting = 0;
    f.user.Options.Timed = 1;
    f.user.Collections.fill(1);
    const TSelectionKind ownKind = f.user.SelectionMode();
    ASSERT_NE(ownKind, TSelectionKind::BySection);
    TTaskDef t;
    t.Kind = TTaskKind::Questions;
    t.ByChapters = false;
    t.BySections = true;
    t.SetItemChosen(0, true);
    t.Timed = false;
    t.KeywordFlag = true;
    t.KeywordWords = 3;
    QPointer<TStudyDlgStart> setup = MakeTaskSetupDialog(f.Context(), t);
    ASSERT_NE(setup, nullptr);
    f.children.push_back(setup.data());
    setup->OKBtnClick();
    ASSERT_TRUE(f.messages.Shown.empty()) << f.messages.Last();
    ASSERT_NE(setup->Session(), nullptr);
    EXPECT_FALSE(setup->Session()->Logic().Settings().Timed) << "the task's choices are studied";
    EXPECT_EQ(f.user.SelectionMode(), ownKind);
    EXPECT_EQ(f.user.Options.KeywordTargeting, 0);
    EXPECT_EQ(f.user.Options.Timed, 1);
}

TEST(GoalsCreateDlg, StartingATaskOpensItsSetupDialogWithTheTasksChoices)
{
    GoalsFixture f;
    TTaskDef t;
    t.Kind = TTaskKind::Questions;
    t.ByChapters = false;
    t.BySections = true;
    t.SetItemChosen(1, true);
    t.AllAvailable = false;
    t.NumberOfQuestions = 12;
    t.Mixed = true;
    t.Timed = false;
    t.KeywordFlag = true;
    t.KeywordWords = 3;
    f.tasks.Add(t);

    auto dlg = f.Open();
    std::vector<int> started;
    dlg->OnStartTask = [&](const TTaskDef& task) {
        started.push_back(task.Id);
        return true;
    };
    dlg->SelectTask(1);
    FindWidget<QPushButton>(dlg, "startTaskButton")->click();
    EXPECT_EQ(started, std::vector<int>{1});

    TStudyDlgStart* setup = MakeTaskSetupDialog(f.Context(), f.tasks.Find(1));
    ASSERT_NE(setup, nullptr);
    f.children.push_back(setup);
    auto* qs = dynamic_cast<TQsDlgStart*>(setup);
    ASSERT_NE(qs, nullptr);
    EXPECT_TRUE(FindWidget<QRadioButton>(PageOf(qs), "bySections")->isChecked());
    EXPECT_EQ(Checked(*FindWidget<TCheckListCombo>(PageOf(qs), "materialList")), std::vector<int>{1});
    EXPECT_TRUE(FindWidget<QRadioButton>(PageOf(qs), "limit")->isChecked());
    EXPECT_EQ(FindWidget<TSpinEdit>(PageOf(qs), "maxNumber")->value(), 12);
    EXPECT_TRUE(FindWidget<QCheckBox>(PageOf(qs), "mixed")->isChecked());
    EXPECT_FALSE(FindWidget<QCheckBox>(PageOf(qs), "timed")->isChecked());
    EXPECT_TRUE(FindWidget<QCheckBox>(PageOf(qs), "keywordTargeting")->isChecked());
    EXPECT_EQ(FindWidget<TSpinEdit>(PageOf(qs), "keywordTarget")->value(), 3);
    EXPECT_EQ(f.dialogOpen, 1);

    t.Kind = TTaskKind::Memory;
    t.VerseTypes = 0;
    TStudyDlgStart* mem = MakeTaskSetupDialog(f.Context(), t);
    f.children.push_back(mem);
    ASSERT_NE(dynamic_cast<TMemDlgStart*>(mem), nullptr);
    EXPECT_TRUE(FindWidget<QRadioButton>(PageOf(dynamic_cast<TMemDlgStart*>(mem)), "finishVerse")->isChecked());
    t.Kind = TTaskKind::AccordingTo;
    TStudyDlgStart* acc = MakeTaskSetupDialog(f.Context(), t);
    f.children.push_back(acc);
    EXPECT_NE(dynamic_cast<TAccToDlgStart*>(acc), nullptr);
    t.Kind = TTaskKind::ReadScripture;
    EXPECT_EQ(MakeTaskSetupDialog(f.Context(), t), nullptr);
}
