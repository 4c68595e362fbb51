// The print dialogs over the shipped content: choices, messages, the scripted save dialog,
// the offer to open, write failures, and the same bytes as sv-doc for the same choices.

#include "support/gui/AppFixture.h"

#include "common/Win1252.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "material/gui/SelectionFrames.h"
#include "print/gui/ConcordanceDlg.h"
#include "print/gui/MemListDlg.h"
#include "print/gui/PrintCommands.h"
#include "print/gui/PrintContext.h"
#include "print/gui/ScriptureDlg.h"
#include "print/gui/SetsDlg.h"
#include "program/ProgramSettings.h"
#include "support/gui/FindWidget.h"
#include "support/gui/ScriptedSaveDialog.h"
#include "user/User.h"
#include "widgets/CheckListCombo.h"
#include "widgets/SpinEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <deque>
#include <map>

namespace sv::test {
namespace {

struct TShipped {
    TWords Words;
    TBooks Books{Words};
    TQuestions Questions{Words, Books};
    TShipped()
    {
        Words.LoadFromFile(SV_PROGRAM_DIR "/wf.wl");
        Books.LoadFromFile(SV_PROGRAM_DIR "/wf.bk");
        Questions.LoadFromFile(SV_PROGRAM_DIR "/wf.qs");
    }
};

const TShipped& Shipped()
{
    static const TShipped s;
    return s;
}

std::string ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// sv-doc's document for the arguments (written into dir as name).
std::string SvDocBytes(const QTemporaryDir& dir, const QString& name, QStringList args)
{
    args << QStringLiteral("--program") << QStringLiteral(SV_PROGRAM_DIR) << QStringLiteral("--out")
         << dir.filePath(name);
    QProcess p;
    p.start(QStringLiteral(SV_DOC_EXE), args);
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return ReadAll(dir.filePath(name));
}

// The concordance window's check boxes of one word group.
std::string WordListBoxName(TConcGroup g) { return "wordListBox" + std::to_string(static_cast<int>(g)); }
std::string InContextBoxName(TConcGroup g) { return "inContextBox" + std::to_string(static_cast<int>(g)); }

class PrintWindows : public AppTest {
protected:
    TPrintContext Context()
    {
        TPrintContext c;
        c.User = &user;
        c.Words = &Shipped().Words;
        c.Books = &Shipped().Books;
        c.Questions = &Shipped().Questions;
        c.ProgramDir = SV_PROGRAM_DIR "/";
        c.Messages = &messages;
        c.Shell = &shell;
        c.SaveDialog = &saves;
        c.ShowHelp = [this](int context) { helpShown.push_back(context); };
        return c;
    }
    void SaveAs(const QString& path, int filter = 0) { saves.Answers.push_back(TSaveAnswer{path, filter}); }

    TUser user;
    TScriptedSaveDialog saves;
    std::vector<int> helpShown;
    QTemporaryDir out;
};

TEST_F(PrintWindows, MemoryListWritesTheSameBytesAsSvDocAndOffersToOpen)
{
    auto* dlg = new TMemListDlg(Context());
    dlg->show();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Generate Memory Verses"));
    EXPECT_EQ(FindWidget<QCheckBox>(dlg, "singleMultiBox")->text(),
              QStringLiteral("Include single- && multi- verse prejump lists"));
    FindWidget<TCheckListCombo>(dlg, "materialList")->SetChecked(0, true);
    FindWidget<TCheckListCombo>(dlg, "materialList")->SetChecked(2, true);
    FindWidget<QCheckBox>(dlg, "highlightKeywordsBox")->setChecked(true);
    FindWidget<TSpinEdit>(dlg, "keywordSpin")->setValue(2);
    FindWidget<QCheckBox>(dlg, "prejumpListBox")->setChecked(false);
    const QString path = out.filePath(QStringLiteral("MEMORY.rtf"));
    SaveAs(path);
    messages.Answers = {true};
    FindWidget<QPushButton>(dlg, "generateButton")->click();
    Settle();

    ASSERT_EQ(saves.Requests.size(), 1u);
    EXPECT_EQ(saves.Requests[0].DefaultName, QStringLiteral("MEMORY"));
    EXPECT_EQ(saves.Requests[0].DefaultExtension, QStringLiteral("rtf"));
    ASSERT_EQ(saves.Requests[0].Filters.size(), 2u);
    EXPECT_EQ(saves.Requests[0].Filters[1].Label, QStringLiteral("Text-only output"));
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{
                                  "C:Your memory verse list has been created and is in the file:\r" + path.toStdString()
                                  + "\rWould you like to edit or print this file using your word processor?"}));
    EXPECT_EQ(shell.Opened, (std::vector<QString>{path}));
    // The choices went into the user record.
    EXPECT_EQ(user.Options.HighlightKeywords, 1);
    EXPECT_EQ(user.Options.KeywordLimit, 2);
    EXPECT_EQ(user.Options.MemListIncludePrejumpList, 0);
    EXPECT_EQ(user.ChapterSel[1], 1);
    EXPECT_EQ(user.ChapterSel[2], 0);
    EXPECT_EQ(user.ChapterSel[3], 1);

    const std::string bytes = ReadAll(path);
    EXPECT_FALSE(bytes.empty());
    EXPECT_EQ(bytes, SvDocBytes(out, QStringLiteral("cli.rtf"),
                                {QStringLiteral("memory"), QStringLiteral("--material"), QStringLiteral("chapters:1,3"),
                                 QStringLiteral("--highlight-keywords"), QStringLiteral("--keyword-limit"),
                                 QStringLiteral("2"), QStringLiteral("--no-prejump-list")}));
}

TEST_F(PrintWindows, MemoryListWarnsWithoutMaterialAndWritesTextThroughTheFilter)
{
    auto* dlg = new TMemListDlg(Context());
    dlg->show();
    FindWidget<TCheckListCombo>(dlg, "materialList")->SetAllChecked(false);
    FindWidget<QPushButton>(dlg, "generateButton")->click();
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{"W:Please select some material to study."}));
    EXPECT_TRUE(saves.Requests.empty());
    EXPECT_TRUE(dlg->isVisible());

    // Text-only chosen for a name without extension: plain text, no marks.
    FindWidget<TCheckListCombo>(dlg, "materialList")->SetChecked(0, true);
    SaveAs(out.filePath(QStringLiteral("list")), 1);
    messages.Answers = {false};
    FindWidget<QPushButton>(dlg, "generateButton")->click();
    Settle();
    const std::string text = ReadAll(out.filePath(QStringLiteral("list")));
    EXPECT_TRUE(text.starts_with("Memory Verse List\n")) << text;
    EXPECT_EQ(text.find('{'), std::string::npos);
    EXPECT_TRUE(shell.Opened.empty());
}

TEST_F(PrintWindows, AFailedWriteSaysSoKeepsTheWindowAndOffersNothing)
{
    auto* dlg = new TMemListDlg(Context());
    dlg->show();
    FindWidget<TCheckListCombo>(dlg, "materialList")->SetChecked(0, true);
    const QString bad = out.filePath(QStringLiteral("missing/MEMORY.rtf"));
    SaveAs(bad);
    FindWidget<QPushButton>(dlg, "generateButton")->click();
    Settle();
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{"E:Cannot create file " + bad.toStdString()}));
    EXPECT_FALSE(QFile::exists(bad));
    EXPECT_TRUE(dlg->isVisible());
    dlg->close();
}

TEST_F(PrintWindows, ScripturePortionThroughAChosenChapter)
{
    auto* dlg = new TScriptureDlg(Context());
    dlg->show();
    EXPECT_EQ(FindWidget<QComboBox>(dlg, "chaptersBox")->count(), Shipped().Books.TotalChapters());
    EXPECT_EQ(FindWidget<QComboBox>(dlg, "chaptersBox")->currentIndex(), 0);
    EXPECT_EQ(FindWidget<QCheckBox>(dlg, "useColourBox")->text(), QStringLiteral("Color memory && keywords"));
    // Colour is enabled while either highlight box is checked, the spin while keywords are.
    FindWidget<QCheckBox>(dlg, "highlightMemoryBox")->setChecked(false);
    FindWidget<QCheckBox>(dlg, "highlightKeywordsBox")->setChecked(false);
    EXPECT_FALSE(FindWidget<QCheckBox>(dlg, "useColourBox")->isEnabled());
    EXPECT_FALSE(FindWidget<TSpinEdit>(dlg, "keywordSpin")->isEnabled());
    FindWidget<QCheckBox>(dlg, "highlightKeywordsBox")->setChecked(true);
    EXPECT_TRUE(FindWidget<QCheckBox>(dlg, "useColourBox")->isEnabled());
    EXPECT_TRUE(FindWidget<TSpinEdit>(dlg, "keywordSpin")->isEnabled());
    FindWidget<QCheckBox>(dlg, "highlightMemoryBox")->setChecked(true);
    FindWidget<QComboBox>(dlg, "chaptersBox")->setCurrentIndex(1);

    const QString path = out.filePath(QStringLiteral("SCRIPTURE.rtf"));
    SaveAs(path);
    messages.Answers = {false};
    FindWidget<QPushButton>(dlg, "generateButton")->click();
    Settle();
    ASSERT_EQ(saves.Requests.size(), 1u);
    EXPECT_EQ(saves.Requests[0].DefaultName, QStringLiteral("SCRIPTURE"));
    EXPECT_EQ(saves.Requests[0].Filters.size(), 1u); // RTF only
    EXPECT_EQ(messages.Log().size(), 1u);
    EXPECT_TRUE(messages.Log()[0].starts_with("C:Your scripture portion has been created and is in the file:\r"));
    EXPECT_EQ(user.Options.HighlightKeywords, 1);
    EXPECT_NE(ReadAll(path).find("\\cols3"), std::string::npos);
    EXPECT_EQ(ReadAll(path), SvDocBytes(out, QStringLiteral("cli.rtf"),
                                        {QStringLiteral("portion"), QStringLiteral("--through"), QStringLiteral("2"),
                                         QStringLiteral("--highlight-keywords"), QStringLiteral("--highlight-memory"),
                                         QStringLiteral("--footnotes"), QStringLiteral("--color")}));
}

TEST_F(PrintWindows, ScripturePortionCancelledClosesAndABadFootnoteFileIsReported)
{
    auto* dlg = new TScriptureDlg(Context());
    dlg->show();
    saves.Answers.push_back(std::nullopt);
    FindWidget<QPushButton>(dlg, "generateButton")->click();
    Settle();
    EXPECT_TRUE(messages.Log().empty());

    QTemporaryDir program;
    QFile notes(program.filePath(QStringLiteral("footnotes.txt")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("1 1 x 4 bad\r\n");
    notes.close();
    TPrintContext c = Context();
    c.ProgramDir = program.path().toStdString() + "/";
    QPointer<TScriptureDlg> second = new TScriptureDlg(c);
    second->show();
    const QString path = out.filePath(QStringLiteral("S.rtf"));
    SaveAs(path);
    FindWidget<QPushButton>(second, "generateButton")->click();
    Settle();
    ASSERT_EQ(messages.Log().size(), 1u);
    EXPECT_TRUE(messages.Log()[0].starts_with("E:Invalid number in ")) << messages.Log()[0];
    EXPECT_FALSE(QFile::exists(path));
    // Only the command ends: the window stays for another try.
    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(second->isVisible());
    second->close();
}

TEST_F(PrintWindows, ConcordanceChapterRangeNeverReverses)
{
    auto* dlg = new TConcordanceDlg(Context());
    dlg->show();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Generate a Concordance"));
    EXPECT_EQ(FindWidget<QComboBox>(dlg, "fromBox")->currentIndex(), -1);
    EXPECT_EQ(FindWidget<QComboBox>(dlg, "toBox")->currentIndex(), -1);
    EXPECT_TRUE(FindWidget<QRadioButton>(dlg, "frequentOnlyButton")->isChecked());
    EXPECT_EQ(FindWidget<TSpinEdit>(dlg, "occurrencesSpin")->value(), 3);
    for (int g = 0; g < ConcGroupCount; ++g)
        EXPECT_FALSE(FindWidget<QCheckBox>(dlg, WordListBoxName(static_cast<TConcGroup>(g)).c_str())->isChecked());

    FindWidget<QComboBox>(dlg, "fromBox")->setCurrentIndex(3);
    Q_EMIT FindWidget<QComboBox>(dlg, "fromBox")->activated(3);
    EXPECT_EQ(FindWidget<QComboBox>(dlg, "toBox")->currentIndex(), 3); // "To" was empty
    FindWidget<QComboBox>(dlg, "toBox")->setCurrentIndex(1);
    Q_EMIT FindWidget<QComboBox>(dlg, "toBox")->activated(1);
    EXPECT_EQ(FindWidget<QComboBox>(dlg, "fromBox")->currentIndex(), 1); // "From" moves back
    FindWidget<QComboBox>(dlg, "fromBox")->setCurrentIndex(2);
    Q_EMIT FindWidget<QComboBox>(dlg, "fromBox")->activated(2);
    EXPECT_EQ(FindWidget<QComboBox>(dlg, "toBox")->currentIndex(), 2);
    const TConcordanceChoices c = dlg->Choices();
    EXPECT_EQ(c.FromChapter, 3);
    EXPECT_EQ(c.ToChapter, 3);
    dlg->close();
}

TEST_F(PrintWindows, ConcordanceNeedsAListAndThenWritesIt)
{
    auto* dlg = new TConcordanceDlg(Context());
    dlg->show();
    FindWidget<QPushButton>(dlg, "generateButton")->click();
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{"W:Please select at least one list to include."}));
    messages.Shown.clear();

    FindWidget<QCheckBox>(dlg, WordListBoxName(TConcGroup::ProperPeople).c_str())->setChecked(true);
    FindWidget<QCheckBox>(dlg, InContextBoxName(TConcGroup::ProperPlaces).c_str())->setChecked(true);
    FindWidget<QRadioButton>(dlg, "exhaustiveButton")->setChecked(true);
    const QString path = out.filePath(QStringLiteral("CONCORDANCE.txt"));
    SaveAs(path, 1);
    messages.Answers = {true};
    FindWidget<QPushButton>(dlg, "generateButton")->click();
    Settle();
    EXPECT_EQ(saves.Requests.back().DefaultName, QStringLiteral("CONCORDANCE"));
    EXPECT_TRUE(messages.Log().at(0).starts_with("C:Your concordance has been created and is in the file:\r"));
    EXPECT_TRUE(ReadAll(path).starts_with("Proper People: Word List\n"));
    EXPECT_EQ(ReadAll(path),
              SvDocBytes(out, QStringLiteral("cli.txt"),
                         {QStringLiteral("concordance"), QStringLiteral("--word-list"), QStringLiteral("people"),
                          QStringLiteral("--in-context"), QStringLiteral("places"), QStringLiteral("--exhaustive")}));
}

TEST_F(PrintWindows, QuestionSetsOpenWithDefaultsTheShippedPortionCanFill)
{
    // A new person: the window's first choices make sets, and so does Reset to Defaults.
    auto* dlg = new TSetsDlg_WF(Context());
    QPointer<QWidget> guard(dlg);
    dlg->resize(900, 600);
    dlg->show();
    dlg->CheckAdequacyNow();
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "createButton")->isEnabled())
        << FindWidget<QPlainTextEdit>(dlg, "summary")->toPlainText().toStdString();
    EXPECT_EQ(FindWidget<QPlainTextEdit>(dlg, "summary")->toPlainText(),
              QStringLiteral("Your selections should be adequate to build good sets."));
    // 5 sets of 20 toss-ups and 2 of each bonus
    const std::pair<const char*, const char*> needed[] = {
        {"needTossUps", "100"}, {"needBonus20", "10"}, {"needBonus30", "10"}, {"needBonus40", "10"}};
    for (const auto& [label, count] : needed)
        EXPECT_EQ(FindWidget<QLabel>(dlg, label)->text().toStdString(), count) << label;
    for (TSpinEdit* spin : {FindWidget<TSpinEdit>(dlg, "bonus20"), FindWidget<TSpinEdit>(dlg, "bonus30"),
                            FindWidget<TSpinEdit>(dlg, "bonus40")})
        spin->setValue(100); // more than the portion has
    dlg->CheckAdequacyNow();
    EXPECT_FALSE(FindWidget<QPushButton>(dlg, "createButton")->isEnabled());
    EXPECT_TRUE(FindWidget<QPlainTextEdit>(dlg, "summary")
                    ->toPlainText()
                    .startsWith(QStringLiteral(
                        "There are not enough questions for 20-Pt Bonus, 30-Pt Bonus and 40-Pt Bonus to")))
        << FindWidget<QPlainTextEdit>(dlg, "summary")->toPlainText().toStdString();
    FindWidget<QPushButton>(dlg, "resetAdvanced")->click();
    dlg->CheckAdequacyNow();
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "createButton")->isEnabled());

    // Both tabs take a click over their whole face: nothing lies over the tab bar.
    QTabBar* tabs = FindWidget<QTabWidget>(dlg, "pages")->tabBar();
    for (int i = 0; i < tabs->count(); ++i) {
        const QRect r = tabs->tabRect(i);
        for (const QPoint p : {r.center(), r.topLeft() + QPoint(4, 3), r.bottomRight() - QPoint(4, 3)})
            EXPECT_EQ(dlg->childAt(tabs->mapTo(dlg, p)), tabs) << i << " at " << p.x() << "," << p.y();
    }
    dlg->close();
}

TEST_F(PrintWindows, CaptionsSayWhatTheyMean)
{
    auto* sets = new TSetsDlg_WF(Context());
    EXPECT_EQ(FindWidget<QCheckBox>(sets, "favourDuplicates")->text(),
              QStringLiteral("Favor questions occurring most often in collections"));
    auto* concordance = new TConcordanceDlg(Context());
    // "Don't include word unless it occurs more than n times" is a least number of uses.
    QStringList titles;
    for (const QGroupBox* box : concordance->findChildren<QGroupBox*>())
        titles << box->title();
    EXPECT_TRUE(titles.contains(QStringLiteral("Minimum word occurrence")))
        << titles.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(titles.contains(QStringLiteral("Maximum word occurrence")));
    delete sets;
    delete concordance;
}

TEST_F(PrintWindows, HelpButtonsOpenTheirPages)
{
    auto* a = new TMemListDlg(Context());
    auto* b = new TScriptureDlg(Context());
    auto* c = new TConcordanceDlg(Context());
    for (TDocumentDlg* d : std::initializer_list<TDocumentDlg*>{a, b, c})
        FindWidget<QPushButton>(d, "helpButton")->click();
    EXPECT_EQ(helpShown, (std::vector<int>{2090, 2100, 7200}));
    for (QWidget* w : std::initializer_list<QWidget*>{a, b, c})
        EXPECT_EQ(w->property("helpContext").toInt(), helpShown[static_cast<std::size_t>(w == a ? 0 : w == b ? 1 : 2)]);
    delete a;
    delete b;
    delete c;
}

TEST_F(PrintWindows, ThePrintMenuShowsTheCommandsAndOpensTheDialogs)
{
    CreateMain();
    RegisterPrintCommands(*main);
    EXPECT_TRUE(main->CmdScripturePortion->isVisible());
    EXPECT_TRUE(main->CmdConcordance->isVisible());
    main->UM_COMMANDSON();
    for (QAction* a : {main->CmdMemoryList, main->CmdScripturePortion, main->CmdConcordance})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    main->CmdMemoryList->trigger();
    EXPECT_NE(Child<TMemListDlg>(), nullptr);
    main->CmdScripturePortion->trigger();
    EXPECT_NE(Child<TScriptureDlg>(), nullptr);
    main->CmdConcordance->trigger();
    EXPECT_NE(Child<TConcordanceDlg>(), nullptr);
}

TEST_F(PrintWindows, PlainTextIsUtf8UnlessThePrintMenuSaysForWindows)
{
    CreateMain();
    RegisterPrintCommands(*main);
    auto* forWindows = main->findChild<QAction*>(QStringLiteral("CmdTextForWindows"));
    ASSERT_NE(forWindows, nullptr);
    EXPECT_FALSE(forWindows->isChecked());
    EXPECT_EQ(PrintContextOf(*main, nullptr).TextEncoding, TTextEncoding::Utf8);
    forWindows->trigger();
    EXPECT_EQ(PrintContextOf(*main, nullptr).TextEncoding, TTextEncoding::Windows1252);
    // Kept in the program settings for the next start.
    TProgramSettings reread(main->Settings().Path());
    reread.Load();
    EXPECT_TRUE(reread.TextForWindows);

    // A memory verse list saved as text: the same list, as Windows-1252 with CR LF or as UTF-8.
    std::map<bool, std::string> saved;
    for (const bool windows : {true, false}) {
        forWindows->setChecked(windows);
        auto* dlg = new TMemListDlg(PrintContextOf(*main, &saves));
        FindWidget<TCheckListCombo>(dlg, "materialList")->SetAllChecked(true);
        const QString path = out.filePath(windows ? QStringLiteral("w.txt") : QStringLiteral("u.txt"));
        SaveAs(path, 1);
        messages.Answers = {false};
        FindWidget<QPushButton>(dlg, "generateButton")->click();
        saved[windows] = ReadAll(path);
        ASSERT_FALSE(saved[windows].empty()) << windows;
        EXPECT_EQ(saved[windows].find("\r\n") != std::string::npos, windows);
    }
    EXPECT_EQ(QString::fromStdString(Win1252ToUtf8(saved[true])).remove(QLatin1Char('\r')).toStdString(), saved[false]);
}

} // namespace
} // namespace sv::test
