#pragma once
// QuestionId: a question's identity in 16 bits, collection (0..7) in the top 3 bits and the
// question index (1..8191) in the low 13 bits. Files and records store it in this form.
//
// TQuestionAddr: the same identity in memory, collection and index as two numbers. Methods
// that address one question take and return it; it packs into a TQuestionId where one is
// stored and unpacks from one where one is read. Ordered by collection, then index (the
// order of the packed ids).

#include <compare>
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

struct TQuestionAddr {
    int Collection = 0; // 0..7
    int Index = 0;      // 1..QuestionCount of the collection

    static constexpr TQuestionAddr FromId(TQuestionId id) { return {CollectionOfId(id), IndexOfId(id)}; }
    constexpr TQuestionId Id() const { return QuestionId(Collection, Index); }

    bool operator==(const TQuestionAddr&) const = default;
    auto operator<=>(const TQuestionAddr&) const = default;
};

} // namespace sv
