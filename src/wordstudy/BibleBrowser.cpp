#include "wordstudy/BibleBrowser.h"

#include "common/Errors.h"
#include "content/Books.h"

#include <algorithm>

namespace sv {
namespace {

constexpr int MaxWordIndex = 4096;
constexpr int MaxChosenWords = 100;

int Clamp(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

// Scroll range 0..count - 1 (0..0 for an empty list).
int MaxFor(int count) { return count > 1 ? count - 1 : 0; }

} // namespace

TBibleBrowser::TBibleBrowser(const TBooks& books, std::int32_t& wordUseLimit, IBibleSpeech* speech)
    : m_books(books), m_words(books.Words()), m_userLimit(wordUseLimit), m_speech(speech),
      m_selection(MaxWordIndex + 1, false)
{
    InitKeywordColours(m_colours, 0);
}

TBibleBrowser::~TBibleBrowser() = default;

void TBibleBrowser::InitBrowser(TBibleHost host)
{
    // 1-2. Nothing highlighted; both lists, the all-verses list shown.
    m_highlightFirst = m_highlightLast = 0;
    m_anchor = 1;
    m_all = std::make_unique<TConcRefs>();
    m_results = std::make_unique<TConcRefs>();
    m_current = m_all.get();
    m_current->Clear();
    m_current->FillAllVerses(m_books);
    m_verseScroll = {0, MaxFor(m_current->Count), 1};

    // 3. Everything up to the last chapter.
    m_throughChapter = m_books.TotalChapters();
    m_controls = TBibleControls{};
    m_controls.ThroughItem = 0;

    // 4-5. The host decides about keywords and the word list.
    m_host = host;
    if (host == TBibleHost::BibleWindow) {
        const int limit = m_userLimit;
        if (limit == NoKeywords) {
            m_useLimit = NoKeywords;
            m_controls.UsedChecked = false;
            m_controls.SpinEnabled = false;
            m_controls.HideEnabled = false;
            InitKeywordColours(m_colours, 0);
        } else {
            // The spin edit offers 1..50; a stored value outside it is shown as the nearest
            // value it can show, and the browser works with what it shows.
            m_controls.SpinValue = Clamp(limit, 1, 50);
            m_useLimit = m_controls.SpinValue;
            m_controls.UsedChecked = true;
            m_controls.SpinEnabled = true;
            m_controls.HideEnabled = true;
            InitKeywordColours(m_colours, m_controls.SpinValue);
        }
        ClearSelection();
        RecountWordList();
        m_controls.ListChecked = true;
    } else {
        m_controls.UsedChecked = false;
        m_useLimit = NoKeywords;
        m_controls.SpinEnabled = false;
        m_controls.HideEnabled = false;
        m_controls.ListChecked = false;
        InitKeywordColours(m_colours, 0);
        m_controls.HideVisible = false;
        ClearSelection();
        RecountWordList();
    }

    // 6.
    m_group = 0;
    m_controls.GroupItem = 0;
    m_selectedVerse = 1;
    ResetToggleContext();
    m_controls.ToggleContextVisible = false;
}

void TBibleBrowser::FreeBrowser()
{
    m_current = nullptr;
    m_all.reset();
    m_results.reset();
}

TVerseRef TBibleBrowser::SelectedVerseRef() const
{
    if (!m_current || m_selectedVerse < 1 || m_selectedVerse > m_current->Count)
        return TVerseRef{};
    return m_current->Refs[m_selectedVerse];
}

bool TBibleBrowser::WordSelected(int index) const
{
    return index >= 1 && index <= MaxWordIndex && m_selection[static_cast<std::size_t>(index)];
}

std::vector<int> TBibleBrowser::SelectedWords() const
{
    std::vector<int> out;
    for (int i = 1; i <= MaxWordIndex; ++i)
        if (m_selection[static_cast<std::size_t>(i)])
            out.push_back(i);
    return out;
}

std::vector<std::string> TBibleBrowser::ThroughItems() const
{
    std::vector<std::string> items{"All chapters"};
    for (int b = 1; b <= m_books.BookCount(); ++b)
        for (int c = 1; c <= m_books.ChapterCount(b); ++c)
            items.push_back("thru " + m_books.BookAbbrev(b) + std::to_string(c));
    return items;
}

std::string TBibleBrowser::Caption() const
{
    if (!m_current)
        return {};
    if (m_current->WordsCount >= 1)
        return std::to_string(m_current->Count) + (m_current->Count < 2 ? " verse with " : " verses with ")
               + m_current->WordsText(m_words);
    const int first = m_verseScroll.Pos + 1;
    if (first < 1 || first > m_current->Count)
        return {};
    const TVerseRef ref = m_current->Refs[first];
    // A verse before the first section of its book has no title (rather than an error).
    if (m_books.SectionIndexOf(ref) == 0)
        return {};
    return m_books.SectionTitleOf(ref);
}

// --- the word list ---------------------------------------------------------------------------

int TBibleBrowser::ListedWordCount() const { return m_words.CountFiltered(m_useLimit, m_group, m_throughChapter); }

int TBibleBrowser::ListedWordAt(int row) const
{
    if (row < 0 || row >= ListedWordCount())
        return 0;
    return m_words.NthFiltered(row + 1, m_useLimit, m_group, m_throughChapter);
}

int TBibleBrowser::NextListedWord(int index) const
{
    for (int i = index + 1; i <= m_words.WordCount(); ++i)
        if (m_words.PassesFilter(i, m_useLimit, m_group, m_throughChapter))
            return i;
    return 0;
}

std::string TBibleBrowser::ListedWordText(int index) const
{
    const int category = m_words.CategoryOf(index);
    TWordCode code = static_cast<TWordCode>(index);
    if (category >= 5 && category <= 8)
        code = static_cast<TWordCode>(code | WordCapitalise);
    return m_words.WordText(code);
}

std::uint32_t TBibleBrowser::WordListColour(int index) const
{
    if (!m_controls.UsedChecked)
        return 0;
    return static_cast<std::uint32_t>(m_colours[1 + m_words.UseCountOf(static_cast<TWordCode>(index))]);
}

// --- laying out the scripture ----------------------------------------------------------------

std::string TBibleBrowser::VerseLabel(int index) const
{
    const TVerseRef ref = m_current->Refs[index];
    return m_books.BookAbbrev(ref.Book) + std::to_string(ref.Chapter) + ":" + std::to_string(ref.Verse);
}

void TBibleBrowser::RenderVerseAt(int index, TMarkedText& target) const
{
    const bool markAll = m_highlightFirst > 0 && index >= m_highlightFirst && index <= m_highlightLast;
    m_books.RenderVerse(m_current->Refs[index], *m_current, m_colours, markAll, static_cast<std::uint8_t>(m_useLimit),
                        target);
}

TVerseBlock TBibleBrowser::LayoutVerse(int index, int top, bool atTop, int width, int lineHeight,
                                       const TMeasureText& measure) const
{
    TVerseBlock block;
    block.Index = index;
    block.Top = top;
    int y = top;
    const TVerseRef ref = m_current->Refs[index];
    if (m_current->WordsCount == 0 && m_books.IsSectionStart(ref)) {
        if (!atTop)
            y += SectionGap;
        block.HasTitle = true;
        block.TitleTop = y;
        block.Title = LayoutPlainText(m_books.SectionTitleOf(ref), SectionColour, true, m_indent, width, measure);
        y += block.Title.Lines * lineHeight;
    }
    block.TextTop = y;
    block.Label = VerseLabel(index);
    block.LabelSelected =
        index == m_selectedVerse && (m_current->WordsCount > 0 || m_host == TBibleHost::QuestionEditor);
    auto text = std::make_unique<TMarkedText>();
    RenderVerseAt(index, *text);
    block.Text = LayoutMarkedText(*text, m_indent, width, m_controls.HideChecked, m_colours, measure);
    y += block.Text.Lines * lineHeight;
    block.Height = y - top;
    return block;
}

std::vector<TVerseBlock> TBibleBrowser::LayoutPage(int width, int height, int lineHeight,
                                                   const TMeasureText& measure) const
{
    std::vector<TVerseBlock> page;
    if (!m_current)
        return page;
    int y = 0;
    for (int i = m_verseScroll.Pos + 1; i <= m_current->Count && y < height; ++i) {
        page.push_back(LayoutVerse(i, y, page.empty(), width, lineHeight, measure));
        y += page.back().Height;
    }
    return page;
}

int TBibleBrowser::VerseAtY(int y, int width, int lineHeight, const TMeasureText& measure) const
{
    if (!m_current || m_current->Count < 1)
        return 0;
    // Walk from the top verse with the same layout as the painting (section titles
    // included), so the verse under the pointer is the one chosen.
    int bottom = 0;
    for (int i = m_verseScroll.Pos + 1; i <= m_current->Count; ++i) {
        bottom += LayoutVerse(i, bottom, i == m_verseScroll.Pos + 1, width, lineHeight, measure).Height;
        if (bottom > y)
            return i;
    }
    return m_current->Count;
}

std::vector<std::string> TBibleBrowser::LongestLabels() const
{
    std::vector<std::string> labels;
    for (int b = 1; b <= m_books.BookCount(); ++b)
        for (int c = 1; c <= m_books.ChapterCount(b); ++c)
            labels.push_back(m_books.BookAbbrev(b) + std::to_string(c) + ":"
                             + std::to_string(m_books.VersesInChapter(b, c)));
    return labels;
}

void TBibleBrowser::VersesDrawn(int count)
{
    if (count >= 3)
        m_verseScroll.PageStep = count - 2;
}

void TBibleBrowser::WordLinesDrawn(int count)
{
    if (count >= 2)
        m_wordScroll.PageStep = count - 1;
}

// --- operations ------------------------------------------------------------------------------

void TBibleBrowser::ClearSelection() { std::fill(m_selection.begin(), m_selection.end(), false); }

void TBibleBrowser::ResetToggleContext() { m_controls.ToggleContextCaption = SwitchToContext; }

void TBibleBrowser::RecountWordList()
{
    m_wordScroll.Pos = 0;
    m_wordScroll.Max = MaxFor(ListedWordCount());
}

void TBibleBrowser::RefillAllVerses(bool cut)
{
    m_current = m_all.get();
    m_current->Clear();
    m_current->FillAllVerses(m_books);
    if (cut)
        m_current->LimitToChapters(m_books, m_throughChapter);
    m_verseScroll.Max = MaxFor(m_current->Count);
    m_verseScroll.Pos = 0;
    // No word is chosen any more: nothing to switch to, nothing to speak.
    m_controls.ToggleContextVisible = false;
    ResetToggleContext();
    m_controls.SpeakEnabled = false;
    m_controls.SpeakCaption = "Speak word";
}

void TBibleBrowser::ShowAllVerses()
{
    m_controls.ListChecked = false;
    ClearSelection();
    RefillAllVerses(false);
}

bool TBibleBrowser::LocateVerses(const TVerseRef& ref, int n)
{
    if (!m_current)
        return false;
    int index = 0;
    for (int i = 1; i <= m_current->Count; ++i)
        if (m_current->Refs[i].SameVerse(ref)) {
            index = i;
            break;
        }
    if (index == 0)
        return false;
    m_highlightFirst = index;
    m_highlightLast = index + std::max(n, 1) - 1;
    m_verseScroll.Pos = Clamp(index < 2 ? 0 : index - 2, 0, m_verseScroll.Max);
    return true;
}

bool TBibleBrowser::AcceptsVerseClick(bool leftButton) const
{
    if (m_host == TBibleHost::QuestionEditor)
        return true;
    return leftButton && m_current && m_current->WordsCount > 0;
}

void TBibleBrowser::SelectVerse(int index)
{
    if (index >= 1)
        m_selectedVerse = index;
}

void TBibleBrowser::ClickWord(int line, bool ctrl, bool shift)
{
    // 1. The word on that line; none below the last listed word.
    const int word = line < 0 ? 0 : ListedWordAt(m_wordScroll.Pos + line);

    // 2-3.
    if (ctrl) {
        if (word)
            m_selection[static_cast<std::size_t>(word)] = !m_selection[static_cast<std::size_t>(word)];
    } else {
        ClearSelection();
        if (word && !shift) {
            m_selection[static_cast<std::size_t>(word)] = true;
        } else if (word) {
            // The range ignores the word group and the through chapter, not the use limit.
            const int from = std::min(m_anchor, word);
            const int to = std::max(m_anchor, word);
            for (int i = from; i <= to; ++i)
                if (m_words.UseCountOf(static_cast<TWordCode>(i)) <= m_useLimit)
                    m_selection[static_cast<std::size_t>(i)] = true;
        }
    }
    if (word)
        m_anchor = word;

    RebuildResults();
}

void TBibleBrowser::RebuildResults()
{
    // 4. The results list from the chosen words, in index order. A word that does not fit
    // (more than 100 chosen words, or more references than the list holds) is left unchosen,
    // so the list always matches the words shown as chosen.
    m_current = m_results.get();
    m_current->Clear();
    m_leftUnchosen = 0;
    for (int w = 1; w <= MaxWordIndex; ++w) {
        if (!m_selection[static_cast<std::size_t>(w)])
            continue;
        bool added = false;
        if (m_current->WordsCount < MaxChosenWords) {
            TConcRefs trial(*m_current);
            try {
                trial.AddWord(m_books, w);
                *m_current = trial;
                added = true;
            } catch (const ERangeError&) { }
        }
        if (!added) {
            m_selection[static_cast<std::size_t>(w)] = false;
            ++m_leftUnchosen;
        }
    }

    // A word used twice in a verse lists the verse twice; each verse is shown (and counted)
    // once. The list is in verse order, so repeats are neighbours.
    int kept = 0;
    for (int i = 1; i <= m_current->Count; ++i)
        if (kept == 0 || !m_current->Refs[kept].SameVerse(m_current->Refs[i]))
            m_current->Refs[++kept] = m_current->Refs[i];
    m_current->Count = kept;

    // 5.
    const int chosen = m_current->WordsCount;
    m_controls.SpeakEnabled = chosen > 0 && m_speech && m_speech->SpeechAvailable();
    m_controls.SpeakCaption = chosen > 1 ? "Speak words" : "Speak word";
    m_controls.ToggleContextVisible = chosen > 0;

    // 6.
    if (m_current->Count == 0 && chosen == 0)
        m_current->FillAllVerses(m_books);
    m_current->LimitToChapters(m_books, m_throughChapter);

    // 7.
    m_verseScroll.Pos = 0;
    m_verseScroll.Max = MaxFor(m_current->Count);
    m_highlightFirst = m_highlightLast = 0;
    m_selectedVerse = 1;
    ResetToggleContext();
}

void TBibleBrowser::ToggleContextClick()
{
    if (!m_current)
        return;
    if (m_controls.ToggleContextCaption == SwitchToContext) {
        m_controls.ToggleContextCaption = SwitchToReferences;
        const TVerseRef target = (m_selectedVerse >= 1 && m_selectedVerse <= m_results->Count)
                                     ? m_results->Refs[m_selectedVerse]
                                     : TVerseRef{};
        m_savedResultsPos = m_verseScroll.Pos;
        m_current = m_all.get();
        m_verseScroll.Max = MaxFor(m_current->Count);
        LocateVerses(target, 1);
    } else {
        m_controls.ToggleContextCaption = SwitchToContext;
        m_current = m_results.get();
        m_verseScroll.Max = MaxFor(m_current->Count);
        m_verseScroll.Pos = Clamp(m_savedResultsPos, 0, m_verseScroll.Max);
        // The bold range counted verses of the all-verses list; here it would mark others.
        m_highlightFirst = m_highlightLast = 0;
    }
}

void TBibleBrowser::ThroughChanged(int item)
{
    m_controls.ThroughItem = item;
    m_throughChapter = item == 0 ? m_books.TotalChapters() : item;
    ClearSelection();
    RefillAllVerses(true);
    RecountWordList();
}

void TBibleBrowser::SetUseLimit(int limit)
{
    m_useLimit = limit;
    m_userLimit = limit;
}

void TBibleBrowser::UsedClicked(bool checked)
{
    m_controls.UsedChecked = checked;
    m_controls.SpinEnabled = checked;
    m_controls.HideEnabled = checked;
    if (checked) {
        InitKeywordColours(m_colours, m_controls.SpinValue);
        SetUseLimit(m_controls.SpinValue);
    } else {
        InitKeywordColours(m_colours, 0);
        SetUseLimit(NoKeywords);
    }
    RecountWordList();
}

void TBibleBrowser::SpinChanged(int value)
{
    value = Clamp(value, 1, 50);
    m_controls.SpinValue = value;
    SetUseLimit(value);
    InitKeywordColours(m_colours, value);
    RecountWordList();
}

void TBibleBrowser::HideClicked(bool checked) { m_controls.HideChecked = checked; }

void TBibleBrowser::ChooseWordGroup(int item)
{
    if (item < 0 || item >= WordGroupItems)
        return;
    m_group = WordGroups[item].Categories;
    m_controls.GroupItem = item;
    SetUseLimit(NoKeywords);
    RecountWordList();
}

void TBibleBrowser::ListClicked(bool checked)
{
    m_controls.ListChecked = checked;
    if (!checked) {
        ClearSelection();
        RefillAllVerses(false);
    }
}

void TBibleBrowser::LocateWord(std::string_view text)
{
    const int row = m_words.LocateFiltered(text, m_useLimit, m_group, m_throughChapter);
    m_wordScroll.Pos = Clamp(row - 1, 0, m_wordScroll.Max);
}

void TBibleBrowser::SpeakWords()
{
    if (!m_speech || !m_speech->SpeechAvailable())
        return;
    for (int w : SelectedWords())
        m_speech->Speak(m_words.RawWordText(static_cast<TWordCode>(w)), false, TSpeechKind::Word);
}

void TBibleBrowser::WheelVerses(int delta) { ScrollVerses(m_verseScroll.Pos + (delta > 0 ? -1 : 1)); }

void TBibleBrowser::WheelWords(int delta) { ScrollWords(m_wordScroll.Pos + (delta > 0 ? -1 : 1)); }

void TBibleBrowser::ScrollVerses(int pos) { m_verseScroll.Pos = Clamp(pos, 0, m_verseScroll.Max); }

void TBibleBrowser::ScrollWords(int pos) { m_wordScroll.Pos = Clamp(pos, 0, m_wordScroll.Max); }

std::string TBibleBrowser::WordsClipboardText() const
{
    std::string out;
    for (int w = NextListedWord(0); w != 0; w = NextListedWord(w))
        out += ListedWordText(w) + "\r\n";
    return out;
}

std::string TBibleBrowser::ChosenWordsClipboardText() const
{
    std::string out;
    for (int w : SelectedWords())
        out += ListedWordText(w) + "\r\n";
    return out;
}

std::string TBibleBrowser::VersesClipboardText() const
{
    std::string out;
    if (!m_current)
        return out;
    auto text = std::make_unique<TMarkedText>();
    for (int i = 1; i <= m_current->Count; ++i) {
        RenderVerseAt(i, *text);
        out += VerseLabel(i) + " " + text->Text() + "\r\n";
    }
    return out;
}

} // namespace sv
