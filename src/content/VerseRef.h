#pragma once
// A verse reference: book, chapter, verse and (for memory-verse entries only) the number of
// prompt words, passed packed in one 32-bit value with the book in the lowest byte.
// Global numbers: TVerseNo is the 1-based position of a verse across all books in file order,
// TChapterNo the 1-based position of a chapter; TBooks (Books.h) converts both ways.

#include <cstdint>

namespace sv {

using TVerseNo = std::int16_t;   // 1..32767 (at most 1200 verses in practice)
using TChapterNo = std::uint8_t; // 1..127

struct TVerseRef {
    std::uint8_t Book = 0;        // 1..5, file order
    std::uint8_t Chapter = 0;     // 1..29
    std::uint8_t Verse = 0;       // 1-based within the chapter
    std::uint8_t PromptWords = 0; // memory-verse entries only; 0 elsewhere

    constexpr TVerseRef() = default;
    constexpr TVerseRef(int book, int chapter, int verse, int promptWords = 0)
        : Book(static_cast<std::uint8_t>(book)), Chapter(static_cast<std::uint8_t>(chapter)),
          Verse(static_cast<std::uint8_t>(verse)), PromptWords(static_cast<std::uint8_t>(promptWords))
    { }

    // Book in bits 0..7, Chapter 8..15, Verse 16..23, PromptWords 24..31.
    constexpr std::uint32_t Packed() const
    {
        return static_cast<std::uint32_t>(Book) | (static_cast<std::uint32_t>(Chapter) << 8)
               | (static_cast<std::uint32_t>(Verse) << 16) | (static_cast<std::uint32_t>(PromptWords) << 24);
    }
    static constexpr TVerseRef FromPacked(std::uint32_t v)
    {
        return TVerseRef(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, (v >> 24) & 0xFF);
    }

    // Same book, chapter and verse (PromptWords ignored).
    constexpr bool SameVerse(const TVerseRef& o) const
    {
        return Book == o.Book && Chapter == o.Chapter && Verse == o.Verse;
    }
    // All four bytes equal.
    constexpr bool operator==(const TVerseRef&) const = default;
};

// Compares by Book, then Chapter, then Verse (PromptWords ignored):
// 0 when equal, 1 when a is smaller, 255 when a is larger.
constexpr std::uint8_t CompareRefs(const TVerseRef& a, const TVerseRef& b)
{
    if (a.Book != b.Book)
        return a.Book < b.Book ? 1 : 255;
    if (a.Chapter != b.Chapter)
        return a.Chapter < b.Chapter ? 1 : 255;
    if (a.Verse != b.Verse)
        return a.Verse < b.Verse ? 1 : 255;
    return 0;
}

constexpr bool RefLess(const TVerseRef& a, const TVerseRef& b) { return CompareRefs(a, b) == 1; }

} // namespace sv
