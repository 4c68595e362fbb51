#include "print/SetsMaker.h"

#include "user/History.h"

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
    std::vector<TQuestionAddr> mainList, targetedList;
    if (c.Targeting)
        PrepareTargetedPools(questions, c.Kind, c.Checked, c.Targeted, c.Collections, mainList, targetedList);
    else
        mainList = PrepareMainPool(questions, c.Kind, c.Checked, c.Collections);

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
    std::vector<bool> items = c.Checked;
    if (c.Targeting)
        for (std::size_t i = 0; i < items.size(); ++i)
            items[i] = items[i] && i < c.Targeted.size() && c.Targeted[i];
    return CheckAdequacy(CountByCollection(PrepareMainPool(questions, c.Kind, items, c.Collections)), c.Sets, c.Counts);
}

} // namespace sv
