// The question list job: thinning, the best by difficulty, the orders, prejump lists in words
// and letters, and cancelling.

#include "print/SetFixtures.h"

#include "print/DocFile.h"
#include "print/PrintList.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <sstream>

namespace sv::test {
namespace {

// n toss-ups "Question i?" in reference order, five a verse, question length i.
const TLoaded& ListContent(int n)
{
    static std::map<int, std::unique_ptr<TLoaded>> cache;
    auto& slot = cache[n];
    if (!slot) {
        TFixtureDesc d;
        d.Books = {PlainBook("Romans", "Ro ", 10, 21)};
        d.Sections = {{1, 1, 1, "Greeting"}};
        d.Collections.resize(2);
        d.Collections[0].Name = "Quotes";
        d.Collections[1].Name = "Toss-ups";
        for (int i = 1; i <= n; ++i) {
            const int k = (i - 1) / 5;
            TFixtureQuestion q = PlainQuestion(1, 1 + k / 21, 1 + k % 21, "Question " + std::to_string(i) + "?");
            q.QuestionLength = static_cast<std::int16_t>(i);
            d.Collections[1].Questions.push_back(q);
        }
        slot = std::make_unique<TLoaded>(d);
    }
    return *slot;
}

TListOptions PlainOptions(const TBooks& books)
{
    TListOptions o;
    o.Rtf = false;
    o.IncludeReference = false;
    o.ShowCode = false;
    o.Material.Total = books.TotalVerses();
    for (int v = 1; v <= o.Material.Total; ++v)
        o.Material.Choose(v);
    o.Collections = AllCollections();
    for (int t = 0; t <= MaxChoosableType; ++t)
        o.Types[t] = 1;
    InitKeywordColours(o.KeywordColours, 0);
    return o;
}

// A text list without its title and key (the lines up to the first empty one).
std::string Entries(const std::string& doc)
{
    const std::size_t end = doc.find("\r\n\r\n");
    return doc.starts_with("Question list\r\n") || doc.starts_with("Prejump list\r\n") ? doc.substr(end + 4) : doc;
}

// The question lines of a text list (every line that is not an answer).
std::vector<std::string> QuestionLines(const std::string& doc)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < doc.size()) {
        const std::size_t end = doc.find("\r\n", at);
        const std::string line = doc.substr(at, end - at);
        if (!line.starts_with("A. "))
            out.push_back(line);
        at = end + 2;
    }
    return out;
}

std::vector<int> Numbers(const std::vector<std::string>& lines)
{
    std::vector<int> n;
    for (const std::string& l : lines)
        n.push_back(std::stoi(l.substr(l.find(' ') + 1)));
    return n;
}

std::vector<int> Kept(const TLoaded& content, TListOptions o, IRandom& random)
{
    TPrintList job(content.Questions(), std::move(o), random);
    TDocFile doc(TDocFormat::Text);
    EXPECT_EQ(job.Write(doc), TPrintList::TOutcome::Written);
    return Numbers(QuestionLines(Entries(doc.Bytes())));
}

std::vector<int> Range(int from, int step, int count)
{
    std::vector<int> v;
    for (int i = 0; i < count; ++i)
        v.push_back(from + i * step);
    return v;
}

TEST(QuestionList, NoMoreThanTakesEvenlyFromARandomStart)
{
    TListOptions o = PlainOptions(ListContent(1000).Books());
    o.Size = TListSize::NoMoreThan;
    o.SizeValue = 100;
    {
        TScriptedRandom random; // no draw: 1000 - 10 x 100 leaves no room
        EXPECT_EQ(Kept(ListContent(1000), o, random), Range(1, 10, 100));
        EXPECT_EQ(random.Bounds, std::vector<int>{0});
    }
    for (int draw : {0, 4}) {
        TScriptedRandom random({draw});
        EXPECT_EQ(Kept(ListContent(1005), o, random), Range(1 + draw, 10, 100));
        EXPECT_EQ(random.Bounds, std::vector<int>{5});
    }
    o.SizeValue = 2000; // more than there are: everything
    TScriptedRandom none;
    EXPECT_EQ(Kept(ListContent(1005), o, none).size(), 1005u);
}

TEST(QuestionList, PercentOfAFewQuestionsKeepsOne)
{
    TListOptions o = PlainOptions(ListContent(10).Books());
    o.Size = TListSize::Percent;
    o.SizeValue = 5;
    TScriptedRandom random;
    const auto kept = Kept(ListContent(10), o, random);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0], 1); // step 10 leaves no room for a later start
    struct TCase {
        TListSize mode;
        int value, size, expected;
    } cases[] = {
        {TListSize::AllAvailable, 0, 40, 40},  {TListSize::NoMoreThan, 50, 40, 40}, {TListSize::NoMoreThan, 7, 40, 7},
        {TListSize::Percent, 5, 19, 1},        {TListSize::Percent, 5, 0, 0},       {TListSize::Percent, 50, 41, 20},
        {TListSize::BestPercent, 25, 200, 50}, {TListSize::BestNumber, 9999, 3, 3},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ListTarget(c.mode, c.value, c.size), c.expected)
            << static_cast<int>(c.mode) << " " << c.value << " of " << c.size;
}

TEST(QuestionList, BestByDifficultyThenInTheChosenOrder)
{
    TListOptions o = PlainOptions(ListContent(1000).Books());
    o.Size = TListSize::BestPercent;
    o.SizeValue = 25;
    o.Difficulty = TDifficulty::LongQA; // the longest questions score best
    TScriptedRandom random;
    // By reference; on one verse the better question stays first.
    std::vector<int> kept = Kept(ListContent(1000), o, random);
    EXPECT_EQ(std::vector<int>(kept.begin(), kept.begin() + 5), (std::vector<int>{755, 754, 753, 752, 751}));
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, Range(751, 1, 250));
    o.Difficulty = TDifficulty::ShortQuestion;
    o.Size = TListSize::BestNumber;
    o.SizeValue = 30;
    EXPECT_EQ(Kept(ListContent(1000), o, random), Range(1, 1, 30));
    // Mixed lengths: every (size div N)-th from the first.
    o.Difficulty = TDifficulty::Mixed;
    EXPECT_EQ(Kept(ListContent(1000), o, random), Range(1, 33, 30));
    // Alphabetical: "Question 1000?" before "Question 751?".
    o.Difficulty = TDifficulty::LongQA;
    o.Size = TListSize::BestNumber;
    o.SizeValue = 3;
    o.Order = TListOrder::Alphabetical;
    EXPECT_EQ(Kept(ListContent(1000), o, random), (std::vector<int>{1000, 998, 999}));
}

// A question of Romans 1 with its stored prejump word count.
TFixtureQuestion Romans1(int verse, int type, const std::string& text, int prejump)
{
    TFixtureQuestion x = PlainQuestion(1, 1, verse, text, type);
    x.PrejumpWords = prejump;
    return x;
}

// Romans 1 with the questions of collection 1 and a placeholder in collection 2 for the one
// at index `duplicate` (held by two collections).
std::unique_ptr<TLoaded> RomansWith(std::vector<TFixtureQuestion> questions, int duplicate)
{
    TFixtureDesc d;
    d.Books = {PlainBook("Romans", "Ro ", 1, 5)};
    d.Sections = {{1, 1, 1, "Greeting"}};
    d.ComputePrejump = false;
    d.Collections.resize(3);
    for (int c = 0; c < 3; ++c)
        d.Collections[c].Name = "Collection " + std::to_string(c);
    d.Collections[1].Questions = std::move(questions);
    d.Collections[2].Questions = {Placeholder(1, duplicate, 1, 1, duplicate)};
    return std::make_unique<TLoaded>(d);
}

// Questions for the prejump lists; the last one is held by two collections.
const TLoaded& PrejumpContent()
{
    static const std::unique_ptr<TLoaded> loaded =
        RomansWith({Romans1(1, 3, "Who was the apostle to the Gentiles?", 2),
                    Romans1(2, 1, "Quote Romans chapter one verse two.", 3), Romans1(3, 39, "What should you do?", 1),
                    Romans1(4, 3, "Paul wrote to whom?", 1)},
                   4);
    return *loaded;
}

std::string PrejumpList(TListOptions o)
{
    TScriptedRandom random;
    TPrintList job(PrejumpContent().Questions(), std::move(o), random);
    TDocFile doc(o.Rtf ? TDocFormat::Rtf : TDocFormat::Text);
    EXPECT_EQ(job.Write(doc), TPrintList::TOutcome::Written);
    return Entries(doc.Bytes());
}

TEST(QuestionList, PrejumpListInWordsAndLetters)
{
    TListOptions o = PlainOptions(PrejumpContent().Books());
    o.PrejumpList = true;
    o.PrejumpMinimum = 3;
    // Type 1 never appears; the situation question keeps its lead-in; "*" marks the
    // question held by two collections.
    EXPECT_EQ(PrejumpList(o), "\tWho was the \r\n\tSituation question: What should you \r\n*\tPaul wrote to \r\n");
    o.PrejumpMinimum = 10; // all of a shorter question
    EXPECT_EQ(PrejumpList(o), "\tWho was the apostle to the Gentiles? \r\n"
                              "\tSituation question: What should you do? \r\n*\tPaul wrote to whom? \r\n");
    o.HighlightKeywords = true; // no marks in plain text
    InitKeywordColours(o.KeywordColours, 9);
    EXPECT_EQ(PrejumpList(o).find('{'), std::string::npos);
    o.MinimumInWords = false;
    o.PrejumpMinimum = 15; // cut inside the word that reaches the 15th letter
    EXPECT_EQ(PrejumpList(o).substr(0, 22), "\tWho was the apostl \r\n");
    o.OnlyDuplicates = true; // no code column, no asterisk
    o.MinimumInWords = true;
    o.PrejumpMinimum = 10;
    o.ShowCode = true;
    o.IncludeReference = true;
    EXPECT_EQ(PrejumpList(o), "Paul wrote to whom?  (Ro 1:4)\r\n");
}

TEST(QuestionList, PrejumpListAsRtf)
{
    TListOptions o = PlainOptions(PrejumpContent().Books());
    o.Rtf = true;
    o.PrejumpList = true;
    o.PrejumpMinimum = 2;
    o.ShowCode = true;
    const std::string d = PrejumpList(o);
    const std::string code = TQuestions::PreannounceCode(3);
    EXPECT_NE(d.find("\r\n\\par \\s10\\fi-360\\li360\\keep \\f3\\fs18\\lang1033 " + code + "\\tab Who was \r\n"),
              std::string::npos)
        << d;
    EXPECT_NE(d.find("\\lang1033 " + code + "*\\tab Paul wrote \r\n"), std::string::npos);
    EXPECT_TRUE(d.ends_with("\\par }\r\n"));
    o.ShowCode = false;
    EXPECT_NE(PrejumpList(o).find("\\par \\s10\\fi-180\\li180\\keep \\f3\\fs18\\lang1033 \\tab Who was \r\n"),
              std::string::npos);
}

// Questions for the full list: a situation and a book-and-chapter question (their prejump
// words start after the lead-in), an "according to" question (never underlined, its lead
// names the verse) and a
// question held by two collections.
const TLoaded& FullListContent()
{
    static const std::unique_ptr<TLoaded> loaded =
        RomansWith({Romans1(1, 3, "Who was the apostle to the Gentiles?", 2), Romans1(2, 39, "What should you do?", 1),
                    Romans1(3, 40, "Paul wrote to whom?", 2), Romans1(4, 1, "Quote Romans chapter one verse two.", 3)},
                   3);
    return *loaded;
}

TEST(QuestionList, FullListAsRtfUnderlinesPrejumpsAfterTheLeadInAndMarksDuplicates)
{
    TListOptions o = PlainOptions(FullListContent().Books());
    o.Rtf = true;
    o.UnderlinePrejumps = true;
    TScriptedRandom random;
    const auto write = [&](const TListOptions& options) {
        TPrintList job(FullListContent().Questions(), options, random);
        TDocFile doc(TDocFormat::Rtf);
        EXPECT_EQ(job.Write(doc), TPrintList::TOutcome::Written);
        return doc.Bytes();
    };
    const std::string codeQ =
        "\\par \\pard\\plain \\s6\\fi-450\\li450\\keep\\keepn\\tqc\\tx180 \\f3\\fs18\\lang1033 \\tab ";
    const std::string codeA =
        "\\par \\pard\\plain \\s7\\fi-810\\li810\\sa120\\keep\\tx450 \\f3\\fs18\\lang1033 \\tab A.\\tab ";
    const std::string answer = "grace\\~and\\~peace ";
    const auto code = [](int type) { return TQuestions::PreannounceCode(type) + "\\tab "; };

    o.ShowCode = true;
    const std::string withCode = write(o);
    const std::string expected[] = {
        codeQ + code(3) + "{\\ul Who was} the apostle to the Gentiles?\r\n" + codeA + answer + "\r\n",
        codeQ + code(39) + "Situation question: {\\ul What} should you do?\r\n" + codeA + answer + "\r\n",
        codeQ + code(40) + "In what book and chapter is the following: \"{\\ul Paul wrote} to whom?\r\n" + codeA
            + answer + "**\r\n",
        codeQ + code(1) + "According to Romans chapter 1: verse 4, Quote Romans chapter one verse two.\r\n" + codeA
            + answer + "\r\n",
    };
    std::size_t at = 0;
    for (const std::string& entry : expected) {
        const std::size_t found = withCode.find(entry, at);
        EXPECT_NE(found, std::string::npos) << entry << "\nin\n" << withCode;
        at = found == std::string::npos ? at : found + entry.size();
    }
    EXPECT_TRUE(withCode.ends_with("\\par }\r\n"));

    // Without the code column: the other openers, the same underlines; without underlining none.
    o.ShowCode = false;
    const std::string noCode = write(o);
    EXPECT_NE(noCode.find("\\par \\pard\\plain \\s8\\fi-0\\li0\\keep\\keepn \\f3\\fs18\\lang1033 Situation question: "
                          "{\\ul What} should you do?\r\n\\par \\pard\\plain \\s9\\fi-360\\li540\\sa120\\keep "
                          "\\f3\\fs18\\lang1033 A.\\tab "
                          + answer + "\r\n"),
              std::string::npos)
        << noCode;
    o.UnderlinePrejumps = false;
    EXPECT_EQ(write(o).find("{\\ul "), std::string::npos);
}

TEST(QuestionList, CancelBeforeWritingLeavesNoFile)
{
    QTemporaryDir dir;
    TListOptions o = PlainOptions(ListContent(1000).Books());
    o.FileName = QDir(dir.path()).filePath(QStringLiteral("MYLIST.txt")).toStdString();
    TScriptedRandom random;
    TPrintList job(ListContent(1000).Questions(), o, random);
    job.Cancel();
    EXPECT_EQ(job.Execute(), TPrintList::TOutcome::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(o.FileName)));
    // Not cancelled: the file is there.
    TPrintList again(ListContent(1000).Questions(), o, random);
    EXPECT_EQ(again.Execute(), TPrintList::TOutcome::Written);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(o.FileName)));
    EXPECT_EQ(again.ProgressPercent(), 100);
}

TEST(QuestionList, AListOpensWithItsTitleAndAKeyToItsSymbols)
{
    TListOptions o = PlainOptions(PrejumpContent().Books());
    o.PrejumpMinimum = 3;
    const struct {
        const char* Name;
        bool Prejump;
        bool Rtf;
        bool ShowCode;
        std::string Opening;
    } cases[] = {
        {"question list", false, false, true,
         "Question list\r\nKey: [g] General question; [a] According to; [s] Situation; * after an answer: one for each "
         "collection that "
         "holds the question\r\n\r\n"},
        {"without type symbols", false, false, false,
         "Question list\r\nKey: * after an answer: one for each collection that holds the question\r\n\r\n"},
        {"prejump list", true, false, true,
         "Prejump list\r\nKey: [g] General question; [s] Situation; * the question is in more than one "
         "collection\r\n\r\n"},
        {"RTF", false, true, true,
         "\\par \\pard\\plain \\s3\\qc\\sa120 \\b\\fs24\\lang1033 Question list\r\n"
         "\\par \\pard\\plain \\s8\\sa240 \\f3\\fs18\\lang1033 Key: [g] General question; [a] According to; "
         "[s] Situation; * after an answer: one for each collection that holds the question\r\n"},
    };
    for (const auto& c : cases) {
        o.PrejumpList = c.Prejump;
        o.Rtf = c.Rtf;
        o.ShowCode = c.ShowCode;
        TScriptedRandom random;
        TPrintList job(PrejumpContent().Questions(), o, random);
        TDocFile doc(c.Rtf ? TDocFormat::Rtf : TDocFormat::Text);
        ASSERT_EQ(job.Write(doc), TPrintList::TOutcome::Written);
        const std::string& d = doc.Bytes();
        EXPECT_NE(d.find(c.Opening), std::string::npos) << c.Name << "\n" << d.substr(0, 2000);
        if (!c.Rtf) {
            EXPECT_TRUE(d.starts_with(c.Opening)) << c.Name;
        }
    }
}

} // namespace
} // namespace sv::test
