// The question sets and question lists windows driven as a coach uses them, with scripted
// message boxes, save dialog and shell.

#include "print/SetFixtures.h"
#include "support/gui/FindWidget.h"
#include "support/gui/ScriptedMessages.h"
#include "support/gui/ScriptedSaveDialog.h"

#include "material/gui/SelectionFrames.h"
#include "print/DocFile.h"
#include "print/RtfWriter.h"
#include "print/SetDocument.h"
#include "print/gui/ListsDlg.h"
#include "print/gui/PrintContext.h"
#include "print/gui/SetsDlg.h"
#include "shell/Services.h"
#include "user/History.h"
#include "widgets/CheckListCombo.h"
#include "widgets/SpinEdit.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <deque>
#include <functional>

namespace sv::test {
namespace {

class TRecordingShell : public IShell {
public:
    std::vector<QString> Opened;
    bool Opens = true; // false: no program on this computer opens a document
    bool OpenDocument(const QString& path) override
    {
        Opened.push_back(path);
        return Opens;
    }
    void OpenUrl(const QString&) override { }
    void OpenTextFile(const QString&) override { }
};

struct TWindowFixture {
    TSetContent Content;
    TUser User;
    TRandom Random{21};
    TScriptedMessages Messages;
    TRecordingShell Shell;
    QTemporaryDir Dir;
    TScriptedSaveDialog Saves;
    QString SavePath;
    int CommandsOn = 0;
    std::vector<QPointer<QWidget>> Children;

    TWindowFixture()
    {
        User.SetSelectionMode(TSelectionKind::ByChapter);
        User.ChapterSel[1] = User.ChapterSel[2] = 1;
        for (int c = 0; c < 8; ++c)
            User.Collections[c] = 1;
        for (int t = 0; t <= MaxChoosableType; ++t)
            User.Options.QuestionTypes[t] = 1;
        User.Options.SetsCount = 2;
        User.Options.SetsTossUps = 4;
        User.Options.SetsBonus20 = User.Options.SetsBonus30 = User.Options.SetsBonus40 = 1;
        User.FileName.setText("coach");
    }
    ~TWindowFixture()
    {
        for (auto& w : Children)
            delete w.data();
    }
    std::string HistoryPath() const { return QDir(Dir.path()).filePath(QStringLiteral("coach.219h")).toStdString(); }
    TPrintContext Context()
    {
        TPrintContext c;
        c.User = &User;
        c.Books = &Content.Books();
        c.Questions = &Content.Questions();
        c.Messages = &Messages;
        c.Shell = &Shell;
        c.Random = &Random;
        c.SaveDialog = &Saves;
        c.HistoryPath = [this] { return HistoryPath(); };
        c.CommandsOn = [this] { ++CommandsOn; };
        c.OpenChild = [this](QWidget* w) {
            Children.push_back(w);
            w->show();
        };
        return c;
    }
};

// Lets queued work (the worker's end, deferred deletes) run until done() or 10 seconds.
template <class Done>
bool WaitFor(Done done, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(2);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return done();
}

std::string ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// Holds the worker inside its first draw until released.
class TBlockingRandom : public IRandom {
public:
    std::atomic<bool> Entered{false};
    std::atomic<bool> Released{false};
    int Random(int) override
    {
        Entered = true;
        while (!Released)
            QThread::msleep(1);
        return 0;
    }
};

TEST(SetsWindow, OpensWithTheRememberedChoicesAndJudgesThem)
{
    TWindowFixture f;
    auto* dlg = new TSetsDlg_WF(f.Context());
    QPointer<QWidget> guard(dlg);
    EXPECT_EQ(dlg->windowTitle().toStdString(), "Generate Question Sets");
    EXPECT_EQ(FindWidget<TSpinEdit>(dlg, "sets")->value(), 2);
    EXPECT_EQ(dlg->QuestionsPerSet(), 7);
    EXPECT_EQ(FindWidget<QTabWidget>(dlg, "pages")->count(), 2); // no advanced sectoring page
    EXPECT_TRUE(FindWidget<QTimer>(dlg, "adequacyTimer")->isActive());
    EXPECT_EQ(FindWidget<QTimer>(dlg, "adequacyTimer")->interval(), 500);
    dlg->CheckAdequacyNow();
    EXPECT_EQ(FindWidget<QLabel>(dlg, "haveTossUps")->text().toStdString(), "6"); // 4 toss-ups + collections 0 and 5
    EXPECT_EQ(FindWidget<QLabel>(dlg, "needTossUps")->text().toStdString(), "8");
    EXPECT_EQ(FindWidget<QLabel>(dlg, "totalNeeded")->text().toStdString(), "14");
    EXPECT_EQ(FindWidget<QPlainTextEdit>(dlg, "summary")->toPlainText().toStdString(),
              "Though sets can be created from your selections, there are not enough questions for Toss-ups, and "
              "some of these will be repeated.");
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "createButton")->isEnabled());
    FindWidget<TSpinEdit>(dlg, "bonus20")->setValue(3); // only two 20-point bonuses
    dlg->CheckAdequacyNow();
    EXPECT_FALSE(FindWidget<QPushButton>(dlg, "createButton")->isEnabled());
    EXPECT_NE(FindWidget<QPlainTextEdit>(dlg, "summary")
                  ->toPlainText()
                  .toStdString()
                  .find("There are not enough questions for 20-Pt Bonus to"),
              std::string::npos);
    FindWidget<QCheckBox>(dlg, "advancedSectoring")->setChecked(true);
    EXPECT_EQ(FindWidget<QTabWidget>(dlg, "pages")->count(), 3);
    FindWidget<QCheckBox>(dlg, "evenlyAcrossQuestions")->setChecked(true);
    EXPECT_FALSE(FindWidget<QCheckBox>(dlg, "evenlyAcrossVerses")->isChecked());
    FindWidget<QPushButton>(dlg, "resetSectoring")->click();
    EXPECT_TRUE(FindWidget<QCheckBox>(dlg, "evenlyAcrossVerses")->isChecked());
    EXPECT_FALSE(FindWidget<QCheckBox>(dlg, "evenlyAcrossQuestions")->isChecked());
    FindWidget<QPushButton>(dlg, "resetAdvanced")->click();
    EXPECT_EQ(FindWidget<TSpinEdit>(dlg, "bonus20")->value(), 2);
    EXPECT_EQ(FindWidget<QComboBox>(dlg, "difficulty")->currentText().toStdString(), "Mixed Length Q & A");
    EXPECT_FALSE(FindWidget<QCheckBox>(dlg, "advancedSectoring")->isChecked());
    EXPECT_EQ(FindWidget<QTabWidget>(dlg, "pages")->count(), 2);
    dlg->close();
    EXPECT_EQ(f.CommandsOn, 1);
    WaitFor([&] { return guard.isNull(); });
}

TEST(SetsWindow, ChangingTheMaterialSwitchesTargetingOff)
{
    TWindowFixture f;
    auto* dlg = new TSetsDlg_WF(f.Context());
    auto* targeted = FindWidget<TCheckListCombo>(dlg, "targeted");
    auto* targetSpecific = FindWidget<QCheckBox>(dlg, "targetSpecific");
    EXPECT_EQ(targeted->Count(), 2);
    EXPECT_TRUE(targetSpecific->isEnabled());
    EXPECT_FALSE(targeted->isEnabled());
    targetSpecific->setChecked(true);
    EXPECT_TRUE(targeted->isEnabled());
    EXPECT_TRUE(FindWidget<TSpinEdit>(dlg, "percentTargeted")->isEnabled());
    FindWidget<QPushButton>(dlg, "selectAllTargeted")->click();
    EXPECT_EQ(targeted->CheckedCount(), 2);
    FindWidget<TCheckListCombo>(dlg, "materialList")->ToggleItem(1); // uncheck chapter 2
    EXPECT_FALSE(targetSpecific->isChecked());
    EXPECT_FALSE(targeted->isEnabled());
    EXPECT_EQ(targeted->Count(), 1);
    EXPECT_EQ(targeted->CheckedCount(), 0);
    FindWidget<QPushButton>(dlg, "clearAllMaterial")->click();
    EXPECT_EQ(targeted->Count(), 0);
    EXPECT_FALSE(targetSpecific->isEnabled());
    delete dlg;
}

TEST(SetsWindow, CreateWritesTheSetsRecordsTheHistoryAndOffersToOpen)
{
    TWindowFixture f;
    f.SavePath = QDir(f.Dir.path()).filePath(QStringLiteral("MYSETS.rtf"));
    f.Saves.Answers.push_back(TSaveAnswer{f.SavePath, 0});
    f.Messages.Answers = {true};
    auto* dlg = new TSetsDlg_WF(f.Context());
    QPointer<QWidget> guard(dlg);
    const QString caption = dlg->windowTitle();
    FindWidget<QLineEdit>(dlg, "heading")->setText(QStringLiteral("Spring Meet"));
    dlg->CheckAdequacyNow();
    const TSetsChoices choices = dlg->Choices();
    FindWidget<QPushButton>(dlg, "createButton")->click();
    ASSERT_TRUE(WaitFor([&] { return guard.isNull(); })) << "the window stays open";
    ASSERT_EQ(f.Saves.Requests.size(), 1u);
    EXPECT_EQ(f.Saves.Requests[0].Caption, caption);
    EXPECT_EQ(f.Saves.Requests[0].DefaultName, QStringLiteral("MYSETS"));
    EXPECT_EQ(f.Saves.Requests[0].DefaultExtension, QStringLiteral("rtf"));
    ASSERT_EQ(f.Saves.Requests[0].Filters.size(), 2u);
    EXPECT_EQ(f.Saves.Requests[0].Filters[1].Label, QStringLiteral("Text-only output"));

    // The same bytes as the core makes with the same draws.
    TRandom random(21);
    const auto sets = MakeQuestionSets(f.Content.Questions(), choices, THistory(), random);
    ASSERT_TRUE(sets);
    TDocFile doc(TDocFormat::Rtf);
    WriteSetDocument(doc, *sets, DocumentOptions(choices), f.Content.Questions());
    EXPECT_EQ(ReadFile(f.SavePath), doc.SavedBytes());

    ASSERT_EQ(f.Messages.Shown.size(), 1u);
    EXPECT_EQ(f.Messages.Shown[0].Text,
              "Your question sets have been created and are in the file:\r" + f.SavePath.toStdString()
                  + "\rWould you like to edit or print\rthis file using your word processor?");
    ASSERT_EQ(f.Shell.Opened.size(), 1u);
    EXPECT_EQ(f.Shell.Opened[0], f.SavePath);
    EXPECT_EQ(f.CommandsOn, 1);
    // Every toss-up was used twice (two sets of four).
    THistory history;
    history.LoadFromFile(f.HistoryPath());
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(history.SetUseCount({1, i}), 2) << i;
    EXPECT_EQ(f.User.Options.SetsCount, 2);
}

TEST(SetsWindow, ACancelledSaveWritesNothingAndKeepsTheWindow)
{
    TWindowFixture f;
    f.Saves.Answers.push_back(std::nullopt);
    auto* dlg = new TSetsDlg_WF(f.Context());
    QPointer<QWidget> guard(dlg);
    dlg->CheckAdequacyNow();
    FindWidget<QPushButton>(dlg, "createButton")->click();
    ASSERT_TRUE(WaitFor([&] { return !f.Saves.Requests.empty() && !dlg->Building(); }));
    WaitFor([] { return false; }, 200); // nothing closes it
    ASSERT_FALSE(guard.isNull());
    EXPECT_TRUE(f.Messages.Shown.empty());
    EXPECT_TRUE(QDir(f.Dir.path()).entryList(QDir::Files).isEmpty()) << "no document, no set history";
    EXPECT_EQ(f.CommandsOn, 0);
    delete dlg;
}

TEST(SetsWindow, AFailedBuildWarnsAndKeepsTheWindow)
{
    TWindowFixture f;
    f.User.Collections[4] = 0; // no 40-point bonuses
    auto* dlg = new TSetsDlg_WF(f.Context());
    QPointer<QWidget> guard(dlg);
    FindWidget<TSpinEdit>(dlg, "bonus40")->setValue(0);
    dlg->CheckAdequacyNow();
    FindWidget<TSpinEdit>(dlg, "bonus40")->setValue(1); // the timer has not judged it yet
    dlg->GenerateBtnClick();
    ASSERT_TRUE(WaitFor([&] { return !dlg->Building(); }));
    ASSERT_EQ(f.Messages.Shown.size(), 1u);
    EXPECT_EQ(f.Messages.Shown[0].Text, "Unable to create question sets!\r\rPlease select more material to draw "
                                        "from\ror reduce the number of required sets.");
    WaitFor([] { return false; }, 200); // nothing closes it
    ASSERT_FALSE(guard.isNull());
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "createButton")->isEnabled());
    EXPECT_EQ(f.CommandsOn, 0);
    delete dlg;
}

TEST(SetsWindow, ADocumentThatCannotBeWrittenIsReportedAndRecordsNoHistory)
{
    TWindowFixture f;
    const QString bad = QDir(f.Dir.path()).filePath(QStringLiteral("missing/MYSETS.rtf"));
    f.Saves.Answers.push_back(TSaveAnswer{bad, 0});
    auto* dlg = new TSetsDlg_WF(f.Context());
    QPointer<QWidget> guard(dlg);
    dlg->CheckAdequacyNow();
    EXPECT_NO_THROW(FindWidget<QPushButton>(dlg, "createButton")->click());
    ASSERT_TRUE(WaitFor([&] { return !f.Saves.Requests.empty() && !dlg->Building(); }));
    ASSERT_EQ(f.Messages.Shown.size(), 1u);
    EXPECT_EQ(f.Messages.Shown[0], (TScriptedMessages::TShown{"error", "Cannot create file " + bad.toStdString()}));
    // The sets were not handed out: the history stays as it was, and the window can try again.
    EXPECT_TRUE(QDir(f.Dir.path()).entryList(QDir::Files).isEmpty());
    WaitFor([] { return false; }, 200); // nothing closes it
    ASSERT_FALSE(guard.isNull());
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "createButton")->isEnabled());
    EXPECT_EQ(f.CommandsOn, 0);
    delete dlg;
}

TEST(ListsWindow, WarningsBeforeAnythingStarts)
{
    TWindowFixture f;
    auto* dlg = new TListsDlg(f.Context());
    FindWidget<QPushButton>(dlg, "clearAllTypes")->click();
    dlg->GenerateBtnClick();
    FindWidget<TCheckListCombo>(dlg, "collectionsList")->SetAllChecked(false);
    dlg->GenerateBtnClick();
    ASSERT_EQ(f.Messages.Shown.size(), 2u);
    EXPECT_EQ(f.Messages.Shown[0].Text, "You must choose at least one type of question.");
    EXPECT_EQ(f.Messages.Shown[1].Text,
              "You must choose at least one collection of questions\rfrom which to select questions.");
    EXPECT_TRUE(f.Children.empty());
    delete dlg;
}

TEST(ListsWindow, CreateRunsTheJobAndOffersToOpen)
{
    TWindowFixture f;
    f.SavePath = QDir(f.Dir.path()).filePath(QStringLiteral("MYLIST.txt"));
    f.Saves.Answers.push_back(TSaveAnswer{f.SavePath, 1});
    f.Messages.Answers = {false};
    auto* dlg = new TListsDlg(f.Context());
    QPointer<QWidget> guard(dlg);
    FindWidget<QRadioButton>(dlg, "sortAlphabetically")->setChecked(true);
    TListOptions options = dlg->Options();
    FindWidget<QPushButton>(dlg, "createButton")->click();
    ASSERT_EQ(f.Children.size(), 1u);
    auto* progress = qobject_cast<TProgressForm*>(f.Children[0].data());
    ASSERT_TRUE(progress);
    ASSERT_EQ(f.Saves.Requests.size(), 1u);
    EXPECT_EQ(f.Saves.Requests[0].DefaultName, QStringLiteral("MYLIST"));
    EXPECT_EQ(progress->Caption().toStdString(), "MYLIST.txt");
    EXPECT_EQ(FindWidget<QLabel>(progress, "hint")->text().toStdString(), "Creating list MYLIST.txt: 0 percent done.");
    EXPECT_EQ(FindWidget<QTimer>(progress, "pollTimer")->interval(), 1000);
    // While the offer to open is asked, the window reads as done, as its bar shows.
    QString hintAtOffer;
    int barAtOffer = -1;
    f.Messages.BeforeAnswer = [&] {
        hintAtOffer = FindWidget<QLabel>(progress, "hint")->text();
        barAtOffer = FindWidget<QProgressBar>(progress, "progress")->value();
    };
    EXPECT_TRUE(WaitFor([&] { return guard.isNull(); })); // the dialog closes at once
    ASSERT_TRUE(WaitFor([&] { return f.Children[0].isNull(); }));
    EXPECT_EQ(f.User.Options.ListSortByWords, 1);

    options.Rtf = false;
    TRandom random(21);
    TPrintList job(f.Content.Questions(), options, random);
    TDocFile doc(TDocFormat::Text);
    job.Write(doc);
    EXPECT_EQ(ReadFile(f.SavePath), doc.SavedBytes());
    ASSERT_EQ(f.Messages.Shown.size(), 1u);
    EXPECT_EQ(f.Messages.Shown[0].Text, "Your question list has been created and is in the file:\r"
                                            + f.SavePath.toStdString()
                                            + "\rWould you like to edit or print this file using your word processor?");
    EXPECT_TRUE(f.Shell.Opened.empty());
    EXPECT_EQ(barAtOffer, 100);
    EXPECT_EQ(hintAtOffer.toStdString(), "Creating list MYLIST.txt: 100 percent done.");
}

TEST(ListsWindow, AListThatCannotBeWrittenIsReportedWhenItsJobEnds)
{
    // The file is written on the job's thread; its error reaches the message service once
    // the job has ended, and the progress window goes.
    TWindowFixture f;
    const QString bad = QDir(f.Dir.path()).filePath(QStringLiteral("missing/MYLIST.rtf"));
    f.Saves.Answers.push_back(TSaveAnswer{bad, 0});
    auto* dlg = new TListsDlg(f.Context());
    QPointer<QWidget> guard(dlg);
    FindWidget<QRadioButton>(dlg, "sortAlphabetically")->setChecked(true);
    EXPECT_NO_THROW(FindWidget<QPushButton>(dlg, "createButton")->click());
    ASSERT_EQ(f.Children.size(), 1u);
    ASSERT_TRUE(WaitFor([&] { return f.Children[0].isNull(); }));
    ASSERT_EQ(f.Messages.Shown.size(), 1u);
    EXPECT_EQ(f.Messages.Shown[0], (TScriptedMessages::TShown{"error", "Cannot create file " + bad.toStdString()}));
    EXPECT_FALSE(QFile::exists(bad));
    // The lists window is there again with its choices, ready for another try.
    ASSERT_FALSE(guard.isNull());
    EXPECT_TRUE(dlg->isEnabled());
    EXPECT_TRUE(FindWidget<QRadioButton>(dlg, "sortAlphabetically")->isChecked());
    EXPECT_EQ(f.CommandsOn, 0);
    delete dlg;
}

TEST(ListsWindow, CancelInTheSaveDialogKeepsTheWindowAndItsChoices)
{
    TWindowFixture f;
    f.Saves.Answers.push_back(std::nullopt);
    auto* dlg = new TListsDlg(f.Context());
    QPointer<QWidget> guard(dlg);
    dlg->show();
    FindWidget<QRadioButton>(dlg, "sortAlphabetically")->setChecked(true);
    FindWidget<QPushButton>(dlg, "createButton")->click();
    EXPECT_EQ(f.Saves.Requests.size(), 1u);
    EXPECT_TRUE(f.Children.empty());
    WaitFor([] { return false; }, 100); // nothing closes it
    ASSERT_FALSE(guard.isNull());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(FindWidget<QRadioButton>(dlg, "sortAlphabetically")->isChecked());
    EXPECT_EQ(f.CommandsOn, 0);
    delete dlg;
}

TEST(ListsWindow, CancelLeavesNoFileOrAWholeOne)
{
    TWindowFixture f;
    f.SavePath = QDir(f.Dir.path()).filePath(QStringLiteral("MYLIST.rtf"));
    TListOptions o;
    o.FileName = f.SavePath.toStdString();
    o.Collections = AllCollections();
    for (int t = 0; t <= MaxChoosableType; ++t)
        o.Types[t] = 1;
    o.Material.Total = f.Content.Books().TotalVerses();
    for (int v = 1; v <= o.Material.Total; ++v)
        o.Material.Choose(v);
    f.Messages.Answers = {false};
    TProgressForm* form = StartListJob(f.Context(), o);
    QPointer<QWidget> guard(form);
    FindWidget<QPushButton>(form, "cancelButton")->click(); // no question asked
    ASSERT_TRUE(WaitFor([&] { return guard.isNull(); }));
    const std::string written = ReadFile(f.SavePath);
    if (written.empty()) {
        EXPECT_TRUE(f.Messages.Shown.empty());
        f.Messages.Answers.clear();
    } else {
        // The cancel came after writing had begun: the list is whole and offered.
        EXPECT_TRUE(written.ends_with("\\par }\r\n"));
        ASSERT_EQ(f.Messages.Shown.size(), 1u);
        EXPECT_EQ(f.Messages.Shown[0].Kind, "confirm");
    }
}

TEST(SetsWindow, ALongBuildShowsItsProgressAndCanBeCancelled)
{
    TWindowFixture f;
    TBlockingRandom blocking;
    TPrintContext context = f.Context();
    context.Random = &blocking;
    auto* dlg = new TSetsDlg_WF(context);
    dlg->CheckAdequacyNow();
    dlg->GenerateBtnClick();
    EXPECT_TRUE(dlg->Building());
    EXPECT_FALSE(FindWidget<QPushButton>(dlg, "createButton")->isEnabled());
    QProgressDialog* progress = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (progress = dlg->findChild<QProgressDialog*>()) != nullptr; }, 3000));
    EXPECT_TRUE(progress->isVisible());
    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_TRUE(cancel);
    cancel->click(); // as the person does: the button, which stops the build
    blocking.Released = true;
    ASSERT_TRUE(WaitFor([&] { return !dlg->Building(); }));
    EXPECT_TRUE(f.Messages.Shown.empty()); // cancelled: no warning, nothing written
    EXPECT_TRUE(FindWidget<QPushButton>(dlg, "createButton")->isEnabled());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(f.HistoryPath())));
    delete dlg;
}

TEST(ListsWindow, ClosingWhileTheJobRunsAsksFirst)
{
    TWindowFixture f;
    TBlockingRandom blocking;
    TPrintContext context = f.Context();
    context.Random = &blocking;
    f.SavePath = QDir(f.Dir.path()).filePath(QStringLiteral("Team list.rtf"));
    TListOptions o;
    o.FileName = f.SavePath.toStdString();
    o.Collections = AllCollections();
    for (int t = 0; t <= MaxChoosableType; ++t)
        o.Types[t] = 1;
    o.Material.Total = f.Content.Books().TotalVerses();
    for (int v = 1; v <= o.Material.Total; ++v)
        o.Material.Choose(v);
    o.Size = TListSize::NoMoreThan;
    o.SizeValue = 3;
    TProgressForm* form = StartListJob(context, o);
    QPointer<QWidget> guard(form);
    ASSERT_TRUE(WaitFor([&] { return blocking.Entered.load(); }));

    f.Messages.Answers = {false};
    form->close();
    ASSERT_FALSE(guard.isNull());
    EXPECT_FALSE(form->Finished());
    ASSERT_EQ(f.Messages.Shown.size(), 1u);
    EXPECT_EQ(f.Messages.Shown[0].Text, "Are you sure you want to cancel generating the list Team list.rtf?");

    f.Messages.Answers = {true, false}; // yes, cancel; no to opening a list already written
    blocking.Released = true;
    form->close();
    ASSERT_TRUE(WaitFor([&] { return guard.isNull(); }));
    // The offer to open the list comes only when the list was written before the cancel.
    f.Messages.Answers.clear();
    const std::string written = ReadFile(f.SavePath);
    EXPECT_TRUE(written.empty() || written.ends_with("\\par }\r\n"));
}

// Yes to "open it?" on a computer with no program for the document: the person is told where
// the document is, rather than nothing happening.
TEST(PrintWindows, ADocumentNoProgramCanOpenIsReportedWithWhereItIsSaved)
{
    TScriptedMessages messages;
    messages.Answers = {true};
    TRecordingShell shell;
    shell.Opens = false;
    TPrintContext context;
    context.Messages = &messages;
    context.Shell = &shell;
    OfferToOpen(context, TDocumentKind::QuestionList, QStringLiteral("/home/ann/MYLIST.rtf"));
    ASSERT_EQ(shell.Opened.size(), 1u);
    ASSERT_EQ(messages.Shown.size(), 2u);
    EXPECT_EQ(messages.Shown[1].Kind, "warning");
    EXPECT_NE(messages.Shown[1].Text.find("/home/ann/MYLIST.rtf"), std::string::npos) << messages.Shown[1].Text;
    EXPECT_NE(messages.Shown[1].Text.find("No program on this computer could open"), std::string::npos);
}

} // namespace
} // namespace sv::test
