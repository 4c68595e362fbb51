#pragma once
// The question sets as the sets dialog and the command-line tool make them: every choice of
// the dialog in one structure, the build (pools, candidates, sets) and the document.

#include "print/SetBuilder.h"
#include "print/SetDocument.h"
#include "print/SetsHelper.h"

#include <memory>
#include <string>
#include <vector>

namespace sv {

class IRandom;
class TBooks;
class THistory;
class TQuestions;

struct TSetsChoices {
    TSelectionKind Kind = TSelectionKind::ByChapter;
    std::vector<bool> Checked; // one flag per item of the kind's material list
    bool Targeting = false;
    std::vector<bool> Targeted; // indexed like Checked
    int PercentTargeted = 50;
    TCollectionFlags Collections;
    std::string Heading; // Windows-1252
    int Sets = 2;
    TSetCounts Counts;
    TDifficulty Difficulty = TDifficulty::Mixed;
    bool HighlightKeywords = true;
    int KeywordLimit = 3;
    bool FavourDuplicates = true;
    bool UnderlinePrejumps = true;
    bool UseColour = true;
    bool UseHistory = true;
    bool UpdateHistory = true;
    bool TwoColumns = true;
    bool AdvancedSectoring = false;
    TDistribution Sectoring; // used only with AdvancedSectoring
};

// The switches a build uses: the sectoring page's with advanced sectoring, else verses and
// chapters.
TDistribution EffectiveDistribution(const TSetsChoices& c);
TSetDocOptions DocumentOptions(const TSetsChoices& c);
// The warning shown when a build cannot fill the sets.
std::string SetsFailureMessage(bool targeting);

// Builds the pools and the sets. Null when a category has no question to place (or the build
// was cancelled through progress).
std::unique_ptr<TSetsOfQs> MakeQuestionSets(const TQuestions& questions, const TSetsChoices& choices,
                                            const THistory& history, IRandom& random,
                                            TBuildProgress* progress = nullptr);

// The adequacy of the choices: the pool of the checked (or, with targeting, the targeted)
// items counted against the sets wanted.
TAdequacy CheckSetsAdequacy(const TQuestions& questions, const TSetsChoices& choices);

} // namespace sv
