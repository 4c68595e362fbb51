#include "print/Concordance.h"

#include "content/Books.h"
#include "content/ConcRefs.h"
#include "print/RtfWriter.h"

namespace sv {

namespace {

// A word list row: four words with their counts across the page.
constexpr std::string_view ListOpener =
    "\\par \\pard\\plain \\s10\\fi0\\li0\\tqr\\tx2100\\tx2340\\tqr\\tx4440\\tx4680\\tqr\\tx6780"
    "\\tx7020\\tqr\\tx9120 \\f3\\fs18\\lang1033 ";
constexpr std::size_t WordsPerRow = 4;
constexpr std::string_view WordOpener = "\\par \\pard\\plain \\s10\\sb120\\keep\\keepn \\b\\f3\\fs20\\lang1033 ";
constexpr std::string_view VerseOpener = "\\par \\pard\\plain \\s11\\fi-1170\\li1170\\sa60\\keep \\f3\\fs18\\lang1033 ";
constexpr std::string_view NoteOpener = "\\par \\pard\\plain \\qc\\sa120 \\i\\f3\\fs18\\lang1033 ";

void WriteTitle(TDocFile& file, const std::string& title, bool first)
{
    if (file.IsRtf()) {
        if (!first)
            file.Write("\\par ");
        file.Write("\\pard\\plain \\s3\\qc\\sa240\\pagebb \\b\\f3\\fs24\\lang1033 ");
    } else if (!first) {
        file.EndLine();
    }
    file.WriteText(title);
    file.EndLine();
}

void WriteNote(TDocFile& file, const std::string& text)
{
    if (file.IsRtf())
        file.Write(NoteOpener);
    file.WriteText(text);
    file.EndLine();
}

// ChapterNo of every verse (index VerseNo).
std::vector<int> ChapterOfVerse(const TBooks& books)
{
    std::vector<int> out(static_cast<std::size_t>(books.TotalVerses()) + 1, 0);
    for (int v = 1; v <= books.TotalVerses(); ++v) {
        const TVerseRef r = books.RefOfVerseNo(v);
        out[static_cast<std::size_t>(v)] = books.ChapterNoOf(r.Book, r.Chapter);
    }
    return out;
}

std::vector<TConcWord> WordsOf(const TWords& words, const std::vector<int>& chapterOf, TConcGroup group,
                               const TConcordanceChoices& c)
{
    std::vector<TConcWord> out;
    const TCategorySet groups = ConcGroupCategories(group);
    for (int i = 1; i <= words.WordCount(); ++i) {
        if (groups != 0) {
            const int cat = words.CategoryOf(i);
            if (cat > 15 || (groups & (1u << cat)) == 0)
                continue;
        }
        int uses = 0;
        for (int e = words.FirstOccurrence(i); e <= words.LastOccurrence(i); ++e) {
            const int v = words.Occurrence(e);
            if (v < 1 || v >= static_cast<int>(chapterOf.size()))
                continue;
            const int ch = chapterOf[static_cast<std::size_t>(v)];
            uses += ch >= c.FromChapter && ch <= c.ToChapter ? 1 : 0;
        }
        if (uses == 0 || (!c.Exhaustive && uses <= c.MoreThan))
            continue;
        out.push_back({i, uses});
    }
    return out;
}

std::string RangeText(const TBooks& books, const TConcordanceChoices& c)
{
    auto name = [&](int chapterNo) {
        const TVerseRef r = books.RefOfChapterNo(chapterNo);
        return books.BookName(r.Book) + " " + std::to_string(r.Chapter);
    };
    std::string s =
        c.FromChapter == c.ToChapter ? name(c.FromChapter) : name(c.FromChapter) + " through " + name(c.ToChapter);
    s += c.Exhaustive ? ", every word" : ", words used more than " + std::to_string(c.MoreThan) + " times";
    return s;
}

void WriteWordList(TDocFile& file, const TWords& words, const std::vector<TConcWord>& list)
{
    if (!file.IsRtf()) {
        for (const TConcWord& w : list) {
            file.WriteText(ConcWordText(words, w.Index));
            file.Write("\t");
            file.WriteNumber(w.Uses);
            file.EndLine();
        }
        return;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i % WordsPerRow == 0) {
            if (i > 0)
                file.EndLine();
            file.Write(ListOpener);
        } else {
            file.Write("\\tab ");
        }
        file.WriteText(ConcWordText(words, list[i].Index));
        file.Write("\\tab ");
        file.WriteNumber(list[i].Uses);
    }
    file.EndLine();
}

void WriteInContext(TDocFile& file, const TWords& words, const TBooks& books, const std::vector<int>& chapterOf,
                    const std::vector<TConcWord>& list, const TConcordanceChoices& c)
{
    TKeywordTags none{"keyword tags"};
    InitKeywordColours(none, 0);
    TConcRefs chosen;
    TMarkedText text;
    for (const TConcWord& w : list) {
        if (file.IsRtf())
            file.Write(WordOpener);
        else
            file.EndLine();
        file.WriteText(ConcWordText(words, w.Index));
        file.Write(" (");
        file.WriteNumber(w.Uses);
        file.Write(")");
        file.EndLine();
        chosen.Words[1] = static_cast<std::uint16_t>(w.Index);
        chosen.WordsCount = 1;
        int lastVerse = 0;
        for (int e = words.FirstOccurrence(w.Index); e <= words.LastOccurrence(w.Index); ++e) {
            const int v = words.Occurrence(e);
            if (v == lastVerse || v < 1 || v >= static_cast<int>(chapterOf.size()))
                continue;
            const int ch = chapterOf[static_cast<std::size_t>(v)];
            if (ch < c.FromChapter || ch > c.ToChapter)
                continue;
            lastVerse = v;
            const TVerseRef ref = books.RefOfVerseNo(v);
            books.RenderVerse(ref, chosen, none, false, 255, text);
            // Labelled as the memory lists label passages: the abbreviation, then chapter:verse.
            const std::string label =
                books.BookAbbrev(ref.Book) + std::to_string(ref.Chapter) + ":" + std::to_string(ref.Verse);
            if (file.IsRtf()) {
                file.Write(VerseOpener);
                file.WriteText(label);
                file.Write("\\tab ");
            } else {
                file.Write("  ");
                file.WriteText(label);
                file.Write("\t");
            }
            bool bold = false;
            for (int p = 1; p <= text.Len; ++p) {
                const bool want = file.IsRtf() && (text.Marks[p] & MarkBold) != 0;
                if (want != bold) {
                    file.Write(want ? "{\\b " : "}");
                    bold = want;
                }
                file.WriteChar(text.Chars[p]);
            }
            if (bold)
                file.Write("}");
            file.EndLine();
        }
    }
}

} // namespace

const char* ConcGroupCaption(TConcGroup group)
{
    static const char* const captions[ConcGroupCount] = {
        "All words", "Proper People", "Proper Places", "Common nouns",  "Adjectives",
        "Verbs",     "Adverbs",       "Prepositions",  "Interjections",
    };
    return captions[static_cast<int>(group)];
}

TCategorySet ConcGroupCategories(TConcGroup group)
{
    switch (group) {
    case TConcGroup::AllWords:
        return 0;
    case TConcGroup::ProperPeople:
        return (1u << 5) | (1u << 7);
    case TConcGroup::ProperPlaces:
        return 1u << 6;
    case TConcGroup::CommonNouns:
        return (1u << 1) | (1u << 2) | (1u << 3) | (1u << 4);
    case TConcGroup::Adjectives:
        return 1u << 10;
    case TConcGroup::Verbs:
        return 1u << 11;
    case TConcGroup::Adverbs:
        return 1u << 12;
    case TConcGroup::Prepositions:
        return 1u << 13;
    case TConcGroup::Interjections:
        return 1u << 15;
    }
    return 0;
}

bool TConcordanceChoices::AnyList() const
{
    for (const TConcGroupChoice& g : Groups)
        if (g.InContext || g.WordList)
            return true;
    return false;
}

std::string ConcWordText(const TWords& words, int index)
{
    // Names and the pronoun "I" are written with their capital; the word list keeps every
    // word in lower case.
    const int cat = words.CategoryOf(index);
    const bool proper = cat >= 5 && cat <= 8;
    const std::string text = words.WordText(static_cast<TWordCode>(index));
    return words.WordText(static_cast<TWordCode>(index | (proper || text == "i" ? WordCapitalise : 0)));
}

std::vector<TConcWord> ConcordanceWords(const TWords& words, const TBooks& books, TConcGroup group,
                                        const TConcordanceChoices& choices)
{
    return WordsOf(words, ChapterOfVerse(books), group, choices);
}

void WriteConcordance(TDocFile& file, const TWords& words, const TBooks& books, const TConcordanceChoices& c)
{
    const std::vector<int> chapterOf = ChapterOfVerse(books);
    if (file.IsRtf())
        WriteQuestionDocHeader(file);
    bool first = true;
    for (int g = 0; g < ConcGroupCount; ++g) {
        const TConcGroupChoice& choice = c.Groups[static_cast<std::size_t>(g)];
        if (!choice.WordList && !choice.InContext)
            continue;
        const auto group = static_cast<TConcGroup>(g);
        const std::vector<TConcWord> list = WordsOf(words, chapterOf, group, c);
        const std::string caption = ConcGroupCaption(group);
        for (const bool context : {false, true}) {
            if (context ? !choice.InContext : !choice.WordList)
                continue;
            WriteTitle(file, caption + (context ? ": In Context of Verse" : ": Word List"), first);
            first = false;
            WriteNote(file, RangeText(books, c));
            if (list.empty())
                WriteNote(file, "No words of this group in these chapters.");
            else if (context)
                WriteInContext(file, words, books, chapterOf, list, c);
            else
                WriteWordList(file, words, list);
        }
    }
    if (file.IsRtf())
        WriteDocTrailer(file, TTrailer::Plain);
}

} // namespace sv
