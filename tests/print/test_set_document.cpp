// The question sets document: set and part titles, page and section breaks, toss-up and
// bonus entries, one and two columns, RTF and text.

#include "print/SetFixtures.h"

#include "print/DocFile.h"
#include "print/SetDocument.h"
#include "print/SetsMaker.h"
#include "user/History.h"

#include <gtest/gtest.h>

#include <string>

namespace sv::test {
namespace {

std::size_t Count(const std::string& s, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + what.size()))
        ++n;
    return n;
}

struct TDocRun {
    TSetContent Content;
    TSetsChoices Choices;
    TDocRun(std::array<int, 4> perSet, bool twoColumns, const std::string& heading)
    {
        Choices.Kind = TSelectionKind::ByChapter;
        Choices.Checked = {true, true};
        Choices.Collections = AllCollections();
        Choices.Sets = 2;
        Choices.Counts.PerSet = perSet;
        Choices.TwoColumns = twoColumns;
        Choices.Heading = heading;
    }
    std::string Write(TDocFormat format)
    {
        TRandom random(17);
        const auto sets = MakeQuestionSets(Content.Questions(), Choices, THistory(), random);
        EXPECT_TRUE(sets);
        TDocFile doc(format);
        WriteSetDocument(doc, *sets, DocumentOptions(Choices), Content.Questions());
        return doc.Bytes();
    }
};

const std::string TitleWithHeading = "\\pard\\plain \\s2\\qc\\pagebb \\b\\f3\\fs28\\lang1033 ";
const std::string SetTitle = "\\pard\\plain \\s3\\qc\\sa240 \\b\\f3\\fs24\\lang1033 ";
const std::string SetTitleWithBreak = "\\pard\\plain \\s3\\qc\\sa240\\pagebb \\b\\f3\\fs24\\lang1033 ";
const std::string NumberedQ = "\\pard\\plain \\s12\\fi-360\\li360\\lin360\\keep\\keepn \\f3\\fs18\\lang1033 ";
const std::string NumberedQWithCode =
    "\\pard\\plain \\s4\\fi-810\\li810\\keep\\keepn\\tqc\\tx180\\tqr\\tx700 \\f3\\fs18\\lang1033 ";

TEST(SetDocument, OneColumnWithHeading)
{
    TDocRun run({4, 1, 1, 1}, false, "Spring Meet");
    const std::string d = run.Write(TDocFormat::Rtf);
    // Set 1 starts right after the header; set 2 closes the last paragraph first.
    EXPECT_NE(
        d.find("gutter0 \r\n\r\n" + TitleWithHeading + "Spring Meet\r\n\\par " + SetTitle + "Set #1 Toss-ups\r\n"),
        std::string::npos);
    EXPECT_NE(d.find("\\par " + TitleWithHeading + "Spring Meet\r\n\\par " + SetTitle + "Set #2 Toss-ups\r\n"),
              std::string::npos);
    // The bonuses start on a new page, after "\par ".
    EXPECT_NE(d.find("\\par " + TitleWithHeading + "Spring Meet\r\n\\par " + SetTitle + "Set #1 Bonuses\r\n"),
              std::string::npos);
    EXPECT_EQ(Count(d, "\\pagebb"), 4u + 1u); // four titles and the Lead style
    EXPECT_EQ(Count(d, "\\sect"), 0u);
    EXPECT_TRUE(d.ends_with("\\par }\r\n"));
    // Toss-ups numbered 1..4 without code, bonuses 1..3 with their point value.
    for (const char* n : {"1.\\tab ", "2.\\tab ", "3.\\tab ", "4.\\tab "})
        EXPECT_EQ(Count(d, "\\par " + NumberedQ + n), 2u) << n;
    EXPECT_EQ(Count(d, "\\par " + NumberedQWithCode + "\\tab [20]\\tab 1.\\tab "), 2u);
    EXPECT_EQ(Count(d, "\\par " + NumberedQWithCode + "\\tab [30]\\tab 2.\\tab "), 2u);
    EXPECT_EQ(Count(d, "\\par " + NumberedQWithCode + "\\tab [40]\\tab 3.\\tab "), 2u);
    EXPECT_EQ(Count(d, "4.\\tab "), 2u); // no fourth bonus
}

TEST(SetDocument, EmptyHeadingPutsTheBreakOnTheSetTitle)
{
    TDocRun run({4, 1, 0, 0}, false, "");
    const std::string d = run.Write(TDocFormat::Rtf);
    EXPECT_EQ(Count(d, "\\s2\\qc\\pagebb \\b\\f3\\fs28"), 0u);
    EXPECT_NE(d.find("\r\n\r\n" + SetTitleWithBreak + "Set #1 Toss-ups\r\n"), std::string::npos);
    EXPECT_NE(d.find("\\par " + SetTitleWithBreak + "Set #2 Toss-ups\r\n"), std::string::npos);
    EXPECT_NE(d.find("\\par " + SetTitleWithBreak + "Set #2 Bonuses\r\n"), std::string::npos);
}

TEST(SetDocument, TwoColumnsUseSectionBreaks)
{
    TDocRun run({4, 1, 1, 0}, true, "Meet");
    const std::string d = run.Write(TDocFormat::Rtf);
    // The toss-ups and the bonuses each follow a section break, so their first entries
    // begin without "\par ".
    EXPECT_NE(d.find("\r\n\r\n\\sectd \\sbknone\\cols1 " + TitleWithHeading + "Meet\r\n"), std::string::npos);
    EXPECT_NE(d.find("Set #1 Toss-ups\r\n\\par \\sect \\sectd \\sbknone\\cols2 \r\n" + NumberedQ + "1.\\tab "),
              std::string::npos);
    EXPECT_NE(d.find("\\sect \\sectd \\sbknone\\cols1 " + TitleWithHeading + "Meet\r\n\\par " + SetTitle
                     + "Set #1 Bonuses\r\n\\sect \\sectd \\sbknone\\cols2 \r\n" + NumberedQWithCode
                     + "\\tab [20]\\tab 1.\\tab "),
              std::string::npos);
    EXPECT_NE(
        d.find("\\sect \\sectd \\sbknone\\cols1 " + TitleWithHeading + "Meet\r\n\\par " + SetTitle + "Set #2 Toss-ups"),
        std::string::npos);
    EXPECT_TRUE(d.ends_with("\\sect \\par }\r\n"));
    EXPECT_EQ(Count(d, "\\par " + NumberedQ + "1.\\tab "), 0u);
}

TEST(SetDocument, NoBonusPartWithoutBonuses)
{
    TDocRun run({4, 0, 0, 0}, false, "Meet");
    const std::string rtf = run.Write(TDocFormat::Rtf);
    EXPECT_EQ(Count(rtf, "Bonuses"), 0u);
    EXPECT_EQ(Count(rtf, "\\s4\\fi-810"), 1u); // only the style sheet's definition
    const std::string text = run.Write(TDocFormat::Text);
    EXPECT_EQ(Count(text, "Bonuses"), 0u);
    EXPECT_EQ(Count(text, "\r\nA. "), 8u);
}

TEST(SetDocument, PlainText)
{
    TDocRun run({4, 1, 1, 1}, true, "Meet");
    const std::string d = run.Write(TDocFormat::Text);
    EXPECT_TRUE(d.starts_with("Meet\r\nSet #1 Toss-ups\r\n1.")) << d.substr(0, 60);
    EXPECT_NE(d.find("\r\nMeet\r\nSet #1 Bonuses\r\n[20] 1."), std::string::npos);
    EXPECT_NE(d.find("\r\n[30] 2."), std::string::npos);
    EXPECT_NE(d.find("\r\n[40] 3."), std::string::npos);
    EXPECT_NE(d.find("\r\nMeet\r\nSet #2 Toss-ups\r\n1."), std::string::npos);
    EXPECT_EQ(d.find('\\'), std::string::npos);
    EXPECT_EQ(d.find('{'), std::string::npos);
    EXPECT_EQ(Count(d, "*"), 0u); // no asterisks in text
}

TEST(SetDocument, PrejumpWordsByType)
{
    struct TCase {
        int type, prejump, expected;
    } cases[] = {{1, 4, 0}, {41, 4, 240}, {39, 3, 5}, {40, 3, 11}, {3, 3, 3}, {0, 2, 2}};
    for (const TCase& c : cases)
        EXPECT_EQ(SetPrejumpWords(c.type, c.prejump), c.expected) << "type " << c.type;
}

} // namespace
} // namespace sv::test
