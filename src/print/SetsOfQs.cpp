#include "print/SetsOfQs.h"

#include "common/Errors.h"
#include "common/Random.h"
#include "print/SetsHelper.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace sv {

namespace {

constexpr std::int32_t Absent = 9999;

// The values a pick compares, in the order of preference; smaller is better everywhere
// (the values to maximise are stored negated). Fields that a switch turns off stay 0.
struct TPickKey {
    std::array<std::int32_t, 8> V{};
    bool operator<(const TPickKey& o) const { return V < o.V; }
    bool operator==(const TPickKey& o) const { return V == o.V; }
};

} // namespace

TSetsOfQs::TSetsOfQs(IRandom& random)
    : m_random(random), m_entries(static_cast<std::size_t>(MaxSets) * MaxPlaces), m_inSetStamp(65536, 0)
{ }

void TSetsOfQs::SetDistribution(bool verse, bool questions, bool chapter, bool section)
{
    m_dist = TDistribution{verse, questions, chapter, section};
}

TSetEntry& TSetsOfQs::At(int set, int place)
{
    if (set < 1 || set > MaxSets)
        ThrowIndex("question sets", set, 1, MaxSets);
    if (place < 1 || place > MaxPlaces)
        ThrowIndex("set places", place, 1, MaxPlaces);
    return m_entries[static_cast<std::size_t>(set - 1) * MaxPlaces + static_cast<std::size_t>(place - 1)];
}

const TSetEntry& TSetsOfQs::Entry(int set, int place) const { return const_cast<TSetsOfQs*>(this)->At(set, place); }

std::int32_t TSetsOfQs::OverallVerseUsage(int verse) const
{
    if (verse < 1 || verse > MaxVerses)
        ThrowIndex("verse usage", verse, 1, MaxVerses);
    return m_overallVerse[static_cast<std::size_t>(verse)];
}

// The counts of set `set` over places 1 .. place-1: verse, chapter and section usage, which
// questions it holds and how many distinct questions of the category among them.
void TSetsOfQs::CountSet(int set, int place, const TSetPool& pool, int category)
{
    m_setVerse.fill(0);
    m_setChapter.fill(0);
    m_setSection.fill(0);
    ++m_stamp;
    m_categoryInSet = 0;
    for (int p = 1; p < place; ++p) {
        const TSetEntry& e = At(set, p);
        for (int v = e.Verse; v < e.Verse + e.VerseCount; ++v) {
            if (v < 1 || v > MaxVerses)
                ThrowIndex("verse usage", v, 1, MaxVerses);
            ++m_setVerse[static_cast<std::size_t>(v)];
        }
        ++m_setChapter[e.Chapter];
        ++m_setSection[e.Section];
        if (m_inSetStamp[e.Id] != m_stamp) {
            m_inSetStamp[e.Id] = m_stamp;
            const int pos = pool.PositionOf(e.Id);
            if (pos >= 0 && pool.Candidates()[static_cast<std::size_t>(pos)].Collection == category)
                ++m_categoryInSet;
        }
    }
}

bool TSetsOfQs::PickQuestion(TSetPool& pool, int category, int set, int place, const TPickPreferences& prefs)
{
    if (category < 0 || category > 7)
        ThrowIndex("category", category, 0, 7);
    TSetEntry& target = At(set, place);
    const int available = pool.CountOf(category);
    if (available == 0 || pool.RunCount() == 0)
        return false;

    CountSet(set, place, pool, category);
    const bool excludeInSet = m_categoryInSet < available;
    const bool byVerse = m_dist.Verse || m_dist.Questions;
    std::vector<TSetCandidate>& cands = pool.Candidates();

    // The values of a candidate, computed one at a time: most candidates lose to the best so
    // far on the first value that differs, so the rest is never computed.
    auto valueOf = [&](const TSetCandidate& k, int i) -> std::int32_t {
        switch (i) {
        case 0:
            return byVerse ? OverallVerseUsage(k.Verse) : 0;
        case 1:
            return byVerse ? m_setVerse[static_cast<std::size_t>(k.Verse)] : 0;
        case 2:
            return k.TimesUsed;
        case 3:
            return m_dist.Chapter ? (pool.ChapterPresent(k.Chapter) ? m_setChapter[k.Chapter] : Absent) : 0;
        case 4:
            return m_dist.Section ? (pool.SectionPresent(k.Section) ? m_setSection[k.Section] : Absent) : 0;
        case 5:
            return -k.DifficultyScore;
        case 6:
            return prefs.FavourDuplicates ? -k.CollectionsCount : 0;
        default:
            return prefs.AvoidHistory ? k.HistoryCount : 0;
        }
    };
    constexpr int Values = static_cast<int>(std::tuple_size_v<decltype(TPickKey::V)>);
    // True (and best updated) when k beats the best so far.
    auto beats = [&](const TSetCandidate& k, TPickKey& best) {
        for (int i = 0; i < Values; ++i) {
            const std::int32_t v = valueOf(k, i);
            if (v > best.V[static_cast<std::size_t>(i)])
                return false;
            if (v < best.V[static_cast<std::size_t>(i)]) {
                best.V[static_cast<std::size_t>(i)] = v;
                for (int j = i + 1; j < Values; ++j)
                    best.V[static_cast<std::size_t>(j)] = valueOf(k, j);
                return true;
            }
        }
        return false;
    };
    // No candidate can do better than this; meeting it ends the walk at once.
    TPickKey bestPossible;
    bestPossible.V[5] = -pool.BestDifficulty(category);
    if (prefs.FavourDuplicates)
        bestPossible.V[6] = -pool.BestDuplicates(category);
    if (prefs.AvoidHistory)
        bestPossible.V[7] = pool.BestHistory(category);

    // The walk: from a random run (each verse alike) or the run of a random question (verses
    // weighted by their questions), through every run in pool order, each entered at a random
    // member and wrapped round. The pick is the first candidate met with the best values.
    const int runs = pool.RunCount();
    const int firstRun = m_dist.Verse ? m_random.Random(runs) : pool.RunOf(m_random.Random(pool.Size()));
    int pick = -1;
    TPickKey best;
    best.V.fill(std::numeric_limits<std::int32_t>::max());
    for (int step = 0; step < runs; ++step) {
        const int r = (firstRun + step) % runs;
        const int* b = pool.MembersBegin(category, r);
        const int* e = pool.MembersEnd(category, r);
        if (b == e)
            continue;
        if (byVerse && pick >= 0) {
            // A run shares its verse: when the verse loses, so does every member.
            const TSetCandidate& first = cands[static_cast<std::size_t>(*b)];
            const std::int32_t ov = valueOf(first, 0), sv = valueOf(first, 1);
            if (ov > best.V[0] || (ov == best.V[0] && sv > best.V[1]))
                continue;
        }
        const int from = pool.RunStart(r) + m_random.Random(pool.RunEnd(r) - pool.RunStart(r));
        const int* j0 = std::lower_bound(b, e, from);
        if (j0 == e)
            j0 = b;
        const int* j = j0;
        do {
            const TSetCandidate& k = cands[static_cast<std::size_t>(*j)];
            if ((!excludeInSet || m_inSetStamp[k.Id] != m_stamp) && beats(k, best)) {
                pick = *j;
                if (best == bestPossible)
                    break;
            }
            if (++j == e)
                j = b;
        } while (j != j0);
        if (pick >= 0 && best == bestPossible)
            break;
    }
    if (pick < 0)
        return false;

    TSetCandidate& k = cands[static_cast<std::size_t>(pick)];
    target.TypeCode = k.TypeCode;
    target.Chapter = k.Chapter;
    target.Section = k.Section;
    target.Verse = k.Verse;
    target.VerseCount = k.VerseCount;
    target.Id = k.Id;
    ++k.TimesUsed;
    for (int v = k.Verse; v < k.Verse + k.VerseCount; ++v) {
        if (v < 1 || v > MaxVerses)
            ThrowIndex("verse usage", v, 1, MaxVerses);
        ++m_overallVerse[static_cast<std::size_t>(v)];
    }
    return true;
}

} // namespace sv
