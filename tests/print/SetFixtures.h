#pragma once
// Helpers for the set builder tests: candidates made directly (no content needed) and a
// small portion with toss-ups and bonuses for the tests that read the stores.

#include "content/ListFixtures.h"
#include "print/SetsHelper.h"

#include <vector>

namespace sv::test {

// A candidate of collection c, number n on verse v (chapter and section from the verse:
// ten verses a chapter, five a section).
inline TSetCandidate Cand(int c, int n, int verse, int difficulty = 0, int dups = 1, int history = 0)
{
    TSetCandidate k;
    k.Id = QuestionId(c, n);
    k.Collection = static_cast<std::uint8_t>(c);
    k.TypeCode = 3;
    k.CollectionsCount = static_cast<std::uint8_t>(dups);
    k.DifficultyScore = difficulty;
    k.HistoryCount = static_cast<std::uint8_t>(history);
    k.Verse = verse;
    k.Chapter = static_cast<std::uint8_t>(1 + (verse - 1) / 10);
    k.Section = static_cast<std::uint8_t>(1 + (verse - 1) / 5);
    return k;
}

// `perCollection[c]` questions of each collection c spread over `verses` verses, in
// reference order.
inline std::vector<TSetCandidate> SpreadPool(const std::vector<int>& perCollection, int verses)
{
    std::vector<TSetCandidate> v;
    for (int verse = 1; verse <= verses; ++verse)
        for (std::size_t c = 0; c < perCollection.size(); ++c)
            for (int n = 1; n <= perCollection[c]; ++n)
                if ((n - 1) % verses + 1 == verse)
                    v.push_back(Cand(static_cast<int>(c), n, verse));
    return v;
}

} // namespace sv::test
