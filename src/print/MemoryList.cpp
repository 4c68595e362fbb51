#include "print/MemoryList.h"

#include "common/Win1252.h"
#include "print/RtfWriter.h"
#include "print/WordCounter.h"
#include "user/User.h"

#include <algorithm>

namespace sv {

namespace {

constexpr std::string_view FullOpener = "\\par \\pard\\plain \\s11\\fi-1170\\li1170\\sa120\\keep \\f3\\fs18\\lang1033 ";
constexpr std::string_view PrejumpOpener = "\\par \\pard\\plain \\s11\\fi-1170\\li1170\\keep \\f3\\fs18\\lang1033 ";

void WriteTitle(TDocFile& file, std::string_view title, bool first)
{
    if (file.IsRtf()) {
        if (!first)
            file.Write("\\par ");
        file.Write("\\pard\\plain \\s3\\qc\\sa240\\pagebb \\b\\f3\\fs24\\lang1033 ");
    }
    file.WriteText(title);
    file.EndLine();
}

void WriteLabel(TDocFile& file, const TBooks& books, const TMemoryVerse& p, std::string_view opener)
{
    if (file.IsRtf())
        file.Write(opener);
    file.WriteText(PassageLabel(books, p));
    file.Write(file.IsRtf() ? "\\tab " : "\t");
}

void WriteFull(TDocFile& file, const TBooks& books, const TMemoryVerse& p, const TKeywordTags& tags,
               const TMemListChoices& c)
{
    const TMarkedText text = PassageText(books, p, tags);
    WriteLabel(file, books, p, FullOpener);
    const bool rtf = file.IsRtf();
    bool ulOpen = false;
    if (rtf && c.UnderlinePrejumps) {
        file.Write("{\\ul ");
        ulOpen = true;
    }
    const bool marks = rtf && tags[0] > 0;
    TWordCounter counter;
    bool markOpen = false;
    std::uint32_t lastTag = 0;
    for (int i = 1; i <= text.Len; ++i) {
        const char ch = text.Chars[i];
        counter.Step(ch);
        if (ulOpen && counter.Words == p.Ref.PromptWords) {
            file.Write("}");
            ulOpen = false;
        }
        if (marks && text.Tags[i] != lastTag) {
            if (markOpen)
                file.Write("}");
            markOpen = text.Tags[i] != 0;
            // The opener ends in the blank that ends its control words; another blank would
            // print as a space before the keyword.
            if (markOpen)
                file.Write(c.UseColor ? MarkOpener(text.Tags[i]) : std::string("{\\b "));
            lastTag = text.Tags[i];
        }
        file.WriteChar(ch);
    }
    if (ulOpen)
        file.Write("}");
    if (markOpen)
        file.Write("}");
    file.EndLine();
}

void WritePrejump(TDocFile& file, const TBooks& books, const TMemoryVerse& p, const TKeywordTags& tags)
{
    const TMarkedText text = PassageText(books, p, tags);
    WriteLabel(file, books, p, PrejumpOpener);
    TWordCounter counter;
    // An opening double quote (plain or typographic) is left out; words count from the letter after it.
    const bool quoted = text.Len > 0 && (text.Chars[1] == '"' || text.Chars[1] == '\x93');
    for (int i = quoted ? 2 : 1; i <= text.Len; ++i) {
        counter.Step(text.Chars[i]);
        if (counter.Words == p.Ref.PromptWords)
            break;
        file.WriteChar(text.Chars[i]);
    }
    // A passage shorter than its prompt ends its line too, so the next one starts afresh.
    file.EndLine();
}

} // namespace

TMemListChoices MemListChoicesOf(const TUser& user)
{
    const TUserOptions& o = user.Options;
    TMemListChoices c;
    c.UnderlinePrejumps = o.MemListUnderlinePrejumps != 0;
    c.IncludePrejumpList = o.MemListIncludePrejumpList != 0;
    c.IncludeSingleMulti = o.MemListSingleMulti != 0;
    c.HighlightKeywords = o.HighlightKeywords != 0;
    c.KeywordLimit = std::clamp<int>(o.KeywordLimit, 1, 9);
    c.UseColor = o.UseColor != 0;
    return c;
}

void StoreMemListChoices(TUser& user, const TMemListChoices& c)
{
    TUserOptions& o = user.Options;
    o.MemListUnderlinePrejumps = c.UnderlinePrejumps ? 1 : 0;
    o.MemListIncludePrejumpList = c.IncludePrejumpList ? 1 : 0;
    o.MemListSingleMulti = c.IncludeSingleMulti ? 1 : 0;
    o.HighlightKeywords = c.HighlightKeywords ? 1 : 0;
    o.KeywordLimit = c.KeywordLimit;
    o.UseColor = c.UseColor ? 1 : 0;
}

std::vector<TMemoryVerse> SelectedPassages(const TBooks& books, const TMemoryVerseSelection& selection)
{
    std::vector<TMemoryVerse> out;
    const int total = std::min<int>(selection.Total, books.TotalMemoryVerses());
    for (int m = 1; m <= total; ++m)
        if (selection.Flags[m] != 0)
            out.push_back(books.MemoryVerse(m));
    return out;
}

std::string PassageLabel(const TBooks& books, const TMemoryVerse& p)
{
    std::string label =
        books.BookAbbrev(p.Ref.Book) + std::to_string(p.Ref.Chapter) + ":" + std::to_string(p.Ref.Verse);
    if (p.VerseCount > 1)
        label += "-" + std::to_string(p.Ref.Verse + p.VerseCount - 1);
    return label;
}

TMarkedText PassageText(const TBooks& books, const TMemoryVerse& p, const TKeywordTags& tags)
{
    TMarkedText answer, question;
    books.ComposeVerseQuestion(p.Ref, p.VerseCount, tags, answer, question, false, false, 0);
    return answer;
}

std::vector<TMemoryVerse> PrejumpOrder(const TBooks& books, std::vector<TMemoryVerse> passages)
{
    TKeywordTags none{"keyword tags"};
    InitKeywordColours(none, 0);
    std::vector<std::pair<std::string, TMemoryVerse>> keyed;
    keyed.reserve(passages.size());
    for (const TMemoryVerse& p : passages) {
        // Ordered by the words: an opening quote (straight or curly) or bracket before the
        // first letter does not count.
        const std::string text = PassageText(books, p, none).Text();
        const auto first = std::find_if(text.begin(), text.end(), [](char ch) {
            return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
        });
        keyed.emplace_back(LowerAscii(std::string(first, text.end())), p);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        passages[i] = keyed[i].second;
    return passages;
}

void WriteMemoryList(TDocFile& file, const TBooks& books, const std::vector<TMemoryVerse>& passages,
                     const TMemListChoices& c)
{
    TKeywordTags tags{"keyword tags"};
    InitKeywordColours(tags, c.HighlightKeywords ? c.KeywordLimit : 0);
    if (file.IsRtf())
        WriteQuestionDocHeader(file);
    WriteTitle(file, "Memory Verse List", true);
    for (const TMemoryVerse& p : passages)
        WriteFull(file, books, p, tags, c);
    if (c.IncludePrejumpList || c.IncludeSingleMulti) {
        const std::vector<TMemoryVerse> ordered = PrejumpOrder(books, passages);
        if (c.IncludePrejumpList) {
            WriteTitle(file, "Prejump List", false);
            for (const TMemoryVerse& p : ordered)
                WritePrejump(file, books, p, tags);
        }
        if (c.IncludeSingleMulti) {
            WriteTitle(file, "Single-verse Prejump List", false);
            for (const TMemoryVerse& p : ordered)
                if (p.VerseCount == 1)
                    WritePrejump(file, books, p, tags);
            WriteTitle(file, "Multi-verse Prejump List", false);
            for (const TMemoryVerse& p : ordered)
                if (p.VerseCount > 1)
                    WritePrejump(file, books, p, tags);
        }
    }
    if (file.IsRtf())
        WriteDocTrailer(file, TTrailer::Plain);
}

} // namespace sv
