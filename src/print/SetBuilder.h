#pragma once
// The set builder's driver and its companions: the targeted and main pools, filling every
// place of every set, judging whether the selections can fill the sets, and recording the
// drawn questions in the set history.

#include "content/Questions.h"
#include "print/SetsOfQs.h"
#include "user/SelectionKind.h"

#include <array>
#include <atomic>
#include <span>
#include <string>
#include <vector>

namespace sv {

class IRandom;
class THistory;
class TSetPool;

// Places per set by category: toss-ups (collection 1), 20-, 30- and 40-point bonuses
// (collections 2, 3, 4), in the order they fill a set.
struct TSetCounts {
    std::array<int, 4> PerSet{200, 25, 25, 25};
    int QuestionsPerSet() const { return PerSet[0] + PerSet[1] + PerSet[2] + PerSet[3]; }
    // Category of place p (1-based): the collection whose places hold it.
    int CategoryOfPlace(int place) const;
};

inline constexpr int MinQuestionsPerSet = 4;
inline constexpr int MaxSetsPerBuild = 95;

struct TSetsRequest {
    int Sets = 2;
    TSetCounts Counts;
    int PercentTargeted = 0; // 0 = no targeting
    TPickPreferences Prefs;
};

// Shared with a progress window while a build runs on a worker thread: places filled so far
// (over all sets) and a cancel request, tested after every place.
struct TBuildProgress {
    std::atomic<int> PlacesDone{0};
    std::atomic<bool> Cancel{false};
};

// Fills places 1..QuestionsPerSet of sets 1..Sets, place by place across the sets. With a
// targeted pool each set receives exactly max(1, percent * questions per set / 100) targeted
// questions at random places. False when a pick finds no question of its category. A request
// beyond the table (more than 100 sets or 500 places) is a range error.
// A cancelled build also returns false (the caller tells the two apart by the request).
bool BuildSets(TSetsOfQs& sets, TSetPool& mainPool, TSetPool* targetedPool, const TSetsRequest& request,
               IRandom& random, TBuildProgress* progress = nullptr);

// The pools of a targeted build: the targeted pool holds the questions of the targeted items,
// the main pool those of the checked items that are not targeted (both the questions of the
// material by reference, the chosen collections, every type). `targeted` is indexed like
// `checked`.
void PrepareTargetedPools(const TQuestions& questions, TSelectionKind kind, const std::vector<bool>& checked,
                          const std::vector<bool>& targeted, const TCollectionFlags& chosen,
                          std::vector<TQuestionAddr>& mainPool, std::vector<TQuestionAddr>& targetedPool);
// A pool without targeting: the checked items.
std::vector<TQuestionAddr> PrepareMainPool(const TQuestions& questions, TSelectionKind kind,
                                           const std::vector<bool>& checked, const TCollectionFlags& chosen);

// Questions of a pool by collection.
std::array<int, 8> CountByCollection(std::span<const TQuestionAddr> pool);

enum class TAdequacyColour { Green, Yellow, Red };

struct TAdequacy {
    std::array<int, 4> Needed{};    // per kind: sets x count per set
    std::array<int, 4> Available{}; // per kind; collections 0 and 5..7 count as toss-ups
    std::array<TAdequacyColour, 4> Colour{};
    int TotalNeeded = 0;
    TAdequacyColour TotalColour = TAdequacyColour::Green;
    std::string Summary;
    bool CreateEnabled = true;
};

// The kinds' names as the sets window's table shows them: "Toss-ups", "20-Pt Bonus", ...
const char* KindLabel(int kind);
// Judges the counts of a pool against the sets wanted.
TAdequacy CheckAdequacy(const std::array<int, 8>& byCollection, int sets, const TSetCounts& counts);

// Counts one use of every drawn question (and its copies) in the history, except for types
// 45..47, then saves the history to `path` (EFileError on failure).
void RecordSetsInHistory(const TSetsOfQs& sets, int setCount, int questionsPerSet, THistory& history,
                         const TQuestions& questions, const std::string& path);

} // namespace sv
