// The word study browser's decisions, driven without a window against a small portion.

#include "content/Books.h"
#include "wordstudy/BibleBrowser.h"
#include "wordstudy/WordStudyFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace sv {
namespace {

using test::RowOf;
using test::TRecordingSpeech;
using test::TWordStudyContent;

int Measure(std::string_view text, bool) { return static_cast<int>(text.size()) * 10; }
constexpr int Wide = 100000; // every verse on one line
constexpr int LineHeight = 16;

std::vector<TVerseRef> RefsOf(const TConcRefs& list)
{
    std::vector<TVerseRef> out;
    for (int i = 1; i <= list.Count; ++i)
        out.push_back(list.Refs[i]);
    return out;
}

class BrowserTest : public ::testing::Test {
protected:
    TWordStudyContent c;
    std::int32_t userLimit = 3;
    TRecordingSpeech speech;
    std::unique_ptr<TBibleBrowser> b;

    void Open(TBibleHost host = TBibleHost::BibleWindow)
    {
        b = std::make_unique<TBibleBrowser>(c.Books(), userLimit, &speech);
        b->InitBrowser(host);
    }
    void SetUp() override { Open(); }

    // Clicks a listed word as the canvas would (line counted from the top of the canvas).
    void Click(const std::string& word, bool ctrl = false, bool shift = false)
    {
        const int row = RowOf(*b, c.Index(word));
        ASSERT_GE(row, 0) << word << " is not listed";
        b->ScrollWords(row);
        b->ClickWord(row - b->WordScroll().Pos, ctrl, shift);
    }
    std::vector<int> Indexes(std::initializer_list<const char*> words)
    {
        std::vector<int> out;
        for (const char* w : words)
            out.push_back(c.Index(w));
        std::sort(out.begin(), out.end());
        return out;
    }
    std::unique_ptr<TMarkedText> Render(int index)
    {
        auto t = std::make_unique<TMarkedText>();
        b->RenderVerseAt(index, *t);
        return t;
    }
};

TEST_F(BrowserTest, OpensOnEveryVerseWithTheThroughListAndTheSectionCaption)
{
    EXPECT_EQ(b->CurrentList().Count, 7);
    EXPECT_FALSE(b->ShowingResults());
    EXPECT_EQ(b->ThroughItems(), (std::vector<std::string>{"All chapters", "thru Ga1", "thru Ga2", "thru Phm1"}));
    EXPECT_EQ(b->ThroughChapter(), 3);
    EXPECT_EQ(b->Caption(), "Greeting");
    const TBibleControls& k = b->Controls();
    EXPECT_TRUE(k.UsedChecked);
    EXPECT_EQ(k.SpinValue, 3);
    EXPECT_TRUE(k.ListChecked);
    EXPECT_FALSE(k.ToggleContextVisible);
    EXPECT_EQ(k.ToggleContextCaption, "&Switch to context");
    EXPECT_FALSE(k.SpeakEnabled);
    b->ScrollVerses(3);
    EXPECT_EQ(b->Caption(), "Paul in Jerusalem");
}

TEST_F(BrowserTest, ChoosingWordsNarrowsTheVersesWithTheCountInTheCaption)
{
    struct TCase {
        std::vector<const char*> Clicks; // the first plain, the others with Ctrl
        std::vector<TVerseRef> Verses;
        std::string Caption;
        std::string Speak;
    };
    const TCase cases[] = {
        {{"zebra"}, {{1, 1, 3}}, "1 verse with \"zebra\"", "Speak word"},
        {{"grace"}, {{1, 1, 2}, {1, 2, 2}}, "2 verses with \"grace\"", "Speak word"},
        {{"zebra", "grace"}, {{1, 1, 2}, {1, 1, 3}, {1, 2, 2}}, "3 verses with \"grace\", \"zebra\"", "Speak words"},
        {{"peace", "grace"}, {{1, 1, 2}, {1, 2, 1}, {1, 2, 2}}, "3 verses with \"grace\", \"peace\"", "Speak words"},
    };
    for (const TCase& t : cases) {
        Open();
        bool first = true;
        for (const char* w : t.Clicks) {
            Click(w, !first);
            first = false;
        }
        EXPECT_TRUE(b->ShowingResults());
        EXPECT_EQ(RefsOf(b->CurrentList()), t.Verses) << t.Caption;
        EXPECT_EQ(b->Caption(), t.Caption);
        EXPECT_TRUE(b->Controls().ToggleContextVisible);
        EXPECT_TRUE(b->Controls().SpeakEnabled);
        EXPECT_EQ(b->Controls().SpeakCaption, t.Speak);
        EXPECT_EQ(b->SelectedVerse(), 1);
    }
}

TEST_F(BrowserTest, AVerseUsingAWordTwiceIsShownAndCountedOnce)
{
    b->UsedClicked(false);
    Click("and"); // twice in Ga2:2
    EXPECT_EQ(RefsOf(b->CurrentList()), (std::vector<TVerseRef>{{1, 1, 2}, {1, 2, 2}, {2, 1, 1}}));
    EXPECT_EQ(b->Caption(), "3 verses with \"and\"");
    Click("grace", true); // grace shares Ga1:2 and Ga2:2
    EXPECT_EQ(RefsOf(b->CurrentList()), (std::vector<TVerseRef>{{1, 1, 2}, {1, 2, 2}, {2, 1, 1}}));
    const std::string copied = b->VersesClipboardText();
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 3);
}

TEST(BrowserLimits, AtMostOneHundredWordsAreChosenAndTheListMatchesThem)
{
    test::TLoadedContent content;
    content.Load(test::BuildFixture(test::LargeFixture(1, 1)));
    ASSERT_GT(content.Words.WordCount(), 150);
    std::int32_t limit = 255;
    TBibleBrowser b(content.Books, limit);
    b.InitBrowser(TBibleHost::BibleWindow);
    b.ClickWord(0, false, false);
    EXPECT_EQ(b.LeftUnchosen(), 0);
    b.ScrollWords(140);
    b.ClickWord(0, false, true); // a range of 141 words
    const std::vector<int> chosen = b.SelectedWords();
    ASSERT_EQ(chosen.size(), 100u);
    EXPECT_EQ(b.LeftUnchosen(), 41); // the frame tells the user
    EXPECT_EQ(chosen.front(), b.ListedWordAt(0));
    ASSERT_EQ(b.CurrentList().WordsCount, 100);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(b.CurrentList().Words[i], chosen[static_cast<std::size_t>(i - 1)]);
    EXPECT_GT(b.CurrentList().Count, 0);
    EXPECT_TRUE(b.Controls().ToggleContextVisible);
}

TEST_F(BrowserTest, CtrlClickOnTheOnlyChosenWordShowsEveryVerseCutAtTheThroughChapter)
{
    b->ThroughChanged(1); // "thru Ga1"
    Click("grace");
    EXPECT_EQ(b->Caption(), "1 verse with \"grace\""); // Ga2:2 is beyond the through chapter
    Click("grace", true);
    EXPECT_TRUE(b->SelectedWords().empty());
    EXPECT_EQ(b->CurrentList().WordsCount, 0);
    EXPECT_EQ(RefsOf(b->CurrentList()), (std::vector<TVerseRef>{{1, 1, 1}, {1, 1, 2}, {1, 1, 3}}));
    EXPECT_EQ(b->Caption(), "Greeting");
    EXPECT_FALSE(b->Controls().ToggleContextVisible);
    EXPECT_FALSE(b->Controls().SpeakEnabled);
    EXPECT_EQ(b->Controls().SpeakCaption, "Speak word");
}

TEST_F(BrowserTest, ClickBelowTheLastListedWordChoosesNothing)
{
    Click("grace");
    const int below = b->ListedWordCount() - b->WordScroll().Pos + 2;
    b->ClickWord(below, true, false); // with Ctrl: the choice stays
    EXPECT_EQ(b->SelectedWords(), Indexes({"grace"}));
    b->ClickWord(below, false, false); // without: the choice becomes empty
    EXPECT_TRUE(b->SelectedWords().empty());
    EXPECT_EQ(b->CurrentList().Count, 7);
}

TEST_F(BrowserTest, ShiftClickSelectsTheRangeWithinTheUseLimitEvenWhereWordsAreHidden)
{
    // Through chapter 1 hides "barnabas" (chapter 2), "brothers" and "church" (chapter 3);
    // "and" (four uses) is over the limit.
    b->ThroughChanged(1);
    Click("an");
    Click("grace", false, true);
    EXPECT_EQ(b->SelectedWords(),
              Indexes({"an", "apostle", "barnabas", "brothers", "church", "churches", "end", "grace"}));
    EXPECT_EQ(b->AnchorWord(), c.Index("grace"));

    // A word group hides all but the people; "of" (four uses) stays out of the range.
    Open();
    b->ChooseWordGroup(1); // People
    b->SpinChanged(3);
    Click("barnabas");
    Click("philemon", false, true);
    EXPECT_EQ(b->SelectedWords(), Indexes({"barnabas", "brothers", "church", "churches", "end", "grace", "house",
                                           "jerusalem", "paul", "peace", "philemon"}));
    // Backwards from the anchor works the same.
    Click("barnabas", false, true);
    EXPECT_EQ(b->SelectedWords(), Indexes({"barnabas", "brothers", "church", "churches", "end", "grace", "house",
                                           "jerusalem", "paul", "peace", "philemon"}));
}

TEST_F(BrowserTest, UsedOffListsEveryWordUncolouredUsedOnColoursByUseCount)
{
    b->UsedClicked(false);
    EXPECT_EQ(userLimit, 255);
    EXPECT_EQ(b->ListedWordCount(), c.Words().WordCount());
    for (int row = 0; row < b->ListedWordCount(); ++row)
        EXPECT_EQ(b->WordListColour(b->ListedWordAt(row)), 0u);
    auto t = Render(2); // grace to you and peace.
    for (int i = 1; i <= t->Len; ++i) {
        EXPECT_EQ(t->Tags[i], 0u);
        EXPECT_EQ(t->Marks[i], 0);
    }

    b->UsedClicked(true);
    EXPECT_EQ(userLimit, 3);
    EXPECT_EQ(b->ListedWordCount(), c.Words().WordCount() - 4); // and, of, the, to
    for (int row = 0; row < b->ListedWordCount(); ++row)
        EXPECT_LE(c.Words().UseCountOf(static_cast<TWordCode>(b->ListedWordAt(row))), 3);
    EXPECT_EQ(b->WordListColour(c.Index("zebra")), 0x0000FFu); // red
    EXPECT_EQ(b->WordListColour(c.Index("grace")), 0xFF0000u); // blue
    EXPECT_EQ(b->WordListColour(c.Index("peace")), 0x808000u); // teal
    t = Render(2);
    ASSERT_EQ(t->Text(), "grace to you and peace.");
    EXPECT_EQ(t->Tags[1], 0xFF0000u);  // grace
    EXPECT_EQ(t->Tags[7], 0u);         // to
    EXPECT_EQ(t->Tags[10], 0x0000FFu); // you
    EXPECT_EQ(t->Tags[18], 0x808000u); // peace
    EXPECT_EQ(t->Marks[1], MarkBold);  // keywords bold while no word is chosen
    EXPECT_EQ(t->Marks[7], 0);
}

TEST_F(BrowserTest, HideStarsKeywordLettersAndKeepsPunctuation)
{
    b->HideClicked(true);
    const auto page = b->LayoutPage(Wide, 1000, LineHeight, Measure);
    ASSERT_GE(page.size(), 3u);
    std::string shown;
    for (const auto& r : page[1].Text.Runs)
        shown += r.Text;
    EXPECT_EQ(shown, "***** to *** and *****.");
    shown.clear();
    for (const auto& r : page[0].Text.Runs)
        shown += r.Text;
    EXPECT_EQ(shown, "****, ** *******, to the ******** of the ******:");
}

TEST_F(BrowserTest, AWordGroupListsAllItsWordsAgainWhileUsedStaysChecked)
{
    b->SpinChanged(2);
    EXPECT_EQ(userLimit, 2);
    EXPECT_EQ(RowOf(*b, c.Index("paul")), -1); // three uses, over the limit
    b->ChooseWordGroup(1);                     // People
    EXPECT_EQ(b->KeywordUseLimit(), 255);
    EXPECT_EQ(userLimit, 255);
    EXPECT_TRUE(b->Controls().UsedChecked);
    EXPECT_EQ(b->Controls().SpinValue, 2);
    EXPECT_EQ(b->Controls().GroupItem, 1);
    ASSERT_EQ(b->ListedWordCount(), 3);
    EXPECT_EQ(b->ListedWordText(b->ListedWordAt(0)), "Barnabas");
    EXPECT_EQ(b->ListedWordText(b->ListedWordAt(1)), "Paul");
    EXPECT_EQ(b->ListedWordText(b->ListedWordAt(2)), "Philemon");
    b->ChooseWordGroup(2); // Places
    ASSERT_EQ(b->ListedWordCount(), 1);
    EXPECT_EQ(b->ListedWordText(b->ListedWordAt(0)), "Jerusalem");
    b->ChooseWordGroup(6); // Verbs
    EXPECT_EQ(b->ListedWordCount(), 2);
    b->ChooseWordGroup(0);
    EXPECT_EQ(b->ListedWordCount(), c.Words().WordCount());
}

TEST_F(BrowserTest, ThroughTheFirstChapterLimitsWordsAndVerses)
{
    b->UsedClicked(false);
    b->ThroughChanged(1); // "thru Ga1"
    EXPECT_EQ(b->ThroughChapter(), 1);
    EXPECT_EQ(RefsOf(b->CurrentList()), (std::vector<TVerseRef>{{1, 1, 1}, {1, 1, 2}, {1, 1, 3}}));
    EXPECT_EQ(b->VerseScroll().Max, 2);
    ASSERT_GT(b->ListedWordCount(), 0);
    for (int row = 0; row < b->ListedWordCount(); ++row)
        EXPECT_EQ(c.Words().FirstChapterOf(static_cast<TWordCode>(b->ListedWordAt(row))), 1);
    EXPECT_EQ(RowOf(*b, c.Index("barnabas")), -1);
    EXPECT_GE(RowOf(*b, c.Index("zebra")), 0);
    // Choosing a word keeps the cut; "All chapters" takes it away.
    Click("peace");
    EXPECT_EQ(RefsOf(b->CurrentList()), (std::vector<TVerseRef>{{1, 1, 2}}));
    b->ThroughChanged(0);
    EXPECT_TRUE(b->SelectedWords().empty());
    EXPECT_EQ(b->CurrentList().Count, 7);
    EXPECT_FALSE(b->Controls().ToggleContextVisible);
}

TEST_F(BrowserTest, CopiesEveryVerseOfTheCurrentListAndEveryListedWord)
{
    std::string all = b->VersesClipboardText();
    EXPECT_EQ(all.rfind("Ga1:1 Paul, an apostle, to the churches of the region:\r\n", 0), 0u);
    EXPECT_NE(all.find("\r\nPhm1:2 The quiet house of the brothers.\r\n"), std::string::npos);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 7);
    b->ScrollVerses(5); // what is on screen does not matter
    EXPECT_EQ(b->VersesClipboardText(), all);

    Click("grace");
    EXPECT_EQ(b->VersesClipboardText(),
              "Ga1:2 grace to you and peace.\r\nGa2:2 And grace and peace were with the saints.\r\n");

    b->ChooseWordGroup(1);
    EXPECT_EQ(b->WordsClipboardText(), "Barnabas\r\nPaul\r\nPhilemon\r\n");
}

TEST_F(BrowserTest, LocateVersesHighlightsAndScrollsOneVerseAboveIt)
{
    b->UsedClicked(false);
    ASSERT_TRUE(b->LocateVerses({1, 2, 1}, 2));
    EXPECT_EQ(b->HighlightFirst(), 4);
    EXPECT_EQ(b->HighlightLast(), 5);
    EXPECT_EQ(b->VerseScroll().Pos, 2);
    EXPECT_EQ(b->Caption(), "Greeting"); // Ga1:3 is at the top
    const auto page = b->LayoutPage(Wide, 1000, LineHeight, Measure);
    ASSERT_GE(page.size(), 3u);
    EXPECT_EQ(page[0].Index, 3);
    auto boldAll = [&](int index) {
        auto t = Render(index);
        for (int i = 1; i <= t->Len; ++i)
            if (t->Marks[i] != MarkBold)
                return false;
        return t->Len > 0;
    };
    EXPECT_FALSE(boldAll(3));
    EXPECT_TRUE(boldAll(4));
    EXPECT_TRUE(boldAll(5));
    EXPECT_FALSE(boldAll(6));

    for (auto [verse, pos] : {std::pair{1, 0}, std::pair{2, 0}, std::pair{3, 1}}) {
        ASSERT_TRUE(b->LocateVerses({1, 1, verse}, 1));
        EXPECT_EQ(b->VerseScroll().Pos, pos) << verse;
    }
    // A verse the list does not hold changes nothing.
    EXPECT_FALSE(b->LocateVerses({1, 2, 9}, 1));
    EXPECT_EQ(b->HighlightFirst(), 3);
}

TEST_F(BrowserTest, ContextShowsTheSelectedResultAmongAllVersesAndComesBack)
{
    Click("grace");
    b->ScrollVerses(1);
    b->SelectVerse(2); // Ga2:2
    b->ToggleContextClick();
    EXPECT_FALSE(b->ShowingResults());
    EXPECT_EQ(b->Controls().ToggleContextCaption, "&Switch to references");
    EXPECT_EQ(b->HighlightFirst(), 5);
    EXPECT_EQ(b->VerseScroll().Pos, 3);
    EXPECT_EQ(b->Caption(), "Paul in Jerusalem");
    b->ToggleContextClick();
    EXPECT_TRUE(b->ShowingResults());
    EXPECT_EQ(b->Controls().ToggleContextCaption, "&Switch to context");
    EXPECT_EQ(b->VerseScroll().Pos, 1);
    EXPECT_EQ(b->Caption(), "2 verses with \"grace\"");

    // The context's bold verse was counted in the all-verses list: back among the references
    // no other verse is drawn bold in its place.
    Open();
    b->UsedClicked(false);
    Click("the"); // Ga1:1, Ga1:3, Ga2:1, Ga2:2, Phm1:1, Phm1:2
    ASSERT_EQ(b->CurrentList().Count, 6);
    b->SelectVerse(4); // Ga2:2, verse 5 of all
    b->ToggleContextClick();
    EXPECT_EQ(b->HighlightFirst(), 5);
    b->ToggleContextClick();
    EXPECT_EQ(b->HighlightFirst(), 0);
    EXPECT_EQ(b->HighlightLast(), 0);
    auto phm = Render(5); // Phm1:1: only "the" bold
    ASSERT_EQ(phm->Text(), "Paul, a prisoner, to Philemon and the church.");
    EXPECT_EQ(phm->Marks[1], 0);
    EXPECT_EQ(phm->Marks[35], MarkBold);
}

TEST_F(BrowserTest, WordUseLimitIsWrittenBackOnEveryChange)
{
    userLimit = 255;
    Open();
    EXPECT_FALSE(b->Controls().UsedChecked);
    EXPECT_FALSE(b->Controls().SpinEnabled);
    EXPECT_FALSE(b->Controls().HideEnabled);
    EXPECT_EQ(b->KeywordUseLimit(), 255);
    b->UsedClicked(true);
    EXPECT_EQ(userLimit, 3);
    EXPECT_TRUE(b->Controls().HideEnabled);
    b->SpinChanged(7);
    EXPECT_EQ(userLimit, 7);
    EXPECT_EQ(b->KeywordColours()[0], 7);
    b->UsedClicked(false);
    EXPECT_EQ(userLimit, 255);
    EXPECT_EQ(b->KeywordColours()[0], 0);

    userLimit = 4;
    Open();
    EXPECT_TRUE(b->Controls().UsedChecked);
    EXPECT_EQ(b->Controls().SpinValue, 4);
    EXPECT_EQ(b->KeywordUseLimit(), 4);
    EXPECT_EQ(userLimit, 4); // opening writes nothing
}

TEST_F(BrowserTest, QuestionEditorHostHasNoKeywordsAndAnyButtonSelectsAVerse)
{
    Open(TBibleHost::QuestionEditor);
    const TBibleControls& k = b->Controls();
    EXPECT_FALSE(k.UsedChecked);
    EXPECT_FALSE(k.HideVisible);
    EXPECT_FALSE(k.HideEnabled);
    EXPECT_FALSE(k.ListChecked);
    EXPECT_EQ(b->KeywordUseLimit(), 255);
    EXPECT_EQ(userLimit, 3); // the person's limit is left alone
    for (int i = 1; i <= b->CurrentList().Count; ++i) {
        auto t = Render(i);
        for (int j = 1; j <= t->Len; ++j)
            ASSERT_EQ(t->Tags[j], 0u);
    }
    EXPECT_TRUE(b->AcceptsVerseClick(false));
    EXPECT_TRUE(b->AcceptsVerseClick(true));
    // The selected verse is marked even without chosen words.
    b->SelectVerse(2);
    auto page = b->LayoutPage(Wide, 1000, LineHeight, Measure);
    ASSERT_GE(page.size(), 2u);
    EXPECT_FALSE(page[0].LabelSelected);
    EXPECT_TRUE(page[1].LabelSelected);

    // In the Bible window only the left button selects, and only among chosen words' verses.
    Open();
    EXPECT_FALSE(b->AcceptsVerseClick(true));
    Click("grace");
    EXPECT_TRUE(b->AcceptsVerseClick(true));
    EXPECT_FALSE(b->AcceptsVerseClick(false));
}

TEST_F(BrowserTest, ClickingAVerseFindsTheVerseUnderThePointerPastSectionTitles)
{
    Open(TBibleHost::QuestionEditor);
    // Ga1:1 has the title "Greeting" above it: title line, verse line, then Ga1:2.
    const auto page = b->LayoutPage(Wide, 1000, LineHeight, Measure);
    ASSERT_GE(page.size(), 5u);
    EXPECT_TRUE(page[0].HasTitle);
    EXPECT_EQ(page[0].TextTop, LineHeight);
    EXPECT_EQ(page[3].TitleTop, page[3].Top + 8); // gap above a title below the top
    struct TCase {
        int Y;
        int Verse;
    };
    const TCase cases[] = {
        {0, 1}, // on the title: its verse
        {LineHeight + 3, 1},
        {2 * LineHeight + 3, 2},
        {page[3].Top + 4, 4}, // in the gap above "Paul in Jerusalem"
        {page[3].TextTop + 2, 4},
        {page[4].TextTop + 2, 5},
        {5000, 7}, // below the last verse: the last one
    };
    for (const TCase& t : cases)
        EXPECT_EQ(b->VerseAtY(t.Y, Wide, LineHeight, Measure), t.Verse) << t.Y;
    // With chosen words there are no titles: one line a verse.
    Open();
    Click("peace");
    EXPECT_EQ(b->VerseAtY(LineHeight + 1, Wide, LineHeight, Measure), 2);
}

TEST_F(BrowserTest, SpeaksTheChosenWordsOnlyWhenSpeechIsAvailable)
{
    Click("zebra");
    Click("grace", true);
    b->SpeakWords();
    ASSERT_EQ(speech.Said.size(), 2u);
    EXPECT_EQ(speech.Said[0], (std::pair<std::string, TSpeechKind>{
                                  c.Words().RawWordText(static_cast<TWordCode>(c.Index("grace"))), TSpeechKind::Word}));
    EXPECT_EQ(speech.Said[1].first, "zebra");
    speech.Available = false;
    Click("peace");
    EXPECT_FALSE(b->Controls().SpeakEnabled);
}

TEST_F(BrowserTest, LocateWordScrollsTheListToTheTypedText)
{
    b->UsedClicked(false);
    b->LocateWord("gr");
    EXPECT_EQ(b->WordScroll().Pos, RowOf(*b, c.Index("grace")));
    b->LocateWord("GRACE");
    EXPECT_EQ(b->WordScroll().Pos, RowOf(*b, c.Index("grace")));
    b->LocateWord("zzz");
    EXPECT_EQ(b->WordScroll().Pos, b->WordScroll().Max);
    b->LocateWord("");
    EXPECT_EQ(b->WordScroll().Pos, 0);
    // A hidden word: the listed word before it is at the top.
    b->ThroughChanged(1);
    b->UsedClicked(true);
    b->LocateWord("barnabas");
    EXPECT_EQ(b->WordScroll().Pos, RowOf(*b, c.Index("apostle")));
}

TEST_F(BrowserTest, WheelAndScrollingStayInRange)
{
    b->WheelVerses(-120);
    EXPECT_EQ(b->VerseScroll().Pos, 1);
    b->WheelVerses(0);
    EXPECT_EQ(b->VerseScroll().Pos, 2);
    b->WheelVerses(120);
    b->WheelVerses(120);
    b->WheelVerses(120);
    EXPECT_EQ(b->VerseScroll().Pos, 0);
    b->ScrollVerses(99);
    EXPECT_EQ(b->VerseScroll().Pos, 6);
    b->WheelWords(-1);
    EXPECT_EQ(b->WordScroll().Pos, 1);
}

TEST_F(BrowserTest, ListOffAndShowAllVersesDropTheChoiceAndShowEveryVerse)
{
    b->ThroughChanged(1);
    Click("grace");
    b->ListClicked(false);
    EXPECT_FALSE(b->Controls().ListChecked);
    EXPECT_TRUE(b->SelectedWords().empty());
    EXPECT_FALSE(b->ShowingResults());
    EXPECT_EQ(b->CurrentList().Count, 7); // not cut
    EXPECT_FALSE(b->Controls().ToggleContextVisible);

    b->ListClicked(true);
    Click("zebra");
    b->ShowAllVerses();
    EXPECT_FALSE(b->Controls().ListChecked);
    EXPECT_TRUE(b->SelectedWords().empty());
    EXPECT_EQ(b->CurrentList().Count, 7);
    EXPECT_EQ(b->VerseScroll().Max, 6);
}

} // namespace
} // namespace sv
