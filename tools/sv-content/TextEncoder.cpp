#include "TextEncoder.h"

#include "common/Errors.h"

namespace sv::content {

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

} // namespace sv::content
