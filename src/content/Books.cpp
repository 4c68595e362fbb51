#include "content/Books.h"

#include "common/Errors.h"
#include "common/FieldIO.h"
#include "content/ConcRefs.h"
#include "content/QuestionTypes.h"
#include "content/Words.h"

#include <memory>
#include <utility>

namespace sv {

template <class Self, class Io>
void TBookRec::Fields(Self& s, Io& io)
{
    io(s.EditFlag);
    io(s.BookAbbrev);
    io.CheckLength("BookAbbrev", s.BookAbbrev);
    io(s.BookName);
    io.CheckLength("BookName", s.BookName);
    io(s.ChapterCount);
    io.CheckCount("ChapterCount", s.ChapterCount, 0, MaxChapters);
    io(s.Spare), io(s.ChapterStart), io(s.VerseCount);
    io.CheckCount("VerseCount", s.VerseCount, 0, MaxVerses);
    io(s.TextLength), io(s.Placeholders), io(s.SectionCount);
    io.CheckCount("SectionCount", s.SectionCount, 0, MaxSections);
    io(s.Sections), io(s.ReservedTable), io(s.MemoryVerseCount);
    io.CheckCount("MemoryVerseCount", s.MemoryVerseCount, 0, MaxMemoryVerses);
    io(s.MemVerseStart), io(s.MemVerses);
    if (s.HasText()) {
        io.RequireBytes(2LL * (s.VerseCount + 1) + s.TextLength + 1LL, "verse text");
        io.Entries(s.VerseStart, 1, s.VerseCount + 1);
        io.Entries(s.TextCode, 1, s.TextLength + 1);
    }
}

template <class Self, class Io>
void TBooksData::Fields(Self& s, Io& io)
{
    io(s.BookCount);
    io.CheckCount("BookCount", s.BookCount, 0, MaxBooks);
    int chapters = 0, verses = 0;
    for (int i = 1; i <= s.BookCount; ++i) {
        io(s.Books[i]);
        chapters += s.Books[i].ChapterCount;
        verses += s.Books[i].VerseCount;
        io.CheckCount("total of chapters", chapters, 0, 127);
        io.CheckCount("total of verses", verses, 0, MaxVerses);
    }
}

TBooks::TBooks(const TWords& words) : m_words(words) { }

void TBooks::LoadFromFile(const std::string& path)
{
    TStreamReader r = TStreamReader::FromFile(path, TShortReads::Fail);
    LoadFromStream(r);
}

void TBooks::LoadFromStream(TStreamReader& r)
{
    auto d = std::make_unique<TBooksData>();
    TFieldReader io(r);
    TBooksData::Fields(*d, io);
    Data = std::move(*d);
}

void TBooks::FitTextArrays()
{
    for (int i = 1; i <= Data.BookCount; ++i) {
        TBookRec& b = Data.Books[i];
        if (b.EditFlag != 0) {
            b.VerseStart.setLength(b.VerseCount + 2LL);
            b.TextCode.setLength(b.TextLength + 2LL);
            b.EditFlag = 0;
        }
    }
}

void TBooks::SaveToStream(TStreamWriter& w)
{
    FitTextArrays();
    TFieldWriter io(w);
    TBooksData::Fields(std::as_const(Data), io);
}

const TBookRec& TBooks::Book(int book) const
{
    if (book < 1 || book > Data.BookCount)
        ThrowIndex("book", book, 1, Data.BookCount);
    return Data.Books[book];
}

std::string TBooks::BookAbbrev(int book) const { return Book(book).BookAbbrev.text(); }
std::string TBooks::BookName(int book) const { return Book(book).BookName.text(); }
int TBooks::ChapterCount(int book) const { return Book(book).ChapterCount; }

int TBooks::VersesInChapter(int book, int chapter) const
{
    if (chapter < 1 || chapter > MaxChapters)
        ThrowIndex("chapter", chapter, 1, MaxChapters);
    const TBookRec& b = Book(book);
    const int n = b.ChapterStart[chapter + 1] - b.ChapterStart[chapter];
    if (n < 0 || n > 255)
        ThrowRange("Range check error: chapter " + std::to_string(chapter) + " of book " + std::to_string(book)
                   + " has " + std::to_string(n) + " verses");
    return n;
}

int TBooks::TotalChapters() const
{
    int n = 0;
    for (int b = 1; b <= Data.BookCount; ++b)
        n += Data.Books[b].ChapterCount;
    if (n >= 128)
        ThrowRange("Range check error: " + std::to_string(n) + " chapters in all");
    return n;
}

int TBooks::TotalVerses() const
{
    int n = 0;
    for (int b = 1; b <= Data.BookCount; ++b)
        for (int c = 1; c <= Data.Books[b].ChapterCount; ++c)
            n += VersesInChapter(b, c);
    return n;
}

int TBooks::ChapterNoOf(int book, int chapter) const
{
    int n = chapter;
    for (int b = 1; b < book; ++b)
        n += ChapterCount(b);
    if (n < 1 || n >= 128)
        ThrowIndex("chapter number", n, 1, 127);
    return n;
}

TVerseRef TBooks::RefOfChapterNo(int chapterNo) const
{
    if (chapterNo < 1)
        ThrowIndex("chapter number", chapterNo, 1, 127);
    int book = 1, chapter = 0;
    for (int i = 0; i < chapterNo; ++i) {
        if (ChapterCount(book) < chapter + 1) {
            ++book;
            chapter = 1;
        } else {
            ++chapter;
        }
    }
    ChapterCount(book); // the book must exist
    return TVerseRef(book, chapter, 0);
}

int TBooks::VerseNoOf(const TVerseRef& ref) const
{
    Book(ref.Book);
    int n = 0;
    for (int b = 1; b < ref.Book; ++b)
        for (int c = 1; c <= Data.Books[b].ChapterCount; ++c)
            n += VersesInChapter(b, c);
    for (int c = 1; c < ref.Chapter; ++c)
        n += VersesInChapter(ref.Book, c);
    n += ref.Verse;
    if (n > 32767)
        ThrowRange("Range check error: verse number " + std::to_string(n));
    return n;
}

TVerseRef TBooks::RefOfVerseNo(int verseNo) const
{
    if (verseNo >= 1) {
        int n = verseNo;
        for (int b = 1; b <= Data.BookCount; ++b)
            for (int c = 1; c <= Data.Books[b].ChapterCount; ++c) {
                const int v = VersesInChapter(b, c);
                if (v < n)
                    n -= v;
                else
                    return TVerseRef(b, c, n);
            }
    }
    ThrowIndex("verse number", verseNo, 1, TotalVerses());
}

std::string TBooks::ChapterLabel(int chapterNo) const
{
    const TVerseRef r = RefOfChapterNo(chapterNo);
    return BookAbbrev(r.Book) + std::to_string(r.Chapter);
}

std::string TBooks::VerseLabel(int verseNo) const
{
    const TVerseRef r = RefOfVerseNo(verseNo);
    return BookName(r.Book) + " " + std::to_string(r.Chapter) + ":" + std::to_string(r.Verse);
}

int TBooks::SectionIndexOf(const TVerseRef& ref) const
{
    const int vn = VerseNoOf(ref);
    const TBookRec& b = Book(ref.Book);
    for (int i = b.SectionCount; i >= 1; --i)
        if (b.Sections[i].VerseNo <= vn)
            return i;
    return 0;
}

std::string TBooks::SectionTitleOf(const TVerseRef& ref) const
{
    const int i = SectionIndexOf(ref);
    if (i == 0)
        ThrowRange("Range check error: verse " + std::to_string(ref.Chapter) + ":" + std::to_string(ref.Verse)
                   + " precedes every section of its book");
    return Book(ref.Book).Sections[i].Title.text();
}

bool TBooks::IsSectionStart(const TVerseRef& ref) const
{
    const int vn = VerseNoOf(ref);
    const TBookRec& b = Book(ref.Book);
    bool found = false;
    for (int i = 1; i <= b.SectionCount; ++i) {
        if (b.Sections[i].VerseNo > vn)
            break;
        if (b.Sections[i].VerseNo == vn)
            found = true;
    }
    return found;
}

bool TBooks::IsAnySectionStart(int verseNo) const
{
    for (int b = 1; b <= Data.BookCount; ++b) {
        const TBookRec& rec = Data.Books[b];
        for (int i = 1; i <= rec.SectionCount; ++i)
            if (rec.Sections[i].VerseNo == verseNo)
                return true;
    }
    return false;
}

int TBooks::MemoryVerseCount(int book) const { return Book(book).MemoryVerseCount; }

int TBooks::TotalMemoryVerses() const
{
    int n = 0;
    for (int b = 1; b <= Data.BookCount; ++b)
        n += Data.Books[b].MemoryVerseCount;
    return n;
}

TMemoryVerse TBooks::MemoryVerse(int n) const
{
    if (n < 1)
        ThrowIndex("memory verse", n, 1, TotalMemoryVerses());
    int book = 1;
    while (MemoryVerseCount(book) < n) {
        n -= MemoryVerseCount(book);
        ++book;
    }
    const TMemVerseRec& m = Book(book).MemVerses[n];
    return {TVerseRef(book, m.Chapter, m.Verse, m.PromptWords), m.VerseCount};
}

int TBooks::MemoryVerseNoOf(const TVerseRef& ref) const
{
    int n = 0;
    for (int b = 1; b <= Data.BookCount; ++b) {
        const TBookRec& rec = Data.Books[b];
        for (int j = 1; j <= rec.MemoryVerseCount; ++j) {
            ++n;
            if (b == ref.Book && rec.MemVerses[j].Chapter == ref.Chapter && rec.MemVerses[j].Verse == ref.Verse)
                return n;
        }
    }
    return 1;
}

bool TBooks::IsMemoryVerseRun(int questionType, const TVerseRef& ref) const
{
    const int run = VerseRunOfType(questionType);
    const TBookRec& b = Book(ref.Book);
    if (ref.Chapter < 1 || ref.Chapter > MaxChapters)
        ThrowIndex("chapter", ref.Chapter, 1, MaxChapters);
    const int first = b.MemVerseStart[ref.Chapter];
    if (first < 1)
        return false;
    // The chapter's entries end where the next chapter that has entries begins.
    int after = b.MemoryVerseCount + 1;
    for (int c = ref.Chapter + 1; c <= 30; ++c)
        if (b.MemVerseStart[c] >= 1) {
            after = b.MemVerseStart[c];
            break;
        }
    for (int j = first; j + run - 1 < after; ++j) {
        bool match = true;
        for (int k = 0; k < run && match; ++k)
            match = b.MemVerses[j + k].Verse == ref.Verse + k;
        if (match)
            return true;
    }
    return false;
}

void TBooks::GetPassageWords(const TVerseRef& ref, int n, TWordPairs& out) const
{
    out.Count = 0;
    const TBookRec& b = Book(ref.Book);
    if (ref.Chapter < 1 || ref.Chapter > MaxChapters)
        ThrowIndex("chapter", ref.Chapter, 1, MaxChapters);
    const long long i = b.ChapterStart[ref.Chapter] + ref.Verse - 1LL;
    long long p = b.VerseStart[i];
    const long long end = b.VerseStart[i + n];
    while (end > p)
        out.Append(m_words.DecodePair(b.TextCode, p));
}

void TBooks::RenderVerse(const TVerseRef& ref, const TConcRefs& refs, const TKeywordTags& tags, bool markAll,
                         std::uint8_t useLimit, TMarkedText& target) const
{
    target.Len = 0;
    const TBookRec& b = Book(ref.Book);
    if (ref.Chapter < 1 || ref.Chapter > MaxChapters)
        ThrowIndex("chapter", ref.Chapter, 1, MaxChapters);
    const long long i = b.ChapterStart[ref.Chapter] + ref.Verse - 1LL;
    long long p = b.VerseStart[i];
    const long long end = b.VerseStart[i + 1];
    std::string word, sep;
    while (end > p) {
        const long long at = p;
        const TWordCode code = m_words.DecodePair(b.TextCode, p).WordCode;
        p = at;
        m_words.DecodePairText(b.TextCode, p, word, sep);
        if (!word.empty()) {
            const int use = m_words.UseCountOf(code);
            const std::uint32_t tag =
                (useLimit == 255 || use > useLimit) ? 0 : static_cast<std::uint32_t>(tags[1 + use]);
            std::uint8_t mark = 0;
            if (markAll || refs.HasWord(code))
                mark = MarkBold;
            else if (refs.WordsCount == 0 && tag != 0)
                mark = MarkBold;
            target.Append(word, tag, mark);
        }
        target.Append(sep, 0, markAll ? MarkBold : 0);
    }
    target.Terminate();
    target.RevealPos = 1;
}

} // namespace sv
