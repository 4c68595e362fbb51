// Raw scripture markup as the content compiler reads it.

#include "compiler/RawText.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::content;

TEST(RawText, NotesBecomeSpacesTagsGoAndTheModuleLineIsNotText)
{
    const std::string raw =
        "Galatians 1:1: <w savlm=\"x\">Paul</w>, an <w>apostle</w>\xE2\x80\x94not\n"
        "<div sID=\"p1\" type=\"x-p\"/>Galatians 1:2: in <w>Christ</w><note placement=\"foot\" "
        "swordFootnote=\"1\"></note><w>Jesus</w>,"
        "<note placement=\"foot\"></note> and the <l level=\"1\" sID=\"a\"/>brothers<l eID=\"a\"/><l sID=\"b\"/>who\n"
        "run on to a second line. <div eID=\"p1\" type=\"x-p\"/>\n"
        "Galatians 2:1: Then.\n"
        "(engWEB2015eb)\n";
    const auto v = ParseRawBook(raw, "Galatians", "engWEB2015eb", "test");
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].Text, "Paul, an apostle\xE2\x80\x94not");
    EXPECT_EQ(v[1].Text, "in Christ Jesus, and the brothers who run on to a second line.");
    ASSERT_EQ(v[1].Notes.size(), 2u);
    EXPECT_EQ(v[1].Notes[0].Position, 9);  // after "in Christ"
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
    EXPECT_EQ(v[0].Notes[0].Text, "1:1 \xE2\x80\x9C"
                                  "Christ\xE2\x80\x9D means Anointed.");
}

TEST(RawText, VersesOutOfOrderOrAnotherBookAreErrors)
{
    EXPECT_THROW(ParseRawBook("Galatians 1:2: a\n", "Galatians", "m", "t"), std::runtime_error);
    EXPECT_THROW(ParseRawBook("Galatians 1:1: a\nGalatians 1:3: b\n", "Galatians", "m", "t"), std::runtime_error);
    EXPECT_THROW(ParseRawBook("stray text\nGalatians 1:1: a\n", "Galatians", "m", "t"), std::runtime_error);
}
