#pragma once
// TMarkedText: display text of at most 999 single-byte (Windows-1252) characters with a colour
// tag and a style per character, plus the reveal and stop positions a revealing display uses.
// Verse rendering (TBooks::RenderVerse) and question composition fill it; the study window,
// the game and the word study draw it.
//
// TKeywordTags: the 257-entry keyword colour table. Entry 0 is the keyword use limit (words
// used at most this many times are keywords; below 1 means no keyword tagging); entry 1 + k
// is the colour (0x00BBGGRR, 0 = no highlight) of a word whose use count is k, k = 0..255.

#include "common/BoundedArray.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sv {

inline constexpr int MarkedTextCapacity = 999;

// Per-character styles (combinable).
inline constexpr std::uint8_t MarkBold = 1;
inline constexpr std::uint8_t MarkUnderline = 4;
// Tag of reference and marker characters (appended references, the prejump bars).
inline constexpr std::uint32_t TagReference = 255;

// Keyword colours set by InitKeywordColours.
inline constexpr std::int32_t ColourUse1 = 0x0000FF;   // red
inline constexpr std::int32_t ColourUse2 = 0xFF0000;   // blue
inline constexpr std::int32_t ColourUse3 = 0x808000;   // teal
inline constexpr std::int32_t ColourUse4Up = 0x008080; // olive

struct TMarkedText {
    std::int16_t RevealPos = 0;
    std::int16_t StopPos = 0;
    std::int16_t Len = 0;
    TFixedArray<char, 1, 1000> Chars{"marked text"};
    TFixedArray<std::uint32_t, 1, 1000> Tags{"marked text tags"};
    TFixedArray<std::uint8_t, 1, 1000> Marks{"marked text marks"};

    // Appends one character after Len; a 1000th character is a range error.
    void Append(char c, std::uint32_t tag = 0, std::uint8_t mark = 0);
    void Append(std::string_view text, std::uint32_t tag = 0, std::uint8_t mark = 0);
    // Zeroes Tags and Marks at positions 1..1000.
    void ClearTagsAndMarks();
    // Writes the NUL after the last character (Chars[Len + 1]).
    void Terminate();
    // Characters 1..Len as bytes.
    std::string Text() const;
};

using TKeywordTags = TFixedArray<std::int32_t, 0, 256>;
using KeywordTags = TKeywordTags;

// Fills the table for a keyword use limit (the dialogs pass 0..9; 0 turns highlighting off).
void InitKeywordColours(TKeywordTags& table, int limit);

} // namespace sv
