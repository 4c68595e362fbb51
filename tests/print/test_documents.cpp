// The memory verse list, the scripture portion and the concordance on a small portion.

#include "PrintFixture.h"

#include "common/Errors.h"
#include "print/Concordance.h"
#include "print/MemoryList.h"
#include "print/RtfWriter.h"
#include "print/ScripturePortion.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fstream>

using namespace sv;
using sv::test::PrintContent;

namespace {

int Balance(const std::string& s)
{
    int depth = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
            continue;
        }
        depth += s[i] == '{' ? 1 : s[i] == '}' ? -1 : 0;
        if (depth < 0)
            return -1000;
    }
    return depth;
}

std::vector<TMemoryVerse> AllPassages()
{
    const TBooks& b = PrintContent().Books;
    std::vector<TMemoryVerse> out;
    for (int m = 1; m <= b.TotalMemoryVerses(); ++m)
        out.push_back(b.MemoryVerse(m));
    return out;
}

std::string MemoryList(TDocFormat format, const TMemListChoices& c)
{
    TDocFile f(format);
    WriteMemoryList(f, PrintContent().Books, AllPassages(), c);
    return f.Bytes();
}

// The line that starts with the label (after the paragraph opener in RTF).
std::string LineOf(const std::string& doc, const std::string& label, std::size_t from = 0)
{
    const auto at = doc.find(label, from);
    if (at == std::string::npos)
        return {};
    return doc.substr(at, doc.find("\r\n", at) - at);
}

std::string Portion(const TPortionChoices& c, const std::vector<TFootnote>& notes = {})
{
    TDocFile f(TDocFormat::Rtf);
    WriteScripturePortion(f, PrintContent().Books, c, notes);
    return f.Bytes();
}

std::string Concordance(const TConcordanceChoices& c, TDocFormat format = TDocFormat::Text)
{
    TDocFile f(format);
    WriteConcordance(f, PrintContent().Words, PrintContent().Books, c);
    return f.Bytes();
}

std::string WriteFile(const QTemporaryDir& dir, const std::string& name, const std::string& bytes)
{
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace

// ---- memory verse list ----

TEST(MemoryList, PassageLabels)
{
    const TBooks& b = PrintContent().Books;
    EXPECT_EQ(PassageLabel(b, {TVerseRef(1, 3, 16, 4), 2}), "Tb 3:16-17");
    EXPECT_EQ(PassageLabel(b, {TVerseRef(1, 1, 2, 3), 3}), "Tb 1:2-4");
    EXPECT_EQ(PassageLabel(b, {TVerseRef(2, 1, 1, 4), 1}), "Ob 1:1");
}

TEST(MemoryList, FullListUnderlinesThePromptAndHighlightsKeywords)
{
    TMemListChoices c;
    c.KeywordLimit = 1;
    const std::string doc = MemoryList(TDocFormat::Rtf, c);
    EXPECT_TRUE(doc.starts_with("{\\rtf1\\ansi \\deff0\\deflang1024\r\n"));
    EXPECT_NE(doc.find("\\pard\\plain \\s3\\qc\\sa240\\pagebb \\b\\f3\\fs24\\lang1033 Memory Verse List\r\n"
                       "\\par \\pard\\plain \\s11\\fi-1170\\li1170\\sa120\\keep \\f3\\fs18\\lang1033 Tb 1:1\\tab "),
              std::string::npos);
    // The underline ends after the third word (a typographic apostrophe keeps "Don't" one
    // word), before the blank; the rare words are bold in their colour with no blank added.
    // (The underline's "}" after "drunk" closes the keyword group and the keyword's "}" the
    // underline: the braces pair up either way.)
    EXPECT_EQ(LineOf(doc, "Tb 1:2-4"),
              "Tb 1:2-4\\tab {\\ul Don't be {\\b\\cf6 drunk}} {\\b\\cf6 with} {\\b\\cf6 wine} Grace and peace to you. "
              "{\\b\\cf6 Amen}.");
    // Titus is used three times: no keyword at limit 1.
    EXPECT_EQ(LineOf(doc, "Tb 1:1\\tab"),
              "Tb 1:1\\tab {\\ul \"Don't be {\\b\\cf6 deceived}},\" {\\b\\cf6 he} {\\b\\cf6 said} to Titus.");
    EXPECT_TRUE(doc.ends_with("\\par }\r\n"));
    EXPECT_EQ(Balance(doc), 0);
}

TEST(MemoryList, KeywordsWithoutColourAreBoldAndNothingIsMarkedInPlainText)
{
    TMemListChoices c;
    c.KeywordLimit = 1;
    c.UseColor = false;
    EXPECT_NE(MemoryList(TDocFormat::Rtf, c).find("{\\b with} {\\b wine}"), std::string::npos);
    c.HighlightKeywords = false;
    EXPECT_NE(MemoryList(TDocFormat::Rtf, c).find("drunk} with wine"), std::string::npos);
    c.HighlightKeywords = true;
    c.UnderlinePrejumps = false;
    EXPECT_NE(MemoryList(TDocFormat::Rtf, c).find("Tb 1:2-4\\tab Don't be {\\b drunk} {\\b with} {\\b wine}"),
              std::string::npos);

    c = TMemListChoices{};
    const std::string text = MemoryList(TDocFormat::Text, c);
    EXPECT_EQ(text.find_first_of("{}\\"), std::string::npos) << text;
    EXPECT_TRUE(text.starts_with("Memory Verse List\r\nTb 1:1\t\"Don't be deceived,\" he said to Titus.\r\n")) << text;
}

TEST(MemoryList, PrejumpListsCutAfterThePromptInTextOrder)
{
    const std::string text = MemoryList(TDocFormat::Text, TMemListChoices{});
    // Ordered by passage text without regard to case; the opening quote is left out and the
    // words are counted from the letter after it.
    const auto pj = text.find("Prejump List\r\n");
    ASSERT_NE(pj, std::string::npos);
    EXPECT_EQ(text.substr(pj, text.find("Single-verse") - pj), "Prejump List\r\n"
                                                               "Tb 1:1\tDon't be deceived\r\n"
                                                               "Tb 1:2-4\tDon't be drunk\r\n"
                                                               "Ob 1:1\tGrace to you and\r\n");
    // Each passage goes to the single- or the multi-verse list, never both.
    EXPECT_TRUE(text.ends_with("Single-verse Prejump List\r\n"
                               "Tb 1:1\tDon't be deceived\r\n"
                               "Ob 1:1\tGrace to you and\r\n"
                               "Multi-verse Prejump List\r\n"
                               "Tb 1:2-4\tDon't be drunk\r\n"))
        << text;

    TMemListChoices c;
    c.IncludePrejumpList = false;
    c.IncludeSingleMulti = false;
    EXPECT_EQ(MemoryList(TDocFormat::Text, c).find("Prejump"), std::string::npos);
    c.IncludeSingleMulti = true;
    const std::string rtf = MemoryList(TDocFormat::Rtf, c);
    EXPECT_EQ(rtf.find("\\lang1033 Prejump List\r\n"), std::string::npos);
    EXPECT_NE(
        rtf.find(
            "\\par \\pard\\plain \\s3\\qc\\sa240\\pagebb \\b\\f3\\fs24\\lang1033 Single-verse Prejump List\r\n"
            "\\par \\pard\\plain \\s11\\fi-1170\\li1170\\keep \\f3\\fs18\\lang1033 Tb 1:1\\tab Don't be deceived\r\n"),
        std::string::npos)
        << rtf;
}

// The labels of the prejump list, in the order the list gives them.
static std::vector<std::string> PrejumpLabels(const TBooks& books, const std::vector<TMemoryVerse>& passages)
{
    TMemListChoices c;
    c.IncludeSingleMulti = false;
    TDocFile f(TDocFormat::Text);
    WriteMemoryList(f, books, passages, c);
    const std::string text = f.Bytes();
    std::vector<std::string> labels;
    std::size_t at = text.find("Prejump List\r\n");
    if (at == std::string::npos)
        return labels;
    for (at = text.find("\r\n", at) + 2; at < text.size(); at = text.find("\r\n", at) + 2)
        labels.push_back(text.substr(at, text.find('\t', at) - at));
    return labels;
}

TEST(MemoryList, PrejumpListSortsPassagesGivenOutOfTextOrder)
{
    // A portion where a passage opens with a curly quote (Windows-1252 0x93) before "Amen":
    // it sorts by its first letter, not after every letter.
    sv::test::TFixtureDesc d = sv::test::PrintFixtureDesc();
    d.Books[0].Chapters[1][0] = "\x93"
                                "Amen,\x94 said Titus.";
    const auto content = sv::test::LoadFixture(d);
    const TBooks& b = content->Books;
    const TMemoryVerse tb11{TVerseRef(1, 1, 1, 3), 1}, tb12{TVerseRef(1, 1, 2, 3), 3};
    const TMemoryVerse tb21{TVerseRef(1, 2, 1, 2), 1}, ob11{TVerseRef(2, 1, 1, 4), 1};
    const std::vector<std::string> expected{"Tb 2:1", "Tb 1:1", "Tb 1:2-4", "Ob 1:1"};
    EXPECT_EQ(PrejumpLabels(b, {ob11, tb12, tb21, tb11}), expected);
    EXPECT_EQ(PrejumpLabels(b, {tb11, tb12, tb21, ob11}), expected);
    // Without the curly passage the other three come out in text order from reverse order.
    EXPECT_EQ(PrejumpLabels(b, {ob11, tb12, tb11}), (std::vector<std::string>{"Tb 1:1", "Tb 1:2-4", "Ob 1:1"}));
}

TEST(MemoryList, APassageShorterThanItsPromptEndsItsLine)
{
    const TBooks& b = PrintContent().Books;
    TMemListChoices c;
    c.IncludeSingleMulti = false;
    TDocFile f(TDocFormat::Text);
    WriteMemoryList(f, b, {{TVerseRef(1, 1, 4, 9), 1}, {TVerseRef(2, 1, 1, 2), 1}}, c);
    EXPECT_NE(f.Bytes().find("Prejump List\r\nTb 1:4\tAmen.\r\nOb 1:1\tGrace to\r\n"), std::string::npos) << f.Bytes();
}

TEST(MemoryList, ChoicesRoundTripThroughTheUserRecord)
{
    TUser user;
    TMemListChoices c;
    c.UnderlinePrejumps = false;
    c.IncludeSingleMulti = false;
    c.KeywordLimit = 7;
    c.UseColor = false;
    StoreMemListChoices(user, c);
    const TMemListChoices back = MemListChoicesOf(user);
    EXPECT_FALSE(back.UnderlinePrejumps);
    EXPECT_TRUE(back.IncludePrejumpList);
    EXPECT_FALSE(back.IncludeSingleMulti);
    EXPECT_EQ(back.KeywordLimit, 7);
    EXPECT_FALSE(back.UseColor);
}

TEST(MemoryList, SelectedPassagesInScriptureOrder)
{
    const TBooks& b = PrintContent().Books;
    TMemoryVerseSelection sel;
    sel.Total = b.TotalMemoryVerses();
    sel.Choose(3);
    sel.Choose(1);
    const auto p = SelectedPassages(b, sel);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(PassageLabel(b, p[0]), "Tb 1:1");
    EXPECT_EQ(PassageLabel(b, p[1]), "Ob 1:1");
}

// ---- scripture portion ----

TEST(ScripturePortion, FirstChapterOnly)
{
    TPortionChoices c;
    c.ThroughChapter = 1;
    c.HighlightMemory = c.HighlightKeywords = false;
    const std::string doc = Portion(c);
    EXPECT_NE(doc.find("Testbook \\par}"), std::string::npos);
    EXPECT_NE(doc.find("Opening \\par}"), std::string::npos);
    EXPECT_NE(doc.find("Amen."), std::string::npos);
    EXPECT_EQ(doc.find("Journey"), std::string::npos);
    EXPECT_EQ(doc.find("Jerusalem"), std::string::npos);
    EXPECT_TRUE(doc.ends_with("Amen.  \\par}}\r\n")) << doc.substr(doc.size() - 60);
    EXPECT_EQ(Balance(doc), 0);
}

TEST(ScripturePortion, HeadingsDropCapsVerseNumbersAndTheSecondBookInANewColumn)
{
    TPortionChoices c;
    c.ThroughChapter = 3;
    c.HighlightMemory = c.HighlightKeywords = false;
    const std::string doc = Portion(c);
    namespace O = PortionOpener;
    const std::string start =
        std::string(O::BookHeading) + "Testbook \\par}\r\n" + std::string(O::SectionHeading) + "Opening \\par}\r\n"
        + std::string(O::Text) + std::string(O::ChapterNumber)
        + "1 }{\"Don't be deceived,\" he said to Titus. }\r\n{\\super 2}{Don't be drunk with wine }\r\n";
    EXPECT_NE(doc.find(start), std::string::npos) << doc;
    // A new chapter with its own section: the paragraph closes before the heading.
    EXPECT_NE(doc.find("Amen.  \\par}\r\n" + std::string(O::SectionHeading) + "Journey \\par}\r\n"
                       + std::string(O::Text) + std::string(O::ChapterNumber) + "2 }{"),
              std::string::npos)
        << doc;
    EXPECT_NE(doc.find("brothers.  }{\\par \\column \\sect\\sbknone }{\r\n" + std::string(O::BookHeading)
                       + "Otherbook \\par}\r\n \\par}\r\n" + std::string(O::SectionHeading) + "Greeting \\par}\r\n"),
              std::string::npos)
        << doc;
    EXPECT_TRUE(doc.ends_with("our Father.  \\par}}\r\n"));
    EXPECT_EQ(Balance(doc), 0);
    // No positioned frame: some word processors put a framed chapter number in another column.
    for (const char* frame : {"\\pvpara", "\\dropcap", "\\pos", "\\absw"})
        EXPECT_EQ(doc.find(frame), std::string::npos) << frame;
}

TEST(ScripturePortion, ASectionInTheMiddleOfAChapterLeavesTheVersesAfterItInTheTextStyle)
{
    // Testbook 1 gets a second section at verse 3.
    sv::test::TFixtureDesc d = sv::test::PrintFixtureDesc();
    d.Sections.insert(d.Sections.begin() + 1, {1, 1, 3, "Farewell"});
    const auto content = sv::test::LoadFixture(d);
    TPortionChoices c;
    c.ThroughChapter = 1;
    c.HighlightMemory = c.HighlightKeywords = false;
    TDocFile f(TDocFormat::Rtf);
    WriteScripturePortion(f, content->Books, c, {});
    const std::string doc = f.Bytes();
    namespace O = PortionOpener;
    // The paragraph of verses 1-2 ends before the heading; the heading's italic style ends
    // with it: the text style opens again before verse 3, which is a verse number, not a drop
    // cap, and verse 4 follows in the same paragraph.
    EXPECT_NE(doc.find("{\\super 2}{Don't be drunk with wine  \\par}\r\n" + std::string(O::SectionHeading)
                       + "Farewell \\par}\r\n" + std::string(O::Text) + "{\\super 3}{Grace and peace to you. }\r\n"
                       + "{\\super 4}{Amen.  \\par}}\r\n"),
              std::string::npos)
        << doc;
    EXPECT_TRUE(doc.ends_with("Amen.  \\par}}\r\n"));
    EXPECT_EQ(Balance(doc), 0);
}

TEST(ScripturePortion, MemoryPassageAndKeywordsInColour)
{
    TPortionChoices c;
    c.ThroughChapter = 2;
    c.KeywordLimit = 1;
    const std::string doc = Portion(c);
    // Each verse of the three-verse passage opens the highlight after its verse opener and
    // closes it after its text, before the blank; a keyword at the end of a verse closes first.
    EXPECT_NE(doc.find("{\\super 2}{{\\highlight7 Don't be {\\b\\cf6 drunk} {\\b\\cf6 with} {\\b\\cf6 wine}} }\r\n"),
              std::string::npos)
        << doc;
    EXPECT_NE(doc.find("{\\super 3}{{\\highlight7 Grace and peace to you.} }\r\n"), std::string::npos) << doc;
    EXPECT_NE(doc.find("{\\super 4}{{\\highlight7 {\\b\\cf6 Amen}.} "), std::string::npos) << doc;
    EXPECT_NE(doc.find("{{\\highlight7 \"Don't be {\\b\\cf6 deceived},\" {\\b\\cf6 he} {\\b\\cf6 said} to Titus.} }"),
              std::string::npos)
        << doc;
    // The verse after the passage has none.
    const std::size_t then = doc.find(" }{{\\b\\cf6 Then} Titus");
    ASSERT_NE(then, std::string::npos) << doc;
    EXPECT_EQ(doc.rfind(std::string(PortionOpener::Text) + std::string(PortionOpener::ChapterNumber), then),
              then - PortionOpener::Text.size() - PortionOpener::ChapterNumber.size() - 1)
        << doc;
    EXPECT_EQ(Balance(doc), 0);
}

TEST(ScripturePortion, WithoutColourMemoryIsUnderlinedAndKeywordsBold)
{
    TPortionChoices c;
    c.ThroughChapter = 3;
    c.KeywordLimit = 1;
    c.UseColor = false;
    const std::string doc = Portion(c);
    EXPECT_NE(doc.find("{\\super 2}{\\ul{Don't be {\\b drunk} {\\b with} {\\b wine}} }"), std::string::npos) << doc;
    EXPECT_NE(doc.find("{{\\b Then} Titus {\\b went} {\\b up} to {\\b Jerusalem}. }"), std::string::npos) << doc;
    EXPECT_EQ(doc.find("highlight"), std::string::npos);
    EXPECT_EQ(Balance(doc), 0);
}

TEST(ScripturePortion, FootnotesAtTheirPlaces)
{
    TPortionChoices c;
    c.ThroughChapter = 3;
    c.HighlightKeywords = false;
    namespace O = PortionOpener;
    auto note = [](const std::string& text) {
        return std::string(O::FootnoteStart) + text + std::string(O::FootnoteEnd);
    };
    const std::vector<TFootnote> notes = {
        {1, 1, 2, 5, "past the start"},    {1, 1, 2, 999, "beyond the end"}, // written at the end of its verse
        {1, 1, 3, 5, "on grace"},      // still written after the one beyond its verse
        {1, 1, 9, 1, "no such verse"}, // passed over
        {2, 1, 1, 5, "in the other book"},
    };
    const std::string doc = Portion(c, notes);
    EXPECT_NE(doc.find("Don't" + note("past the start") + "\\highlight7  be drunk with wine" + note("beyond the end")
                       + "\\highlight7 } "),
              std::string::npos)
        << doc;
    EXPECT_NE(doc.find("{{\\highlight7 Grace" + note("on grace") + "\\highlight7  and peace"), std::string::npos)
        << doc;
    EXPECT_NE(doc.find("{{\\highlight7 Grace" + note("in the other book") + "\\highlight7  to you"), std::string::npos)
        << doc;
    EXPECT_EQ(doc.find("no such verse"), std::string::npos);
    EXPECT_EQ(Balance(doc), 0);
}

TEST(ScripturePortion, FootnoteFile)
{
    QTemporaryDir dir;
    EXPECT_TRUE(ReadFootnotes(dir.filePath(QStringLiteral("none.txt")).toStdString()).Items.empty());

    // Out of document order: sorted. Texts keep their bytes, trimmed.
    const std::string path = WriteFile(dir, "f.txt",
                                       "1 2 1 4  second  \r\n\r\n1 1 3 5 \x93"
                                       "first\x94\r\n");
    const TFootnotes f = ReadFootnotes(path);
    ASSERT_EQ(f.Items.size(), 2u);
    EXPECT_EQ(f.Items[0].Chapter, 1);
    EXPECT_EQ(f.Items[0].Text, "\x93"
                               "first\x94");
    EXPECT_EQ(f.Items[1].Position, 4);
    EXPECT_EQ(f.Items[1].Text, "second");
    EXPECT_EQ(f.LeftOut, 0);

    for (const char* bad : {"1 1 x 5 text\r\n", "1 1 3\r\n", "1 1 300 5 text\r\n", "1 1 3 5x text\r\n"}) {
        const std::string p = WriteFile(dir, "bad.txt", std::string("1 1 1 1 fine\r\n") + bad);
        try {
            ReadFootnotes(p);
            ADD_FAILURE() << bad;
        } catch (const EFootnoteError& e) {
            EXPECT_NE(std::string(e.what()).find("Invalid number in " + p + ", line 2"), std::string::npos) << e.what();
        }
    }

    // The table holds 500 footnotes; the rest are counted, not written.
    std::string many;
    for (int i = 0; i < 503; ++i)
        many += "1 1 1 " + std::to_string(i) + " n" + std::to_string(i) + "\n";
    const TFootnotes m = ReadFootnotes(WriteFile(dir, "many.txt", many));
    EXPECT_EQ(m.Items.size(), 500u);
    EXPECT_EQ(m.LeftOut, 3);
    EXPECT_EQ(m.Items.back().Text, "n499");
}

TEST(ScripturePortion, ChoicesRoundTripThroughTheUserRecord)
{
    TUser user;
    TPortionChoices c;
    c.HighlightMemory = false;
    c.IncludeFootnotes = false;
    c.KeywordLimit = 2;
    StorePortionChoices(user, c);
    const TPortionChoices back = PortionChoicesOf(user);
    EXPECT_FALSE(back.HighlightMemory);
    EXPECT_FALSE(back.IncludeFootnotes);
    EXPECT_EQ(back.KeywordLimit, 2);
    EXPECT_EQ(back.ThroughChapter, 1);
}

// ---- concordance ----

TEST(Concordance, GroupsMapToWordCategories)
{
    const std::pair<TConcGroup, TCategorySet> cases[] = {
        {TConcGroup::AllWords, 0},           {TConcGroup::ProperPeople, (1u << 5) | (1u << 7)},
        {TConcGroup::ProperPlaces, 1u << 6}, {TConcGroup::CommonNouns, 0x1E},
        {TConcGroup::Verbs, 1u << 11},       {TConcGroup::Interjections, 1u << 15},
    };
    for (const auto& [g, set] : cases)
        EXPECT_EQ(ConcGroupCategories(g), set) << ConcGroupCaption(g);
}

TEST(Concordance, LimitAndChapterRange)
{
    TConcordanceChoices c;
    c.Groups[static_cast<int>(TConcGroup::ProperPeople)].WordList = true;
    c.Groups[static_cast<int>(TConcGroup::ProperPlaces)].WordList = true;
    c.FromChapter = 1;
    c.ToChapter = 3;
    c.MoreThan = 2;
    std::string doc = Concordance(c);
    // Titus: three uses, more than 2; Jerusalem: one use, left out.
    EXPECT_NE(doc.find("Proper People: Word List\r\n"), std::string::npos) << doc;
    EXPECT_NE(doc.find("Titus\t3\r\n"), std::string::npos) << doc;
    EXPECT_EQ(doc.find("Jerusalem"), std::string::npos) << doc;
    EXPECT_NE(doc.find("Proper Places: Word List\r\nTestbook 1 through Otherbook 1, words used more than 2 times\r\n"
                       "No words of this group in these chapters.\r\n"),
              std::string::npos)
        << doc;

    c.Exhaustive = true;
    c.FromChapter = c.ToChapter = 2;
    doc = Concordance(c);
    EXPECT_NE(doc.find("Titus\t2\r\n"), std::string::npos) << doc;
    EXPECT_NE(doc.find("Jerusalem\t1\r\n"), std::string::npos) << doc;
    // A common word is not a proper name.
    EXPECT_EQ(doc.find("brothers"), std::string::npos);
}

TEST(Concordance, WordsInTheContextOfTheirVerses)
{
    TConcordanceChoices c;
    c.Groups[static_cast<int>(TConcGroup::ProperPeople)].InContext = true;
    c.FromChapter = 1;
    c.ToChapter = 2;
    c.MoreThan = 1;
    const std::string rtf = Concordance(c, TDocFormat::Rtf);
    EXPECT_NE(rtf.find("Titus (3)\r\n"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("Tb 1:1\\tab \"Don't be deceived,\" he said to {\\b Titus}.\r\n"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("Tb 2:2\\tab And {\\b Titus} saw the brothers.\r\n"), std::string::npos) << rtf;
    EXPECT_EQ(Balance(rtf), 0);
    const std::string text = Concordance(c);
    EXPECT_NE(text.find("Titus (3)\r\n  Tb 1:1\t\"Don't be deceived,\" he said to Titus.\r\n"), std::string::npos)
        << text;
}

TEST(Concordance, ThePronounIIsCapitalisedOtherWordsAreNot)
{
    sv::test::TFixtureDesc d = sv::test::PrintFixtureDesc();
    d.Books[1].Chapters[0] = {"I thank my God, in it I rejoice."};
    const auto content = sv::test::LoadFixture(d);
    TConcordanceChoices c;
    c.Groups[static_cast<int>(TConcGroup::AllWords)].WordList = true;
    c.Groups[static_cast<int>(TConcGroup::AllWords)].InContext = true;
    c.FromChapter = 3;
    c.ToChapter = 3;
    c.Exhaustive = true;
    TDocFile f(TDocFormat::Text);
    WriteConcordance(f, content->Words, content->Books, c);
    const std::string doc = f.Bytes();
    EXPECT_NE(doc.find("\r\nI\t2\r\n"), std::string::npos) << doc;
    EXPECT_NE(doc.find("\r\nI (2)\r\n"), std::string::npos) << doc;
    EXPECT_NE(doc.find("\r\nin\t1\r\n"), std::string::npos) << doc;
    EXPECT_NE(doc.find("\r\nit\t1\r\n"), std::string::npos) << doc;
    EXPECT_EQ(doc.find("\r\ni\t"), std::string::npos) << doc;
}
