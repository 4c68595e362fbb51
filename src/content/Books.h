#pragma once
// TBooks: the scripture text of the material (at most five books), its chapter and verse
// structure, section headings and memory-verse entries. Read once from "wf.bk" after the word
// list; read-only afterwards. Verse text stays coded (word list codes) and is decoded on demand.
//
// The file fields live in public records (Data) so that the content compiler can fill a store
// and write it with SaveToStream. Book numbers are 1..BookCount; a book outside that range is
// a range error.

#include "common/BoundedArray.h"
#include "common/LeStream.h"
#include "common/ShortString.h"
#include "content/ItemList.h"
#include "content/MarkedText.h"
#include "content/VerseRef.h"
#include "content/WordCode.h"

#include <array>
#include <cstdint>
#include <string>

namespace sv {

class TWords;
class TConcRefs;

// A section heading, 108 bytes in the file.
struct TSectionRec {
    std::uint8_t Reserved0 = 0;
    std::uint8_t Chapter = 0;
    std::uint8_t Verse = 0;
    std::uint8_t Reserved3 = 0;
    std::int16_t VerseNo = 0; // global number of the first verse
    TShortString<100> Title;  // an empty title ends the list for display
    std::uint8_t Reserved107 = 0;
    bool operator==(const TSectionRec&) const = default;

    template <class Self, class Io>
    static void Fields(Self& s, Io& io)
    {
        io(s.Reserved0), io(s.Chapter), io(s.Verse), io(s.Reserved3), io(s.VerseNo), io(s.Title);
        io(s.Reserved107);
    }
};

// A memory-verse entry, 5 bytes in the file.
struct TMemVerseRec {
    std::uint8_t Chapter = 0;
    std::uint8_t Verse = 0;
    std::uint8_t PromptWords = 0;
    std::int8_t VerseCount = 0; // 1 for a single verse, n for n consecutive verses
    std::uint8_t Reserved4 = 0;
    bool operator==(const TMemVerseRec&) const = default;

    template <class Self, class Io>
    static void Fields(Self& s, Io& io)
    {
        io(s.Chapter), io(s.Verse), io(s.PromptWords), io(s.VerseCount), io(s.Reserved4);
    }
};

inline constexpr int MaxBooks = 5;
inline constexpr int MaxChapters = 29;
inline constexpr int MaxSections = 255;
inline constexpr int MaxVerses = 1200;
inline constexpr int MaxMemoryVerses = 1200;
inline constexpr int BookBlockFixedSize = 36097;

// One book block of the scripture file.
struct TBookRec {
    std::uint8_t EditFlag = 0; // non-zero: the text arrays may be larger than their counts
    TShortString<3> BookAbbrev;
    TShortString<13> BookName;
    std::uint8_t ChapterCount = 0;
    std::uint8_t Spare = 0;
    TFixedArray<std::int16_t, 1, 30> ChapterStart{"ChapterStart"};
    std::int16_t VerseCount = 0;
    std::uint16_t TextLength = 0;
    std::array<std::uint8_t, 8> Placeholders{}; // not used; written back as read
    std::uint16_t SectionCount = 0;
    TFixedArray<TSectionRec, 1, MaxSections> Sections{"Sections"};
    TFixedArray<std::int16_t, 1, 1200> ReservedTable{"reserved table"};
    std::int16_t MemoryVerseCount = 0;
    TFixedArray<std::int16_t, 1, 30> MemVerseStart{"MemVerseStart"};
    TFixedArray<TMemVerseRec, 1, MaxMemoryVerses> MemVerses{"MemVerses"};
    TDynArray<std::uint16_t> VerseStart{"VerseStart"}; // entries 0..VerseCount+1
    TDynArray<std::uint8_t> TextCode{"TextCode"};      // entries 0..TextLength+1

    bool HasText() const { return VerseCount > 0 && TextLength > 0; }

    // The block's field list with the reader's checks (Books.cpp).
    template <class Self, class Io>
    static void Fields(Self& s, Io& io);
};

struct TBooksData {
    std::uint8_t BookCount = 0;
    TFixedArray<TBookRec, 1, MaxBooks> Books{"Books"};

    template <class Self, class Io>
    static void Fields(Self& s, Io& io);
};

// A memory-verse entry as MemoryVerse returns it.
struct TMemoryVerse {
    TVerseRef Ref; // with PromptWords
    int VerseCount = 0;
};

class TBooks {
public:
    explicit TBooks(const TWords& words);

    TBooksData Data;
    const TWords& Words() const { return m_words; }

    // Scripture file. LoadFromFile throws EFileError "Cannot open file " + path; a truncated
    // file or a count beyond the data model is an ERangeError.
    void LoadFromFile(const std::string& path);
    void LoadFromStream(TStreamReader& r);
    void SaveToStream(TStreamWriter& w); // calls FitTextArrays first
    void FitTextArrays();

    int BookCount() const { return Data.BookCount; }
    std::string BookAbbrev(int book) const;
    std::string BookName(int book) const;
    int ChapterCount(int book) const;
    const TBookRec& Book(int book) const; // range-checked against BookCount

    int VersesInChapter(int book, int chapter) const;
    int TotalChapters() const; // below 128
    int TotalVerses() const;
    int ChapterNoOf(int book, int chapter) const;
    TVerseRef RefOfChapterNo(int chapterNo) const; // Verse 0
    int VerseNoOf(const TVerseRef& ref) const;
    TVerseRef RefOfVerseNo(int verseNo) const;     // PromptWords 0
    std::string ChapterLabel(int chapterNo) const; // abbreviation + chapter
    std::string VerseLabel(int verseNo) const;     // name + " " + chapter + ":" + verse

    std::string SectionTitleOf(const TVerseRef& ref) const;
    int SectionIndexOf(const TVerseRef& ref) const;
    bool IsSectionStart(const TVerseRef& ref) const;
    bool IsAnySectionStart(int verseNo) const;

    int MemoryVerseCount(int book) const;
    int TotalMemoryVerses() const;
    TMemoryVerse MemoryVerse(int n) const;
    int MemoryVerseNoOf(const TVerseRef& ref) const; // 1 when there is none
    bool IsMemoryVerseRun(int questionType, const TVerseRef& ref) const;

    void FillChapterCombo(TItemList& list) const;
    void FillChapterList(TCheckItemList& list) const;
    void FillSectionList(TCheckItemList& list) const;
    void FillVerseList(TCheckItemList& list) const;
    void FillMemoryVerseList(TCheckItemList& list) const;

    // Decodes n verses starting at ref (may run on into the next chapters of the book).
    void GetPassageWords(const TVerseRef& ref, int n, TWordPairs& out) const;
    void RenderVerse(const TVerseRef& ref, const TConcRefs& refs, const TKeywordTags& tags, bool markAll,
                     std::uint8_t useLimit, TMarkedText& target) const;

    // Question wording made from scripture text alone (modes: 0 quote, 1 finish, 2 finish
    // with reference, 3 "according to").
    void ComposeVerseQuestion(const TVerseRef& ref, int n, const TKeywordTags& tags, TMarkedText& answer,
                              TMarkedText& question, bool plainWords, bool keywordsOnly, int mode) const;
    void ComposeMemoryQuestion(int number, int mode, const TKeywordTags& tags, TMarkedText& answer,
                               TMarkedText& question, bool keywordsOnly) const;
    void ComposeAccordingTo(int verseNo, TMarkedText& question, const TKeywordTags& tags, TMarkedText& answer) const;

private:
    const TWords& m_words;
};

} // namespace sv
