#pragma once
// Which memory-verse questions a person asks for: the user file's MemVerseTypes and the
// memory verse list's kind.

namespace sv {

inline constexpr int MemoryKindFinish = 0; // "Finish this verse" and give the reference
inline constexpr int MemoryKindQuote = 1;  // "Quote"
inline constexpr int MemoryKindBoth = 2;   // both, one random draw per verse

} // namespace sv
