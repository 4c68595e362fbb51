#pragma once
// The four ways of choosing material; the number is the kind a selection frame shows.

#include <cstdint>

namespace sv {

enum class TSelectionKind : std::uint8_t { ByChapter = 0, ByVerse = 1, BySection = 2, ByMemory = 3 };

} // namespace sv
