#pragma once
// QuestionId: a question's identity in 16 bits, collection (0..7) in the top 3 bits and the
// question index (1..8191) in the low 13 bits.

#include <cstdint>

namespace sv {

using TQuestionId = std::uint16_t;

inline constexpr int MaxCollections = 8;
inline constexpr int MaxQuestionsPerCollection = 8191;

constexpr TQuestionId QuestionId(int collection, int index)
{
    return static_cast<TQuestionId>((collection << 13) | (index & 0x1FFF));
}
constexpr int CollectionOfId(TQuestionId id) { return id >> 13; }
constexpr int IndexOfId(TQuestionId id) { return id & 0x1FFF; }

} // namespace sv
