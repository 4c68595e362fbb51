#include "content/Books.h"
#include "editor/gui/QEditor.h"
#include "support/ContentFixture.h"
#include "support/gui/FindWidget.h"
#include "wordstudy/gui/BibleFrame.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

TEST(QEditor, AClickedVerseListsItsQuestionsAndTheChosenOneIsComposed)
{
    const TLoadedContent& content = SmallContent();
    std::int32_t useLimit = 4;
    TQEditor editor(content.Books, content.Questions, useLimit);
    editor.resize(900, 560);
    editor.show();
    EXPECT_EQ(editor.windowTitle().toStdString(), "Question Editor");
    // Ga 1:1 when the window opens.
    EXPECT_EQ(editor.Entries().VerseNo(), 1);
    ASSERT_EQ(FindWidget<QListWidget>(&editor, "availableList")->count(), 1);
    EXPECT_EQ(FindWidget<QGroupBox>(&editor, "availableBox")->title().toStdString(),
              "Available Questions: Galatians 1:1");

    // A click on Ga 1:3 in the browser lists that verse's question (collection 1).
    const int verse3 = content.Books.VerseNoOf(TVerseRef(1, 1, 3));
    for (int y = 0; y < 500 && editor.Entries().VerseNo() != verse3; y += 3)
        FindWidget<TfrmBible>(&editor, "frmBible")->VerseCanvasPressed(y, true);
    ASSERT_EQ(editor.Entries().VerseNo(), verse3);
    ASSERT_EQ(FindWidget<QListWidget>(&editor, "availableList")->count(), 1);
    EXPECT_EQ(editor.Entries().Entries()[0].Question.Collection, 1);
    EXPECT_TRUE(FindWidget<QTextEdit>(&editor, "questionText")->toPlainText().isEmpty());
    FindWidget<QListWidget>(&editor, "availableList")->setCurrentRow(0);
    EXPECT_NE(FindWidget<QTextEdit>(&editor, "questionText")
                  ->toPlainText()
                  .indexOf(QStringLiteral("How does Paul greet the churches?")),
              -1);
    EXPECT_NE(FindWidget<QTextEdit>(&editor, "answerText")->toHtml().indexOf(QStringLiteral("Grace")), -1);

    // Pm 1:8: two collections, sorted; the first row shows its own question.
    editor.ListVerse(content.Books.VerseNoOf(TVerseRef(2, 1, 8)));
    ASSERT_EQ(FindWidget<QListWidget>(&editor, "availableList")->count(), 2);
    EXPECT_LT(FindWidget<QListWidget>(&editor, "availableList")
                  ->item(0)
                  ->text()
                  .compare(FindWidget<QListWidget>(&editor, "availableList")->item(1)->text(), Qt::CaseInsensitive),
              0);
    const TVerseQuestion& first = editor.Entries().Entries()[0];
    editor.AvailableLBClick(0);
    EXPECT_EQ(FindWidget<QTextEdit>(&editor, "questionText")
                      ->toPlainText()
                      .toStdString()
                      .find(content.Questions.QuestionPlainText(first.Question))
                  != std::string::npos,
              true)
        << FindWidget<QTextEdit>(&editor, "questionText")->toPlainText().toStdString();
    editor.AvailableLBClick(1);
    const TVerseQuestion& second = editor.Entries().Entries()[1];
    EXPECT_NE(FindWidget<QTextEdit>(&editor, "questionText")
                  ->toPlainText()
                  .toStdString()
                  .find(content.Questions.QuestionPlainText(second.Question)),
              std::string::npos);

    // The editing controls are there and do nothing.
    EXPECT_EQ(FindWidget<QPushButton>(&editor, "newButton")->toolTip().toStdString(), "New question");
    EXPECT_EQ(FindWidget<QComboBox>(&editor, "typeCombo")->count(), 0);
    FindWidget<QPushButton>(&editor, "doneButton")->click();
    EXPECT_FALSE(editor.isVisible());
}

TEST(QEditor, MarkedTextKeepsBoldAndUnderlineAndEscapesHtml)
{
    TMarkedText t;
    t.Append("a<");
    t.Append("b", 0, MarkBold);
    t.Append("c", 0, MarkUnderline);
    t.Append("\x92");
    EXPECT_EQ(MarkedTextHtml(t).toStdString(), "a&lt;<b>b</b><u>c</u>\xE2\x80\x99");
}
