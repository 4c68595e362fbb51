// A coach writes questions in the running program: the question is added on the verse clicked,
// changed and deleted, the content is rebuilt in the background and studied at once, and the
// person's grades stay on their questions through every rebuild. A failed build changes
// nothing; the coach's file goes out and comes in as a question file.

#include "app/ProgramWindows.h"
#include "compiler/CoachQuestions.h"
#include "compiler/TextCache.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "editor/gui/CoachEditor.h"
#include "editor/gui/QEditor.h"
#include "editor/gui/QuestionForm.h"
#include "program/ContentPlaces.h"
#include "support/gui/AppFixture.h"
#include "support/gui/FindWidget.h"
#include "support/gui/ScriptedSaveDialog.h"
#include "tools/TwelveVerses.h"
#include "user/Knowledge.h"
#include "user/User.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <fstream>

using namespace sv;
using namespace sv::test;

namespace {

// Questions with ids 1..4 on Gal 1:2, 4, 6, 8.
std::string ShippedQuestions()
{
    std::string text;
    for (int id = 1; id <= 4; ++id) {
        const int verse = 2 * id;
        text += "- id: " + std::to_string(id) + "\n  collection: 1\n  type: what\n  question: \"" + AskedAt(verse)
                + "\"\n  ref: Gal 1:" + std::to_string(verse) + "\n  answer: \"Verse number " + std::to_string(verse)
                + "\"\n";
    }
    return text;
}

class CoachEditing : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // The portion's sources as the build puts them beside the program, with the text the
        // build asked for: no Bible module is needed from here on.
        const std::string src = Dir() + "source/";
        std::filesystem::create_directories(src + "questions");
        WriteFile("source/portion.yaml", std::string(TwelveVersesPortionYaml) + "next-id: 20\n");
        WriteFile("source/sections.yaml", "- ref: Gal 1:1\n  title: \"Greeting\"\n");
        WriteFile("source/memory.yaml", "- chapter: Gal 1\n  passages:\n    - {verse: 12, count: 1}\n");
        WriteFile("source/questions/q.yaml", ShippedQuestions());
        const auto built = content::RebuildContent(content::ReadSourceSet(src),
                                                   content::RecordingSource(TwelveVerses(), src + "text/"), Dir());
        ASSERT_TRUE(built.Built) << built.Problem;

        StartUp();
        RegisterProgramWindows(*main);
        messages.Answers = {true}; // Ann is new here
        ChooseUser(QStringLiteral("Ann"));
        messages.Shown.clear();
        coach = main->findChild<TCoachEditor*>();
        ASSERT_NE(coach, nullptr);
        auto dialog = std::make_unique<TScriptedSaveDialog>();
        saveDialog = dialog.get();
        coach->SetSaveDialog(std::move(dialog));
    }

    // The number in collection 1 of the question with this text, 0 when there is none.
    int IndexOf(const std::string& text) const
    {
        for (int i = 1; i <= main->Questions().QuestionCount(1); ++i)
            if (main->Questions().QuestionPlainText({1, i}) == text)
                return i;
        return 0;
    }

    int VerseNo(int verse) const { return main->Books().VerseNoOf(TVerseRef(1, 1, verse)); }

    // Chooses the entry of the editor's list with this text.
    void Choose(const std::string& text)
    {
        TQEditor* editor = coach->Editor();
        ASSERT_NE(editor, nullptr);
        auto* list = FindWidget<QListWidget>(editor, "availableList");
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->text().toStdString().ends_with(text)) {
                list->setCurrentRow(row);
                return;
            }
        FAIL() << "no entry " << text;
    }

    // Types the question and the first answer part into the open form and saves it.
    void WriteAndSave(const QString& question, const QString& answer)
    {
        TQuestionForm* form = coach->Form();
        ASSERT_NE(form, nullptr);
        FindWidget<QLineEdit>(form, "QuestionEdit")->setText(question);
        FindWidget<QTableWidget>(form, "PartsTable")->item(0, 1)->setText(answer);
        form->CheckNow();
        auto* save = FindWidget<QPushButton>(form, "SaveBtn");
        ASSERT_TRUE(save->isEnabled()) << FindWidget<QListWidget>(form, "FindingsList")->item(0)->text().toStdString();
        if (damage)
            damage();
        save->click();
    }

    // Waits for the background build; true when it built.
    bool Rebuilt()
    {
        QSignalSpy ended(coach, &TCoachEditor::RebuildEnded);
        if (!coach->Rebuilding() && ended.isEmpty())
            return false;
        EXPECT_TRUE(ended.wait(20000));
        Settle();
        return !ended.isEmpty() && ended.front().front().toBool();
    }

    TCoachEditor* coach = nullptr;
    TScriptedSaveDialog* saveDialog = nullptr;
    std::function<void()> damage; // done between the check and the save
};

} // namespace

TEST_F(CoachEditing, AQuestionAddedChangedAndDeletedIsStudiedAtOnceAndGradesStayOnTheirQuestions)
{
    // Ann has graded the question of verse 6 and the one of verse 8.
    const int six = IndexOf(AskedAt(6)), eight = IndexOf(AskedAt(8));
    ASSERT_GT(six, 0);
    main->User().QuestionByte({1, six}) = 0x41;
    main->User().QuestionByte({1, eight}) = 0x23;

    // The coach adds a question on verse 5: it comes before both in the collection's order.
    coach->OpenEditor();
    coach->Editor()->ListVerse(VerseNo(5));
    coach->NewQuestion();
    ASSERT_EQ(coach->Form()->Fields().Parts.at(0).Ref, "Gal 1:5");
    WriteAndSave(QStringLiteral("Who wrote verse five?"), QStringLiteral("Verse number 5"));
    ASSERT_TRUE(Rebuilt());
    EXPECT_TRUE(std::filesystem::exists(Dir() + "Coach/shipped/questions/local.yaml"));
    const int added = IndexOf("Who wrote verse five?");
    ASSERT_GT(added, 0) << "the new question is in the content at once";
    EXPECT_EQ(IndexOf(AskedAt(6)), six + 1) << "the later questions were renumbered";
    EXPECT_EQ(main->User().QuestionByte({1, six + 1}), 0x41);
    EXPECT_EQ(main->User().QuestionByte({1, eight + 1}), 0x23);
    EXPECT_EQ(main->User().QuestionByte({1, added}), KnowledgeUntried) << "a new question starts untried";
    // The editor came back at its verse, listing the question.
    ASSERT_NE(coach->Editor(), nullptr);
    EXPECT_EQ(coach->Editor()->Entries().VerseNo(), VerseNo(5));

    // The coach changes a shipped question: its grades stay with it.
    coach->Editor()->ListVerse(VerseNo(6));
    Choose(AskedAt(6));
    coach->ModifyQuestion();
    WriteAndSave(QStringLiteral("What did Paul write as verse six?"), QStringLiteral("Verse number 6"));
    ASSERT_TRUE(Rebuilt());
    const int changed = IndexOf("What did Paul write as verse six?");
    ASSERT_GT(changed, 0);
    EXPECT_EQ(main->User().QuestionByte({1, changed}), 0x41);

    // The coach deletes the question added; a shipped one cannot be deleted.
    messages.Answers = {true};
    coach->Editor()->ListVerse(VerseNo(5));
    Choose("Who wrote verse five?");
    coach->DeleteQuestion();
    ASSERT_TRUE(Rebuilt());
    EXPECT_EQ(IndexOf("Who wrote verse five?"), 0);
    EXPECT_EQ(main->User().QuestionByte({1, IndexOf(AskedAt(8))}), 0x23);
    coach->Editor()->ListVerse(VerseNo(8));
    Choose(AskedAt(8));
    coach->DeleteQuestion();
    EXPECT_FALSE(coach->Rebuilding());
    EXPECT_NE(messages.Last().find("cannot be deleted"), std::string::npos) << messages.Last();
    messages.Shown.clear();
}

TEST_F(CoachEditing, ErrorsKeepTheQuestionFromBeingSavedAndWarningsDoNot)
{
    coach->OpenEditor();
    coach->Editor()->ListVerse(VerseNo(3));
    coach->NewQuestion();
    TQuestionForm* form = coach->Form();
    auto* save = FindWidget<QPushButton>(form, "SaveBtn");
    auto* question = FindWidget<QLineEdit>(form, "QuestionEdit");
    auto* parts = FindWidget<QTableWidget>(form, "PartsTable");
    auto* findings = FindWidget<QListWidget>(form, "FindingsList");
    const struct {
        const char* Question;
        const char* Ref;
        const char* Answer;
        const char* Shown; // the first finding
        bool Saves;
    } cases[] = {
        {"Who wrote verse three?", "Gal 1:3", "", "Error: An answer part has no text.", false},
        {"Who wrote verse three?", "Gal 1:30", "Verse number 3", "Error: The verse of answer part 1", false},
        {"Who wrote verse three?", "Gal 1:3", "Paul wrote a letter", "Warning: ", true},
        {"Who wrote verse three?", "Gal 1:3", "Verse number 3", "No findings.", true},
    };
    for (const auto& c : cases) {
        question->setText(QString::fromUtf8(c.Question));
        parts->item(0, 0)->setText(QString::fromUtf8(c.Ref));
        parts->item(0, 1)->setText(QString::fromUtf8(c.Answer));
        // Typing waits for a pause before the findings come.
        EXPECT_TRUE(form->CheckTimer()->isActive()) << c.Answer;
        EXPECT_FALSE(save->isEnabled()) << c.Answer;
        EXPECT_EQ(form->CheckTimer()->interval(), TQuestionForm::CheckDelayMs);
        // The pause is cut short, not waited out.
        form->CheckTimer()->start(1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form->CheckTimer()->isActive() && !form->Checking(); }, 5000));
        form->CheckTimer()->setInterval(TQuestionForm::CheckDelayMs);
        ASSERT_GT(findings->count(), 0);
        EXPECT_TRUE(findings->item(0)->text().startsWith(QString::fromUtf8(c.Shown)))
            << findings->item(0)->text().toStdString();
        EXPECT_EQ(save->isEnabled(), c.Saves) << c.Answer;
    }
}

TEST_F(CoachEditing, AFailedBuildChangesNothingAndSaysWhy)
{
    // The scripture text the rebuild reads is damaged once the form has read it.
    const std::string cache = content::TextCacheFile(Dir() + "source/text/", "mod", "Gal", "internal", "hf");
    ASSERT_TRUE(std::filesystem::exists(cache));
    damage = [cache] { std::ofstream(cache, std::ios::binary | std::ios::trunc) << "no verses here\n"; };
    const auto before = FileBytes(Dir() + "wf.qs");
    const int count = main->Questions().QuestionCount(1);

    coach->OpenEditor();
    coach->Editor()->ListVerse(VerseNo(5));
    coach->NewQuestion();
    // The question checked right while it was typed; the build after the save fails.
    WriteAndSave(QStringLiteral("Who wrote verse five?"), QStringLiteral("Verse number 5"));
    EXPECT_FALSE(Rebuilt());
    ASSERT_FALSE(messages.Shown.empty());
    EXPECT_EQ(messages.Shown.back().Kind, "error");
    EXPECT_NE(messages.Last().find("could not be built"), std::string::npos) << messages.Last();
    EXPECT_NE(messages.Last().find("Gal"), std::string::npos) << "says why: " << messages.Last();
    messages.Shown.clear();
    EXPECT_EQ(FileBytes(Dir() + "wf.qs"), before);
    EXPECT_EQ(main->Questions().QuestionCount(1), count);
    EXPECT_NE(coach->Editor(), nullptr) << "the windows stay open";
}

TEST_F(CoachEditing, TheCoachsQuestionsGoOutAndComeInAsAQuestionFile)
{
    coach->OpenEditor();
    coach->Editor()->ListVerse(VerseNo(5));
    coach->NewQuestion();
    WriteAndSave(QStringLiteral("Who wrote verse five?"), QStringLiteral("Verse number 5"));
    ASSERT_TRUE(Rebuilt());

    const std::string exported = Dir() + "mine.yaml";
    saveDialog->Answers.push_back(TSaveAnswer{QString::fromStdString(exported), 0});
    coach->ExportQuestions();
    std::ifstream in(exported);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Who wrote verse five?"), std::string::npos) << text;
    EXPECT_EQ(text.find(AskedAt(6)), std::string::npos) << "only the coach's own questions";

    // A file with an error is refused whole, with the error shown.
    const std::string bad = Dir() + "bad.yaml";
    std::ofstream(bad) << "- collection: 1\n  type: who\n  question: \"Who wrote verse seven?\"\n"
                          "  ref: Gal 1:7\n  answer: \"Verse number 7\"\n"
                          "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:40\n  answer: x\n";
    coach->AskImportFile = [&] { return QString::fromStdString(bad); };
    coach->ImportQuestions();
    EXPECT_FALSE(coach->Rebuilding());
    ASSERT_FALSE(messages.Shown.empty());
    EXPECT_EQ(messages.Shown.back().Kind, "warning");
    EXPECT_NE(messages.Last().find("bad.yaml:"), std::string::npos) << messages.Last();
    messages.Shown.clear();
    EXPECT_EQ(IndexOf("Who wrote verse seven?"), 0);

    // A good file comes in and is studied at once.
    const std::string good = Dir() + "good.yaml";
    std::ofstream(good) << "- collection: 1\n  type: who\n  question: \"Who wrote verse seven?\"\n"
                           "  ref: Gal 1:7\n  answer: \"Verse number 7\"\n";
    coach->AskImportFile = [&] { return QString::fromStdString(good); };
    coach->ImportQuestions();
    ASSERT_TRUE(Rebuilt());
    EXPECT_GT(IndexOf("Who wrote verse seven?"), 0);
    EXPECT_GT(IndexOf("Who wrote verse five?"), 0);
}

TEST_F(CoachEditing, ASaveMadeDuringARebuildWaitsForItsTurn)
{
    coach->OpenEditor();
    coach->Editor()->ListVerse(VerseNo(5));
    coach->NewQuestion();
    WriteAndSave(QStringLiteral("Who wrote verse five?"), QStringLiteral("Verse number 5"));
    ASSERT_TRUE(coach->Rebuilding());
    coach->NewQuestion();
    WriteAndSave(QStringLiteral("Who wrote verse five again?"), QStringLiteral("Verse number 5"));
    QSignalSpy ended(coach, &TCoachEditor::RebuildEnded);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended.size() == 2; }, 20000));
    EXPECT_FALSE(coach->Rebuilding());
    Settle();
    EXPECT_GT(IndexOf("Who wrote verse five?"), 0);
    EXPECT_GT(IndexOf("Who wrote verse five again?"), 0);
}

TEST_F(CoachEditing, ContentFilesThatCannotBeReadAreNotTakenUp)
{
    coach->OpenEditor();
    const int count = main->Questions().QuestionCount(1);
    WriteFile("wf.qs", "damaged");
    EXPECT_FALSE(main->ReloadContent());
    ASSERT_FALSE(messages.Shown.empty());
    EXPECT_NE(messages.Last().find("wf.qs"), std::string::npos) << messages.Last();
    messages.Shown.clear();
    EXPECT_EQ(main->Questions().QuestionCount(1), count);
    EXPECT_NE(coach->Editor(), nullptr) << "the windows stay open";
}
