// The Bible window and the browser frame, drawn offscreen: captions, colours on the canvas,
// the controls' wiring, clipboard, wheel and keys, the question-editor host, several windows
// in the main window's area, and the shipped portion.

#include "common/Win1252.h"
#include "content/Books.h"
#include "content/Words.h"
#include "shell/Services.h"
#include "support/gui/ScriptedMessages.h"
#include "voice/Sounds.h"
#include "wordstudy/WordStudyFixture.h"
#include "wordstudy/gui/BibleForm.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace sv {
namespace {

// The program's sound and speech service serves the browser through the adapter.
[[maybe_unused]] std::unique_ptr<IBibleSpeech> (*const SpeechFromSounds)(TSounds&) = &MakeBibleSpeech<TSounds>;

using test::RowOf;
using test::TRecordingSpeech;
using test::TWordStudyContent;

QApplication& App()
{
    static int argc = 1;
    static char name[] = "test_wordstudy_gui";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's input devices must not outlive it at exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

template <typename T>
T* Child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

// How many pixels inside r are close to the colour (0x00BBGGRR).
int PixelsNear(const QImage& img, const QRect& r, std::uint32_t tag, int tolerance = 40)
{
    const QColor want(static_cast<int>(tag & 0xFF), static_cast<int>((tag >> 8) & 0xFF),
                      static_cast<int>((tag >> 16) & 0xFF));
    int n = 0;
    const QRect area = r.intersected(img.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (std::abs(c.red() - want.red()) <= tolerance && std::abs(c.green() - want.green()) <= tolerance
                && std::abs(c.blue() - want.blue()) <= tolerance)
                ++n;
        }
    return n;
}

class BibleFormTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }

    TWordStudyContent c;
    std::int32_t userLimit = 3;
    TRecordingSpeech speech;

    std::unique_ptr<TBibleForm> OpenForm()
    {
        auto form = std::make_unique<TBibleForm>(c.Books(), userLimit, &speech);
        form->resize(760, 420);
        form->show();
        QApplication::processEvents();
        return form;
    }
    static QWidget* BibleCanvas(QWidget& w) { return Child<QWidget>(w, "BibleCanvas"); }
    static QWidget* WordlistCanvas(QWidget& w) { return Child<QWidget>(w, "WordlistCanvas"); }

    // Clicks a word on the word list canvas (scrolling it into view first).
    void ClickWord(TBibleForm& form, const std::string& word, Qt::KeyboardModifiers mods = {})
    {
        TfrmBible& f = form.Frame();
        const int row = RowOf(f.Browser(), c.Index(word));
        ASSERT_GE(row, 0) << word;
        Child<QScrollBar>(form, "WordlistScrollBar")->setValue(row);
        const int line = row - f.Browser().WordScroll().Pos;
        QTest::mouseClick(WordlistCanvas(form), Qt::LeftButton, mods,
                          QPoint(10, line * f.WordLineHeight() + f.WordLineHeight() / 2));
    }

    // The rectangle of the run with this text in verse block i of the canvas as laid out now.
    static QRect RunRect(TfrmBible& f, QWidget* canvas, int block, const std::string& text)
    {
        const QFont plain = canvas->font();
        QFont bold = plain;
        bold.setBold(true);
        const QFontMetrics pm(plain), bm(bold);
        const int lh = f.VerseLineHeight();
        const auto page =
            f.Browser().LayoutPage(canvas->width(), canvas->height(), lh, [&](std::string_view t, bool b) {
                return (b ? bm : pm).horizontalAdvance(FromWin1252(t));
            });
        if (block >= static_cast<int>(page.size()))
            return {};
        for (const TTextRun& r : page[static_cast<std::size_t>(block)].Text.Runs)
            if (r.Text == text)
                return QRect(r.X, page[static_cast<std::size_t>(block)].TextTop + r.Line * lh,
                             (r.Bold ? bm : pm).horizontalAdvance(FromWin1252(r.Text)), lh);
        return {};
    }
};

TEST_F(BibleFormTest, CaptionCountsTheVersesOfTheChosenWordsOrNamesTheSection)
{
    auto form = OpenForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Greeting"));
    ClickWord(*form, "zebra");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("1 verse with \"zebra\""));
    ClickWord(*form, "grace", Qt::ControlModifier);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("3 verses with \"grace\", \"zebra\""));
    EXPECT_TRUE(Child<QAction>(*form, "ToggleContext")->isVisible());
    EXPECT_EQ(Child<QAction>(*form, "MenuSpeakWord")->text(), QStringLiteral("Speak words"));
    ClickWord(*form, "grace", Qt::ControlModifier);
    ClickWord(*form, "zebra", Qt::ControlModifier);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Greeting"));
    EXPECT_FALSE(Child<QAction>(*form, "ToggleContext")->isVisible());
    EXPECT_FALSE(Child<QAction>(*form, "MenuSpeakWord")->isEnabled());
}

TEST_F(BibleFormTest, KeywordsAreDrawnRedBlueTealAndNotAtAllWithUsedOff)
{
    auto form = OpenForm();
    TfrmBible& f = form->Frame();
    QWidget* canvas = BibleCanvas(*form);
    // Ga1:2 "grace to you and peace." is the second verse on the canvas.
    const QRect grace = RunRect(f, canvas, 1, "grace");
    const QRect you = RunRect(f, canvas, 1, "you");
    const QRect peace = RunRect(f, canvas, 1, "peace");
    ASSERT_FALSE(grace.isEmpty());
    ASSERT_FALSE(you.isEmpty());
    ASSERT_FALSE(peace.isEmpty());
    QImage img = canvas->grab().toImage();
    EXPECT_GT(PixelsNear(img, grace, 0xFF0000), 0); // twice: blue
    EXPECT_GT(PixelsNear(img, you, 0x0000FF), 0);   // once: red
    EXPECT_GT(PixelsNear(img, peace, 0x808000), 0); // three times: teal
    EXPECT_EQ(PixelsNear(img, grace, 0x0000FF), 0);
    EXPECT_EQ(PixelsNear(img, you, 0xFF0000), 0);

    // The word list: the red word in red; a chosen word on the highlight bar.
    QWidget* words = WordlistCanvas(*form);
    const int lh = f.WordLineHeight();
    const int anRow = RowOf(f.Browser(), c.Index("an"));
    QImage list = words->grab().toImage();
    EXPECT_GT(PixelsNear(list, QRect(0, anRow * lh, words->width(), lh), 0x0000FF), 0);
    ClickWord(*form, "an");
    list = words->grab().toImage();
    const QColor bar = words->palette().color(QPalette::Highlight);
    const QRect anLine(0, (RowOf(f.Browser(), c.Index("an")) - f.Browser().WordScroll().Pos) * lh, words->width(), lh);
    EXPECT_GT(PixelsNear(list, anLine, static_cast<std::uint32_t>(bar.red() | bar.green() << 8 | bar.blue() << 16), 0),
              anLine.width()); // the bar spans the line

    // "Used" off: nothing coloured in the text.
    ClickWord(*form, "an", Qt::ControlModifier);
    QTest::mouseClick(Child<QCheckBox>(*form, "WordUseCB"), Qt::LeftButton);
    EXPECT_EQ(userLimit, 255);
    img = canvas->grab().toImage();
    EXPECT_EQ(PixelsNear(img, img.rect(), 0xFF0000), 0);
    EXPECT_EQ(PixelsNear(img, img.rect(), 0x0000FF), 0);
    EXPECT_EQ(PixelsNear(img, RunRect(f, canvas, 1, "peace "), 0x808000), 0);
}

TEST_F(BibleFormTest, AScreenReaderReadsTheVersesOfThePageAndTheWordsOfTheList)
{
    auto form = OpenForm();
    TfrmBible& f = form->Frame();
    QAccessibleInterface* verses = QAccessible::queryAccessibleInterface(BibleCanvas(*form));
    ASSERT_NE(verses, nullptr);
    ASSERT_GE(verses->childCount(), 2);
    EXPECT_EQ(verses->childCount(), static_cast<int>(f.PageBlocks().size()));
    // Ga1:2 "grace to you and peace." is the second verse on the canvas.
    QAccessibleInterface* second = verses->child(1);
    EXPECT_TRUE(second->text(QAccessible::Name).endsWith(QStringLiteral("1:2")))
        << second->text(QAccessible::Name).toStdString();
    EXPECT_TRUE(second->text(QAccessible::Description).contains(QStringLiteral("grace to you and peace")))
        << second->text(QAccessible::Description).toStdString();

    QAccessibleInterface* words = QAccessible::queryAccessibleInterface(WordlistCanvas(*form));
    ASSERT_NE(words, nullptr);
    const int anRow = RowOf(f.Browser(), c.Index("an")) - f.Browser().WordScroll().Pos;
    ASSERT_GE(anRow, 0);
    ASSERT_LT(anRow, words->childCount());
    EXPECT_EQ(words->child(anRow)->text(QAccessible::Name).toStdString(), "an");
    EXPECT_FALSE(words->child(anRow)->state().selected);
    ClickWord(*form, "an");
    const int row = RowOf(f.Browser(), c.Index("an")) - f.Browser().WordScroll().Pos;
    EXPECT_TRUE(words->child(row)->state().selected) << "a chosen word";
}

TEST_F(BibleFormTest, BottomBarControlsFollowTheBrowserAndWriteTheLimitBack)
{
    auto form = OpenForm();
    auto* used = Child<QCheckBox>(*form, "WordUseCB");
    auto* spin = Child<QSpinBox>(*form, "wordUseSpin");
    auto* hide = Child<QCheckBox>(*form, "HideCB");
    auto* list = Child<QCheckBox>(*form, "WordlistCB");
    auto* panel = Child<QWidget>(*form, "WordlistPanel");
    EXPECT_TRUE(used->isChecked());
    EXPECT_EQ(spin->value(), 3);
    EXPECT_EQ(spin->minimum(), 1);
    EXPECT_EQ(spin->maximum(), 50);
    EXPECT_TRUE(list->isChecked());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(used->toolTip(), QStringLiteral("Highlight key words"));
    EXPECT_EQ(spin->toolTip(), QStringLiteral("Keyword use limit"));
    EXPECT_EQ(hide->toolTip(), QStringLiteral("Replace key words with stars"));
    EXPECT_EQ(list->toolTip(), QStringLiteral("Show word list"));

    spin->stepUp();
    EXPECT_EQ(userLimit, 4);
    EXPECT_EQ(form->Frame().Browser().KeywordUseLimit(), 4);
    QTest::mouseClick(used, Qt::LeftButton);
    EXPECT_EQ(userLimit, 255);
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_FALSE(hide->isEnabled());
    QTest::mouseClick(used, Qt::LeftButton);
    EXPECT_EQ(userLimit, 4);
    EXPECT_TRUE(hide->isEnabled());

    // Word groups: the limit goes to 255, "Used" stays; "More groups" is checked with its items.
    Child<QAction>(*form, "moreVerbs")->trigger();
    EXPECT_EQ(userLimit, 255);
    EXPECT_TRUE(used->isChecked());
    EXPECT_TRUE(Child<QAction>(*form, "moreVerbs")->isChecked());
    EXPECT_TRUE(Child<QAction>(*form, "CatMore")->isChecked());
    EXPECT_FALSE(Child<QAction>(*form, "CatAllWords")->isChecked());
    Child<QAction>(*form, "CatPeople")->trigger();
    EXPECT_FALSE(Child<QAction>(*form, "CatMore")->isChecked());
    EXPECT_FALSE(Child<QAction>(*form, "moreVerbs")->isChecked());

    // "List" off hides the panel.
    QTest::mouseClick(list, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());

    // The through list.
    auto* through = Child<QComboBox>(*form, "WordlistThroughCB");
    ASSERT_EQ(through->count(), 4);
    EXPECT_EQ(through->itemText(0), QStringLiteral("All chapters"));
    EXPECT_EQ(through->itemText(3), QStringLiteral("thru Phm1"));
    Q_EMIT through->activated(1);
    EXPECT_EQ(form->Frame().Browser().CurrentList().Count, 3);
}

TEST_F(BibleFormTest, CtrlCCopiesWordsOrVersesByFocusAndKeysScroll)
{
    auto form = OpenForm();
    TfrmBible& f = form->Frame();
    QWidget* words = WordlistCanvas(*form);
    QWidget* verses = BibleCanvas(*form);
    words->setFocus();
    QTest::keyClick(words, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), FromWin1252(f.Browser().WordsClipboardText()));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("a\r\nan\r\napostle\r\n")));
    verses->setFocus();
    QTest::keyClick(verses, Qt::Key_C, Qt::ControlModifier);
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Ga1:1 Paul, an apostle,")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 7);

    QTest::keyClick(verses, Qt::Key_Down);
    EXPECT_EQ(f.Browser().VerseScroll().Pos, 1);
    QTest::keyClick(verses, Qt::Key_End);
    EXPECT_EQ(f.Browser().VerseScroll().Pos, 6);
    EXPECT_EQ(Child<QScrollBar>(*form, "BibleScrollBar")->value(), 6);
    QTest::keyClick(verses, Qt::Key_Home);
    EXPECT_EQ(f.Browser().VerseScroll().Pos, 0);
    QTest::keyClick(words, Qt::Key_PageDown);
    EXPECT_EQ(f.Browser().WordScroll().Pos, f.Browser().WordScroll().PageStep);

    // With words chosen, Ctrl+C copies those; the menu still copies the whole list.
    ClickWord(*form, "zebra");
    ClickWord(*form, "paul", Qt::ControlModifier);
    QTest::keyClick(words, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Paul\r\nzebra\r\n"));
    Child<QAction>(*form, "ClipboardWords")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("a\r\nan\r\napostle\r\n")));
}

TEST_F(BibleFormTest, WheelScrollsThePanelUnderThePointerOnly)
{
    auto form = OpenForm();
    TfrmBible& f = form->Frame();
    auto wheel = [&](QWidget* over, int delta) {
        const QPointF local(over->width() / 2.0, over->height() / 2.0);
        QWheelEvent e(local, over->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &e);
        return e.isAccepted();
    };
    EXPECT_TRUE(wheel(BibleCanvas(*form), -120));
    EXPECT_EQ(f.Browser().VerseScroll().Pos, 1);
    EXPECT_EQ(f.Browser().WordScroll().Pos, 0);
    EXPECT_TRUE(wheel(WordlistCanvas(*form), -120));
    EXPECT_TRUE(wheel(Child<QComboBox>(*form, "WordlistThroughCB"), -120));
    EXPECT_EQ(f.Browser().WordScroll().Pos, 2);
    EXPECT_EQ(Child<QComboBox>(*form, "WordlistThroughCB")->currentIndex(), 0);
    auto* spin = Child<QSpinBox>(*form, "wordUseSpin");
    EXPECT_TRUE(wheel(spin, 120)); // the bottom bar: nothing scrolls, nothing changes
    EXPECT_EQ(spin->value(), 3);
    EXPECT_EQ(f.Browser().VerseScroll().Pos, 1);
    EXPECT_TRUE(wheel(BibleCanvas(*form), 120));
    EXPECT_EQ(f.Browser().VerseScroll().Pos, 0);
}

TEST_F(BibleFormTest, QuestionEditorHostPicksVersesWithAnyButtonAndShowsNoKeywords)
{
    QWidget host;
    auto* frame = new TfrmBible(c.Books(), userLimit, &speech, TBibleHost::QuestionEditor, &host);
    frame->resize(600, 400);
    host.resize(600, 400);
    host.show();
    QApplication::processEvents();
    TVerseRef picked;
    frame->OnVerseSelected = [&](const TVerseRef& r) { picked = r; };
    EXPECT_FALSE(Child<QCheckBox>(host, "HideCB")->isVisible());
    EXPECT_FALSE(Child<QWidget>(host, "WordlistPanel")->isVisible());
    EXPECT_FALSE(Child<QCheckBox>(host, "WordlistCB")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(host, "WordUseCB")->isChecked());
    EXPECT_EQ(userLimit, 3);

    // Ga1:2 is the line below the title and Ga1:1.
    QWidget* canvas = BibleCanvas(host);
    const int lh = frame->VerseLineHeight();
    QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(100, 2 * lh + lh / 2));
    EXPECT_EQ(picked, TVerseRef(1, 1, 2));
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(100, 3 * lh + lh / 2));
    EXPECT_EQ(picked, TVerseRef(1, 1, 3));
    EXPECT_EQ(frame->Browser().SelectedVerse(), 3);

    const QImage img = canvas->grab().toImage();
    EXPECT_EQ(PixelsNear(img, img.rect(), 0x0000FF), 0);
    EXPECT_EQ(PixelsNear(img, img.rect(), 0xFF0000), 0);
    const QColor hl = canvas->palette().color(QPalette::Highlight);
    EXPECT_GT(PixelsNear(img, QRect(0, 3 * lh, 40, lh),
                         static_cast<std::uint32_t>(hl.red() | hl.green() << 8 | hl.blue() << 16), 0),
              0);
}

TEST_F(BibleFormTest, MainWindowOpensAnyNumberOfWindowsAndSessionsPointThemAtPassages)
{
    QMdiArea area;
    area.resize(1000, 700);
    area.show();
    TBibleForm* one = OpenBibleWindow(area, c.Books(), userLimit, &speech);
    TBibleForm* two = OpenBibleWindow(area, c.Books(), userLimit, &speech);
    QApplication::processEvents();
    ASSERT_EQ(area.subWindowList().size(), 2);
    EXPECT_EQ(area.subWindowList()[0]->windowTitle(), QStringLiteral("Greeting"));
    EXPECT_EQ(area.subWindowList()[0]->size(), QSize(720, 480)); // room for verses and words
    EXPECT_NE(one, two);

    bool closed = false;
    one->OnClosed = [&] { closed = true; };
    one->parentWidget()->showMinimized();
    one->ShowPassage(TVerseRef(1, 2, 1), 2, true);
    EXPECT_EQ(userLimit, 255);
    EXPECT_FALSE(Child<QCheckBox>(*one, "WordlistCB")->isChecked());
    EXPECT_EQ(one->Frame().Browser().HighlightFirst(), 4);
    EXPECT_EQ(one->Frame().Browser().HighlightLast(), 5);
    EXPECT_FALSE(one->parentWidget()->isMinimized());
    EXPECT_EQ(area.activeSubWindow(), one->parentWidget());
    EXPECT_EQ(one->windowTitle(), QStringLiteral("Greeting"));

    one->parentWidget()->close();
    QApplication::processEvents();
    QTest::qWait(1);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed);
    EXPECT_EQ(area.subWindowList().size(), 1);
}

TEST_F(BibleFormTest, ShippedPortionOpensAndNarrowsByAChosenWord)
{
    const std::string dir = SV_PROGRAM_DIR;
    if (!QFileInfo::exists(QString::fromStdString(dir + "/wf.wl"))
        || !QFileInfo::exists(QString::fromStdString(dir + "/wf.bk")))
        GTEST_SKIP() << "no shipped content in " << dir;
    TWords words;
    words.LoadFromFile(dir + "/wf.wl");
    TBooks books(words);
    books.LoadFromFile(dir + "/wf.bk");
    std::int32_t limit = 4;
    TBibleForm form(books, limit, nullptr);
    form.resize(900, 600);
    form.show();
    QApplication::processEvents();
    TBibleBrowser& b = form.Frame().Browser();
    EXPECT_EQ(Child<QComboBox>(form, "WordlistThroughCB")->count(), books.TotalChapters() + 1);
    EXPECT_EQ(b.CurrentList().Count, books.TotalVerses());
    EXPECT_FALSE(form.windowTitle().isEmpty());
    ASSERT_GT(b.ListedWordCount(), 0);
    QTest::mouseClick(WordlistCanvas(form), Qt::LeftButton, {}, QPoint(10, 2));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d+ verses? with \"[^\"]+\"$")).match(form.windowTitle()).hasMatch())
        << form.windowTitle().toStdString();
    EXPECT_GE(b.CurrentList().Count, 1);
    const QImage img = BibleCanvas(form)->grab().toImage();
    EXPECT_FALSE(img.isNull());
}

} // namespace
} // namespace sv

namespace sv {
namespace {

// A choice beyond 100 words says how many words were left out; a choice that fits says nothing.
TEST(BibleFormLimits, WordsBeyondOneHundredAreReportedNotDroppedSilently)
{
    App();
    const auto content = test::LoadFixture(test::LargeFixture(1, 1));
    std::int32_t limit = 255;
    TBibleForm form(content->Books, limit, nullptr);
    form.resize(760, 420);
    form.show();
    QApplication::processEvents();
    test::TScriptedMessages messages;
    TfrmBible& f = form.Frame();
    f.Messages = &messages;

    f.WordCanvasPressed(0, false, false);
    EXPECT_TRUE(messages.Shown.empty());
    f.Browser().ScrollWords(140);
    f.WordCanvasPressed(0, false, true); // a range of 141 words
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Kind, "information");
    EXPECT_NE(messages.Shown[0].Text.find("41 more word(s) could not be added"), std::string::npos)
        << messages.Shown[0].Text;
    EXPECT_EQ(f.Browser().SelectedWords().size(), 100u);
}

} // namespace
} // namespace sv
