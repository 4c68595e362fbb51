#pragma once
// Walking a question's copies: the question itself, then each DupLink in turn until a copy
// has no link. A question has at most one copy per collection, so a chain longer than eight
// records is a loop in the question file: it is a range error, raised before anything is
// visited, so a bad file never half-applies an answer or a count.

#include "common/Errors.h"
#include "content/QuestionId.h"
#include "content/Questions.h"

#include <array>
#include <string>

namespace sv {

template <class F>
void ForEachCopy(int collection, int number, const TQuestions& questions, F&& visit)
{
    std::array<TQuestionId, MaxCollections> chain{};
    int n = 0;
    TQuestionId id = QuestionId(collection, number);
    chain[n++] = id;
    for (;;) {
        const TQuestionId next = questions.DupLink(CollectionOfId(id), IndexOfId(id));
        if (next == 0)
            break;
        if (n == MaxCollections)
            ThrowRange("Range check error: the duplicate chain of question "
                       + std::to_string(collection) + ":" + std::to_string(number)
                       + " holds more than " + std::to_string(MaxCollections) + " copies");
        chain[n++] = next;
        id = next;
    }
    for (int i = 0; i < n; ++i)
        visit(CollectionOfId(chain[i]), IndexOfId(chain[i]));
}

} // namespace sv
