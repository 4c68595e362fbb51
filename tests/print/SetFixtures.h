#pragma once
// Helpers for the set builder tests: candidates made directly (no content needed) and a
// small portion with toss-ups and bonuses for the tests that read the stores.

#include "common/Random.h"
#include "lists/ListFixtures.h"
#include "print/SetsHelper.h"
#include "user/User.h"

#include <memory>

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

// One book of two chapters of ten verses with sections at 1:1, 1:6 and 2:1. Collection 1:
// four toss-ups with question lengths 10, 15, 20, 20 and answer lengths 30, 5, 5, 20;
// collections 2..4 two questions each; collections 0 and 5 one each.
struct TSetContent {
    TSetContent()
    {
        TFixtureDesc d;
        d.Books = {PlainBook("Romans", "Ro ", 2, 10)};
        d.Sections = {{1, 1, 1, "Greeting"}, {1, 1, 6, "Thanks"}, {1, 2, 1, "Judgement"}};
        d.Collections.resize(6);
        for (int c = 0; c < 6; ++c)
            d.Collections[c].Name = "Collection " + std::to_string(c);
        // Collection 1: four toss-ups with question lengths 10, 15, 20, 20 and answer lengths
        // 30, 5, 5, 20; collections 2..4 two each; 0 and 5 one each.
        const int qlen[] = {10, 15, 20, 20}, alen[] = {30, 5, 5, 20};
        for (int i = 0; i < 4; ++i) {
            TFixtureQuestion q = PlainQuestion(1, 1 + i / 2, 1 + i * 3, "Who wrote verse " + std::to_string(i) + "?");
            q.QuestionLength = static_cast<std::int16_t>(qlen[i]);
            q.AnswerLength = static_cast<std::int16_t>(alen[i]);
            d.Collections[1].Questions.push_back(q);
        }
        for (int c = 2; c <= 4; ++c)
            for (int i = 0; i < 2; ++i)
                d.Collections[c].Questions.push_back(PlainQuestion(1, 1 + i, 2 + i * 5, "Bonus question?"));
        d.Collections[0].Questions.push_back(PlainQuestion(1, 1, 1, "Quote verse one."));
        d.Collections[5].Questions.push_back(PlainQuestion(1, 2, 9, "In what book and chapter?"));
        Loaded = std::make_unique<TLoaded>(d);
    }
    const TQuestions& Questions() const { return Loaded->Questions(); }
    const TBooks& Books() const { return Loaded->Books(); }
    std::unique_ptr<TLoaded> Loaded;
    TUser User;
    TRandom Random{1};
};

inline TCollectionFlags AllCollections()
{
    TCollectionFlags f;
    for (int c = 0; c < 8; ++c)
        f[c] = 1;
    return f;
}

} // namespace sv::test
