#pragma once
// What the sets and list commands share: number lists ("1,2,5-7"), the collections, the
// difficulty, the random seed and the set history file of --user.

#include "DocCommand.h"

#include "common/Random.h"
#include "content/Questions.h"
#include "print/SetsHelper.h"

#include <memory>
#include <string>
#include <vector>

namespace sv::doc {

// "1,3-5" as numbers in lo..hi; "all" gives every number. EUsage on anything else.
std::vector<int> ParseNumberList(const std::string& option, const std::string& text, int lo, int hi);
// --collections, else the user record's choice.
TCollectionFlags CollectionsOption(TDocContext& ctx);
// --difficulty as 0..6 or a name ("long-qa", "short-answer", ...), else fallback.
TDifficulty DifficultyOption(TDocContext& ctx, int fallback);
// --seed N gives a fixed sequence (the same bytes as the program with that seed); without
// it the draws are seeded from the clock, as in the program.
std::unique_ptr<TRandom> RandomOption(TDocContext& ctx);
// The user file of --user, empty without it.
std::string UserFilePathOption(TDocContext& ctx);

TOptionSpec CollectionsSpec();
TOptionSpec DifficultySpec();
TOptionSpec SeedSpec();

} // namespace sv::doc
