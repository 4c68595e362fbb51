// The coded text: tokenising, case bits, the pair forms, whole texts, and fixtures coded the
// way the content compiler codes the shipped files.
#include "content/TextEncoder.h"
#include "content/Tokenizer.h"
#include "content/Words.h"
#include "support/ContentFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

using namespace sv;

namespace {

TCodeStream Stream(const std::vector<std::uint8_t>& bytes)
{
    TCodeStream s;
    s.setLength(static_cast<long long>(bytes.size()) + 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        s[static_cast<long long>(i) + 1] = bytes[i];
    return s;
}

// Renders positions from..to of a code stream through the word list.
std::string Render(const TWords& words, const TCodeStream& s, long long from, long long to)
{
    std::string out;
    long long pos = from;
    while (pos <= to) {
        std::string w, sep;
        words.DecodePairText(s, pos, w, sep);
        out += w + sep;
    }
    return out;
}

} // namespace

TEST(Tokenizer, SplitsWordsAndSeparatorsKeepingJoinedWords)
{
    struct Case {
        std::string text;
        std::vector<TToken> tokens;
    };
    const std::vector<Case> cases = {
        // A verse may start with a quotation mark and end on a bare word.
        {"\x93When he ascended", {{"", "\x93"}, {"When", " "}, {"he", " "}, {"ascended", ""}}},
        // Apostrophes (both kinds) and hyphens between letters stay inside the word.
        {"God\x92s like-minded don't", {{"God\x92s", " "}, {"like-minded", " "}, {"don't", ""}}},
        // ... but not at a word's edge or between a letter and a space.
        {"the Jews\x92 law - so", {{"the", " "}, {"Jews", "\x92 "}, {"law", " - "}, {"so", ""}}},
        {"(as I said), \x93To you.\x94",
         {{"", "("}, {"as", " "}, {"I", " "}, {"said", "), \x93"}, {"To", " "}, {"you", ".\x94"}}},
        {"caf\xE9 14 times", {{"caf\xE9", " "}, {"14", " "}, {"times", ""}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Tokenize(c.text), c.tokens) << c.text;
        EXPECT_EQ(JoinTokens(Tokenize(c.text)), c.text);
    }
}

TEST(Tokenizer, UnderlineMarkupIsSeparatorTextOnlyWhenAllowed)
{
    const std::string text = "He {\\ul gave himself} for";
    const auto marked = Tokenize(text, TTextMarkup::Underline);
    ASSERT_EQ(marked.size(), 4u);
    EXPECT_EQ(marked[0], (TToken{"He", " {\\ul "}));
    EXPECT_EQ(marked[2], (TToken{"himself", "} "}));
    EXPECT_EQ(JoinTokens(marked), text);
    // Without markup "ul" would be a word.
    EXPECT_EQ(Tokenize(text)[1].Word, "ul");
}

TEST(Tokenizer, SentenceStarts)
{
    const auto t = Tokenize("Paul said: \x93The Lord is near.\x94 And Jesus (Christ) wept");
    // Paul(0) said(1) The(2) Lord(3) is(4) near(5) And(6) Jesus(7) Christ(8) wept(9)
    const std::vector<bool> starts = {true, false, true, false, false, false, true, false, true, false};
    for (std::size_t i = 0; i < starts.size(); ++i)
        EXPECT_EQ(StartsSentence(t, i), starts[i]) << t[i].Word;
}

TEST(TextEncoder, ChoosesTheShortestFormAndDecodesBack)
{
    // A word list whose frequent slots 1 and 3 hold words 5 and 7.
    TWords words;
    words.Data.WordCount = 900;
    words.Data.TotalWords = 900;
    words.Data.WordRecs.setLength(901);
    words.Data.Frequent[1] = 5;
    words.Data.Frequent[3] = 7;
    struct Case {
        TWordCode code;
        TSeparatorCode sep;
        int slot;
        std::vector<std::uint8_t> bytes;
        TWordCode decoded; // low 14 bits of what DecodePair returns
    };
    const std::vector<Case> cases = {
        {5, 1, 1, {0x01}, 5},
        {5 | 0x1000, 1, 1, {0x41}, 5 | 0x1000},
        {0x210 | 0x1000, 1, 0, {0x92, 0x10}, 0x210 | 0x1000},
        {7, 2, 3, {0xA3, 0x02}, 7},
        {7 | 0x1000, 0, 3, {0xB3, 0x00}, 7 | 0x1000},
        {0x32A, 5, 0, {0xC3, 0x2A, 0x05}, 0x32A},
        {0x32A | 0x2000, 1, 0, {0xE3, 0x2A, 0x01}, 0x32A | 0x2000},
        // A leading separator: word 0, never the frequent form.
        {0, 1, 0, {0x80, 0x00}, 0},
        {0, 9, 0, {0xC0, 0x00, 0x09}, 0},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> out;
        EncodePair(c.code, c.sep, c.slot, out);
        EXPECT_EQ(out, c.bytes) << std::hex << c.code;
        TCodeStream stream;
        stream.setLength(static_cast<long long>(out.size()) + 2);
        for (std::size_t i = 0; i < out.size(); ++i)
            stream[static_cast<long long>(i) + 1] = out[i];
        long long pos = 1;
        const TWordPair p = words.DecodePair(stream, pos);
        EXPECT_EQ(p.WordCode & 0x3FFF, c.decoded) << std::hex << c.code;
        EXPECT_EQ(p.SeparatorCode, c.sep);
        EXPECT_EQ(pos, static_cast<long long>(out.size()) + 1);
    }
}

TEST(TextEncoder, CaseBitsRenderTheWrittenFormFromTheStoredLetters)
{
    struct Case {
        std::string stored, written;
        std::optional<TWordCode> bits;
    };
    const std::vector<Case> cases = {
        {"lord", "lord", 0},
        {"lord", "Lord", WordCapitalise},
        {"LORD", "lord", 0},
        {"LORD", "Lord", WordCapitalise},
        {"LORD", "LORD", WordAsStored},
        // A proper name stored capitalised: the capitalise form wins over "as stored".
        {"Paul", "Paul", WordCapitalise},
        {"god\x92s", "God\x92s", WordCapitalise},
        {"like-minded", "Like-minded", WordCapitalise},
        // Forms the three bits cannot produce.
        {"paul", "PAUL", std::nullopt},
        {"LoRD", "LORD", std::nullopt},
        {"lord", "lordx", std::nullopt},
        // Case rules are ASCII only: an accented capital is another word.
        {"\xE9t\xE9", "\xC9t\xE9", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaseBitsFor(c.stored, c.written), c.bits) << c.stored << " / " << c.written;
}

TEST(TextEncoder, CodesAWholeTextThroughTheLookupsAndTheFrequentTable)
{
    TWords words;
    words.Data.Frequent[2] = 7;
    words.Data.Frequent[5] = 7;   // listed twice: the first slot is used
    words.Data.Frequent[20] = 40; // beyond slot 15: no two-byte form with a separator
    const std::map<std::string, TWordCode> codes = {
        {"a", 7}, {"B", 300 | WordCapitalise}, {"c", 9 | WordAsStored}, {"d", 40}};
    const std::map<std::string, TSeparatorCode> seps = {{" ", 1}, {"(", 3}, {"; ", 4}};
    const TTextEncoder enc(
        words.Data, [&](const std::string& w) { return codes.at(w); },
        [&](const std::string& s) { return seps.at(s); });
    EXPECT_EQ(enc.FrequentSlot(7), 2);
    EXPECT_EQ(enc.FrequentSlot(40), 20);
    EXPECT_EQ(enc.FrequentSlot(0), 0);
    EXPECT_EQ(enc.FrequentSlot(8), 0);

    const std::vector<TToken> tokens = {{"", "("}, {"a", " "}, {"B", "; "}, {"d", "; "}, {"c", ""}};
    const std::vector<std::uint8_t> bytes = enc.Encode(tokens);
    EXPECT_EQ(bytes,
              (std::vector<std::uint8_t>{0xC0, 0x00, 0x03, 0x02, 0xD1, 0x2C, 0x04, 0xC0, 40, 0x04, 0xE0, 0x09, 0x00}));
    // Append adds to what is there.
    std::vector<std::uint8_t> out{0xAA};
    enc.Append(tokens, out);
    EXPECT_EQ(out.size(), bytes.size() + 1);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), out.begin() + 1));

    // The pairs decode back to the looked-up codes.
    const TCodeStream s = Stream(bytes);
    long long pos = 1;
    std::vector<TWordPair> pairs;
    while (pos <= static_cast<long long>(bytes.size())) {
        const TWordPair p = words.DecodePair(s, pos);
        pairs.push_back({static_cast<TWordCode>(p.WordCode & 0x3FFF), p.SeparatorCode});
    }
    EXPECT_EQ(pairs,
              (std::vector<TWordPair>{{0, 3}, {7, 1}, {300 | WordCapitalise, 4}, {40, 4}, {9 | WordAsStored, 0}}));
}

TEST(TextEncoder, AWordWithoutACodeIsAnErrorNotAnEmptyWord)
{
    TWords words;
    const TTextEncoder zero(
        words.Data, [](const std::string&) { return TWordCode{WordCapitalise}; },
        [](const std::string&) { return TSeparatorCode{1}; });
    EXPECT_THROW(zero.Encode(Tokenize("grace")), ERangeError);
    // An empty text codes to nothing; a text of punctuation only to word 0.
    EXPECT_TRUE(zero.Encode(Tokenize("")).empty());
    EXPECT_EQ(zero.Encode(Tokenize(" ")), (std::vector<std::uint8_t>{0x80, 0x00}));
}

TEST(TextEncoder, FixturesAreCodedAsTheShippedFiles)
{
    // Joined words, an apostrophe that ends a word, and underline markup in an answer.
    test::TFixtureDesc d;
    const std::string verse = "God\x92s like-minded brothers' hope, don't";
    const std::string answer = "{\\ul God\x92s} hope";
    d.Books = {{"Galatians", "Ga ", {{verse}}}};
    test::TFixtureQuestion q;
    q.Question = "Whose hope?";
    q.Answer = {{TVerseRef(1, 1, 1), answer}};
    d.Collections = {{"Main", {}, {q}}};
    const auto c = test::LoadFixture(d);
    const TWords& w = c->Words;

    EXPECT_EQ(w.WordCount(), 5);  // god's, like-minded, brothers, hope, don't
    EXPECT_EQ(w.TotalWords(), 6); // ... and "whose" from the question
    for (const char* word : {"god\x92s", "like-minded", "don't"})
        EXPECT_NE(WordIndexOf(w.FindWord(word)), 0) << word;
    for (const char* piece : {"God", "minded", "don", "ul"})
        EXPECT_EQ(WordIndexOf(w.FindWord(piece)), 0) << piece;

    const TBookRec& b = c->Books.Data.Books[1];
    EXPECT_EQ(Render(w, b.TextCode, 1, b.TextLength), verse);
    const TCollection& col = c->Questions.Data.Collections[0];
    EXPECT_EQ(Render(w, col.AnswerText, 1, col.AnswerTextSize), answer);
    EXPECT_EQ(test::EncodeText(w, answer, TTextMarkup::Underline),
              std::vector<std::uint8_t>(col.AnswerText.items().begin() + 1,
                                        col.AnswerText.items().begin() + 1 + col.AnswerTextSize));
}
