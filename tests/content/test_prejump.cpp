// The prejump word count against the defining all-pairs comparison.
#include "support/ContentFixture.h"

#include "content/Prejump.h"

#include <gtest/gtest.h>

using namespace sv;

namespace {

// The definition, question by question.
std::vector<int> Reference(const TQuestions& q)
{
    struct TEntry {
        int c, i, cls, type;
        std::vector<int> words;
    };
    std::vector<TEntry> all;
    TWordPairs w, a;
    for (int c = 0; c < 8; ++c)
        for (int i = 1; i <= q.QuestionCount(c); ++i) {
            q.QuestionWords({c, i}, TQuestions::TWordsOf::QuestionWithoutLead, w, a);
            TEntry e{c, i, q.PrejumpClass({c, i}), q.QuestionType({c, i}), {}};
            for (int j = 1; j <= w.Count; ++j)
                e.words.push_back(WordIndexOf(w.Pairs[j].WordCode));
            all.push_back(e);
        }
    std::vector<int> out;
    for (const TEntry& e : all) {
        if (e.type == 1 || e.type == 44) {
            out.push_back(q.Record({e.c, e.i}).PrejumpWords());
            continue;
        }
        const int count = static_cast<int>(e.words.size());
        int best = 1;
        for (const TEntry& r : all) {
            if (&r == &e || r.cls != e.cls)
                continue;
            std::size_t k = 0;
            while (k < e.words.size() && k < r.words.size() && e.words[k] == r.words[k])
                ++k;
            const int d = static_cast<int>(k) + 1;
            if (d > best)
                best = std::min(d, count);
        }
        out.push_back(std::min({best, count, 31}));
    }
    return out;
}

std::vector<int> Stored(const TQuestions& q)
{
    std::vector<int> out;
    for (int c = 0; c < 8; ++c)
        for (int i = 1; i <= q.QuestionCount(c); ++i)
            out.push_back(q.Record({c, i}).PrejumpWords());
    return out;
}

} // namespace

TEST(Prejump, MatchesTheDefinition)
{
    for (auto desc : {test::SmallFixture(), test::LargeFixture(2, 300)}) {
        desc.ComputePrejump = false;
        for (auto& col : desc.Collections)
            for (auto& q : col.Questions)
                q.PrejumpWords = 17; // kept for types 1 and 44
        // Questions that share long openings, one a prefix of another, and a duplicate.
        desc.Collections[0].Questions[0].Question = "What did God the Father do?";
        desc.Collections[0].Questions.push_back(desc.Collections[0].Questions[0]);
        desc.Collections[0].Questions.back().Question = "What did God the Father";
        desc.Collections[0].Questions.push_back(desc.Collections[0].Questions[0]);
        test::TLoadedContent c;
        c.Load(test::BuildFixture(desc));
        const std::vector<int> expect = Reference(c.Questions);
        const std::uint8_t dup = c.Questions.Record({0, 6}).Info & 7;
        ComputePrejumpWords(c.Questions);
        EXPECT_EQ(Stored(c.Questions), expect);
        EXPECT_EQ(c.Questions.Record({0, 6}).Info & 7, dup); // DupCount kept
    }
}

TEST(Prejump, SmallFixtureValues)
{
    test::TLoadedContent c;
    c.Load(test::BuildFixture(test::SmallFixture()));
    const TQuestions& q = c.Questions;
    // "What did God the Father do?" and "What does Paul wish Philemon?" (class 0... type 3) differ
    // at word 2; the type-40 question is alone in its class.
    EXPECT_EQ(q.Record({0, 1}).PrejumpWords(), 2);
    EXPECT_EQ(q.Record({0, 4}).PrejumpWords(), 1);
}
