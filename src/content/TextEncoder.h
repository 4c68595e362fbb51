#pragma once
// Codes texts as (word code, separator code) pair streams, the inverse of TWords::DecodePair.
//
// EncodePair writes one pair in the shortest form the text code allows:
//   1 byte   a frequent word (slot 1..63) followed by separator 1 (a space)
//   2 bytes  any word without bit 0x2000 followed by separator 1
//   2 bytes  a frequent word in slots 1..15 with any separator
//   3 bytes  any word (case bits included) with any separator
// A word index of 0 (a text that starts with punctuation) is written in a 2- or 3-byte form.
//
// TTextEncoder codes whole tokenised texts against one word list: the caller's lookups give
// each word's code (index and case bits) and each separator's code; the list's frequent
// table decides where the compact forms apply.

#include "content/Tokenizer.h"
#include "content/WordCode.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sv {

struct TWordsData;

// frequentSlot: the word's slot in the frequent table (1..63), 0 when it is not frequent.
void EncodePair(TWordCode code, TSeparatorCode sep, int frequentSlot, std::vector<std::uint8_t>& out);

// The case bits that render `written` from a word stored as `stored` (ASCII case rules):
// 0 for the lower-case form, WordCapitalise for the lower-case form with a capital first
// letter, WordAsStored for the stored letters as they are; nothing when none of them does.
std::optional<TWordCode> CaseBitsFor(const std::string& stored, const std::string& written);

class TTextEncoder {
public:
    // The code of a non-empty word (index and case bits); throws when the word has none.
    using TWordLookup = std::function<TWordCode(const std::string& word)>;
    // The code of a non-empty separator; throws when the separator has none.
    using TSeparatorLookup = std::function<TSeparatorCode(const std::string& separator)>;

    // words: the list whose frequent table is used; its other fields are not read.
    TTextEncoder(const TWordsData& words, TWordLookup word, TSeparatorLookup separator);

    // The frequent-table slot (1..63) of a word index, 0 when the word is not frequent.
    int FrequentSlot(int wordIndex) const;

    // Appends the code of the tokens to out. An empty word is code 0, an empty separator 0.
    void Append(const std::vector<TToken>& tokens, std::vector<std::uint8_t>& out) const;
    std::vector<std::uint8_t> Encode(const std::vector<TToken>& tokens) const;

private:
    TWordLookup m_word;
    TSeparatorLookup m_separator;
    std::array<std::uint8_t, WordIndexMask + 1> m_slot{};
};

} // namespace sv
