// Tokenising, raw scripture markup and the code forms of the content compiler.

#include "RawText.h"
#include "TextEncoder.h"
#include "Tokenizer.h"

#include "content/Words.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::content;

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
        {"(as I said), \x93To you.\x94", {{"", "("}, {"as", " "}, {"I", " "}, {"said", "), \x93"}, {"To", " "}, {"you", ".\x94"}}},
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
    const auto marked = Tokenize(text, true);
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

TEST(RawText, NotesBecomeSpacesTagsGoAndTheModuleLineIsNotText)
{
    const std::string raw =
        "Galatians 1:1: <w savlm=\"x\">Paul</w>, an <w>apostle</w>\xE2\x80\x94not\n"
        "<div sID=\"p1\" type=\"x-p\"/>Galatians 1:2: in <w>Christ</w><note placement=\"foot\" swordFootnote=\"1\"></note><w>Jesus</w>,"
        "<note placement=\"foot\"></note> and the <l level=\"1\" sID=\"a\"/>brothers<l eID=\"a\"/><l sID=\"b\"/>who\n"
        "run on to a second line. <div eID=\"p1\" type=\"x-p\"/>\n"
        "Galatians 2:1: Then.\n"
        "(engWEB2015eb)\n";
    const auto v = ParseRawBook(raw, "Galatians", "engWEB2015eb", "test");
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].Text, "Paul, an apostle\xE2\x80\x94not");
    EXPECT_EQ(v[1].Text, "in Christ Jesus, and the brothers who run on to a second line.");
    ASSERT_EQ(v[1].Notes.size(), 2u);
    EXPECT_EQ(v[1].Notes[0].Position, 9); // after "in Christ"
    EXPECT_EQ(v[1].Notes[1].Position, 16); // after "in Christ Jesus,"
    EXPECT_EQ(v[2].Chapter, 2);
    EXPECT_EQ(v[2].Text, "Then.");
}

TEST(RawText, OsisNotesCarryTheirTextAndPositionsCountCharacters)
{
    const std::string osis = "Galatians 1:1: \xE2\x80\x9CPaul\xE2\x80\x9D,<note placement=\"foot\">1:1 \xE2\x80\x9C"
                             "Christ\xE2\x80\x9D means <i>Anointed</i>.</note> and\n(engWEB2015eb)\n";
    const auto v = ParseRawBook(osis, "Galatians", "engWEB2015eb", "test");
    ASSERT_EQ(v.size(), 1u);
    ASSERT_EQ(v[0].Notes.size(), 1u);
    EXPECT_EQ(v[0].Notes[0].Position, 7); // “Paul”, is seven characters
    EXPECT_EQ(v[0].Notes[0].Text, "1:1 \xE2\x80\x9C" "Christ\xE2\x80\x9D means Anointed.");
}

TEST(RawText, VersesOutOfOrderOrAnotherBookAreErrors)
{
    EXPECT_THROW(ParseRawBook("Galatians 1:2: a\n", "Galatians", "m", "t"), std::runtime_error);
    EXPECT_THROW(ParseRawBook("Galatians 1:1: a\nGalatians 1:3: b\n", "Galatians", "m", "t"), std::runtime_error);
    EXPECT_THROW(ParseRawBook("stray text\nGalatians 1:1: a\n", "Galatians", "m", "t"), std::runtime_error);
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
