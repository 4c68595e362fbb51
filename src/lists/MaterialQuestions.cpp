#include "lists/MaterialQuestions.h"

#include "content/VerseRef.h"
#include "content/VerseSelection.h"

#include <algorithm>
#include <memory>

namespace sv {

std::vector<TQuestionAddr> QuestionsOfMaterial(const TQuestions& questions, const TVerseSelection& material,
                                               const TMaterialQuestionFilter& filter)
{
    auto inMaterial = std::make_unique<TMaterialQuestions>();
    questions.MarkMaterialQuestions(material, *inMaterial);

    const TCollectionFlags& chosen = filter.Collections;
    const bool checkTypes = filter.Types != nullptr;
    const bool duplicatesOnly = filter.DuplicatesOnly;
    std::vector<TQuestionAddr> found;
    std::vector<bool> listed(65536, false);
    auto add = [&](TQuestionAddr q) {
        found.push_back(q);
        listed[q.Id()] = true;
    };
    auto isChosen = [&](int c) { return chosen[c] && questions.HasQuestions(c); };
    for (int c = 0; c < MaxCollections; ++c) {
        if (!isChosen(c))
            continue;
        const auto& flags = (*inMaterial)[c].Flags;
        for (int i = 1, n = questions.QuestionCount(c); i <= n; ++i) {
            const TQuestionAddr q{c, i};
            if (questions.IsPlaceholder(q)) {
                const TQuestionAddr h = questions.HomeOf(q);
                if (isChosen(h.Collection) || !flags[i] || listed[h.Id()])
                    continue;
                if (checkTypes && !questions.IsTypeChosen(h, chosen, *filter.Types))
                    continue;
                if (duplicatesOnly && questions.DupCount(h) < 2)
                    continue;
                add(h);
            } else {
                if (checkTypes && !questions.IsTypeChosen(q, chosen, *filter.Types))
                    continue;
                if (!flags[i] || (duplicatesOnly && questions.DupCount(q) < 2))
                    continue;
                add(q);
            }
        }
    }
    return found;
}

std::vector<TQuestionAddr> QuestionsOfMaterialByReference(const TQuestions& questions, const TVerseSelection& material,
                                                          const TMaterialQuestionFilter& filter)
{
    std::vector<TQuestionAddr> found = QuestionsOfMaterial(questions, material, filter);
    std::ranges::stable_sort(found, [&](TQuestionAddr a, TQuestionAddr b) {
        return RefLess(questions.PrimaryRef(a), questions.PrimaryRef(b));
    });
    return found;
}

} // namespace sv
