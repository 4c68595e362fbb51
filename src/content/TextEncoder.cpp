#include "content/TextEncoder.h"

#include "common/Errors.h"
#include "common/Win1252.h"
#include "content/Words.h"

namespace sv {

void EncodePair(TWordCode code, TSeparatorCode sep, int frequentSlot, std::vector<std::uint8_t>& out)
{
    const int index = WordIndexOf(code);
    const bool cap = (code & WordCapitalise) != 0;
    const bool asStored = (code & WordAsStored) != 0;
    if (index == 0 && (cap || asStored))
        ThrowRange("word code without a word carries case bits");
    if (frequentSlot < 0 || frequentSlot > 63 || (frequentSlot > 0 && index == 0))
        ThrowRange("bad frequent-word slot " + std::to_string(frequentSlot));
    if (sep == 1 && !asStored) {
        if (frequentSlot >= 1) {
            out.push_back(static_cast<std::uint8_t>(frequentSlot | (cap ? 0x40 : 0)));
            return;
        }
        out.push_back(static_cast<std::uint8_t>(0x80 | (cap ? 0x10 : 0) | (index >> 8)));
        out.push_back(static_cast<std::uint8_t>(index & 0xFF));
        return;
    }
    if (!asStored && frequentSlot >= 1 && frequentSlot <= 15) {
        out.push_back(static_cast<std::uint8_t>(0xA0 | frequentSlot | (cap ? 0x10 : 0)));
        out.push_back(sep);
        return;
    }
    out.push_back(static_cast<std::uint8_t>(0xC0 | (asStored ? 0x20 : 0) | (cap ? 0x10 : 0) | (index >> 8)));
    out.push_back(static_cast<std::uint8_t>(index & 0xFF));
    out.push_back(sep);
}

std::optional<TWordCode> CaseBitsFor(const std::string& stored, const std::string& written)
{
    const std::string lower = LowerAscii(stored);
    if (written == lower)
        return TWordCode{0};
    std::string capitalised = lower;
    if (!capitalised.empty() && capitalised[0] >= 'a' && capitalised[0] <= 'z')
        capitalised[0] = static_cast<char>(capitalised[0] - 'a' + 'A');
    if (written == capitalised)
        return WordCapitalise;
    if (written == stored)
        return WordAsStored;
    return std::nullopt;
}

TTextEncoder::TTextEncoder(const TWordsData& words, TWordLookup word, TSeparatorLookup separator)
    : m_word(std::move(word)), m_separator(std::move(separator))
{
    // A word listed twice keeps its first (lowest) slot.
    for (int s = 63; s >= 1; --s) {
        const int w = words.Frequent[s];
        if (w >= 1 && w <= WordIndexMask)
            m_slot[static_cast<std::size_t>(w)] = static_cast<std::uint8_t>(s);
    }
}

int TTextEncoder::FrequentSlot(int wordIndex) const
{
    if (wordIndex < 0 || wordIndex > WordIndexMask)
        return 0;
    return m_slot[static_cast<std::size_t>(wordIndex)];
}

void TTextEncoder::Append(const std::vector<TToken>& tokens, std::vector<std::uint8_t>& out) const
{
    for (const TToken& t : tokens) {
        const TWordCode code = t.Word.empty() ? TWordCode{0} : m_word(t.Word);
        if (!t.Word.empty() && WordIndexOf(code) == 0)
            ThrowRange("word \"" + t.Word + "\" has no code");
        const TSeparatorCode sep = t.Sep.empty() ? TSeparatorCode{0} : m_separator(t.Sep);
        EncodePair(code, sep, FrequentSlot(WordIndexOf(code)), out);
    }
}

std::vector<std::uint8_t> TTextEncoder::Encode(const std::vector<TToken>& tokens) const
{
    std::vector<std::uint8_t> out;
    Append(tokens, out);
    return out;
}

} // namespace sv
