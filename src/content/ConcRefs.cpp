#include "content/ConcRefs.h"

#include "common/Errors.h"
#include "content/Books.h"
#include "content/Words.h"

#include <vector>

namespace sv {

TConcRefs::TConcRefs(const TConcRefs& other) { *this = other; }

TConcRefs& TConcRefs::operator=(const TConcRefs& other)
{
    if (this == &other)
        return *this;
    Refs.fill(TVerseRef());
    Words.fill(0);
    Count = other.Count;
    WordsCount = other.WordsCount;
    for (int i = 1; i <= Count; ++i)
        Refs[i] = other.Refs[i];
    for (int i = 1; i <= WordsCount; ++i)
        Words[i] = other.Words[i];
    return *this;
}

void TConcRefs::Clear()
{
    for (TVerseRef& r : Refs) {
        r.Book = 0;
        r.Chapter = 0;
        r.Verse = 0;
    }
    Count = 0;
    WordsCount = 0;
}

void TConcRefs::Append(const TVerseRef& ref) { Refs[++Count] = ref; }

void TConcRefs::FillAllVerses(const TBooks& books)
{
    Count = 0;
    for (int b = 1; b <= books.BookCount(); ++b)
        for (int c = 1; c <= books.ChapterCount(b); ++c)
            for (int v = 1, n = books.VersesInChapter(b, c); v <= n; ++v)
                Append(TVerseRef(b, c, v));
}

void TConcRefs::LimitToChapters(const TBooks& books, int chapterNo)
{
    const TVerseRef last = books.RefOfChapterNo(chapterNo);
    for (int i = 1; i <= Count; ++i) {
        const TVerseRef& r = Refs[i];
        if (r.Book > last.Book || (r.Book == last.Book && r.Chapter > last.Chapter)) {
            Count = i - 1;
            return;
        }
    }
}

void TConcRefs::AddWord(const TBooks& books, int wordIndex)
{
    if (WordsCount >= 100)
        ThrowIndex("chosen words", WordsCount + 1, 1, 100);
    ++WordsCount;
    Words[WordsCount] = static_cast<std::uint16_t>(wordIndex);

    std::vector<TVerseRef> copy(Refs.begin(), Refs.begin() + Count);
    std::vector<TVerseRef> occ;
    const TWords& words = books.Words();
    for (int e = words.FirstOccurrence(wordIndex), last = words.LastOccurrence(wordIndex); e <= last; ++e) {
        const int vn = words.Occurrence(e);
        if (vn < 0)
            ThrowRange("Range check error: negative verse number in occurrence " + std::to_string(e));
        occ.push_back(books.RefOfVerseNo(vn));
    }
    Count = 0;
    std::size_t i = 0, j = 0;
    while (i < copy.size() && j < occ.size()) {
        const std::uint8_t c = CompareRefs(copy[i], occ[j]);
        if (c == 0) {
            Append(copy[i++]);
            ++j;
        } else if (c == 1) {
            Append(copy[i++]);
        } else {
            Append(occ[j++]);
        }
    }
    while (i < copy.size())
        Append(copy[i++]);
    while (j < occ.size())
        Append(occ[j++]);
}

bool TConcRefs::HasWord(TWordCode code) const
{
    for (int i = 1; i <= WordsCount; ++i)
        if (Words[i] == WordIndexOf(code))
            return true;
    return false;
}

std::string TConcRefs::WordsText(const TWords& words) const
{
    std::string s;
    for (int i = 1; i <= WordsCount; ++i) {
        if (i > 1)
            s += ", ";
        // Proper names (groups 5..8) keep their capital, as the word list shows them.
        const int w = Words[i];
        const int category = words.CategoryOf(w);
        const bool properName = category >= 5 && category <= 8;
        s += "\"" + words.WordText(properName ? (w | 0x1000) : w) + "\"";
    }
    return s;
}

} // namespace sv
