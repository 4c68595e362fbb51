#include "wordstudy/WordStudyFixture.h"

#include <gtest/gtest.h>

namespace sv::test {

TFixtureDesc WordStudyPortion()
{
    TFixtureDesc d;
    d.Books.push_back({"Galatians",
                       "Ga",
                       {{"Paul, an apostle, to the churches of the region:", "grace to you and peace.",
                         "The zebra ran to the end of the road."},
                        {"Then Paul went up to Jerusalem with the peace of Barnabas.",
                         "And grace and peace were with the saints."}}});
    d.Books.push_back(
        {"Philemon", "Phm", {{"Paul, a prisoner, to Philemon and the church.", "The quiet house of the brothers."}}});
    d.Sections = {{1, 1, 1, "Greeting"}, {1, 2, 1, "Paul in Jerusalem"}, {2, 1, 1, "Thanks"}};
    d.Categories = {{"paul", 5},  {"barnabas", 5}, {"philemon", 5}, {"jerusalem", 6}, {"grace", 1}, {"peace", 1},
                    {"zebra", 1}, {"went", 11},    {"ran", 11},     {"the", 13},      {"to", 13}};
    return d;
}

TWordStudyContent::TWordStudyContent() { Content.Load(BuildFixture(WordStudyPortion())); }

int TWordStudyContent::Index(const std::string& word) const
{
    const int index = Words().FindWord(word) & WordIndexMask;
    EXPECT_NE(index, 0) << word;
    return index;
}

int RowOf(const TBibleBrowser& browser, int wordIndex)
{
    for (int row = 0; row < browser.ListedWordCount(); ++row)
        if (browser.ListedWordAt(row) == wordIndex)
            return row;
    return -1;
}

} // namespace sv::test
