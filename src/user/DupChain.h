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
void ForEachCopy(TQuestionAddr question, const TQuestions& questions, F&& visit)
{
    std::array<TQuestionAddr, MaxCollections> chain{};
    int n = 0;
    chain[n++] = question;
    for (TQuestionAddr q = question;;) {
        const TQuestionId next = questions.DupLink(q);
        if (next == 0)
            break;
        if (n == MaxCollections)
            ThrowRange("Range check error: the duplicate chain of question " + std::to_string(question.Collection) + ":"
                       + std::to_string(question.Index) + " holds more than " + std::to_string(MaxCollections)
                       + " copies");
        q = TQuestionAddr::FromId(next);
        chain[n++] = q;
    }
    for (int i = 0; i < n; ++i)
        visit(chain[i]);
}

} // namespace sv
