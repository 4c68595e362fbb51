#include "print/ScripturePortion.h"

#include "content/Books.h"
#include "content/ConcRefs.h"
#include "print/RtfWriter.h"
#include "user/User.h"

#include <QFile>

#include <algorithm>
#include <charconv>
#include <limits>
#include <tuple>

namespace sv {

namespace {

// Reads one whole number at text[at...], skipping blanks before it.
bool ReadNumber(std::string_view text, std::size_t& at, long& value)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    const char* first = text.data() + at;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec != std::errc() || end == first)
        return false;
    at += static_cast<std::size_t>(end - first);
    return at == text.size() || text[at] == ' ' || text[at] == '\t';
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

auto Key(const TFootnote& f) { return std::tie(f.Book, f.Chapter, f.Verse, f.Position); }

// The place of a verse in footnote order.
auto VerseKey(const TFootnote& f) { return std::tie(f.Book, f.Chapter, f.Verse); }

} // namespace

TPortionChoices PortionChoicesOf(const TUser& user)
{
    const TUserOptions& o = user.Options;
    TPortionChoices c;
    c.HighlightMemory = o.ScriptureHighlightMemory != 0;
    c.HighlightKeywords = o.HighlightKeywords != 0;
    c.KeywordLimit = std::clamp<int>(o.KeywordLimit, 1, 9);
    c.UseColor = o.UseColor != 0;
    c.IncludeFootnotes = o.ScriptureIncludeFootnotes != 0;
    return c;
}

void StorePortionChoices(TUser& user, const TPortionChoices& c)
{
    TUserOptions& o = user.Options;
    o.ScriptureHighlightMemory = c.HighlightMemory ? 1 : 0;
    o.HighlightKeywords = c.HighlightKeywords ? 1 : 0;
    o.KeywordLimit = c.KeywordLimit;
    o.UseColor = c.UseColor ? 1 : 0;
    o.ScriptureIncludeFootnotes = c.IncludeFootnotes ? 1 : 0;
}

TFootnotes ReadFootnotes(const std::string& path)
{
    TFootnotes out;
    QFile f(QString::fromStdString(path));
    if (!f.exists())
        return out;
    if (!f.open(QIODevice::ReadOnly))
        ThrowCannotOpen(path);
    const QByteArray all = f.readAll();
    const std::string_view text(all.constData(), static_cast<std::size_t>(all.size()));
    int lineNo = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++lineNo;
        if (line.empty())
            continue;
        long n[4] = {};
        std::size_t at = 0;
        for (long& v : n)
            if (!ReadNumber(line, at, v))
                throw EFootnoteError("Invalid number in " + path + ", line " + std::to_string(lineNo)
                                     + ": a footnote line starts with book, chapter, verse and position");
        if (n[0] < 0 || n[0] > 255 || n[1] < 0 || n[1] > 255 || n[2] < 0 || n[2] > 255)
            throw EFootnoteError("Invalid number in " + path + ", line " + std::to_string(lineNo)
                                 + ": book, chapter and verse are 0..255");
        if (static_cast<int>(out.Items.size()) == TFootnotes::Capacity) {
            ++out.LeftOut;
            continue;
        }
        out.Items.push_back({static_cast<int>(n[0]), static_cast<int>(n[1]), static_cast<int>(n[2]), n[3],
                             std::string(Trimmed(line.substr(at)))});
    }
    std::stable_sort(out.Items.begin(), out.Items.end(),
                     [](const TFootnote& a, const TFootnote& b) { return Key(a) < Key(b); });
    return out;
}

void WriteScripturePortion(TDocFile& file, const TBooks& books, const TPortionChoices& c,
                           const std::vector<TFootnote>& footnotes)
{
    namespace O = PortionOpener;
    const bool colour = c.UseColor && (c.HighlightMemory || c.HighlightKeywords);
    TKeywordTags tags{"keyword tags"};
    // Without colour the keywords are bold, as in the question documents.
    InitKeywordColours(tags, c.HighlightKeywords ? c.KeywordLimit : 0);
    const TConcRefs noWords;

    WritePortionHeader(file);
    int memory = 1;
    const int memoryTotal = books.TotalMemoryVerses();
    std::size_t note = 0;
    bool keywordOpen = false;
    std::uint32_t lastTag = 0;
    int lastBook = 0;
    int remaining = 0;
    TMarkedText text;

    auto writeFootnote = [&](const TFootnote& f) {
        // A footnote closes the group it stands in and reopens a plain one: close the keyword
        // group first and carry the memory highlight over into the reopened group.
        if (keywordOpen) {
            file.Write("}");
            keywordOpen = false;
            lastTag = 0;
        }
        file.Write(O::FootnoteStart);
        file.WriteText(f.Text);
        file.Write(O::FootnoteEnd);
        if (remaining > 0 && colour)
            file.Write("\\highlight7 ");
    };

    for (int k = 1; k <= books.TotalVerses(); ++k) {
        const TVerseRef ref = books.RefOfVerseNo(k);
        if (books.ChapterNoOf(ref.Book, ref.Chapter) > c.ThroughChapter)
            break;
        if (ref.Book > lastBook) {
            if (lastBook != 0) {
                file.Write(" }{\\par \\column \\sect\\sbknone }{");
                file.EndLine();
            }
            file.Write(O::BookHeading);
            file.WriteText(books.BookName(ref.Book));
            file.Write(" \\par}");
            file.EndLine();
            lastBook = ref.Book;
        }
        if (books.IsSectionStart(ref)) {
            if (k > 1) {
                file.Write(" \\par}");
                file.EndLine();
            }
            file.Write(O::SectionHeading);
            file.WriteText(books.SectionTitleOf(ref));
            file.Write(" \\par}");
            file.EndLine();
            if (ref.Verse > 1)
                file.Write(O::Text);
        } else if (k > 1) {
            if (ref.Verse == 1) {
                file.Write(" \\par");
                file.EndLine();
            }
            file.Write("}");
            file.EndLine();
        }

        books.RenderVerse(ref, noWords, tags, false, static_cast<std::uint8_t>(tags[0]), text);

        if (ref.Verse == 1) {
            file.Write(O::Text);
            file.Write(O::ChapterNumber);
            file.WriteNumber(ref.Chapter);
            file.Write(" }{");
        } else {
            file.Write(O::Superscript);
            file.Write(" ");
            file.WriteNumber(ref.Verse);
            file.Write("}{");
        }

        if (c.HighlightMemory && memory <= memoryTotal) {
            const TMemoryVerse mv = books.MemoryVerse(memory);
            if (mv.Ref.SameVerse(ref)) {
                remaining = mv.VerseCount;
                ++memory;
            }
        }
        if (remaining > 0)
            file.Write(colour ? O::YellowHighlight : O::Underline);

        // Footnotes of verses not printed before this one (a verse that does not exist) are
        // passed over so that they cannot hold back the footnotes after them.
        const TFootnote here{ref.Book, ref.Chapter, ref.Verse, 0, {}};
        while (note < footnotes.size() && VerseKey(footnotes[note]) < VerseKey(here))
            ++note;
        auto due = [&](long p) {
            return note < footnotes.size() && VerseKey(footnotes[note]) == VerseKey(here)
                   && footnotes[note].Position <= p;
        };

        while (due(0))
            writeFootnote(footnotes[note++]);
        for (int p = 1; p <= text.Len; ++p) {
            if (c.HighlightKeywords && text.Tags[p] != lastTag) {
                if (keywordOpen)
                    file.Write("}");
                keywordOpen = text.Tags[p] != 0;
                if (keywordOpen)
                    file.Write(colour ? MarkOpener(text.Tags[p]) : std::string(O::Bold));
                lastTag = text.Tags[p];
            }
            file.WriteChar(text.Chars[p]);
            // A footnote placed beyond the verse's text is written at its end.
            while (due(p < text.Len ? p : std::numeric_limits<long>::max()))
                writeFootnote(footnotes[note++]);
        }
        if (keywordOpen) {
            file.Write("}");
            keywordOpen = false;
            lastTag = 0;
        }
        if (remaining > 0) {
            file.Write("}");
            --remaining;
        }
        file.Write(" ");
    }
    file.Write(" \\par}}");
    file.EndLine();
}

} // namespace sv
