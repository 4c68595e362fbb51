#pragma once
// The knowledge byte: what the person knows of one question, memory verse or verse.
// Bits 0-2 hold the level (0..7), bits 3-7 the count of right answers given at level 7
// (0..31). Exactly 7 (level 7, count 0) means untried; every item starts so.

#include <cstdint>

namespace sv {

inline constexpr std::uint8_t KnowledgeUntried = 7;

enum class TKnowledgeClass { Untried, Unmastered, CorrectFewerThan3, Mastered };

constexpr int KnowledgeLevel(std::uint8_t b) { return b & 7; }
constexpr int KnowledgeCount(std::uint8_t b) { return b >> 3; }

constexpr bool IsTried(std::uint8_t b) { return b != KnowledgeUntried; }
constexpr bool IsUnmastered(std::uint8_t b) { return KnowledgeLevel(b) < 7; }
// Level 7 with at least three counted right answers. A byte above 23 whose level has dropped
// (31 answered wrong gives 29) is unmastered, not mastered, until its level is back at 7.
constexpr bool IsMastered(std::uint8_t b) { return KnowledgeLevel(b) == 7 && b > 23; }

constexpr TKnowledgeClass ClassOf(std::uint8_t b)
{
    if (b == KnowledgeUntried)
        return TKnowledgeClass::Untried;
    if (KnowledgeLevel(b) < 7)
        return TKnowledgeClass::Unmastered;
    if (IsMastered(b))
        return TKnowledgeClass::Mastered;
    return TKnowledgeClass::CorrectFewerThan3;
}

// A wrong answer: down two levels above level 1, one at level 1, none at 0; the count stays.
constexpr std::uint8_t ApplyWrong(std::uint8_t b)
{
    const int level = KnowledgeLevel(b);
    if (level > 1)
        return static_cast<std::uint8_t>(b - 2);
    if (level == 1)
        return static_cast<std::uint8_t>(b - 1);
    return b;
}

// Answer rule for questions and memory verses: a right answer raises the level and, once
// the level is 7, counts (so the answer that reaches level 7 also counts).
constexpr std::uint8_t ApplyAnswer(std::uint8_t b, bool right)
{
    if (!right)
        return ApplyWrong(b);
    if (KnowledgeLevel(b) < 7)
        ++b;
    if (KnowledgeLevel(b) == 7 && b < 248)
        b = static_cast<std::uint8_t>(b + 8);
    return b;
}

// Answer rule for references: a right answer raises the level or, at level 7, counts;
// the answer that reaches level 7 does not count.
constexpr std::uint8_t ApplyReferenceAnswer(std::uint8_t b, bool right)
{
    if (!right)
        return ApplyWrong(b);
    if (KnowledgeLevel(b) < 7)
        return static_cast<std::uint8_t>(b + 1);
    if (b < 248)
        return static_cast<std::uint8_t>(b + 8);
    return b;
}

} // namespace sv
