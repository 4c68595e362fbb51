#pragma once
// Writes (word code, separator code) pairs in the shortest form the text code allows:
//   1 byte   a frequent word (slot 1..63) followed by separator 1 (a space)
//   2 bytes  any word without bit 0x2000 followed by separator 1
//   2 bytes  a frequent word in slots 1..15 with any separator
//   3 bytes  any word (case bits included) with any separator
// A word index of 0 (a text that starts with punctuation) is written in a 2- or 3-byte form.

#include "content/WordCode.h"

#include <cstdint>
#include <vector>

namespace sv::content {

// frequentSlot: the word's slot in the frequent table (1..63), 0 when it is not frequent.
void EncodePair(TWordCode code, TSeparatorCode sep, int frequentSlot, std::vector<std::uint8_t>& out);

} // namespace sv::content
