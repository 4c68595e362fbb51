// A tiny portion compiled end to end: verse text, sections, memory passages with prompt
// words, generated and authored questions, placeholders, ordering, sort keys, lengths.

#include "compiler/Compiler.h"

#include "content/ConcRefs.h"
#include "content/QuestionTypes.h"
#include "portion/Portions.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::content;

namespace {

const char* kRaw = "Galatians 1:1: <w>Paul</w>, an apostle<note placement=\"foot\"></note> of Christ.\n"
                   "Galatians 1:2: \xE2\x80\x9CGrace to you\xE2\x80\x9D and peace\n"
                   "Galatians 1:3: Grace to you all.\n"
                   "Galatians 2:1: (Then) I went up to Jerusalem\n"
                   "(mod)\n";
const char* kOsis = "Galatians 1:1: Paul, an apostle<note placement=\"foot\">1:1 sent one</note> of Christ.\n"
                    "Galatians 1:2: \xE2\x80\x9CGrace to you\xE2\x80\x9D and peace\n"
                    "Galatians 1:3: Grace to you all.\n"
                    "Galatians 2:1: (Then) I went up to Jerusalem\n"
                    "(mod)\n";

TSourceSet TinySources()
{
    TSourceSet s;
    s.Portion.Module = "mod";
    s.Portion.Books.push_back({"Galatians", "Gal", "Gal", {3, 1}, {"portion.yaml", 3}});
    const char* names[] = {"Memory Verses", "Toss-ups", "20", "30", "40", "Book and Chapter", "Finish", "Review"};
    for (int c = 0; c < 8; ++c)
        s.Portion.Collections[static_cast<std::size_t>(c)].Name = names[c];
    s.Portion.Collections[7].Requires = {1};
    s.Sections = {{TVerseRef(1, 1, 1), "Greeting", {}}, {TVerseRef(1, 2, 1), "To Jerusalem", {}}};
    s.Memory = {{TVerseRef(1, 1, 2), 1, {"memory.yaml", 4}}, {TVerseRef(1, 1, 3), 1, {"memory.yaml", 5}}};
    TAuthoredQuestion later;
    later.Collection = 1;
    later.Also = {7, 3};
    later.Type = 2;
    later.Question = "Who went up to Jerusalem?";
    later.Parts = {{TVerseRef(1, 2, 1), "I {\\ul went up}"}};
    later.Pos = {"q.yaml", 1};
    TAuthoredQuestion earlier;
    earlier.Collection = 1;
    earlier.Type = 1;
    earlier.Question = "what did Paul call himself?";
    earlier.Parts = {{TVerseRef(1, 1, 1), "An apostle"}, {TVerseRef(1, 1, 3), "Zebedee"}};
    earlier.Pos = {"q.yaml", 7};
    s.Authored = {later, earlier};
    return s;
}

TScriptureSource Canned()
{
    return [](const std::string&, const std::string&, const std::string& format, const std::string&) {
        return std::string(format == "OSIS" ? kOsis : kRaw);
    };
}

std::string Verse(const TBooks& b, int book, int c, int v)
{
    TConcRefs refs;
    TKeywordTags tags;
    InitKeywordColours(tags, 0);
    TMarkedText m;
    b.RenderVerse(TVerseRef(book, c, v), refs, tags, false, 255, m);
    return m.Text();
}

} // namespace

TEST(Compile, TinyPortionRoundTripsThroughTheFiles)
{
    auto c = Compile(TinySources(), Canned());
    // Write and read back through the stores' own file code.
    TStreamWriter ww, wb, wq;
    c->Words.SaveToStream(ww);
    c->Books.SaveToStream(wb);
    c->Questions.SaveToStream(wq);
    TWords words;
    TBooks books(words);
    TQuestions qs(words, books);
    TStreamReader rw(ww.data(), "wf.wl"), rb(wb.data(), "wf.bk"), rq(wq.data(), "wf.qs");
    words.LoadFromStream(rw);
    books.LoadFromStream(rb);
    qs.LoadFromStream(rq);

    EXPECT_EQ(Verse(books, 1, 1, 1), "Paul, an apostle of Christ.");
    EXPECT_EQ(Verse(books, 1, 1, 2), "\x93Grace to you\x94 and peace");
    EXPECT_EQ(Verse(books, 1, 2, 1), "(Then) I went up to Jerusalem");
    EXPECT_EQ(books.SectionTitleOf(TVerseRef(1, 1, 3)), "Greeting");
    EXPECT_EQ(books.SectionTitleOf(TVerseRef(1, 2, 1)), "To Jerusalem");
    EXPECT_EQ(c->Footnotes, "1 1 1 16 sent one\r\n");

    // Memory passages 1:2 and 1:3 share "Grace to you": four words make each unique.
    ASSERT_EQ(books.TotalMemoryVerses(), 2);
    EXPECT_EQ(books.MemoryVerse(1).Ref.PromptWords, 4);
    EXPECT_EQ(books.MemoryVerse(2).Ref.PromptWords, 4);

    // Collection 5: one type-40 question per verse; collection 0 quote + finish per passage.
    EXPECT_EQ(qs.QuestionCount(5), 4);
    EXPECT_EQ(qs.QuestionType({5, 1}), TypeBookAndChapter);
    EXPECT_EQ(qs.QuestionPlainText({5, 4}),
              "In what book and chapter is the following: \"(Then) I went up to Jerusalem\"");
    EXPECT_EQ(qs.QuestionCount(0), 4);
    EXPECT_FALSE(qs.UsesSituation());

    // Collection 1 is ordered by primary reference whatever the file order.
    ASSERT_EQ(qs.QuestionCount(1), 2);
    EXPECT_EQ(qs.QuestionType({1, 1}), 1);
    EXPECT_EQ(qs.PrimaryRef({1, 2}), TVerseRef(1, 2, 1));
    EXPECT_EQ(qs.RefCountOf({1, 1}), 2);

    // The home record and its placeholders: chain 1 -> 7 -> 3, DupCount 3.
    EXPECT_EQ(qs.DupCount({1, 2}), 3);
    EXPECT_EQ(qs.DupLink({1, 2}), QuestionId(7, 1));
    EXPECT_EQ(qs.QuestionType({7, 1}), TypePlaceholder);
    EXPECT_EQ(qs.InfoByte({7, 1}), 1);
    EXPECT_EQ(qs.HomeIndex({7, 1}), 2);
    EXPECT_EQ(qs.DupLink({7, 1}), QuestionId(3, 1));
    EXPECT_EQ(qs.DupLink({3, 1}), 0);
    EXPECT_EQ(qs.PrimaryRef({3, 1}), TVerseRef(1, 2, 1));
    EXPECT_EQ(qs.Collection(7).Requires[1], 1);

    // Composed answer: the underline markup and the reference.
    TKeywordTags tags;
    InitKeywordColours(tags, 0);
    TMarkedText q, a;
    qs.ComposeQuestion({1, 2}, tags, TComposeOptions{}, a, q);
    EXPECT_EQ(q.Text(), "Who went up to Jerusalem?");
    EXPECT_EQ(a.Text(), "I went up (Gal2:1)");
    EXPECT_EQ(a.Marks[3], MarkUnderline);
    qs.ComposeQuestion({1, 1}, tags, TComposeOptions{}, a, q);
    EXPECT_EQ(q.Text(), "According to Galatians chapter 1: verse 1, what did Paul call himself?");
    EXPECT_EQ(a.Text(), "An apostle (Gal1:1) Zebedee (Gal1:3)");

    // Sort keys rank the plain texts case-insensitively over all collections; lengths count
    // characters of the plain question and of the answer without markup.
    EXPECT_EQ(qs.Data.HasSortKeys, 1);
    std::vector<std::pair<std::string, int>> keyed;
    for (int col = 0; col < 8; ++col)
        for (int i = 1; i <= qs.QuestionCount(col); ++i)
            if (!qs.IsPlaceholder({col, i}))
                keyed.emplace_back(LowerAscii(qs.QuestionPlainText({col, i})), qs.SortKey({col, i}));
    for (const auto& x : keyed)
        for (const auto& y : keyed)
            EXPECT_EQ(x.first < y.first, x.second < y.second) << x.first << " / " << y.first;
    EXPECT_EQ(qs.SortKey({7, 1}), qs.SortKey({1, 2}));
    EXPECT_EQ(qs.QuestionLength({1, 2}), 25);
    EXPECT_EQ(qs.AnswerLength({1, 2}), 9);

    // Prejump words are computed: "Quote Galatians chapter 1: verse 2." and "... verse 3."
    // differ at their sixth word.
    EXPECT_EQ(qs.QuestionType({0, 1}), 19);
    EXPECT_EQ(qs.Record({0, 1}).PrejumpWords(), 6);
    // "Zebedee" is a question-only word: an extra word after the sorted ones.
    EXPECT_GT(WordIndexOf(words.FindWord("Zebedee")), words.WordCount());
    // ... and an answer word that is in neither cited verse: reported, the build goes on.
    EXPECT_EQ(c->Stats.AnswerWordFaults,
              std::vector<std::string>{"q.yaml:7: answer word \"Zebedee\" not in Gal 1:1, Gal 1:3"});
}

TEST(Compile, VerseCountsMustMatchThePortion)
{
    TSourceSet s = TinySources();
    s.Portion.Books[0].VersesPerChapter = {3, 2};
    try {
        Compile(s, Canned());
        FAIL();
    } catch (const ESourceError& e) {
        EXPECT_NE(std::string(e.what()).find("portion.yaml:3: "), std::string::npos) << e.what();
    }
}

TEST(Compile, EveryBookNeedsASectionAtItsFirstVerse)
{
    // Without sections the program could name no section for any verse.
    TSourceSet s = TinySources();
    s.Sections.clear();
    try {
        Compile(s, Canned());
        FAIL() << "expected an error";
    } catch (const ESourceError& e) {
        EXPECT_NE(std::string(e.what()).find("portion.yaml:3: "), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("1:1"), std::string::npos) << e.what();
    }
}

TEST(Compile, UnmappableScriptureCharacterIsAnError)
{
    TSourceSet s = TinySources();
    const auto src = [](const std::string&, const std::string&, const std::string&, const std::string&) {
        return std::string("Galatians 1:1: a \xCE\xA9.\nGalatians 1:2: b\nGalatians 1:3: c\nGalatians 2:1: d\n");
    };
    try {
        Compile(s, src);
        FAIL();
    } catch (const ESourceError& e) {
        EXPECT_NE(std::string(e.what()).find("Gal 1:1"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("U+03A9"), std::string::npos) << e.what();
    }
}

TEST(Compile, TheContentFilesComeWithTheirPortionsDescription)
{
    QTemporaryDir dir;
    auto c = Compile(TinySources(), Canned());
    WriteContent(*c, dir.path().toStdString());
    const TPortionInfo p = ReadPortion(dir.path().toStdString() + "/", false);
    EXPECT_EQ(p.Text.Name, QStringLiteral("Galatians"));
    EXPECT_EQ(p.Text.Books, QStringLiteral("Galatians"));
    EXPECT_EQ(p.Text.Translation, QStringLiteral("mod"));
    EXPECT_EQ(p.Text.Built, QDate::currentDate());
    EXPECT_GT(p.Questions, 0);
}

TEST(Compile, APortionIsNamedByItsNameOrItsBooks)
{
    struct Case {
        std::string Name;
        std::vector<std::string> Books;
        const char* Expected;
    };
    const Case cases[] = {
        {"", {"Jonah"}, "Jonah"},
        {"", {"1 Peter", "2 Peter"}, "1 Peter-2 Peter"},
        {"", {"Galatians", "Ephesians", "Philemon"}, "Galatians-Philemon"},
        {"Sermon on the Mount", {"Matthew"}, "Sermon on the Mount"},
    };
    for (const Case& c : cases) {
        TPortion portion;
        portion.Name = c.Name;
        portion.Module = "KJV";
        for (const std::string& b : c.Books)
            portion.Books.push_back({b, "X", "X", {1}, {}});
        const TPortionText t = DescribePortion(portion, QDate(2026, 1, 2));
        EXPECT_EQ(t.Name.toStdString(), c.Expected);
        EXPECT_EQ(t.Translation, QStringLiteral("KJV"));
        EXPECT_EQ(t.Books.count(u',') + 1, static_cast<qsizetype>(c.Books.size()));
    }
}
