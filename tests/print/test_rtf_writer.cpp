// The document writer: literal pieces, one question entry as RTF and as plain text, the
// keyword colour table, escaping of content text and the all-or-nothing save.

#include "common/Errors.h"
#include "content/Questions.h"
#include "print/DocFile.h"
#include "print/RtfWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

using namespace sv;

namespace {

TMarkedText Marked(const std::string& text, std::uint32_t tag = 0)
{
    TMarkedText t;
    t.Append(text, tag);
    return t;
}

// Tags the characters [from, from + n) (0-based) with tag.
void Tag(TMarkedText& t, int from, int n, std::uint32_t tag)
{
    for (int i = from; i < from + n; ++i)
        t.Tags[i + 1] = tag;
}

std::string RtfEntry(const TMarkedText& q, const TMarkedText& a, const TEntryLayout& layout)
{
    TDocFile f(TDocFormat::Rtf);
    WriteRtfEntry(f, q, a, layout);
    return f.Bytes();
}

// The question line without its opener.
std::string QuestionBody(const std::string& entry)
{
    const auto start = entry.find(".\\tab ");
    const auto end = entry.find("\r\n");
    return entry.substr(start + 6, end - start - 6);
}

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

} // namespace

TEST(RtfWriter, MarkOpenersForEveryKindOfMark)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0x000000, "{\\b\\cf1 "},
        {0x0000FF, "{\\b\\cf6 "},
        {0xFF0000, "{\\b\\cf2 "},
        {0x808000, "{\\b\\cf10 "},
        {0x008080, "{\\b\\cf14 "},
        {0x008000, "{\\b\\cf11 "},
        {0x00FF00, "{\\b\\cf3 "},
        {0x00FFFF, "{\\b\\cf7 "},
        {0x800080, "{\\b\\cf5 "},
        {2, "{\\highlight2 "},
        {7, "{\\highlight7 "},
        {30, "{\\ul "},
        {1, "{\\b "},
        {8, "{\\b "},
        {31, "{\\b "},
        {0x123456, "{\\b "},
    };
    for (const auto& [mark, opener] : cases)
        EXPECT_EQ(MarkOpener(mark), opener) << std::hex << mark;
}

TEST(RtfWriter, KeywordColourTableForALimit)
{
    TKeywordTags t{"tags"};
    InitKeywordColours(t, 0);
    EXPECT_EQ(t[0], 0);
    for (int i = 1; i <= 256; ++i)
        ASSERT_EQ(t[i], 0) << i;

    InitKeywordColours(t, 5);
    EXPECT_EQ(t[0], 5);
    // Entry 1 + k is use count k.
    const std::int32_t expected[] = {ColourUse1, ColourUse2, ColourUse3, ColourUse4Up, ColourUse4Up};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(t[1 + k], expected[k - 1]) << k;
    EXPECT_EQ(t[1 + 6], 0);
    EXPECT_EQ(t[1 + 0], 0);
    // The colours name document colours red, blue, teal, olive.
    EXPECT_EQ(MarkOpener(ColourUse1), "{\\b\\cf6 ");
    EXPECT_EQ(MarkOpener(ColourUse2), "{\\b\\cf2 ");
    EXPECT_EQ(MarkOpener(ColourUse3), "{\\b\\cf10 ");
    EXPECT_EQ(MarkOpener(ColourUse4Up), "{\\b\\cf14 ");
}

TEST(RtfWriter, QuestionDocumentHeaderAndTrailer)
{
    TDocFile f(TDocFormat::Rtf);
    WriteQuestionDocHeader(f);
    const std::string& s = f.Bytes();
    EXPECT_TRUE(s.starts_with("{\\rtf1\\ansi \\deff0\\deflang1024\r\n{\\fonttbl{\\f0\\froman Times New Roman;}"));
    EXPECT_NE(s.find("\r\n{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;"), std::string::npos);
    EXPECT_NE(s.find("\\red192\\green192\\blue192;}\r\n{\\stylesheet{\\fs20\\lang1033 \\snext0 Normal;}"),
              std::string::npos);
    // The "\fs3" of Q, A and MC is written as it always was.
    EXPECT_NE(s.find("{\\s4\\fi-810\\li810\\keepn\\tqc\\tx180\\tx450 \\fs3\\fs18\\lang1033 \\sbasedon0\\snext7 Q;}"),
              std::string::npos);
    EXPECT_NE(s.find("\\fs3\\fs20\\lang1033 \\sbasedon0\\snext13 MC;}"), std::string::npos);
    EXPECT_TRUE(s.ends_with("footer;}}\r\n\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1296"
                            "\\margb1080\\gutter0 \r\n\r\n"));
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 8);
    EXPECT_EQ(Balance(s), 1); // the document group stays open

    TDocFile a(TDocFormat::Rtf), b(TDocFormat::Rtf);
    WriteDocTrailer(a, TTrailer::Plain);
    WriteDocTrailer(b, TTrailer::SectionBreak);
    EXPECT_EQ(a.Bytes(), "\\par }\r\n");
    EXPECT_EQ(b.Bytes(), "\\sect \\par }\r\n");
}

TEST(RtfWriter, PortionHeaderIsLandscapeThreeColumns)
{
    TDocFile f(TDocFormat::Rtf);
    WritePortionHeader(f);
    const std::string& s = f.Bytes();
    EXPECT_TRUE(s.starts_with("{\\rtf1\\ansi\\ansicpg1252\\uc1 \\deff0\\deflang1033\\deflangfe1033\r\n"));
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 7);
    EXPECT_NE(s.find("{\\f1\\fs16 Created using The Scrivolt, Tamberlin \\par "), std::string::npos);
    EXPECT_NE(s.find("\\paperw15840\\paperh12240\\margl720"), std::string::npos);
    EXPECT_TRUE(
        s.ends_with("\\lndscpsxn\\psz1\\linex0\\cols3\\colsx288\\sectdefaultcl\\sftnbj\\sftnrstpg\\sftnnalc\r\n"));
    EXPECT_EQ(Balance(s), 1);
}

TEST(RtfWriter, EntryOpenersByNumberCodeAndColumn)
{
    const TMarkedText q = Marked("Who?"), a = Marked("Paul");
    struct Case {
        TEntryLayout Layout;
        const char* Question;
        const char* Answer;
    };
    TEntryLayout numbered{.Number = 1}, numberedCode{.Number = 1, .TypeCode = 1, .ShowCode = true};
    TEntryLayout first = numbered, firstCode = numberedCode, second = numbered;
    first.FirstInColumn = firstCode.FirstInColumn = second.FirstInColumn = true;
    second.Number = 2;
    const Case cases[] = {
        {numbered,
         "\\par \\pard\\plain \\s12\\fi-360\\li360\\lin360\\keep\\keepn \\f3\\fs18\\lang1033 1.\\tab Who?\r\n",
         "\\par \\pard\\plain \\s13\\fi-360\\li720\\lin720\\sa120\\keep \\f3\\fs18\\lang1033 A.\\tab Paul \r\n"},
        {first, "\\pard\\plain \\s12\\fi-360\\li360\\lin360\\keep\\keepn \\f3\\fs18\\lang1033 1.\\tab Who?\r\n",
         nullptr},
        {second, "\\par \\pard\\plain \\s12\\fi-360\\li360\\lin360\\keep\\keepn \\f3\\fs18\\lang1033 2.\\tab Who?\r\n",
         nullptr},
        {numberedCode,
         "\\par \\pard\\plain \\s4\\fi-810\\li810\\keep\\keepn\\tqc\\tx180\\tqr\\tx700 \\f3\\fs18\\lang1033 \\tab ",
         "\\par \\pard\\plain \\s5\\fi-1170\\li1170\\sa120\\keep\\tx810 \\f3\\fs18\\lang1033 \\tab A.\\tab Paul \r\n"},
        {firstCode,
         "\\pard\\plain \\s4\\fi-810\\li810\\keep\\keepn\\tqc\\tx180\\tqr\\tx700 \\f3\\fs18\\lang1033 \\tab ", nullptr},
        {TEntryLayout{}, "\\par \\pard\\plain \\s8\\fi-0\\li0\\keep\\keepn \\f3\\fs18\\lang1033 Who?\r\n",
         "\\par \\pard\\plain \\s9\\fi-360\\li540\\sa120\\keep \\f3\\fs18\\lang1033 A.\\tab Paul \r\n"},
        {TEntryLayout{.TypeCode = 1, .ShowCode = true},
         "\\par \\pard\\plain \\s6\\fi-450\\li450\\keep\\keepn\\tqc\\tx180 \\f3\\fs18\\lang1033 \\tab ",
         "\\par \\pard\\plain \\s7\\fi-810\\li810\\sa120\\keep\\tx450 \\f3\\fs18\\lang1033 \\tab A.\\tab Paul \r\n"},
    };
    for (const Case& c : cases) {
        const std::string s = RtfEntry(q, a, c.Layout);
        EXPECT_TRUE(s.starts_with(c.Question)) << s;
        if (c.Answer) {
            EXPECT_TRUE(s.ends_with(c.Answer)) << s;
        }
    }
    // With the code: tab, the type's preannounce code, tab, then the number.
    const std::string s = RtfEntry(q, a, numberedCode);
    EXPECT_NE(s.find("\\tab " + TQuestions::PreannounceCode(1) + "\\tab 1.\\tab Who?"), std::string::npos) << s;
}

TEST(RtfWriter, PrejumpUnderline)
{
    const TMarkedText who = Marked("Who was with Paul?");
    const TMarkedText a = Marked("Titus");
    struct Case {
        bool Underline;
        int Start, Words;
        const char* Body;
    };
    const Case cases[] = {
        {true, 0, 2, "{\\ul Who was} with Paul?"},
        {true, 1, 2, "Who {\\ul was with} Paul?"},
        {true, 3, 1, "Who was with {\\ul Paul}?"},
        {true, 2, 9, "Who was {\\ul with Paul?}"}, // runs to the end: closed after the text
        {true, 0, 0, "Who was with Paul?"},        // no prejump words, no underline
        {false, 0, 2, "Who was with Paul?"},
        {true, 6, 2, "Who was with Paul?"}, // fewer words than the start
    };
    for (const Case& c : cases) {
        const TEntryLayout l{
            .Number = 1, .UnderlinePrejump = c.Underline, .PrejumpStart = c.Start, .PrejumpWords = c.Words};
        EXPECT_EQ(QuestionBody(RtfEntry(who, a, l)), c.Body) << c.Start << "+" << c.Words;
    }
    // A contraction and a hyphenated word count as one word; letters above 191 are word letters.
    const TEntryLayout two{.Number = 1, .UnderlinePrejump = true, .PrejumpWords = 2};
    EXPECT_EQ(QuestionBody(RtfEntry(Marked("Don't well-born men go?"), a, two)), "{\\ul Don't well-born} men go?");
    EXPECT_EQ(QuestionBody(RtfEntry(Marked("Caf\xE9 na\xEFve it"), a, two)), "{\\ul Caf\xE9 na\xEFve} it");
    // The typographic apostrophe of the shipped text joins as the plain one does, as the
    // content compiler counts prompt words.
    EXPECT_EQ(QuestionBody(RtfEntry(Marked("Don\x92t be drunk"), a, two)), "{\\ul Don\x92t be} drunk");
}

TEST(RtfWriter, KeywordMarksAsColourOrBold)
{
    TMarkedText q = Marked("Who met Titus and Barnabas?");
    Tag(q, 8, 5, ColourUse1);  // Titus
    Tag(q, 18, 8, ColourUse2); // Barnabas
    const TMarkedText a = Marked("Paul");
    TEntryLayout l{.Number = 3, .MarkKeywords = true, .UseColour = true};
    EXPECT_EQ(QuestionBody(RtfEntry(q, a, l)), "Who met {\\b\\cf6 Titus} and {\\b\\cf2 Barnabas}?");
    l.UseColour = false;
    EXPECT_EQ(QuestionBody(RtfEntry(q, a, l)), "Who met {\\b Titus} and {\\b Barnabas}?");
    l.MarkKeywords = false;
    EXPECT_EQ(QuestionBody(RtfEntry(q, a, l)), "Who met Titus and Barnabas?");

    // One keyword straight after another: the first group closes before the second opens.
    TMarkedText adj = Marked("AB");
    Tag(adj, 0, 1, ColourUse1);
    Tag(adj, 1, 1, ColourUse3);
    l = {.Number = 1, .MarkKeywords = true, .UseColour = true};
    EXPECT_EQ(QuestionBody(RtfEntry(adj, a, l)), "{\\b\\cf6 A}{\\b\\cf10 B}");
}

TEST(RtfWriter, BracesStayBalancedWhenTheTextEndsInsideGroups)
{
    TMarkedText q = Marked("Who was Titus");
    Tag(q, 8, 5, ColourUse1);
    const TMarkedText a = Marked("A Greek");
    for (int start : {0, 1, 2}) {
        for (bool colour : {false, true}) {
            const TEntryLayout l{.Number = 1,
                                 .UnderlinePrejump = true,
                                 .PrejumpStart = start,
                                 .PrejumpWords = 5,
                                 .MarkKeywords = true,
                                 .UseColour = colour};
            const std::string s = RtfEntry(q, a, l);
            EXPECT_EQ(Balance(s), 0) << s;
        }
    }
    const TEntryLayout l{.Number = 1,
                         .UnderlinePrejump = true,
                         .PrejumpStart = 2,
                         .PrejumpWords = 5,
                         .MarkKeywords = true,
                         .UseColour = true};
    EXPECT_EQ(QuestionBody(RtfEntry(q, a, l)), "Who was {\\ul {\\b\\cf6 Titus}}");
}

TEST(RtfWriter, AnswerEndNeverBreaksAndAsterisksFollow)
{
    const TMarkedText q = Marked("Q");
    struct Case {
        const char* Answer;
        int Asterisks;
        const char* Line;
    };
    const Case cases[] = {
        // 15 characters or fewer: every space is non-breaking.
        {"a b c d e f g h", 0, "A.\\tab a\\~b\\~c\\~d\\~e\\~f\\~g\\~h \r\n"},
        // Only spaces among the last 15 characters (positions above length - 15).
        {"Paul and Barnabas went up to Jerusalem", 1, "A.\\tab Paul and Barnabas went up\\~to\\~Jerusalem \r\n"},
        {"Titus was a Greek", 2, "A.\\tab Titus\\~was\\~a\\~Greek **\r\n"},
        {"Titus", 3, "A.\\tab Titus ***\r\n"},
        {"Titus", 7, "A.\\tab Titus *******\r\n"},
    };
    for (const Case& c : cases) {
        const std::string s = RtfEntry(q, Marked(c.Answer), TEntryLayout{.Number = 1, .Asterisks = c.Asterisks});
        EXPECT_TRUE(s.ends_with(c.Line)) << s;
    }
    // Answer tags are not written.
    TMarkedText tagged = Marked("Titus");
    Tag(tagged, 0, 5, ColourUse1);
    const std::string s = RtfEntry(q, tagged, TEntryLayout{.Number = 1, .MarkKeywords = true, .UseColour = true});
    EXPECT_TRUE(s.ends_with("A.\\tab Titus \r\n")) << s;
}

TEST(RtfWriter, ContentBracesAndBackslashesAreEscapedInRtfOnly)
{
    const TMarkedText q = Marked("What is {this} \\ that?");
    const TMarkedText a = Marked("{x}");
    const std::string rtf = RtfEntry(q, a, TEntryLayout{.Number = 1});
    EXPECT_NE(rtf.find("What is \\{this\\} \\\\ that?"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("A.\\tab \\{x\\} "), std::string::npos) << rtf;
    EXPECT_EQ(Balance(rtf), 0);

    TDocFile text(TDocFormat::Text);
    WriteTextEntry(text, q, a, TEntryLayout{.Number = 1});
    EXPECT_EQ(text.Bytes(), "1.What is {this} \\ that?\r\nA. {x} \r\n");
}

TEST(RtfWriter, PlainTextEntry)
{
    TMarkedText q = Marked("Who was with Paul?");
    Tag(q, 0, 3, ColourUse1);
    const TMarkedText a = Marked("Titus and Barnabas");
    struct Case {
        TEntryLayout Layout;
        std::string Text;
    };
    const Case cases[] = {
        {{.Number = 12, .Asterisks = 2, .UnderlinePrejump = true, .PrejumpWords = 2, .MarkKeywords = true},
         "12.Who was with Paul?\r\nA. Titus and Barnabas **\r\n"},
        {{.Number = 0, .Asterisks = 1}, "Who was with Paul?\r\nA. Titus and Barnabas \r\n"},
        {{.Number = 4, .TypeCode = 1, .ShowCode = true},
         TQuestions::PreannounceCode(1) + " 4.Who was with Paul?\r\nA. Titus and Barnabas \r\n"},
    };
    for (const Case& c : cases) {
        TDocFile f(TDocFormat::Text);
        WriteTextEntry(f, q, a, c.Layout);
        EXPECT_EQ(f.Bytes(), c.Text);
    }
}

TEST(RtfWriter, OfferToOpenMessages)
{
    EXPECT_EQ(OfferToOpenMessage(TDocumentKind::MemoryVerseList, "/tmp/MEMORY.rtf"),
              "Your memory verse list has been created and is in the file:\r/tmp/MEMORY.rtf\r"
              "Would you like to edit or print this file using your word processor?");
    EXPECT_EQ(OfferToOpenMessage(TDocumentKind::QuestionSets, "s.rtf"),
              "Your question sets have been created and are in the file:\rs.rtf\r"
              "Would you like to edit or print\rthis file using your word processor?");
    EXPECT_TRUE(OfferToOpenMessage(TDocumentKind::ScripturePortion, "x")
                    .starts_with("Your scripture portion has been created and is in the file:\r"));
    EXPECT_TRUE(OfferToOpenMessage(TDocumentKind::QuestionList, "x")
                    .starts_with("Your question list has been created and is in the file:\r"));
}

TEST(DocFile, SaveWritesBytesOrLeavesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TDocFile f(TDocFormat::Rtf);
    f.Write("{\\rtf1 ");
    f.WriteText("\x93quoted\x94 caf\xE9");
    f.EndLine();
    const std::string path = dir.filePath(QStringLiteral("a.rtf")).toStdString();
    f.Save(path);
    QFile in(QString::fromStdString(path));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll().toStdString(), "{\\rtf1 \x93quoted\x94 caf\xE9\r\n");

    // A folder that does not exist: the message names the path, and no file appears.
    const std::string bad = dir.filePath(QStringLiteral("missing/b.rtf")).toStdString();
    try {
        f.Save(bad);
        FAIL() << "saved into a missing folder";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + bad);
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(bad)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.rtf")});
}

TEST(DocFile, PlainTextIsSavedAsUtf8UnlessMeantForWindows)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string written = "\x93quoted\x94 caf\xE9 \x96 1:2\r\nnext\r\n";
    const struct {
        const char* Name;
        TDocFormat Format;
        TTextEncoding Text;
        std::string Saved;
    } cases[] = {
        {"plain text", TDocFormat::Text, TTextEncoding::Utf8, "\u201Cquoted\u201D caf\u00E9 \u2013 1:2\nnext\n"},
        {"plain text for Windows", TDocFormat::Text, TTextEncoding::Windows1252, written},
        {"RTF", TDocFormat::Rtf, TTextEncoding::Utf8, written},
    };
    for (const auto& c : cases) {
        TDocFile f(c.Format, c.Text);
        f.WriteText("\x93quoted\x94 caf\xE9 \x96 1:2");
        f.EndLine();
        f.Write("next");
        f.EndLine();
        EXPECT_EQ(f.Bytes(), written) << c.Name;
        const std::string path = dir.filePath(QString::fromUtf8(c.Name)).toStdString();
        f.Save(path);
        QFile in(QString::fromStdString(path));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        EXPECT_EQ(in.readAll().toStdString(), c.Saved) << c.Name;
    }
    // A plain-text document made without saying how is saved as UTF-8.
    TDocFile plain(TDocFormat::Text);
    plain.WriteText("\xE9");
    EXPECT_EQ(plain.SavedBytes(), "\u00E9");
}

TEST(DocFile, FormatFollowsTheExtension)
{
    EXPECT_EQ(FormatOfFileName("a/MEMORY.txt"), TDocFormat::Text);
    EXPECT_EQ(FormatOfFileName("MEMORY.TXT"), TDocFormat::Text);
    EXPECT_EQ(FormatOfFileName("MEMORY.rtf"), TDocFormat::Rtf);
    EXPECT_EQ(FormatOfFileName("MEMORY"), TDocFormat::Rtf);
}
