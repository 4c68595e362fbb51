#pragma once
// The questions of a material: every question of the chosen collections that hangs on a
// chosen verse, each question once. The study's question list and the printed lists fill
// themselves from it, and the set builder draws its pools from it.

#include "content/QuestionId.h"
#include "content/Questions.h"

#include <vector>

namespace sv {

struct TVerseSelection;

// Which questions of the material are wanted.
struct TMaterialQuestionFilter {
    TCollectionFlags Collections{"chosen collections"};
    const TTypeFlags* Types = nullptr; // only the questions of these types; every type when null
    bool DuplicatesOnly = false;       // only questions held in two or more collections
};

// The questions in collection order, then by their number. A copy in a collection whose
// home record is not chosen stands for its home record; the home record comes once,
// however many chosen collections hold a copy of it.
std::vector<TQuestionAddr> QuestionsOfMaterial(const TQuestions& questions, const TVerseSelection& material,
                                               const TMaterialQuestionFilter& filter);

// The same ordered by primary reference; the questions of one verse keep the order above.
std::vector<TQuestionAddr> QuestionsOfMaterialByReference(const TQuestions& questions, const TVerseSelection& material,
                                                          const TMaterialQuestionFilter& filter);

} // namespace sv
