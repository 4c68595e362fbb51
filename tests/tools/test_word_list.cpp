// Word list building: sorting, stored letters and case bits, use counts, separators,
// frequent words, extra words and the unique prefix rule.

#include "compiler/Compiler.h"
#include "compiler/WordListBuilder.h"

#include "content/Tokenizer.h"
#include "content/Words.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::content;

namespace {

// Renders coded tokens back through the word list, pair by pair.
std::string Render(const TWords& words, const std::vector<std::uint8_t>& bytes)
{
    TCodeStream s;
    s.setLength(static_cast<long long>(bytes.size()) + 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        s[static_cast<long long>(i) + 1] = bytes[i];
    std::string out;
    long long pos = 1;
    while (pos <= static_cast<long long>(bytes.size())) {
        std::string w, sep;
        words.DecodePairText(s, pos, w, sep);
        out += w + sep;
    }
    return out;
}

} // namespace

TEST(WordList, EveryTextRendersExactlyAndFindWordFindsEveryWord)
{
    const std::vector<std::string> verses = {
        "Paul, an apostle\x97not from men. The LORD is near; the lord of all.",
        "\x93When he ascended, he led captivity captive.\x94 Paul\x92s like-minded zeal",
        "(as I said) God\x92s grace be with you. Amen",
        "Apostle and Zeal: the end of Paul",
    };
    TWordListBuilder b;
    std::vector<std::vector<TToken>> tokens;
    for (std::size_t i = 0; i < verses.size(); ++i) {
        tokens.push_back(Tokenize(verses[i]));
        b.AddScripture(tokens.back(), static_cast<int>(i) + 1, 1, "v" + std::to_string(i));
    }
    const auto q = Tokenize("Who wrote to the GALATIANS, the Lord?");
    b.AddOther(q, {"q.yaml", 3});
    TWords words;
    b.Finish(nullptr, words);

    for (std::size_t i = 0; i < verses.size(); ++i)
        EXPECT_EQ(Render(words, b.Encode(tokens[i])), verses[i]);
    EXPECT_EQ(Render(words, b.Encode(q)), "Who wrote to the GALATIANS, the Lord?");

    // Sorted case-insensitively; FindWord's binary search finds every sorted word.
    const int n = words.WordCount();
    for (int i = 1; i < n; ++i)
        EXPECT_LT(LowerAscii(words.RawWordText(static_cast<TWordCode>(i))),
                  LowerAscii(words.RawWordText(static_cast<TWordCode>(i + 1))));
    for (int i = 1; i <= words.TotalWords(); ++i)
        EXPECT_EQ(WordIndexOf(words.FindWord(words.RawWordText(static_cast<TWordCode>(i)))), i)
            << words.RawWordText(static_cast<TWordCode>(i));

    // Stored letters: a proper name capitalised mid-sentence keeps its capital, a word only
    // capitalised at sentence starts is stored lower-case, a mixed-case word as written.
    auto stored = [&](const char* w) { return words.RawWordText(static_cast<TWordCode>(WordIndexOf(b.CodeOf(w)))); };
    EXPECT_EQ(stored("Paul"), "Paul");
    EXPECT_EQ(stored("The"), "the");
    EXPECT_EQ(stored("apostle"), "apostle");
    EXPECT_EQ(stored("LORD"), "LORD");
    EXPECT_EQ(b.CodeOf("lord") & 0x3000, 0);
    EXPECT_EQ(b.CodeOf("LORD") & 0x3000, 0x2000);
    EXPECT_EQ(b.CodeOf("Zeal") & 0x3000, 0x1000);
    EXPECT_EQ(b.CodeOf("Paul") & 0x3000, 0x1000);
    EXPECT_EQ(b.CodeOf("paul") & 0x3000, 0); // stored "Paul" reads in lower case without the bit

    // Question-only words are extra words after the sorted ones, with no occurrences.
    const int who = WordIndexOf(b.CodeOf("Who"));
    EXPECT_GT(who, n);
    EXPECT_EQ(words.Rec(who).UseCount, 0);
    EXPECT_GT(WordIndexOf(b.CodeOf("GALATIANS")), n);

    // Separator 1 is a single space; a text ending on a word uses the empty separator 0.
    EXPECT_EQ(words.SeparatorText(1), " ");
    EXPECT_EQ(b.SepOf(""), 0);
    EXPECT_EQ(b.SepOf(" "), 1);
    EXPECT_EQ(words.SeparatorText(b.SepOf(".\x94 ")), ".\x94 ");
}

TEST(WordList, UseCountsSaturateOccurrencesAndFirstChapter)
{
    TWordListBuilder b;
    std::vector<std::vector<TToken>> verses;
    // "grace" 300 times over 100 verses of chapters 2..; "peace" once in chapter 3.
    for (int v = 1; v <= 100; ++v) {
        verses.push_back(Tokenize("grace grace grace"));
        b.AddScripture(verses.back(), v, v <= 50 ? 2 : 3, "v");
    }
    verses.push_back(Tokenize("peace"));
    b.AddScripture(verses.back(), 101, 3, "v");
    TWords words;
    b.Finish(nullptr, words);
    const int grace = WordIndexOf(b.CodeOf("grace"));
    const int peace = WordIndexOf(b.CodeOf("peace"));
    EXPECT_EQ(words.Rec(grace).UseCount, 255);
    EXPECT_EQ(words.Rec(grace).FirstChapter, 2);
    EXPECT_EQ(words.Rec(peace).FirstChapter, 3);
    EXPECT_EQ(words.FirstOccurrence(grace), 1);
    EXPECT_EQ(words.LastOccurrence(grace), 300);
    EXPECT_EQ(words.Occurrence(300), 100);
    EXPECT_EQ(words.FirstOccurrence(peace), 301);
    EXPECT_EQ(words.LastOccurrence(peace), 301);
    // Frequent words by use count: grace first, then peace.
    EXPECT_EQ(words.Data.Frequent[1], grace);
    EXPECT_EQ(words.Data.Frequent[2], peace);
    // Frequent words use the one-byte form before a space.
    EXPECT_EQ(b.Encode(Tokenize("grace peace")).size(), 1u + 2u);
}

TEST(WordList, TwoMixedCaseSpellingsOfOneScriptureWordAreRefused)
{
    TWordListBuilder b;
    const auto a = Tokenize("the LORD");
    const auto c = Tokenize("the LoRD");
    b.AddScripture(a, 1, 1, "Gal 1:1");
    try {
        b.AddScripture(c, 2, 1, "Gal 1:2");
        FAIL() << "expected an error";
    } catch (const ESourceError& e) {
        EXPECT_NE(std::string(e.what()).find("Gal 1:2"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("Gal 1:1"), std::string::npos);
    }
}

TEST(WordList, CapitalisedMidSentenceWordMustBeInTheWordGroups)
{
    TWordGroups groups;
    groups.File = "wordgroups.tsv";
    groups.Add("the", 10, {"wordgroups.tsv", 1});
    groups.Add("came", 11, {"wordgroups.tsv", 2});
    TWordListBuilder b;
    const auto t = Tokenize("The Titus came");
    b.AddScripture(t, 1, 1, "Gal 2:1");
    TWords words;
    try {
        b.Finish(&groups, words);
        FAIL() << "expected an error";
    } catch (const ESourceError& e) {
        EXPECT_NE(std::string(e.what()).find("\"Titus\""), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Gal 2:1"), std::string::npos) << e.what();
    }
    TWordListBuilder ok;
    groups.Add("Titus", 5, {"wordgroups.tsv", 3});
    ok.AddScripture(t, 1, 1, "Gal 2:1");
    ok.Finish(&groups, words);
    EXPECT_EQ(words.CategoryOf(WordIndexOf(ok.CodeOf("Titus"))), 5);
    EXPECT_EQ(words.CategoryOf(WordIndexOf(ok.CodeOf("The"))), 10);
}

TEST(WordList, AWordListedInBothCasesTakesTheCategoryOfItsCommonerUse)
{
    TWordGroups groups;
    groups.File = "wordgroups.tsv";
    int line = 0;
    for (const auto& [w, c] : std::vector<std::pair<std::string, int>>{{"Spirit", 5},
                                                                       {"spirit", 1},
                                                                       {"Holy", 5},
                                                                       {"holy", 10},
                                                                       {"Savior", 5},
                                                                       {"savior", 1},
                                                                       {"Son", 5},
                                                                       {"son", 1},
                                                                       {"the", 10},
                                                                       {"a", 10},
                                                                       {"and", 14},
                                                                       {"of", 13}})
        groups.Add(w, c, {"wordgroups.tsv", ++line});
    // Spirit: capitalised twice in mid-sentence, lower case once. Holy: once against twice.
    // Savior: once each (a tie is no majority). Son: only at a sentence start.
    const std::vector<std::string> verses = {
        "the Holy Spirit and the Spirit of a spirit",
        "a holy and holy Savior",
        "a savior. Son of the",
    };
    TWordListBuilder b;
    std::vector<std::vector<TToken>> tokens;
    for (std::size_t i = 0; i < verses.size(); ++i) {
        tokens.push_back(Tokenize(verses[i]));
        b.AddScripture(tokens.back(), static_cast<int>(i) + 1, 1, "v");
    }
    TWords words;
    b.Finish(&groups, words);
    const std::vector<std::pair<std::string, int>> expected = {
        {"Spirit", 5}, {"holy", 10}, {"savior", 1}, {"son", 1}, {"the", 10}};
    for (const auto& [w, c] : expected)
        EXPECT_EQ(static_cast<int>(words.CategoryOf(WordIndexOf(b.CodeOf(w)))), c) << w;
    // Every occurrence still renders as written.
    for (std::size_t i = 0; i < verses.size(); ++i)
        EXPECT_EQ(Render(words, b.Encode(tokens[i])), verses[i]);
}

TEST(WordList, UniquePrefixLengthsWithinAClass)
{
    const std::vector<std::vector<std::string>> p = {
        {"for", "by", "grace", "you"},         // differs from 1 at word 3
        {"For", "by", "faith"},                // same class; differs at 3
        {"for", "by", "grace", "you", "have"}, // other class: ignored for 0 and 1
        {"amen"},
        {"for", "by"}, // a prefix of 0 and 1 in its class: whole length
    };
    const std::vector<int> classes = {1, 1, 2, 1, 1};
    EXPECT_EQ(UniquePrefixLengths(p, classes), (std::vector<int>{3, 3, 1, 1, 2}));
}

TEST(WordList, SortKeysAreDenseCaseInsensitiveRanks)
{
    EXPECT_EQ(CaseInsensitiveRanks({"b", "A", "a", "c", "B?"}), (std::vector<int>{2, 1, 1, 4, 3}));
}
