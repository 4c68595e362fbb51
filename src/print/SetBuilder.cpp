#include "print/SetBuilder.h"

#include "common/Errors.h"
#include "common/Random.h"
#include "lists/MaterialQuestions.h"
#include "material/MaterialTables.h"
#include "print/SetsHelper.h"
#include "user/History.h"

#include <algorithm>
#include <string>

namespace sv {

int TSetCounts::CategoryOfPlace(int place) const
{
    int end = 0;
    for (int k = 0; k < 4; ++k) {
        end += PerSet[static_cast<std::size_t>(k)];
        if (place <= end)
            return k + 1;
    }
    ThrowIndex("set places", place, 1, QuestionsPerSet());
}

bool BuildSets(TSetsOfQs& sets, TSetPool& mainPool, TSetPool* targetedPool, const TSetsRequest& request,
               IRandom& random, TBuildProgress* progress)
{
    const int n = request.Sets;
    const int q = request.Counts.QuestionsPerSet();
    if (n < 1 || n > TSetsOfQs::MaxSets)
        ThrowRange("Range check error: " + std::to_string(n) + " sets (1 to " + std::to_string(TSetsOfQs::MaxSets)
                   + ")");
    if (q > TSetsOfQs::MaxPlaces)
        ThrowRange("A set holds at most " + std::to_string(TSetsOfQs::MaxPlaces) + " questions, not "
                   + std::to_string(q) + ".");
    for (int c : request.Counts.PerSet)
        if (c < 0)
            ThrowRange("Range check error: negative number of questions per set");
    if (q == 0)
        return true;

    int t = 0;
    if (targetedPool)
        t = std::max(1, request.PercentTargeted * q / 100);
    t = std::min(t, q);
    std::vector<int> targetedLeft(static_cast<std::size_t>(n), t);
    std::vector<int> otherLeft(static_cast<std::size_t>(n), q - t);

    int kind = 0;
    while (request.Counts.PerSet[static_cast<std::size_t>(kind)] == 0)
        ++kind;
    int remaining = request.Counts.PerSet[static_cast<std::size_t>(kind)];
    for (int p = 1; p <= q; ++p) {
        for (int s = 1; s <= n; ++s) {
            int& tl = targetedLeft[static_cast<std::size_t>(s - 1)];
            int& ol = otherLeft[static_cast<std::size_t>(s - 1)];
            const bool useTargeted = ol == 0 || (tl > 0 && random.Random(q) < t);
            if (useTargeted)
                --tl;
            else
                --ol;
            TSetPool& pool = useTargeted ? *targetedPool : mainPool;
            if (!sets.PickQuestion(pool, kind + 1, s, p, request.Prefs))
                return false;
            if (progress) {
                progress->PlacesDone.fetch_add(1, std::memory_order_relaxed);
                if (progress->Cancel.load(std::memory_order_relaxed))
                    return false;
            }
        }
        if (--remaining == 0 && p < q) {
            do
                ++kind;
            while (request.Counts.PerSet[static_cast<std::size_t>(kind)] == 0);
            remaining = request.Counts.PerSet[static_cast<std::size_t>(kind)];
        }
    }
    return true;
}

namespace {

std::vector<TQuestionAddr> PoolOf(const TQuestions& questions, TSelectionKind kind, const std::vector<bool>& items,
                                  const TCollectionFlags& chosen)
{
    TMaterialQuestionFilter filter;
    filter.Collections = chosen;
    return QuestionsOfMaterialByReference(questions, VerseTableFromList(questions.Books(), kind, items), filter);
}

} // namespace

std::vector<TQuestionAddr> PrepareMainPool(const TQuestions& questions, TSelectionKind kind,
                                           const std::vector<bool>& checked, const TCollectionFlags& chosen)
{
    return PoolOf(questions, kind, checked, chosen);
}

void PrepareTargetedPools(const TQuestions& questions, TSelectionKind kind, const std::vector<bool>& checked,
                          const std::vector<bool>& targeted, const TCollectionFlags& chosen,
                          std::vector<TQuestionAddr>& mainPool, std::vector<TQuestionAddr>& targetedPool)
{
    std::vector<bool> target(checked.size(), false), rest(checked.size(), false);
    for (std::size_t i = 0; i < checked.size(); ++i) {
        const bool t = i < targeted.size() && targeted[i];
        target[i] = checked[i] && t;
        rest[i] = checked[i] && !t;
    }
    targetedPool = PoolOf(questions, kind, target, chosen);
    mainPool = PoolOf(questions, kind, rest, chosen);
}

std::array<int, 8> CountByCollection(std::span<const TQuestionAddr> pool)
{
    std::array<int, 8> counts{};
    for (const TQuestionAddr q : pool)
        ++counts[static_cast<std::size_t>(q.Collection)];
    return counts;
}

const char* KindLabel(int kind)
{
    static const char* const labels[4] = {"Toss-ups", "20-Pt Bonus", "30-Pt Bonus", "40-Pt Bonus"};
    if (kind < 0 || kind > 3)
        ThrowIndex("question kinds", kind, 0, 3);
    return labels[kind];
}

namespace {

// "A", "A and B", "A, B and C".
std::string JoinLabels(const std::vector<std::string>& labels)
{
    std::string s;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (i > 0)
            s += i + 1 == labels.size() ? " and " : ", ";
        s += labels[i];
    }
    return s;
}

} // namespace

TAdequacy CheckAdequacy(const std::array<int, 8>& byCollection, int sets, const TSetCounts& counts)
{
    TAdequacy a;
    for (int c = 0; c < 8; ++c) {
        const int kind = c >= 2 && c <= 4 ? c - 1 : 0;
        a.Available[static_cast<std::size_t>(kind)] += byCollection[static_cast<std::size_t>(c)];
    }
    const int perSet = counts.QuestionsPerSet();
    a.TotalNeeded = sets * perSet;
    std::vector<std::string> shortList, repeatList;
    for (std::size_t k = 0; k < 4; ++k) {
        const int need = counts.PerSet[k];
        a.Needed[k] = sets * need;
        if (a.Available[k] < need) {
            a.Colour[k] = TAdequacyColour::Red;
            shortList.emplace_back(KindLabel(static_cast<int>(k)));
        } else if (a.Available[k] < need * sets) {
            a.Colour[k] = TAdequacyColour::Yellow;
            repeatList.emplace_back(KindLabel(static_cast<int>(k)));
        } else {
            a.Colour[k] = TAdequacyColour::Green;
        }
    }
    if (shortList.empty() && repeatList.empty()) {
        a.Summary = "Your selections should be adequate to build good sets.";
        a.TotalColour = TAdequacyColour::Green;
    } else if (shortList.empty()) {
        a.Summary = "Though sets can be created from your selections, there are not enough questions for "
                    + JoinLabels(repeatList) + ", and some of these will be repeated.";
        a.TotalColour = TAdequacyColour::Yellow;
    } else {
        a.Summary = "There are not enough questions for " + JoinLabels(shortList)
                    + " to avoid repeating questions in a set. Please modify your selections.";
        a.TotalColour = TAdequacyColour::Red;
    }
    a.CreateEnabled = a.TotalColour != TAdequacyColour::Red;
    if (perSet < MinQuestionsPerSet) {
        a.Summary = "Each set must contain at least 4 questions.";
        a.CreateEnabled = false;
    } else if (perSet > TSetsOfQs::MaxPlaces) {
        a.Summary = "Each set can hold at most " + std::to_string(TSetsOfQs::MaxPlaces)
                    + " questions. Please reduce the toss-up or bonus questions per set.";
        a.CreateEnabled = false;
    }
    return a;
}

void RecordSetsInHistory(const TSetsOfQs& sets, int setCount, int questionsPerSet, THistory& history,
                         const TQuestions& questions, const std::string& path)
{
    for (int s = 1; s <= setCount; ++s)
        for (int p = 1; p <= questionsPerSet; ++p) {
            const TSetEntry& e = sets.Entry(s, p);
            if (e.Id == 0 || (e.TypeCode >= TypeMemoryQuote && e.TypeCode <= TypeMemoryFinishWithReference))
                continue;
            history.CountUse(TQuestionAddr::FromId(e.Id), questions);
        }
    history.SaveToFile(path);
}

} // namespace sv
