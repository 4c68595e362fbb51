#pragma once
// A small portion made for the document tests: two books, quotes and typographic apostrophes
// at passage starts, a three-verse memory passage whose middle verse ends in a rare word, a
// name used three times and a place used once.

#include "support/ContentFixture.h"

namespace sv::test {

inline TFixtureDesc PrintFixtureDesc()
{
    TFixtureDesc d;
    TFixtureBook tb{"Testbook", "Tb ", {}};
    tb.Chapters = {
        {"\"Don't be deceived,\" he said to Titus.", "Don't be drunk with wine", "Grace and peace to you.", "Amen."},
        {"Then Titus went up to Jerusalem.", "And Titus saw the brothers."},
    };
    TFixtureBook ob{"Otherbook", "Ob ", {}};
    ob.Chapters = {{"Grace to you and peace from God our Father."}};
    d.Books = {tb, ob};
    d.Sections = {{1, 1, 1, "Opening"}, {1, 2, 1, "Journey"}, {2, 1, 1, "Greeting"}};
    d.MemoryVerses = {{1, 1, 1, 3, 1}, {1, 1, 2, 3, 3}, {2, 1, 1, 4, 1}};
    d.Categories = {{"titus", 5}, {"jerusalem", 6}, {"wine", 1}, {"grace", 1}, {"went", 11}};
    d.Collections = {TFixtureCollection{"Main", {}, {}}};
    return d;
}

inline const TLoadedContent& PrintContent()
{
    static const std::unique_ptr<TLoadedContent> content = LoadFixture(PrintFixtureDesc());
    return *content;
}

} // namespace sv::test
