#pragma once
// TSetsOfQs: the practice match sets being drawn (up to 100 sets of up to 500 places) and
// the pick of one question for one place. A pick spreads a set over verses, chapters and
// sections, never repeats a question inside a set while another question of the place's
// category is left, uses questions evenly across the sets, then prefers the chosen
// difficulty, questions held by several collections and questions unused in earlier sets;
// what is still tied is broken by a random walk over the pool's runs of one verse.

#include "content/QuestionId.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sv {

class IRandom;
class TSetPool;

struct TSetEntry {
    std::uint8_t TypeCode = 0;
    std::uint8_t Chapter = 0;
    std::uint8_t Section = 0;
    std::int32_t Verse = 0;
    std::uint8_t VerseCount = 1;
    TQuestionId Id = 0; // 0 = empty place
};

// Which spreading rules a pick follows.
struct TDistribution {
    bool Verse = true;
    bool Questions = false;
    bool Chapter = true;
    bool Section = true;
};

// The tie-breaking preferences of a pick after difficulty.
struct TPickPreferences {
    bool FavourDuplicates = false;
    bool AvoidHistory = false;
};

class TSetsOfQs {
public:
    static constexpr int MaxSets = 100;
    static constexpr int MaxPlaces = 500;
    static constexpr int MaxVerses = 1200;

    explicit TSetsOfQs(IRandom& random);

    void SetDistribution(bool verse, bool questions, bool chapter, bool section);
    const TDistribution& Distribution() const { return m_dist; }

    // Places a question of `category` at (set, place), both 1-based, and counts its use.
    // False when the pool holds no question of the category.
    bool PickQuestion(TSetPool& pool, int category, int set, int place, const TPickPreferences& prefs);

    const TSetEntry& Entry(int set, int place) const;
    // Entries of all sets built so far that cover a verse (1..1200). Wide: never wraps.
    std::int32_t OverallVerseUsage(int verse) const;

private:
    TSetEntry& At(int set, int place);
    void CountSet(int set, int place, const TSetPool& pool, int category);

    IRandom& m_random;
    TDistribution m_dist;
    std::vector<TSetEntry> m_entries; // MaxSets x MaxPlaces
    std::array<std::int32_t, MaxVerses + 1> m_overallVerse{};
    // Counts of the set being filled (places before the current one).
    std::array<std::int32_t, MaxVerses + 1> m_setVerse{};
    std::array<std::int32_t, 256> m_setChapter{};
    std::array<std::int32_t, 256> m_setSection{};
    std::vector<std::uint32_t> m_inSetStamp; // by question id: stamp of the current pick
    std::uint32_t m_stamp = 0;
    int m_categoryInSet = 0; // distinct questions of the category already in the set
};

} // namespace sv
