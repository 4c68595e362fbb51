#include "print/SetsMaker.h"

#include "common/Random.h"
#include "lists/QsList.h"
#include "user/History.h"
#include "user/User.h"

namespace sv {

TDistribution EffectiveDistribution(const TSetsChoices& c)
{
    if (c.AdvancedSectoring)
        return c.Sectoring;
    return TDistribution{true, false, true, false};
}

TSetDocOptions DocumentOptions(const TSetsChoices& c)
{
    TSetDocOptions o;
    o.Heading = c.Heading;
    o.Sets = c.Sets;
    o.TossUps = c.Counts.PerSet[0];
    o.QuestionsPerSet = c.Counts.QuestionsPerSet();
    o.MarkDuplicates = c.FavourDuplicates;
    o.UnderlinePrejumps = c.UnderlinePrejumps;
    o.HighlightKeywords = c.HighlightKeywords;
    o.KeywordLimit = c.KeywordLimit;
    o.UseColour = c.UseColour;
    o.TwoColumns = c.TwoColumns;
    return o;
}

std::string SetsFailureMessage(bool targeting)
{
    if (targeting)
        return "Unable to create question sets!\r\rPlease expand targeted material selection range\r"
               "or reduce required number of questions.";
    return "Unable to create question sets!\r\rPlease select more material to draw from\r"
           "or reduce the number of required sets.";
}

std::unique_ptr<TSetsOfQs> MakeQuestionSets(const TQuestions& questions, const TSetsChoices& c, const THistory& history,
                                            IRandom& random, TBuildProgress* progress)
{
    auto user = std::make_unique<TUser>();
    TQsList mainList(questions, *user, random), targetedList(questions, *user, random);
    if (c.Targeting)
        PrepareTargetedPools(questions.Books(), c.Kind, c.Checked, c.Targeted, c.Collections, mainList, targetedList);
    else
        PrepareMainPool(questions.Books(), c.Kind, c.Checked, c.Collections, mainList);

    const TSetsHelper helper(questions);
    std::vector<TSetCandidate> candidates;
    helper.BuildCandidates(candidates, mainList, history, true, c.Difficulty);
    TSetPool mainPool(std::move(candidates));
    std::unique_ptr<TSetPool> targetedPool;
    if (c.Targeting) {
        helper.BuildCandidates(candidates, targetedList, history, true, c.Difficulty);
        targetedPool = std::make_unique<TSetPool>(std::move(candidates));
    }

    auto sets = std::make_unique<TSetsOfQs>(random);
    const TDistribution d = EffectiveDistribution(c);
    sets->SetDistribution(d.Verse, d.Questions, d.Chapter, d.Section);
    TSetsRequest r;
    r.Sets = c.Sets;
    r.Counts = c.Counts;
    r.PercentTargeted = c.Targeting ? c.PercentTargeted : 0;
    r.Prefs = TPickPreferences{c.FavourDuplicates, c.UseHistory};
    if (!BuildSets(*sets, mainPool, targetedPool.get(), r, random, progress))
        return nullptr;
    return sets;
}

TAdequacy CheckSetsAdequacy(const TQuestions& questions, const TSetsChoices& c)
{
    auto user = std::make_unique<TUser>();
    TRandom unused(0);
    TQsList pool(questions, *user, unused);
    std::vector<bool> items = c.Checked;
    if (c.Targeting)
        for (std::size_t i = 0; i < items.size(); ++i)
            items[i] = items[i] && i < c.Targeted.size() && c.Targeted[i];
    PrepareMainPool(questions.Books(), c.Kind, items, c.Collections, pool);
    return CheckAdequacy(CountByCollection(pool), c.Sets, c.Counts);
}

} // namespace sv
