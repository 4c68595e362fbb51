#include "content/Prejump.h"

#include "content/Questions.h"

#include <algorithm>
#include <map>
#include <vector>

namespace sv {

// For a question Q, every other question R of its class gives d = 1 + the length of the
// common prefix of their word index lists; the stored count is min(max d, Q's words, 31)
// (1 when Q is alone in its class). The largest common prefix of a list with any other lies
// with a neighbour in sorted order, so each class is sorted once instead of comparing all
// pairs.
void ComputePrejumpWords(TQuestions& questions)
{
    struct TEntry {
        TQuestionAddr Question;
        std::vector<std::uint16_t> Words;
    };
    std::map<int, std::vector<TEntry>> classes;
    TWordPairs q, a;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= questions.QuestionCount(c); ++i) {
            const TQuestionAddr question{c, i};
            questions.QuestionWords(question, TQuestions::TWordsOf::QuestionWithoutLead, q, a);
            TEntry e{question, {}};
            e.Words.reserve(static_cast<std::size_t>(q.Count));
            for (int j = 1; j <= q.Count; ++j)
                e.Words.push_back(static_cast<std::uint16_t>(WordIndexOf(q.Pairs[j].WordCode)));
            classes[questions.PrejumpClass(question)].push_back(std::move(e));
        }

    auto common = [](const std::vector<std::uint16_t>& x, const std::vector<std::uint16_t>& y) {
        const auto m = std::mismatch(x.begin(), x.end(), y.begin(), y.end());
        return static_cast<int>(m.first - x.begin());
    };
    for (auto& [cls, list] : classes) {
        std::sort(list.begin(), list.end(), [](const TEntry& x, const TEntry& y) { return x.Words < y.Words; });
        for (std::size_t k = 0; k < list.size(); ++k) {
            const TEntry& e = list[k];
            TQuestionRec& rec = questions.Collection(e.Question.Collection).Records[e.Question.Index];
            if (rec.QType == TypeAccordingTo || rec.QType == TypePlaceholder)
                continue;
            int maxD = 0;
            if (k > 0)
                maxD = std::max(maxD, common(e.Words, list[k - 1].Words) + 1);
            if (k + 1 < list.size())
                maxD = std::max(maxD, common(e.Words, list[k + 1].Words) + 1);
            const int count = static_cast<int>(e.Words.size());
            const int best = std::max(1, maxD);
            rec.SetPrejumpWords(std::min({best, count, 31}));
        }
    }
}

} // namespace sv
