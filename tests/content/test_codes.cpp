// Word codes, the word list's texts, FindWord and the word filters.
#include "support/ContentFixture.h"

#include <gtest/gtest.h>

using namespace sv;

namespace {

const test::TLoadedContent& Small()
{
    static test::TLoadedContent* c = [] {
        auto* l = new test::TLoadedContent;
        l->Load(test::BuildFixture(test::SmallFixture()));
        return l;
    }();
    return *c;
}

TCodeStream Stream(std::vector<std::uint8_t> bytes)
{
    TCodeStream s;
    bytes.insert(bytes.begin(), 0); // entry 0 unused
    s.items() = bytes;
    return s;
}

} // namespace

TEST(WordCodes, TheCodeByteExampleDecodesToFourPairs)
{
    TWords w;
    w.Data.Frequent[1] = 11;
    w.Data.Frequent[3] = 33;
    const TCodeStream s = Stream({0x41, 0xC3, 0x2A, 0x05, 0x92, 0x10, 0xA3, 0x02});
    long long p = 1;
    std::vector<TWordPair> got;
    std::vector<long long> positions;
    while (p <= 8) {
        got.push_back(w.DecodePair(s, p));
        positions.push_back(p);
    }
    const std::vector<TWordPair> expect = {{11 | 0x1000, 1}, {0xC32A, 5}, {0x9210, 1}, {33, 2}};
    EXPECT_EQ(got, expect);
    EXPECT_EQ(positions, (std::vector<long long>{2, 5, 7, 9}));
    EXPECT_EQ(WordIndexOf(0xC32A), 0x32A);
    EXPECT_EQ(WordIndexOf(0x9210), 0x210);
    EXPECT_TRUE(0x9210 & WordCapitalise);
    EXPECT_FALSE(0xC32A & (WordCapitalise | WordAsStored));
}

TEST(WordCodes, FrequentIndexZeroAndCodesRunningOffTheStreamAreRangeErrors)
{
    TWords w;
    long long p = 1;
    const TCodeStream zero1 = Stream({0x40});
    EXPECT_THROW(w.DecodePair(zero1, p), ERangeError);
    p = 1;
    const TCodeStream zero2 = Stream({0xB0, 0x01});
    EXPECT_THROW(w.DecodePair(zero2, p), ERangeError);
    p = 1;
    const TCodeStream cut = Stream({0xC3, 0x2A}); // third byte missing
    EXPECT_THROW(w.DecodePair(cut, p), ERangeError);
}

TEST(WordCodes, DecodePairTextGivesASpaceForTheImplicitForms)
{
    const TWords& w = Small().Words;
    const int grace = WordIndexOf(w.FindWord("grace"));
    const int faith = WordIndexOf(w.FindWord("faith"));
    ASSERT_GT(grace, 0);
    // 2-byte form without separator byte; 3-byte form with separator 0.
    const TCodeStream s =
        Stream({static_cast<std::uint8_t>(0x90 | (grace >> 8)), static_cast<std::uint8_t>(grace & 0xFF),
                static_cast<std::uint8_t>(0xC0 | (faith >> 8)), static_cast<std::uint8_t>(faith & 0xFF), 0});
    long long p = 1;
    std::string word, sep;
    w.DecodePairText(s, p, word, sep);
    EXPECT_EQ(word, "Grace");
    EXPECT_EQ(sep, " ");
    w.DecodePairText(s, p, word, sep);
    EXPECT_EQ(word, "faith");
    EXPECT_EQ(sep, "");
}

TEST(WordList, WordTextFollowsTheCaseBits)
{
    const TWords& w = Small().Words;
    const int paul = WordIndexOf(w.FindWord("Paul"));
    const int god = WordIndexOf(w.FindWord("god"));
    const int faith = WordIndexOf(w.FindWord("faith"));
    struct Row {
        int code;
        const char* text;
    } rows[] = {
        {0, ""},
        {0x1000 | 0x2000, ""},
        {paul, "paul"}, // stored "Paul", plain index: all lower case
        {paul | 0x1000, "Paul"},
        {paul | 0x2000, "Paul"},
        {faith | 0x1000, "Faith"},
        {faith | 0x2000, "faith"},
        {god | 0xC000, "god"}, // bits 0x4000 and 0x8000 are ignored
    };
    for (const Row& r : rows)
        EXPECT_EQ(w.WordText(static_cast<TWordCode>(r.code)), r.text) << r.code;
    EXPECT_EQ(w.RawWordText(static_cast<TWordCode>(paul | 0x1000)), "Paul");
    const int selah = WordIndexOf(w.FindWord("selah"));
    EXPECT_EQ(w.WordText(static_cast<TWordCode>(selah | 0x2000)), "SELAH"); // stored in capitals
    EXPECT_EQ(w.WordText(static_cast<TWordCode>(selah | 0x1000)), "Selah");
    EXPECT_EQ(w.SeparatorText(0), "");
    EXPECT_EQ(w.SeparatorText(1), " ");
    EXPECT_EQ(w.SeparatorText(2), "[");
    EXPECT_THROW(w.SeparatorText(static_cast<TSeparatorCode>(w.Data.SepCount + 1)), ERangeError);
}

TEST(WordList, ANewListHasOnlyTheTwoDefaultSeparators)
{
    TWords w;
    EXPECT_EQ(w.WordCount(), 0);
    EXPECT_EQ(w.Data.SepCount, 2);
    EXPECT_EQ(w.SeparatorText(1), " ");
    EXPECT_EQ(w.SeparatorText(2), "[");
    EXPECT_EQ(w.FindWord("grace"), 0);
}

TEST(WordList, FindWordCaseBits)
{
    const TWords& w = Small().Words;
    const int paul = WordIndexOf(w.FindWord("paul"));
    const int faith = WordIndexOf(w.FindWord("faith"));
    const int onesimus = WordIndexOf(w.FindWord("onesimus"));
    ASSERT_GT(paul, 0);
    ASSERT_GT(onesimus, w.WordCount()); // an extra word, found by the linear search
    struct Row {
        const char* text;
        int expect;
    } rows[] = {
        {"Paul", paul | 0x1000}, // stored first letter equals exactly
        {"paul", paul},
        {"PAUL", paul | 0x2000}, // second character upper case
        {"PAul", paul | 0x2000},
        {"pAUL", paul | 0x2000},
        {"faith", faith | 0x1000}, // stored "faith": first letters equal
        {"Faith", faith},
        {"Onesimus", onesimus | 0x1000},
        {"ONESIMUS", onesimus | 0x2000},
        {"SELAH", WordIndexOf(w.FindWord("selah")) | 0x2000},
        {"nothing", 0},
        {"", 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(w.FindWord(r.text), r.expect) << r.text;
}

TEST(WordList, OccurrenceRanges)
{
    const test::TLoadedContent& c = Small();
    const TWords& w = c.Words;
    // "grace" is used in Ga 1:3 (VerseNo 3) and Pm 1:3 (VerseNo 18).
    const int grace = WordIndexOf(w.FindWord("grace"));
    std::vector<int> verses;
    for (int e = w.FirstOccurrence(grace); e <= w.LastOccurrence(grace); ++e)
        verses.push_back(w.Occurrence(e));
    EXPECT_EQ(verses, (std::vector<int>{3, 18}));
    EXPECT_EQ(w.UseCountOf(static_cast<TWordCode>(grace)), 2);
    EXPECT_EQ(w.FirstChapterOf(static_cast<TWordCode>(grace)), 1);
    EXPECT_EQ(w.LastOccurrence(w.WordCount()), w.Data.OccCount);
    EXPECT_EQ(w.LastOccurrence(w.TotalWords()), w.Data.OccCount); // extra word
}

TEST(WordList, Filters)
{
    const TWords& w = Small().Words;
    const TCategorySet people = 1u << 5;
    // Brute force over the sorted words is the reference for every filter.
    auto reference = [&](int use, TCategorySet groups, int through) {
        std::vector<int> v;
        for (int i = 1; i <= w.WordCount(); ++i) {
            const TWordRec& r = w.Rec(i);
            if (r.UseCount <= use && (groups == 0 || (r.Category <= 15 && (groups >> r.Category) & 1))
                && r.FirstChapter <= through)
                v.push_back(i);
        }
        return v;
    };
    struct Row {
        int use;
        TCategorySet groups;
        int through;
    } rows[] = {{255, 0, 127}, {1, 0, 127}, {255, people, 1}, {255, people, 4}, {2, 0x01FE, 3}, {0, 0, 127}};
    for (const Row& r : rows) {
        const auto ref = reference(r.use, r.groups, r.through);
        EXPECT_EQ(w.CountFiltered(r.use, r.groups, r.through), static_cast<int>(ref.size()));
        for (std::size_t n = 0; n < ref.size(); ++n)
            EXPECT_EQ(w.NthFiltered(static_cast<int>(n) + 1, r.use, r.groups, r.through), ref[n]);
        EXPECT_EQ(w.NthFiltered(static_cast<int>(ref.size()) + 1, r.use, r.groups, r.through), 1);
        if (ref.size() >= 3) {
            EXPECT_EQ(w.SkipFiltered(ref[0], 2, r.use, r.groups, r.through), ref[2]);
            EXPECT_EQ(w.SkipFiltered(0, 1, r.use, r.groups, r.through), ref[0]);
        }
        EXPECT_EQ(w.SkipFiltered(1, static_cast<int>(ref.size()) + 5, r.use, r.groups, r.through), w.WordCount() + 1);
    }
    // People first used in chapter 1 (Galatians 1): only Paul; through chapter 4 (Philemon)
    // also Barnabas, Titus, Abraham, Timothy, Philemon.
    EXPECT_EQ(w.CountFiltered(255, people, 1), 1);
    EXPECT_EQ(w.CountFiltered(255, people, 4), 6);
}

TEST(WordList, LocateFilteredGivesTheRowOfTheTypedText)
{
    const TWords& w = Small().Words;
    const int all = w.CountFiltered(255, 0, 127);
    EXPECT_EQ(w.LocateFiltered("a", 255, 0, 127), 1);
    EXPECT_EQ(w.LocateFiltered("zzzz", 255, 0, 127), all + 1);
    // A word that passes the filter is found on its own row.
    const TCategorySet people = 1u << 5;
    const int n = w.CountFiltered(255, people, 127);
    ASSERT_EQ(n, 6);
    for (int row = 1; row <= n; ++row) {
        const int index = w.NthFiltered(row, 255, people, 127);
        EXPECT_EQ(w.LocateFiltered(w.RawWordText(static_cast<TWordCode>(index)), 255, people, 127), row);
    }
}
