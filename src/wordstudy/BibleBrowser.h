#pragma once
// TBibleBrowser: everything the word study window knows and decides, without widgets. The
// frame TfrmBible (wordstudy/gui/BibleFrame.h) draws what this class lays out and hands every click, key and
// menu choice to it, then reads the state back into its controls.
//
// The browser shows one of two verse lists: the all-verses list (plain reading, possibly cut
// at the "through" chapter, or the context of a result) or the results list (the verses that
// contain the chosen words). Keywords are words used at most the keyword use limit times; the
// limit is the person's WordUseLimit (255 = "Used" off) and is written back on every change.
//
// Texts are Windows-1252 bytes; the frame converts them for display.

#include "content/ConcRefs.h"
#include "content/MarkedText.h"
#include "content/VerseRef.h"
#include "content/Words.h"
#include "voice/SpeechKind.h"
#include "wordstudy/TextRuns.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace sv {

class TBooks;

// Which window the browser lives in.
enum class TBibleHost {
    BibleWindow,    // the Bible window: keywords, word list, "Hide"
    QuestionEditor, // picking a verse: no keywords, word list hidden, "Hide" hidden
};

// The speech the browser needs: whether text-to-speech is there, and speaking a text.
// The program's sound and speech service implements it (see MakeBibleSpeech).
class IBibleSpeech {
public:
    virtual ~IBibleSpeech() = default;
    virtual bool SpeechAvailable() const = 0;
    // text is Windows-1252.
    virtual void Speak(const std::string& text, bool balloonOnly, TSpeechKind kind) = 0;
};

// Adapts any service with SpeechAvailable() and Speak(text, balloonOnly, kind).
template <typename TService>
class TBibleSpeechAdapter final : public IBibleSpeech {
public:
    explicit TBibleSpeechAdapter(TService& service) : m_service(service) { }
    bool SpeechAvailable() const override { return m_service.SpeechAvailable(); }
    void Speak(const std::string& text, bool balloonOnly, TSpeechKind kind) override
    {
        m_service.Speak(text, balloonOnly, kind);
    }

private:
    TService& m_service;
};

template <typename TService>
std::unique_ptr<IBibleSpeech> MakeBibleSpeech(TService& service)
{
    return std::make_unique<TBibleSpeechAdapter<TService>>(service);
}

inline constexpr int NoKeywords = 255;                   // keyword use limit with "Used" off
inline constexpr int TextIndent = 44;                    // verse text and section titles start here
inline constexpr int LabelIndent = 2;                    // verse labels start here
inline constexpr int SectionGap = 8;                     // extra space above a section title
inline constexpr std::uint32_t SectionColour = 0x808000; // teal (0x00BBGGRR)
inline constexpr std::uint32_t LabelColour = 0x800000;   // navy
inline constexpr int WordGroupItems = 11;                // "All words" .. "Interjections"
inline constexpr int FirstMoreGroup = 3;                 // "Nouns": the first item under "More groups"

inline constexpr const char* SwitchToContext = "&Switch to context";
inline constexpr const char* SwitchToReferences = "&Switch to references";

// The state of the controls the frame shows, as the browser sets it.
struct TBibleControls {
    bool UsedChecked = false;
    bool SpinEnabled = false;
    int SpinValue = 3; // 1..50
    bool HideChecked = false;
    bool HideEnabled = false;
    bool HideVisible = true;
    bool ListChecked = false; // the word list panel is shown exactly when checked
    int ThroughItem = 0;      // item of the "through" drop-down
    int GroupItem = 0;        // checked item of the word groups menu (0 "All words")
    bool ToggleContextVisible = false;
    std::string ToggleContextCaption = SwitchToContext;
    bool SpeakEnabled = false;
    std::string SpeakCaption = "Speak word";
};

// A scroll bar's state: position 0..Max and the page step the last painting measured.
struct TScrollState {
    int Pos = 0;
    int Max = 0;
    int PageStep = 1;
};

// One verse laid out on the scripture canvas.
struct TVerseBlock {
    int Index = 0;         // 1-based index into the current list
    int Top = 0;           // y of the block (section title included)
    int Height = 0;        // pixels down to the next block
    bool HasTitle = false; // a section title is drawn above the verse
    int TitleTop = 0;
    TTextBlock Title;           // bold teal runs
    int TextTop = 0;            // y of the verse's first line
    std::string Label;          // abbreviation + chapter + ":" + verse
    bool LabelSelected = false; // drawn in the highlight colours
    TTextBlock Text;
};

class TBibleBrowser {
public:
    // wordUseLimit is the person's WordUseLimit; the browser reads it at InitBrowser and writes
    // it back on every change. speech may be null (no speech).
    TBibleBrowser(const TBooks& books, std::int32_t& wordUseLimit, IBibleSpeech* speech = nullptr);
    ~TBibleBrowser();
    TBibleBrowser(const TBibleBrowser&) = delete;
    TBibleBrowser& operator=(const TBibleBrowser&) = delete;

    // Sets everything up for the host; the lists are filled with every verse.
    void InitBrowser(TBibleHost host);
    // Releases both lists (the window is closing).
    void FreeBrowser();

    // --- state ---------------------------------------------------------------------------
    TBibleHost Host() const { return m_host; }
    bool Active() const { return m_current != nullptr; } // false after FreeBrowser
    const TBibleControls& Controls() const { return m_controls; }
    const TConcRefs& CurrentList() const { return *m_current; }
    bool ShowingResults() const { return m_current == m_results.get(); }
    const TConcRefs& ResultsList() const { return *m_results; }
    int SelectedVerse() const { return m_selectedVerse; }
    TVerseRef SelectedVerseRef() const; // of the current list; an empty reference when none
    int HighlightFirst() const { return m_highlightFirst; }
    int HighlightLast() const { return m_highlightLast; }
    int ThroughChapter() const { return m_throughChapter; }
    int KeywordUseLimit() const { return m_useLimit; }
    TCategorySet WordGroup() const { return m_group; }
    const TKeywordTags& KeywordColours() const { return m_colours; }
    int AnchorWord() const { return m_anchor; }
    bool WordSelected(int index) const;
    std::vector<int> SelectedWords() const; // in index order
    // The chosen words the last change of the choice could not add (beyond 100 words, or
    // more verses than the list holds); they were left unchosen.
    int LeftUnchosen() const { return m_leftUnchosen; }
    TScrollState& VerseScroll() { return m_verseScroll; }
    const TScrollState& VerseScroll() const { return m_verseScroll; }
    TScrollState& WordScroll() { return m_wordScroll; }
    const TScrollState& WordScroll() const { return m_wordScroll; }

    // "All chapters", then "thru " + abbreviation + chapter for every chapter in order.
    std::vector<std::string> ThroughItems() const;

    // The host window's caption for the verse at the top of the scripture canvas.
    std::string Caption() const;

    // --- the word list -------------------------------------------------------------------
    int ListedWordCount() const;
    // Word index of the listed word at a 0-based row; 0 when there is none.
    int ListedWordAt(int row) const;
    // The next listed word after index (0 when none).
    int NextListedWord(int index) const;
    // The word's text as the list shows it (capital first letter for names and places).
    std::string ListedWordText(int index) const;
    // The word's colour in the list (0 = default); not for selected words.
    std::uint32_t WordListColour(int index) const;

    // --- laying out the scripture ------------------------------------------------------------
    // The verses drawn on a canvas of the given size, from the top verse down while inside.
    std::vector<TVerseBlock> LayoutPage(int width, int height, int lineHeight, const TMeasureText& measure) const;
    // The verse a click at y selects (walking from the top verse; the last verse when the
    // click is below all of them); 0 when the list is empty.
    int VerseAtY(int y, int width, int lineHeight, const TMeasureText& measure) const;
    // Where verse text and section titles start (TextIndent unless the labels need more room).
    void SetTextIndent(int indent) { m_indent = indent; }
    int TextIndentPx() const { return m_indent; }
    // The longest verse label of the portion (the last verse of each chapter), for measuring.
    std::vector<std::string> LongestLabels() const;
    // After painting: the page steps from what was drawn.
    void VersesDrawn(int count);
    void WordLinesDrawn(int count);

    // --- operations ---------------------------------------------------------------------------
    // Every verse again: unchecks "List", clears the chosen words.
    void ShowAllVerses();
    // Highlights n verses from the first verse of the current list equal to ref and scrolls so
    // that one verse stands above it. Returns false when the list has no such verse.
    bool LocateVerses(const TVerseRef& ref, int n);
    // Whether a mouse button selects a verse (left with chosen words; any in the editor host).
    bool AcceptsVerseClick(bool leftButton) const;
    void SelectVerse(int index);
    // A left click on the word list line (0-based from the top of the canvas).
    void ClickWord(int line, bool ctrl, bool shift);
    void ToggleContextClick();
    void ThroughChanged(int item);
    void UsedClicked(bool checked);
    void SpinChanged(int value);
    void HideClicked(bool checked);
    void ChooseWordGroup(int item); // 0..10, in the order of WordGroups
    void ListClicked(bool checked);
    // The search box's text changed: scroll the word list to it.
    void LocateWord(std::string_view text);
    void SpeakWords();
    // Mouse wheel: a positive delta scrolls up, zero or negative down.
    void WheelVerses(int delta);
    void WheelWords(int delta);
    void ScrollVerses(int pos);
    void ScrollWords(int pos);

    // Clipboard texts (lines end with "\r\n").
    std::string WordsClipboardText() const;
    // The chosen words in index order, as the list shows them.
    std::string ChosenWordsClipboardText() const;
    std::string VersesClipboardText() const;

    // The label and rendered text of verse index i of the current list.
    std::string VerseLabel(int index) const;
    void RenderVerseAt(int index, TMarkedText& target) const;

private:
    void RecountWordList();
    void ClearSelection();
    void ResetToggleContext();
    void RefillAllVerses(bool cut);
    void RebuildResults();
    void SetUseLimit(int limit);
    TVerseBlock LayoutVerse(int index, int top, bool atTop, int width, int lineHeight,
                            const TMeasureText& measure) const;

    const TBooks& m_books;
    const TWords& m_words;
    std::int32_t& m_userLimit;
    IBibleSpeech* m_speech;

    TBibleHost m_host = TBibleHost::BibleWindow;
    std::unique_ptr<TConcRefs> m_all;
    std::unique_ptr<TConcRefs> m_results;
    TConcRefs* m_current = nullptr;
    int m_savedResultsPos = 0;
    int m_selectedVerse = 1;
    int m_highlightFirst = 0;
    int m_highlightLast = 0;
    int m_throughChapter = 0;
    int m_useLimit = NoKeywords;
    TCategorySet m_group = 0;
    std::vector<bool> m_selection; // word indexes 1..4096
    int m_leftUnchosen = 0;
    int m_anchor = 1;
    int m_indent = TextIndent;
    TKeywordTags m_colours{"keyword colours"};
    TBibleControls m_controls;
    TScrollState m_verseScroll;
    TScrollState m_wordScroll;
};

} // namespace sv
