// The content audit on tiny portions: near-equal verses, prompts against every verse opening,
// shared rare words with the review mark, answers stopping mid-sentence, coverage limits.

#include "compiler/Compiler.h"
#include "compiler/ContentAudit.h"

#include "content/QuestionTypes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace sv;
using namespace sv::content;

namespace {

// Two books of one chapter each. Gal 1:2 and Eph 1:2 are the same words, and Eph 1:3
// repeats them within its own chapter; Gal 1:4 and Eph 1:4 share rare words.
const char* kGal = "Galatians 1:1: Paul greets the brothers in the region of Galatia,\n"
                   "Galatians 1:2: Grace to you and peace from God our Father.\n"
                   "Galatians 1:3: Children, obey your parents in the Lord, for this is right.\n"
                   "Galatians 1:4: The vineyard keeper pruned the crooked olive branches he cut off\n"
                   "Galatians 1:5: and burned them in the winter fire.\n"
                   "(mod)\n";
const char* kEph = "Ephesians 1:1: Children, obey your parents in all things, for this pleases the Lord.\n"
                   "Ephesians 1:2: Grace to you and peace from God our Father.\n"
                   "Ephesians 1:3: Grace to you and peace from God our Father!\n"
                   "Ephesians 1:4: A vineyard keeper pruned crooked olive branches at dawn.\n"
                   "(mod)\n";

TAuthoredQuestion Question(int collection, const std::string& text, std::vector<TAnswerPart> parts, int line)
{
    TAuthoredQuestion q;
    q.Collection = collection;
    q.Type = 3;
    q.Question = text;
    q.Parts = std::move(parts);
    q.Pos = {"q.yaml", line};
    return q;
}

TSourceSet Sources(std::vector<TAuthoredQuestion> authored, std::vector<TMemoryDef> memory = {})
{
    TSourceSet s;
    s.Portion.Module = "mod";
    s.Portion.Books.push_back({"Galatians", "Gal", "Gal", {5}, {"portion.yaml", 3}});
    s.Portion.Books.push_back({"Ephesians", "Eph", "Eph", {4}, {"portion.yaml", 7}});
    for (int c = 0; c < 8; ++c)
        s.Portion.Collections[static_cast<std::size_t>(c)].Name = "C" + std::to_string(c);
    s.Sections = {{TVerseRef(1, 1, 1), "Greeting", {}}, {TVerseRef(2, 1, 1), "Children", {}}};
    s.Memory = std::move(memory);
    s.Authored = std::move(authored);
    return s;
}

std::unique_ptr<TCompiledContent> CompileTiny(const TSourceSet& s)
{
    return Compile(s, [](const std::string&, const std::string& key, const std::string&, const std::string&) {
        return std::string(key == "Gal" ? kGal : kEph);
    });
}

std::vector<std::string> Texts(const std::vector<TAuditFinding>& findings)
{
    std::vector<std::string> out;
    for (const auto& f : findings)
        out.push_back(f.Text());
    return out;
}

bool AnyHas(const std::vector<std::string>& lines, const std::string& part)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

TAuditVerse Verse(int v, const std::string& text)
{
    return {TVerseRef(1, 1, v), "Gal 1:" + std::to_string(v), Tokenize(text)};
}

} // namespace

TEST(ContentAudit, NearEqualVersesHoldNinetyPercentOfTheWordsInOrder)
{
    const std::vector<TAuditVerse> verses = {
        Verse(1, "Grace to you and peace from God our Father."),
        Verse(2, "To the saints at Colossae: grace to you and peace from God our Father."),
        Verse(3, "Grace to you and peace from God the Father."), // 8 of 9 words
        Verse(4, "Peace from God our Father and grace to you."), // other order
        Verse(5, "grace TO you and peace from god our father"),  // case only
    };
    const auto near = NearEqualVerses(verses);
    using V = std::vector<std::size_t>;
    EXPECT_EQ(near[0], (V{1, 4})); // contained in the longer greeting; equal to the last
    EXPECT_EQ(near[1], V{});       // the longer verse has words of its own
    EXPECT_EQ(near[2], V{});       // 8 of 9 words is below 90 %
    EXPECT_EQ(near[3], V{});
    EXPECT_EQ(near[4], (V{0, 1}));
}

TEST(ContentAudit, BookAndChapterOfARepeatedVerseNamesEveryPlace)
{
    const auto c = CompileTiny(Sources({}));
    const TQuestions& qs = c->Questions;
    auto answerOf = [&](int index) {
        std::vector<std::string> places;
        for (int k = 1; k <= qs.RefCountOf({5, index}); ++k)
            places.push_back(std::to_string(qs.RefOf({5, index}, k).Book) + " "
                             + std::to_string(qs.RefOf({5, index}, k).Chapter));
        return places;
    };
    ASSERT_EQ(qs.QuestionCount(5), 9);
    using P = std::vector<std::string>;
    EXPECT_EQ(answerOf(1), P{"1 1"});          // Gal 1:1 stands alone
    EXPECT_EQ(answerOf(2), (P{"1 1", "2 1"})); // Gal 1:2 is also Eph 1:2 and 1:3
    EXPECT_EQ(answerOf(7), (P{"2 1", "1 1"})); // Eph 1:2: its own chapter once, then Galatians 1
    EXPECT_TRUE(
        AnyHas(Texts(c->Stats.Audit.Notes), "(generated for Gal 1:2): the words also stand in Eph 1:2, Eph 1:3"));
    EXPECT_TRUE(c->Stats.Audit.Open.empty());
}

TEST(ContentAudit, PromptIsUniqueAgainstTheOpeningOfEveryVerse)
{
    // Only Gal 1:3 is a memory passage; Eph 1:1 is not, yet opens with the same five words.
    const auto c = CompileTiny(Sources({}, {{TVerseRef(1, 1, 3), 1, {"memory.yaml", 4}}}));
    const TBookRec& gal = c->Books.Data.Books[1];
    ASSERT_EQ(gal.MemoryVerseCount, 1);
    EXPECT_EQ(gal.MemVerses[1].PromptWords, 6); // "Children, obey your parents in the"

    // A passage whose whole text opens another verse cannot be set apart.
    const std::vector<TAuditVerse> verses = {Verse(1, "Rejoice always."), Verse(2, "Rejoice always, and pray.")};
    std::vector<std::size_t> clash;
    const auto lengths = PromptLengthsAgainstVerses({{"Rejoice", "always"}}, {1}, {0}, VerseOpenings(verses), &clash);
    EXPECT_EQ(lengths, std::vector<int>{0});
    EXPECT_EQ(clash, std::vector<std::size_t>{1});
}

TEST(ContentAudit, SharedRareWordsAreHitsUntilReviewed)
{
    auto vineyard =
        Question(1, "What did the vineyard keeper prune?", {{TVerseRef(1, 1, 4), "The crooked olive branches"}}, 10);
    auto named = vineyard;
    named.Question = "What did the vineyard keeper in Galatians prune?";
    named.Pos.Line = 20;
    auto reviewed = vineyard;
    reviewed.Pos.Line = 30;
    reviewed.Reviewed = {TVerseRef(2, 1, 4)};
    auto stale = Question(1, "Who greets the brothers?", {{TVerseRef(1, 1, 1), "Paul"}}, 40);
    stale.Reviewed = {TVerseRef(2, 1, 4)};
    stale.ReviewedPos = {"q.yaml", 42};
    auto according = vineyard;
    according.Type = 1;
    according.Pos.Line = 50;
    const auto c = CompileTiny(Sources({vineyard, named, reviewed, stale, according}));
    const auto open = Texts(c->Stats.Audit.Open);
    EXPECT_EQ(open,
              (std::vector<std::string>{
                  "q.yaml:10: Eph 1:4 also holds \"keeper\", \"vineyard\" of the question on Gal 1:4; "
                  "reword it so only one answer fits, or name Eph 1:4 in \"unique: {reviewed: [...]}\"",
                  "q.yaml:42: reviewed verse Eph 1:4 is no hit of this question any more; remove it from \"reviewed\"",
              }));
    EXPECT_EQ(c->Stats.Audit.Resolved, 1 + 3); // the review, and the three repeated greetings
    EXPECT_TRUE(c->Stats.Audit.Summary().find("ambiguity and wording hits: 4 resolved, 2 open") != std::string::npos);
}

TEST(ContentAudit, AnswerStoppingWhereTheSentenceGoesOnIsFlagged)
{
    struct Case {
        std::vector<TAnswerPart> parts;
        bool flagged;
    };
    const TVerseRef g4(1, 1, 4), g5(1, 1, 5), g3(1, 1, 3);
    const std::vector<Case> cases = {
        {{{g4, "The crooked olive branches he cut off"}}, true}, // runs to the verse's end, a function word
        {{{g4, "The vineyard keeper"}}, false},                  // stops inside the verse
        {{{g4, "The crooked olive branches he cut off"}, {g5, "burned them"}}, false}, // the next verse is cited
        {{{g3, "Obey your parents in the Lord, for this is right"}}, false},           // the verse ends its sentence
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto c = CompileTiny(Sources({Question(1, "What happened?", cases[i].parts, 10)}));
        const auto open = Texts(c->Stats.Audit.Open);
        EXPECT_EQ(AnyHas(open, "q.yaml:10: the answer ends with Gal 1:4, whose sentence goes on in Gal 1:5"),
                  cases[i].flagged)
            << i;
    }
    auto reviewed = Question(1, "What happened?", {{g4, "The crooked olive branches he cut off"}}, 10);
    reviewed.Reviewed = {g5};
    EXPECT_TRUE(CompileTiny(Sources({reviewed}))->Stats.Audit.Open.empty());
}

TEST(ContentAudit, CoverageLimitsAreReportedWithFileAndLine)
{
    std::vector<TAuthoredQuestion> qs;
    // Galatians meets every limit: each verse opens a toss-up (1.0 a verse), every bonus collection.
    for (int v = 1; v <= 5; ++v)
        qs.push_back(Question(1, "What?", {{TVerseRef(1, 1, v), "Grace"}}, v));
    for (int col = 2; col <= 4; ++col)
        qs.push_back(Question(col, "What?", {{TVerseRef(1, 1, 1), "Paul"}}, 10 + col));
    // Ephesians: two toss-ups for four verses, a 30-point bonus only (Eph 1:3 is cited, but by
    // no toss-up); Eph 1:4 never cited.
    qs.push_back(Question(1, "What?", {{TVerseRef(2, 1, 1), "Children"}}, 20));
    qs.push_back(Question(1, "What?", {{TVerseRef(2, 1, 2), "Grace"}}, 21));
    qs.push_back(Question(3, "What?", {{TVerseRef(2, 1, 3), "Grace"}}, 22));
    const auto c = CompileTiny(Sources(qs));
    const auto& audit = c->Stats.Audit;
    EXPECT_EQ(Texts(audit.Coverage),
              (std::vector<std::string>{
                  "portion.yaml:7: Eph 1:3 is the primary reference of no authored toss-up",
                  "portion.yaml:7: Eph 1:4 is the primary reference of no authored toss-up",
                  "portion.yaml:7: Eph 1 has 2 toss-ups for 4 verses (0.50 a verse); it needs at least 4",
                  "portion.yaml:7: Eph 1 has no question in the 20-point bonus collection",
                  "portion.yaml:7: Eph 1 has no question in the 40-point bonus collection",
              }));
    const std::string summary = audit.Summary();
    EXPECT_NE(summary.find("coverage: 8 of 9 verses cited"), std::string::npos) << summary;
    EXPECT_NE(summary.find("primary references: 7 of 9 verses open a toss-up (needed: every verse)"), std::string::npos)
        << summary;
    EXPECT_NE(summary.find("toss-ups per verse (needed: 1.00; lowest first): Eph 1 0.50 Gal 1 1.00"), std::string::npos)
        << summary;
    EXPECT_NE(summary.find("bonuses 20/30/40 per chapter (needed: 1/1/1): Gal 1 1/1/1 Eph 1 0/1/0"), std::string::npos)
        << summary;
}

TEST(ContentAudit, MemoryPassageStartsWhereItsSentenceStarts)
{
    const std::vector<TAuditVerse> verses = {
        Verse(1, "Paul, an apostle, to the assemblies:"), // a colon: the next verse starts a clause
        Verse(2, "Grace to you,"),
        Verse(3, "who gave himself;"),
        Verse(4, "for by grace you were saved,"),
        Verse(5, "not of works."),
    };
    auto memory = [](std::vector<std::pair<int, int>> passages) {
        std::vector<TMemoryDef> out;
        for (const auto& [verse, count] : passages)
            out.push_back({TVerseRef(1, 1, verse), count, {"memory.yaml", verse}});
        return out;
    };
    struct Case {
        std::vector<std::pair<int, int>> passages;
        std::vector<std::string> hits;
    };
    const std::vector<Case> cases = {
        {{{2, 1}, {4, 2}}, {}}, // after a colon, after a semicolon
        {{{3, 1}},
         {"memory.yaml:3: the passage Gal 1:3 starts in mid-sentence: the sentence begins at Gal 1:2, "
          "and the passage before it does not run from that verse up to it"}},
        {{{2, 1}, {3, 1}}, {}}, // the passage before holds the start
        {{{1, 1}, {5, 1}},
         {"memory.yaml:5: the passage Gal 1:5 starts in mid-sentence: the sentence begins at Gal 1:4, "
          "and the passage before it does not run from that verse up to it"}},
    };
    for (const auto& c : cases) {
        TAuditReport report;
        AuditMemory(verses, memory(c.passages), report);
        EXPECT_EQ(Texts(report.Open), c.hits) << c.passages.size();
    }

    // Col 1:9-10 then 1:13-14: the passage before holds the sentence's start, but the verses
    // between the two are missing, so "who delivered us" is learnt without its sentence.
    const std::vector<TAuditVerse> long_ = {
        Verse(1, "For this cause we pray,"),
        Verse(2, "that you may walk worthily,"),
        Verse(3, "giving thanks to the Father,"),
        Verse(4, "who delivered us."),
    };
    TAuditReport gap, joined;
    AuditMemory(long_, memory({{1, 2}, {4, 1}}), gap);
    EXPECT_EQ(Texts(gap.Open),
              std::vector<std::string>{"memory.yaml:4: the passage Gal 1:4 starts in mid-sentence: the "
                                       "sentence begins at Gal 1:1, and the passage before it does not "
                                       "run from that verse up to it"});
    AuditMemory(long_, memory({{1, 3}, {4, 1}}), joined);
    EXPECT_TRUE(joined.Open.empty());
}
