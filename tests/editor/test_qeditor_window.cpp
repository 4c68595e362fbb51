#include "content/Books.h"
#include "editor/gui/QEditor.h"
#include "support/ContentFixture.h"
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
    ASSERT_EQ(editor.AvailableLB->count(), 1);
    EXPECT_EQ(editor.GroupBox1->title().toStdString(), "Available Questions: Galatians 1:1");

    // A click on Ga 1:3 in the browser lists that verse's question (collection 1).
    const int verse3 = content.Books.VerseNoOf(TVerseRef(1, 1, 3));
    for (int y = 0; y < 500 && editor.Entries().VerseNo() != verse3; y += 3)
        editor.frmBible->VerseCanvasPressed(y, true);
    ASSERT_EQ(editor.Entries().VerseNo(), verse3);
    ASSERT_EQ(editor.AvailableLB->count(), 1);
    EXPECT_EQ(editor.Entries().Entries()[0].Question.Collection, 1);
    EXPECT_TRUE(editor.qMemo->toPlainText().isEmpty());
    editor.AvailableLB->setCurrentRow(0);
    EXPECT_NE(editor.qMemo->toPlainText().indexOf(QStringLiteral("How does Paul greet the churches?")), -1);
    EXPECT_NE(editor.aMemo->toHtml().indexOf(QStringLiteral("Grace")), -1);

    // Pm 1:8: two collections, sorted; the first row shows its own question.
    editor.ListVerse(content.Books.VerseNoOf(TVerseRef(2, 1, 8)));
    ASSERT_EQ(editor.AvailableLB->count(), 2);
    EXPECT_LT(editor.AvailableLB->item(0)->text().compare(editor.AvailableLB->item(1)->text(), Qt::CaseInsensitive), 0);
    const TVerseQuestion& first = editor.Entries().Entries()[0];
    editor.AvailableLBClick(0);
    EXPECT_EQ(editor.qMemo->toPlainText().toStdString().find(content.Questions.QuestionPlainText(first.Question))
                  != std::string::npos,
              true)
        << editor.qMemo->toPlainText().toStdString();
    editor.AvailableLBClick(1);
    const TVerseQuestion& second = editor.Entries().Entries()[1];
    EXPECT_NE(editor.qMemo->toPlainText().toStdString().find(content.Questions.QuestionPlainText(second.Question)),
              std::string::npos);

    // The editing controls are there and do nothing.
    EXPECT_EQ(editor.newBtn->toolTip().toStdString(), "New question");
    EXPECT_EQ(editor.genreCB->count(), 0);
    editor.Button1->click();
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
