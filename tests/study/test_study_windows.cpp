// The selection frames, the three set-up dialogs and the session window over the small
// content fixture, with scripted message boxes and a fake clock; ends with a study whose
// results are read back from the user file.

#include "common/Win1252.h"
#include "material/gui/SelectionFrames.h"
#include "study/Recitation.h"
#include "study/StudyFixture.h"
#include "study/gui/QtSessionPorts.h"
#include "study/gui/QuestionAsker.h"
#include "study/gui/StudyDialogs.h"
#include "support/gui/FindWidget.h"
#include "support/gui/StudyPages.h"
#include "widgets/CheckListCombo.h"
#include "widgets/SpinEdit.h"
#include "wordstudy/gui/BibleForm.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtGlobal>

using namespace sv;
using namespace sv::test;

namespace {

// Chapter items of the fixture: Ga 1, Ga 2, Ga 3, Pm 1.
void CheckChapters(TfrmMaterialSelection& m, std::vector<int> items)
{
    FindWidget<QRadioButton>(&m, "byChapters")->setChecked(true);
    auto* list = FindWidget<TCheckListCombo>(&m, "materialList");
    list->SetAllChecked(false);
    for (int i : items)
        list->SetChecked(i, true);
}

} // namespace

TEST(Frames, MaterialModesKeepTheirMarksAndSaveOnlyTheChosenMode)
{
    StudyFixture f;
    TfrmMaterialSelection frame(f.content.Books, false);
    frame.LoadFromUser(f.user);
    auto* list = FindWidget<TCheckListCombo>(&frame, "materialList");
    EXPECT_TRUE(FindWidget<QRadioButton>(&frame, "byChapters")->isChecked());
    EXPECT_EQ(list->Count(), 4);
    EXPECT_EQ(list->Summary().toStdString(), "No chapters selected.");
    EXPECT_EQ(list->DropDownWidth(), 120);
    list->SetChecked(0, true);

    FindWidget<QRadioButton>(&frame, "byVerses")->setChecked(true);
    EXPECT_EQ(list->Count(), 23);
    EXPECT_EQ(list->DropDownWidth(), 130);
    list->SetChecked(5, true);
    FindWidget<QRadioButton>(&frame, "byChapters")->setChecked(true);
    EXPECT_EQ(list->CheckedStates(), (std::vector<bool>{true, false, false, false}));
    FindWidget<QRadioButton>(&frame, "byVerses")->setChecked(true);
    EXPECT_TRUE(list->Checked(5));
    EXPECT_EQ(frame.VerseTable().Selected, 1);

    frame.SaveToUser(f.user);
    EXPECT_EQ(f.user.Options.ByVerses, 1);
    EXPECT_EQ(f.user.Options.ByChapters, 0);
    EXPECT_EQ(f.user.ChapterSel[1], 1); // the other mode's marks are kept too
    EXPECT_EQ(f.user.VerseSel[6], 1);

    // The memory-verse study's frame has no verse mode: it shows memory verses, and saving
    // there leaves only ByMemory set.
    TfrmMaterialSelection mem(f.content.Books, true);
    mem.LoadFromUser(f.user);
    auto* memList = FindWidget<TCheckListCombo>(&mem, "materialList");
    EXPECT_EQ(mem.findChild<QRadioButton*>(QStringLiteral("byVerses")), nullptr);
    EXPECT_TRUE(FindWidget<QRadioButton>(&mem, "byMemory")->isChecked());
    EXPECT_EQ(memList->ItemNoun(), "memory verse");
    mem.SaveToUser(f.user);
    EXPECT_EQ(f.user.Options.ByMemory, 1);
    EXPECT_EQ(f.user.Options.ByVerses + f.user.Options.ByChapters + f.user.Options.BySections, 0);
}

TEST(Frames, VerseAndMemoryTablesFollowTheMode)
{
    StudyFixture f;
    TfrmMaterialSelection frame(f.content.Books, false);
    frame.LoadFromUser(f.user);
    auto* list = FindWidget<TCheckListCombo>(&frame, "materialList");
    CheckChapters(frame, {2}); // Galatians 3: verses 9..15
    TVerseSelection v = frame.VerseTable();
    EXPECT_EQ(v.Total, 23);
    EXPECT_EQ(v.Selected, 7);
    EXPECT_EQ(v.Flags[8], 0);
    EXPECT_EQ(v.Flags[9], 1);
    TMemoryVerseSelection m = frame.MemoryTable();
    EXPECT_EQ(m.Total, 3);
    EXPECT_EQ(m.Selected, 1);
    EXPECT_EQ(m.Flags[2], 1);

    // Sections: item 2 is "Paul Accepted by the Apostles" (Galatians 2).
    FindWidget<QRadioButton>(&frame, "bySections")->setChecked(true);
    list->SetChecked(1, true);
    v = frame.VerseTable();
    EXPECT_EQ(v.Selected, 3);
    EXPECT_EQ(v.Flags[6], 1);
    EXPECT_EQ(frame.MemoryTable().Selected, 0);

    // Memory verses: the three-verse passage Galatians 3:5-7 (verses 13..15).
    FindWidget<QRadioButton>(&frame, "byMemory")->setChecked(true);
    list->SetChecked(1, true);
    v = frame.VerseTable();
    EXPECT_EQ(v.Selected, 3);
    EXPECT_EQ(v.Flags[13] + v.Flags[14] + v.Flags[15], 3);
}

TEST(Frames, CollectionThatNeedsTwoOthersIsRefusedWithOneLine)
{
    TFixtureDesc desc = SmallFixture();
    desc.Collections[2].Requires = {1, 1, 0, 0, 0, 0, 0, 0};
    StudyFixture f(desc);
    TfrmCollections frame(f.content.Questions, &f.messages);
    frame.LoadFromUser(f.user);
    auto* list = FindWidget<TCheckListCombo>(&frame, "collectionsList");
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Summary().toStdString(), "NONE selected.");
    list->ToggleItem(2); // Bonus
    ASSERT_EQ(f.messages.Shown.size(), 1u);
    EXPECT_EQ(f.messages.Shown[0].Kind, "warning");
    EXPECT_EQ(f.messages.Last(),
              "To use the Bonus collection, you must also use the following collections: Main, Extra");
    EXPECT_FALSE(list->Checked(2));

    // With both chosen it is accepted; saving stores the flags.
    list->ToggleItem(0);
    list->ToggleItem(1);
    list->ToggleItem(2);
    EXPECT_EQ(f.messages.Shown.size(), 1u);
    frame.SaveToUser(f.user);
    EXPECT_EQ(f.user.Collections[2], 1);
    int count = 0;
    frame.Chosen(&count);
    EXPECT_EQ(count, 3);
}

TEST(Frames, OneRequiredCollectionUsesTheSingularAndLinesJoin)
{
    // Bonus needs Main (one collection); a second collection needing Main adds a line.
    TFixtureDesc desc = SmallFixture();
    desc.Collections[1].Requires = {1, 0, 0, 0, 0, 0, 0, 0};
    StudyFixture f(desc);
    TCollectionFlags chosen{"chosen"};
    chosen[1] = chosen[2] = 1;
    std::vector<int> uncheck;
    EXPECT_EQ(RequiredCollectionsMessage(f.content.Questions, chosen, &uncheck),
              "To use the Extra collection, you must also use the following collection: Main\r"
              "To use the Bonus collection, you must also use the following collection: Main");
    EXPECT_EQ(uncheck, (std::vector<int>{1, 2}));
}

TEST(Frames, TypeListIsSortedWithOtherLastAndSavingClearsUnshownCodes)
{
    StudyFixture f; // the fixture's first Situation/Book question is a Situation one
    TfrmQuestionTypes frame(f.content.Questions.UsesSituation());
    auto* list = FindWidget<TCheckListCombo>(&frame, "typesList");
    std::vector<std::string> texts;
    for (int i = 0; i < list->Count(); ++i)
        texts.push_back(list->ItemText(i));
    EXPECT_EQ(texts, (std::vector<std::string>{"According to", "Context", "Finish this", "Finish this verse",
                                               "Finish w/ reference", "How", "Quote", "Situation", "What", "When",
                                               "Where", "Who(m)(se)", "Why", "OTHER"}));
    EXPECT_EQ(QuestionTypeItems(false)[1].Text, "Book & Chapter");

    frame.LoadFromUser(f.user);
    EXPECT_EQ(list->Summary().toStdString(), "ALL selected.");
    list->SetChecked(0, false);
    frame.SaveToUser(f.user);
    for (int code = 12; code <= 38; ++code)
        EXPECT_EQ(f.user.Options.QuestionTypes[code], 0) << code;
    EXPECT_EQ(f.user.Options.QuestionTypes[1], 0);
    EXPECT_EQ(f.user.Options.QuestionTypes[40], 0);
    EXPECT_EQ(f.user.Options.QuestionTypes[39], 1);
    for (int code = 42; code <= 44; ++code)
        EXPECT_EQ(f.user.Options.QuestionTypes[code], 1) << code;
    EXPECT_FALSE(frame.ChosenTypes()[1]);
    EXPECT_TRUE(frame.AnyTypeChecked());
}

TEST(Frames, PrejumpEnablesTextAndSpokenOnlyWithSpeech)
{
    struct Case {
        bool speech, prejump, spoken;
        bool textOn, spokenOn, spokenChosen;
    };
    const Case cases[] = {
        {true, false, true, false, false, true},
        {true, true, true, true, true, true},
        {false, true, true, true, false, false},
        {false, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        TfrmMixTimedPrejump frame(c.speech);
        frame.Load({true, false, c.prejump, c.spoken});
        EXPECT_EQ(FindWidget<QRadioButton>(&frame, "prejumpText")->isEnabled(), c.textOn);
        EXPECT_EQ(FindWidget<QRadioButton>(&frame, "prejumpSpoken")->isEnabled(), c.spokenOn);
        EXPECT_EQ(FindWidget<QRadioButton>(&frame, "prejumpSpoken")->isChecked(), c.spokenChosen);
        EXPECT_EQ(FindWidget<QRadioButton>(&frame, "prejumpText")->isChecked(), !c.spokenChosen);
        EXPECT_EQ(frame.Choice().PrejumpSpoken, c.spokenChosen);
    }
    TfrmMixTimedPrejump frame(true);
    frame.Load({true, true, false, false});
    FindWidget<QCheckBox>(&frame, "prejump")->setChecked(true);
    EXPECT_TRUE(FindWidget<QRadioButton>(&frame, "prejumpSpoken")->isEnabled());
    FindWidget<QCheckBox>(&frame, "prejump")->setChecked(false);
    EXPECT_FALSE(FindWidget<QRadioButton>(&frame, "prejumpText")->isEnabled());
}

TEST(Frames, NumberSpinFollowsLimitAndPagesExchangePlainChoices)
{
    StudyFixture f;
    TfrmQuestions page(f.content.Books, f.content.Questions, &f.messages, true);
    page.LoadFromUser(f.user);
    EXPECT_TRUE(FindWidget<QRadioButton>(&page, "limit")->isChecked());
    EXPECT_TRUE(FindWidget<TSpinEdit>(&page, "maxNumber")->isEnabled());
    EXPECT_EQ(FindWidget<TSpinEdit>(&page, "maxNumber")->value(), 30);
    EXPECT_FALSE(FindWidget<TSpinEdit>(&page, "keywordTarget")->isEnabled());
    FindWidget<QRadioButton>(&page, "allAvailable")->setChecked(true);
    EXPECT_FALSE(FindWidget<TSpinEdit>(&page, "maxNumber")->isEnabled());
    FindWidget<QCheckBox>(&page, "keywordTargeting")->setChecked(true);
    EXPECT_TRUE(FindWidget<TSpinEdit>(&page, "keywordTarget")->isEnabled());

    // A task's choices go in and come out unchanged.
    TQuestionChoices task;
    task.Number = {false, true, 12};
    task.Modes = {false, true, true, true};
    task.KeywordTargeting = true;
    task.KeywordTargetWords = 4;
    task.MarkUniques = true;
    page.LoadFromTask({TSelectionKind::ByVerse, {false, true, true}}, task);
    const TQuestionChoices back = page.Choices();
    EXPECT_EQ(back.Number.MaxQuestions, 12);
    EXPECT_TRUE(back.Modes.PrejumpSpoken);
    EXPECT_EQ(back.KeywordTargetWords, 4);
    EXPECT_TRUE(back.MarkUniques);
    const TMaterialChoice material = FindWidget<TfrmMaterialSelection>(&page, "material")->Choice();
    EXPECT_EQ(material.Kind, TSelectionKind::ByVerse);
    EXPECT_EQ(material.Items.size(), 23u);
    EXPECT_TRUE(material.Items[2]);
}

TEST(QsDlgStart, ChecksInOrderAndSavesNothingUntilAllPass)
{
    StudyFixture f;
    const auto before = f.UserBytes();
    QPointer<TQsDlgStart> dlg = new TQsDlgStart(f.Context());
    EXPECT_EQ(f.dialogOpen, 1);
    EXPECT_EQ(dlg->windowTitle().toStdString(), "Study of Questions");

    dlg->OKBtnClick();
    EXPECT_EQ(f.messages.Last(), "Please select some material to study.");
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {0});
    dlg->OKBtnClick();
    EXPECT_EQ(f.messages.Last(), "Please select a question collection (or collections) to study.");
    FindWidget<TCheckListCombo>(PageOf(dlg), "collectionsList")
        ->SetChecked(1, true); // Extra: Galatians 1:3 and Philemon
    FindWidget<TCheckListCombo>(PageOf(dlg), "typesList")->SetAllChecked(false);
    dlg->OKBtnClick();
    EXPECT_EQ(f.messages.Last(), "You must choose at least one type of question.");
    FindWidget<TCheckListCombo>(PageOf(dlg), "typesList")->SetChecked(2, true); // Finish this: none in the material
    dlg->OKBtnClick();
    EXPECT_EQ(f.messages.Last(), "In the sets and chapters chosen, there are no questions of the type selected.\r"
                                 "Please choose additional types, sets, or chapters.");
    for (const auto& box : f.messages.Shown)
        EXPECT_EQ(box.Kind, "warning");
    EXPECT_EQ(f.messages.Shown.size(), 4u);
    EXPECT_EQ(f.UserBytes(), before);
    EXPECT_TRUE(dlg);

    // Cancel after changes: nothing saved, the commands come back.
    dlg->CancelBtnClick();
    EXPECT_EQ(f.UserBytes(), before);
    EXPECT_EQ(f.commandsOn, 1);
}

TEST(QsDlgStart, OkSavesBuildsTheListAndHandsOverToTheSession)
{
    StudyFixture f;
    f.user.Options.Timed = 0;
    QPointer<TQsDlgStart> dlg = new TQsDlgStart(f.Context());
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {0, 2});
    FindWidget<TCheckListCombo>(PageOf(dlg), "collectionsList")->SetChecked(0, true);
    FindWidget<QRadioButton>(PageOf(dlg), "allAvailable")->setChecked(true);
    FindWidget<QPushButton>(dlg, "helpButton")->click();
    EXPECT_EQ(f.help, (std::vector<int>{2020}));
    dlg->OKBtnClick();
    EXPECT_TRUE(f.messages.Shown.empty()) << f.messages.Last();
    ASSERT_EQ(f.children.size(), 1u);
    auto* session = qobject_cast<TQuestionAsker*>(f.children[0].data());
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(f.commandsOn, 0); // the session re-enables the commands when it closes
    EXPECT_EQ(f.user.ChapterSel[1], 1);
    EXPECT_EQ(f.user.ChapterSel[3], 1);
    EXPECT_EQ(f.user.Collections[0], 1);
    EXPECT_EQ(f.user.AllAvailable, 1);
    // Galatians 1 and 3 in Main, with the types the list shows: 1:1, 1:4, 3:6.
    EXPECT_EQ(f.qs.Count(), 3);
    EXPECT_EQ(session->windowTitle().toStdString(), "Study questions");
    EXPECT_EQ(FindWidget<QLabel>(session, "totalCount")->text().toStdString(), "3");
}

TEST(QsDlgStart, EnterPressesOkAndEscapeCancels)
{
    StudyFixture f;
    QPointer<TQsDlgStart> dlg = new TQsDlgStart(f.Context());
    dlg->show();
    QTest::keyClick(dlg.data(), Qt::Key_Return);
    EXPECT_EQ(f.messages.Last(), "Please select some material to study.");
    QTest::keyClick(dlg.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.commandsOn, 1);
    EXPECT_FALSE(dlg && dlg->isVisible());
}

TEST(MemDlgStart, ChaptersWithoutMemoryVersesKeepTheNewChoices)
{
    StudyFixture f;
    QPointer<TMemDlgStart> dlg = new TMemDlgStart(f.Context());
    EXPECT_EQ(dlg->windowTitle().toStdString(), "Study of Memory Verses");
    EXPECT_TRUE(FindWidget<QRadioButton>(PageOf(dlg), "finishAndQuote")->isChecked());
    dlg->OKBtnClick();
    EXPECT_EQ(f.messages.Last(), "Please select some material to study.");
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {1}); // Galatians 2: no memory verse
    FindWidget<QCheckBox>(PageOf(dlg), "keywordsOnly")->setChecked(true);
    dlg->OKBtnClick();
    EXPECT_EQ(f.messages.Shown.back().Kind, "information");
    EXPECT_EQ(f.messages.Last(), "There are no memory verses in the range of chapters that you selected");
    EXPECT_EQ(f.user.ChapterSel[2], 1);
    EXPECT_EQ(f.user.Options.MemKeywordsOnly, 1);
    EXPECT_TRUE(f.children.empty());

    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {2});
    FindWidget<QRadioButton>(PageOf(dlg), "quote")->setChecked(true);
    dlg->OKBtnClick();
    ASSERT_EQ(f.children.size(), 1u);
    EXPECT_EQ(f.user.MemVerseTypes, 1);
    EXPECT_EQ(f.mvs.Count(), 1);
    EXPECT_EQ(f.children[0]->windowTitle().toStdString(), "Study memory verses");
}

TEST(MemDlgStart, AVerseTypeOutsideTheChoiceFallsBackToBoth)
{
    StudyFixture f;
    f.user.MemVerseTypes = 7; // a user file from elsewhere
    QPointer<TMemDlgStart> dlg = new TMemDlgStart(f.Context());
    EXPECT_TRUE(FindWidget<QRadioButton>(PageOf(dlg), "finishAndQuote")->isChecked());
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {2});
    dlg->OKBtnClick();
    EXPECT_EQ(f.children.size(), 1u);
    EXPECT_EQ(f.user.MemVerseTypes, 2);
}

TEST(AccToDlgStart, OpensAReferenceSessionWithRelatedQuestions)
{
    StudyFixture f;
    f.user.Options.Timed = 0;
    QPointer<TAccToDlgStart> dlg = new TAccToDlgStart(f.Context());
    EXPECT_EQ(dlg->windowTitle().toStdString(), "Reference work");
    dlg->OKBtnClick();
    EXPECT_EQ(f.messages.Last(), "Please select some material to study.");
    FindWidget<QRadioButton>(PageOf(dlg), "byVerses")->setChecked(true);
    FindWidget<TCheckListCombo>(PageOf(dlg), "materialList")->SetChecked(13, true); // Galatians 3:6 (verse 14)
    dlg->OKBtnClick();
    ASSERT_EQ(f.children.size(), 1u);
    auto* session = qobject_cast<TQuestionAsker*>(f.children[0].data());
    EXPECT_EQ(FindWidget<QGroupBox>(session, "answerBox")->title().toStdString(), "VERSE");
    FindWidget<QPushButton>(session, "startStopButton")->click();
    FindWidget<QPushButton>(session, "startStopButton")->click();
    // Galatians 3:6 has the home question in Main (its placeholders are not counted).
    EXPECT_FALSE(FindWidget<QWidget>(session, "accToButtons")->isHidden());
    EXPECT_EQ(FindWidget<QLabel>(session, "accToCount")->text().toStdString(), "0 of 1");
    QTest::keyClick(FindWidget<QPushButton>(session, "rightButton"), Qt::Key_Period);
    EXPECT_EQ(FindWidget<QLabel>(session, "accToCount")->text().toStdString(), "1 of 1");
    FindWidget<QPushButton>(session, "rightButton")->click();
    EXPECT_EQ(f.user.ReferenceKnowledge[14], 15);
}

TEST(QuestionAsker, KeysAndMnemonicsDriveTheSessionAndTheAnswerIsDrawn)
{
    StudyFixture f;
    f.user.Options.Timed = 0;
    QPointer<TQsDlgStart> dlg = new TQsDlgStart(f.Context());
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {0});
    FindWidget<TCheckListCombo>(PageOf(dlg), "collectionsList")->SetChecked(0, true);
    dlg->OKBtnClick();
    ASSERT_EQ(f.children.size(), 1u);
    auto* s = qobject_cast<TQuestionAsker*>(f.children[0].data());
    s->resize(600, 420);
    EXPECT_EQ(FindWidget<QGroupBox>(s, "questionBox")->title().toStdString(), "General question"); // What (type 3)

    QTest::keyClick(FindWidget<QPushButton>(s, "startStopButton"), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::QuestionShown);
    EXPECT_EQ(FindWidget<QPushButton>(s, "startStopButton")->text().toStdString(), "An&swer");
    QTest::keyClick(FindWidget<QPushButton>(s, "startStopButton"), Qt::Key_Space);
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::AnswerShown);
    EXPECT_TRUE(FindWidget<QPushButton>(s, "rightButton")->isEnabled());
    const QImage shot = s->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_FALSE(FindWidget<QAction>(s, "undoGradeAction")->isEnabled());
    const std::vector<std::uint8_t> beforeGrade = f.UserBytes();
    QTest::keyClick(FindWidget<QPushButton>(s, "rightButton"), Qt::Key_W);
    EXPECT_EQ(FindWidget<QLabel>(s, "missedCount")->text().toStdString(), "1");
    EXPECT_EQ(FindWidget<QLabel>(s, "completePercent")->text().toStdString(), "0%");
    // Ctrl+Z takes the grade back; the pop-up menu's "Undo grade" follows.
    EXPECT_TRUE(FindWidget<QAction>(s, "undoGradeAction")->isEnabled());
    QTest::keyClick(FindWidget<QPushButton>(s, "startStopButton"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(FindWidget<QLabel>(s, "missedCount")->text().toStdString(), "0");
    EXPECT_EQ(f.UserBytes(), beforeGrade);
    EXPECT_TRUE(FindWidget<QPushButton>(s, "rightButton")->isEnabled());
    EXPECT_FALSE(FindWidget<QAction>(s, "undoGradeAction")->isEnabled());
    QTest::keyClick(FindWidget<QPushButton>(s, "rightButton"), Qt::Key_W);
    FindWidget<QAction>(s, "undoGradeAction")->trigger();
    EXPECT_EQ(FindWidget<QLabel>(s, "missedCount")->text().toStdString(), "0");
    QTest::keyClick(FindWidget<QPushButton>(s, "rightButton"), Qt::Key_W);
    EXPECT_EQ(FindWidget<QLabel>(s, "missedCount")->text().toStdString(), "1");
    QTest::keyClick(FindWidget<QPushButton>(s, "startStopButton"), Qt::Key_Return); // Clear
    EXPECT_FALSE(FindWidget<QAction>(s, "undoGradeAction")->isEnabled());
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::Ready);
    EXPECT_EQ(FindWidget<QGroupBox>(s, "questionBox")->title().toStdString(), "According to question");

    // Quitting early asks; No keeps the session.
    f.messages.Answers = {false};
    EXPECT_FALSE(s->close());
    EXPECT_EQ(f.messages.Last(),
              "You haven't finished answering all of the questions yet.\rAre you sure you want to quit?");
    EXPECT_EQ(f.commandsOn, 0);
    f.messages.Answers = {true};
    EXPECT_TRUE(s->close());
    EXPECT_EQ(f.commandsOn, 1);
}

TEST(QuestionAsker, AFailingCommentIsReportedAndTheSessionGoesOnWithTheGradeKept)
{
    StudyFixture f;
    f.user.Options.Timed = 0;
    QPointer<TQsDlgStart> dlg = new TQsDlgStart(f.Context());
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {0});
    FindWidget<TCheckListCombo>(PageOf(dlg), "collectionsList")->SetChecked(0, true);
    FindWidget<QPushButton>(dlg, "okButton")->click();
    ASSERT_EQ(f.children.size(), 1u);
    auto* s = qobject_cast<TQuestionAsker*>(f.children[0].data());
    f.voice.failComments = "Cannot open file Sounds/wrong1.wav";
    FindWidget<QPushButton>(s, "startStopButton")->click();
    FindWidget<QPushButton>(s, "startStopButton")->click();
    // The grade's spoken comment fails half way through the click: reported, not thrown.
    EXPECT_NO_THROW(FindWidget<QPushButton>(s, "wrongButton")->click());
    ASSERT_EQ(f.messages.Shown.size(), 1u);
    EXPECT_EQ(f.messages.Shown[0].Kind, "error");
    EXPECT_EQ(f.messages.Shown[0].Text, "Cannot open file Sounds/wrong1.wav");
    // The grade stands, the controls show it, and the session goes on to the next question.
    EXPECT_EQ(FindWidget<QLabel>(s, "missedCount")->text().toStdString(), "1");
    EXPECT_FALSE(FindWidget<QPushButton>(s, "wrongButton")->isEnabled());
    EXPECT_TRUE(FindWidget<QPushButton>(s, "startStopButton")->isEnabled());
    f.voice.failComments.clear();
    FindWidget<QPushButton>(s, "startStopButton")->click(); // Clear
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::Ready);
    FindWidget<QPushButton>(s, "startStopButton")->click();
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::QuestionShown);
    f.messages.Answers = {true};
    EXPECT_TRUE(s->close());
    EXPECT_EQ(f.commandsOn, 1);
}

TEST(SessionTimers, ATickThatFailsStopsItsTimerAndIsReportedOnce)
{
    // Without a main window the report goes to the log; it is caught there.
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { logged << text; });
    TQtSessionTimers timers;
    int ticks = 0;
    auto timer = timers.MakeTimer(1, [&] {
        ++ticks;
        throw std::runtime_error("Range check error: clock");
    });
    timer->Start();
    for (int i = 0; i < 50 && ticks == 0; ++i)
        QTest::qWait(2);
    QTest::qWait(20); // a running timer would tick again meanwhile
    qInstallMessageHandler(previous);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer->IsActive());
    EXPECT_EQ(logged, QStringList{QStringLiteral("Range check error: clock")});
}

TEST(QuestionAsker, SpaceAndEnterPressTheFocusedButtonAndTheResultsAreSavedOnClosing)
{
    StudyFixture f;
    f.user.Options.Timed = 0;
    int saved = 0;
    TStudyContext context = f.Context();
    context.SaveResults = [&] { ++saved; };
    QPointer<TQsDlgStart> dlg = new TQsDlgStart(context);
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {0});
    FindWidget<TCheckListCombo>(PageOf(dlg), "collectionsList")->SetChecked(0, true);
    dlg->OKBtnClick();
    ASSERT_EQ(f.children.size(), 1u);
    auto* s = qobject_cast<TQuestionAsker*>(f.children[0].data());

    // On the window itself (no button) and on Start/Stop: Start, then Answer.
    QTest::keyClick(s, Qt::Key_Space);
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::QuestionShown);
    QTest::keyClick(FindWidget<QPushButton>(s, "startStopButton"), Qt::Key_Return);
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::AnswerShown);
    // Enter on Right grades Right; Space on the disabled Wrong then goes on (Clear).
    QTest::keyClick(FindWidget<QPushButton>(s, "rightButton"), Qt::Key_Return);
    EXPECT_EQ(FindWidget<QLabel>(s, "rightCount")->text().toStdString(), "1");
    EXPECT_EQ(FindWidget<QLabel>(s, "missedCount")->text().toStdString(), "0");
    QTest::keyClick(FindWidget<QPushButton>(s, "wrongButton"), Qt::Key_Space);
    EXPECT_EQ(FindWidget<QLabel>(s, "missedCount")->text().toStdString(), "0");
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::Ready);
    EXPECT_EQ(saved, 0);

    // Enter on Quit asks the quit question; No keeps the session and saves nothing.
    f.messages.Answers = {false};
    QTest::keyClick(FindWidget<QPushButton>(s, "quitButton"), Qt::Key_Return);
    EXPECT_EQ(f.messages.Last(),
              "You haven't finished answering all of the questions yet.\rAre you sure you want to quit?");
    EXPECT_EQ(saved, 0);
    f.messages.Answers = {true};
    EXPECT_TRUE(s->close());
    EXPECT_EQ(saved, 1);
}

TEST(QuestionAsker, SpaceIsTheNextStepKeyAndNeverGrades)
{
    StudyFixture f;
    f.user.Options.Timed = 0;
    QPointer<TQsDlgStart> dlg = new TQsDlgStart(f.Context());
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {0});
    FindWidget<TCheckListCombo>(PageOf(dlg), "collectionsList")->SetChecked(0, true);
    dlg->OKBtnClick();
    ASSERT_EQ(f.children.size(), 1u);
    auto* s = qobject_cast<TQuestionAsker*>(f.children[0].data());

    QTest::keyClick(s, Qt::Key_Space);
    QTest::keyClick(FindWidget<QPushButton>(s, "startStopButton"), Qt::Key_Space);
    ASSERT_EQ(s->Logic().Phase(), TSessionPhase::AnswerShown);
    // Waiting for the grade: Space on any control, a focused grade button too, grades nothing.
    for (QWidget* target : std::initializer_list<QWidget*>{
             FindWidget<QPushButton>(s, "rightButton"), FindWidget<QPushButton>(s, "wrongButton"),
             FindWidget<QPushButton>(s, "quitButton"), FindWidget<QPushButton>(s, "bibleButton"),
             FindWidget<QPushButton>(s, "startStopButton"), s}) {
        QTest::keyClick(target, Qt::Key_Space);
        EXPECT_EQ(s->Logic().Phase(), TSessionPhase::AnswerShown) << target->objectName().toStdString();
        EXPECT_EQ(FindWidget<QLabel>(s, "rightCount")->text().toStdString(), "0");
        EXPECT_EQ(FindWidget<QLabel>(s, "missedCount")->text().toStdString(), "0");
    }
    EXPECT_TRUE(s->isVisible());
    QTest::keyClick(FindWidget<QPushButton>(s, "rightButton"), Qt::Key_R);
    EXPECT_EQ(FindWidget<QLabel>(s, "rightCount")->text().toStdString(), "1");
    QTest::keyClick(FindWidget<QPushButton>(s, "rightButton"), Qt::Key_Space); // Clear
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::Ready);
    // A held Space does not run on from Start to Answer.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QTest::keyClick(s, Qt::Key_Space);
    QCoreApplication::sendEvent(s, &held);
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::QuestionShown);
    f.messages.Answers = {true};
    EXPECT_TRUE(s->close());
}

TEST(QuestionAsker, KeysInThePopupMenuStayInTheMenuAndTheWordStudyOutlivesTheSession)
{
    StudyFixture f;
    f.user.Options.Timed = 0;
    std::int32_t wordUse = 4;
    QPointer<TBibleForm> bible;
    TStudyContext context = f.Context();
    context.OpenWordStudy = [&]() -> TBibleForm* {
        bible = new TBibleForm(f.content.Books, wordUse, nullptr);
        return bible;
    };
    QPointer<TQsDlgStart> dlg = new TQsDlgStart(context);
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {0});
    FindWidget<TCheckListCombo>(PageOf(dlg), "collectionsList")->SetChecked(0, true);
    dlg->OKBtnClick();
    ASSERT_EQ(f.children.size(), 1u);
    auto* s = qobject_cast<TQuestionAsker*>(f.children[0].data());

    // Enter, Space, R and W pressed in the opened "Use lips" menu belong to the menu.
    auto* popup = s->findChild<QMenu*>();
    ASSERT_NE(popup, nullptr);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_R, Qt::Key_W}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(popup, &press);
    }
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::Ready);

    // The word-study window opened from the session may be freed after it (the program
    // ending frees its windows in turn): it no longer reports its closing to the session.
    s->BibleClick();
    ASSERT_TRUE(bible);
    EXPECT_TRUE(static_cast<bool>(bible->OnClosed));
    delete s;
    ASSERT_TRUE(bible);
    EXPECT_FALSE(static_cast<bool>(bible->OnClosed));
    delete bible.data();
}

TEST(StudyEndToEnd, ThreeQuestionsGradedRightWrongRightReachTheUserFile)
{
    StudyFixture f;
    f.user.Options.Timed = 0;
    f.user.Options.Mixed = 0;
    QPointer<TQsDlgStart> dlg = new TQsDlgStart(f.Context());
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {0, 2});
    FindWidget<TCheckListCombo>(PageOf(dlg), "collectionsList")->SetChecked(0, true);
    FindWidget<QRadioButton>(PageOf(dlg), "allAvailable")->setChecked(true);
    dlg->OKBtnClick();
    ASSERT_EQ(f.children.size(), 1u);
    auto* s = qobject_cast<TQuestionAsker*>(f.children[0].data());
    ASSERT_EQ(f.qs.Count(), 3);

    // In order: Main 1 (Ga 1:1), Main 2 (Ga 1:4), Main 6 (Ga 3:6, copied in Extra and Bonus).
    for (bool right : {true, false, true}) {
        FindWidget<QPushButton>(s, "startStopButton")->click(); // Start
        FindWidget<QPushButton>(s, "startStopButton")->click(); // Answer
        (right ? FindWidget<QPushButton>(s, "rightButton") : FindWidget<QPushButton>(s, "wrongButton"))->click();
        FindWidget<QPushButton>(s, "startStopButton")->click(); // Clear
    }
    EXPECT_EQ(FindWidget<QLabel>(s, "rightCount")->text().toStdString(), "2");
    EXPECT_EQ(FindWidget<QLabel>(s, "completePercent")->text().toStdString(), "67%");
    f.messages.Answers = {true};
    EXPECT_TRUE(s->close());

    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("Ann.219")).toStdString();
    f.user.SaveToFile(path);
    TUser reloaded;
    reloaded.LoadFromFile(path);
    EXPECT_EQ(reloaded.QuestionByte({0, 1}), 15); // untried, right
    EXPECT_EQ(reloaded.QuestionByte({0, 2}), 5);  // untried, wrong
    EXPECT_EQ(reloaded.QuestionByte({0, 6}), 15);
    EXPECT_EQ(reloaded.QuestionByte({1, 2}), 15); // its copies along the chain
    EXPECT_EQ(reloaded.QuestionByte({2, 1}), 15);
    EXPECT_EQ(reloaded.QuestionByte({0, 3}), 7); // not studied
    EXPECT_EQ(reloaded.ChapterSel[1], 1);
    EXPECT_EQ(reloaded.Collections[0], 1);
}

TEST(MemDlgStart, TypedRecitationIsComparedWithThePassageOnAnswer)
{
    StudyFixture f;
    f.user.Options.Timed = 0;
    f.user.Options.Prejump = 0;
    QPointer<TMemDlgStart> dlg = new TMemDlgStart(f.Context());
    EXPECT_FALSE(FindWidget<QCheckBox>(PageOf(dlg), "typeVerse")->isChecked());
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {2}); // Ga 3:5-7
    FindWidget<QRadioButton>(PageOf(dlg), "quote")->setChecked(true);                // quote
    FindWidget<QCheckBox>(PageOf(dlg), "typeVerse")->setChecked(true);
    dlg->OKBtnClick();
    ASSERT_EQ(f.children.size(), 1u);
    EXPECT_EQ(f.user.TypeVerse, 1);
    auto* s = qobject_cast<TQuestionAsker*>(f.children[0].data());
    ASSERT_NE(FindWidget<QPlainTextEdit>(s, "recitationEdit"), nullptr);
    EXPECT_TRUE(FindWidget<QPlainTextEdit>(s, "recitationEdit")->isReadOnly()); // nothing asked yet

    FindWidget<QPushButton>(s, "startStopButton")->click();
    ASSERT_EQ(s->Logic().Phase(), TSessionPhase::QuestionShown);
    EXPECT_FALSE(FindWidget<QPlainTextEdit>(s, "recitationEdit")->isReadOnly());
    // The passage without its first "Abraham"; the letters R and W and spaces are typing,
    // not grading.
    QString typed = RecitationPassage(s->Logic().Answer());
    ASSERT_TRUE(typed.contains(QStringLiteral("Abraham")));
    typed.replace(typed.indexOf(QStringLiteral("Abraham")), 7, QString());
    typed = typed.toLower();
    QTest::keyClicks(FindWidget<QPlainTextEdit>(s, "recitationEdit"), typed);
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::QuestionShown);
    EXPECT_EQ(s->Logic().MissedCount(), 0);
    EXPECT_EQ(FindWidget<QPlainTextEdit>(s, "recitationEdit")->toPlainText(), typed);

    QTest::keyClick(FindWidget<QPlainTextEdit>(s, "recitationEdit"), Qt::Key_Return, Qt::ControlModifier); // Answer
    ASSERT_EQ(s->Logic().Phase(), TSessionPhase::AnswerShown);
    EXPECT_EQ(s->RecitationErrors(), 1);
    EXPECT_TRUE(FindWidget<QLabel>(s, "recitationResult")->text().contains(QStringLiteral("1 error")));
    EXPECT_TRUE(
        FindWidget<QLabel>(s, "recitationResult")->text().contains(QStringLiteral("title=\"missed\">Abraham<")));
    EXPECT_TRUE(FindWidget<QPlainTextEdit>(s, "recitationEdit")->isReadOnly());
    EXPECT_TRUE(FindWidget<QPushButton>(s, "rightButton")->isEnabled()
                && FindWidget<QPushButton>(s, "wrongButton")->isEnabled()); // the grade is the quizzer's

    // The next item starts with an empty box.
    FindWidget<QPushButton>(s, "wrongButton")->click();
    FindWidget<QPushButton>(s, "startStopButton")->click(); // Clear
    EXPECT_EQ(s->Logic().Phase(), TSessionPhase::Ready);
    EXPECT_TRUE(FindWidget<QPlainTextEdit>(s, "recitationEdit")->toPlainText().isEmpty());
    EXPECT_EQ(s->RecitationErrors(), -1);
}

TEST(MemDlgStart, AFinishQuestionTypedWholeWithTheReferenceSpelledOutHasNoErrors)
{
    StudyFixture f;
    f.user.Options.Timed = 1;
    f.user.Options.Prejump = 0;
    QPointer<TMemDlgStart> dlg = new TMemDlgStart(f.Context());
    CheckChapters(*FindWidget<TfrmMaterialSelection>(PageOf(dlg), "material"), {2}); // Ga 3:5-7
    FindWidget<QRadioButton>(PageOf(dlg), "finishVerse")->setChecked(true);          // finish and give the reference
    FindWidget<QCheckBox>(PageOf(dlg), "typeVerse")->setChecked(true);
    dlg->OKBtnClick();
    ASSERT_EQ(f.children.size(), 1u);
    auto* s = qobject_cast<TQuestionAsker*>(f.children[0].data());
    FindWidget<QPushButton>(s, "startStopButton")->click();
    ASSERT_EQ(s->Logic().Phase(), TSessionPhase::QuestionShown);
    EXPECT_FALSE(s->Logic().OneSecRunning()); // no clock while typing

    // The prompt words the question showed, the rest of the passage, the reference in full.
    const QString question = FromWin1252(s->Logic().Question().Text());
    const QString lead = QStringLiteral("Finish these verses and give the reference: ");
    ASSERT_TRUE(question.startsWith(lead)) << question.toStdString();
    const QString prompt = question.mid(lead.size()).remove(QStringLiteral("..."));
    QString rest = RecitationPassage(s->Logic().Answer()).remove(QStringLiteral("..."));
    rest.truncate(rest.lastIndexOf(QStringLiteral(" (")));
    FindWidget<QPlainTextEdit>(s, "recitationEdit")->setPlainText(prompt + rest + QStringLiteral(" Galatians 3:5-7"));
    QTest::keyClick(FindWidget<QPlainTextEdit>(s, "recitationEdit"), Qt::Key_Return, Qt::ControlModifier); // Answer
    ASSERT_EQ(s->Logic().Phase(), TSessionPhase::AnswerShown);
    EXPECT_EQ(s->RecitationErrors(), 0) << FindWidget<QLabel>(s, "recitationResult")->text().toStdString();
    EXPECT_TRUE(
        FindWidget<QLabel>(s, "recitationResult")->text().contains(QStringLiteral(" 3:5-7"))); // the reference, right
}
