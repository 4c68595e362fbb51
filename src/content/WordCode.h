#pragma once
// How every text of the content files is coded: a stream of (word code, separator code) pairs
// that the word list (TWords) turns into characters.
//
// Word code, 16 bits: bits 0..11 the word index (1..4095; 0 means no word, empty text),
// bit 0x1000 capitalise the first letter, bit 0x2000 use the stored letters as they are.
// Codes decoded from the text code may also carry bits 0x4000 and 0x8000 (ignored).
// Separator code, 8 bits: 0 no text, 1..SepCount index the separator table.
//
// Code stream (positions are indexes into a byte array), first byte b:
//   0x00..0x7F  1 byte   Frequent[b & 0x3F] (+0x1000 when b & 0x40), separator 1
//   0x80..0x9F  2 bytes  b*256 + next, separator 1
//   0xA0..0xBF  2 bytes  Frequent[b & 0x0F] (+0x1000 when b & 0x10), separator = next byte
//   0xC0..0xFF  3 bytes  b*256 + next, separator = third byte

#include "common/BoundedArray.h"

#include <cstdint>

namespace sv {

using TWordCode = std::uint16_t;
using TSeparatorCode = std::uint8_t;

inline constexpr TWordCode WordIndexMask = 0x0FFF;
inline constexpr TWordCode WordCapitalise = 0x1000;
inline constexpr TWordCode WordAsStored = 0x2000;

constexpr int WordIndexOf(TWordCode code) { return code & WordIndexMask; }

struct TWordPair {
    TWordCode WordCode = 0;
    TSeparatorCode SeparatorCode = 0;
    bool operator==(const TWordPair&) const = default;
};

inline constexpr int MaxWordPairs = 512;

// A decoded text: up to 512 pairs in text order.
struct TWordPairs {
    std::int16_t Count = 0;
    TFixedArray<TWordPair, 1, MaxWordPairs> Pairs{"word pairs"};

    // Appends a pair; a 513th is a range error.
    void Append(const TWordPair& p)
    {
        if (Count >= MaxWordPairs)
            ThrowRange("Range check error: more than 512 word pairs");
        Pairs[++Count] = p;
    }
};

// A coded byte stream (entry 0 unused, text at 1..size, a trailing byte at size + 1).
using TCodeStream = TDynArray<std::uint8_t>;

} // namespace sv
