#pragma once
// Helpers for the working-list tests: a random source that replays given draws, small
// content fixtures and the orderings written as the plain insertion sorts they must match.

#include "common/Errors.h"
#include "common/Random.h"
#include "support/ContentFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sv::test {

// Replays draws (each taken modulo the bound) and records the bounds asked for. Running out
// of draws fails the test.
class TScriptedRandom final : public IRandom {
public:
    explicit TScriptedRandom(std::vector<int> draws = {}) : m_draws(std::move(draws)) { }
    int Random(int bound) override
    {
        Bounds.push_back(bound);
        if (bound <= 0)
            return 0;
        if (m_next >= m_draws.size()) {
            ADD_FAILURE() << "unexpected draw below " << bound;
            return 0;
        }
        return m_draws[m_next++] % bound;
    }
    std::vector<int> Bounds;

private:
    std::vector<int> m_draws;
    std::size_t m_next = 0;
};

// A book of `chapters` chapters of `verses` verses each; verse text "alpha beta gamma ...".
inline TFixtureBook PlainBook(const std::string& name, const std::string& abbrev, int chapters, int verses)
{
    TFixtureBook b;
    b.Name = name;
    b.Abbrev = abbrev;
    for (int c = 1; c <= chapters; ++c) {
        std::vector<std::string> vs;
        for (int v = 1; v <= verses; ++v)
            vs.push_back("Grace and peace to you in verse " + std::to_string(v) + " of chapter " + std::to_string(c)
                         + ".");
        b.Chapters.push_back(vs);
    }
    return b;
}

inline TFixtureQuestion PlainQuestion(int book, int chapter, int verse, const std::string& text, int type = 3,
                                      std::uint16_t sortKey = 0)
{
    TFixtureQuestion q;
    q.Type = type;
    q.Question = text;
    q.Answer = {{TVerseRef(book, chapter, verse), "grace and peace"}};
    q.SortKey = sortKey;
    return q;
}

inline TFixtureQuestion Placeholder(int homeCollection, int homeIndex, int book, int chapter, int verse)
{
    TFixtureQuestion q;
    q.Type = 44;
    q.HomeCollection = homeCollection;
    q.HomeIndex = homeIndex;
    q.Answer = {{TVerseRef(book, chapter, verse), ""}};
    return q;
}

// Loads a description into stores that live as long as the object.
struct TLoaded {
    explicit TLoaded(const TFixtureDesc& d) { Content.Load(BuildFixture(d)); }
    TLoadedContent Content;
    const TQuestions& Questions() const { return Content.Questions; }
    const TBooks& Books() const { return Content.Books; }
};

// Every verse of the store chosen.
template <class Selection>
Selection AllChosen(int total)
{
    Selection s;
    s.Total = total;
    for (int i = 1; i <= total; ++i)
        s.Choose(i);
    return s;
}

// The orderings as plain insertion sorts: entry i is taken out and earlier entries shift up
// while shiftWhile(earlier, taken) holds.
template <class T, class ShiftWhile>
void ReferenceInsertionSort(std::vector<T>& v, ShiftWhile shiftWhile)
{
    for (std::size_t i = 1; i < v.size(); ++i) {
        T x = v[i];
        std::size_t j = i;
        while (j > 0 && shiftWhile(v[j - 1], x)) {
            v[j] = v[j - 1];
            --j;
        }
        v[j] = x;
    }
}

} // namespace sv::test
