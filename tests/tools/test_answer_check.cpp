// The answer-word check: content words of authored answers against the text of the cited
// verses, with the "allow" explanations, run through the whole compile on a tiny portion.

#include "compiler/AnswerCheck.h"
#include "compiler/Compiler.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::content;

namespace {

const char* kText = "Galatians 1:1: <w>Paul</w>, an apostle<note placement=\"foot\"></note> of Christ\xE2\x80\x99s "
                    "like-minded people.\n"
                    "Galatians 1:2: \xE2\x80\x9CGrace to you\xE2\x80\x9D and peace from God\n"
                    "Galatians 1:3: Grace to you all.\n"
                    "Galatians 2:1: (Then) I went up to Jerusalem\n"
                    "(mod)\n";

struct TPart {
    TVerseRef Ref;
    std::string Text; // Windows-1252
};

// The faults the compile reports for one question written at q.yaml:10, its parts on lines
// 11, 12, ... and its allow list on line 20.
std::vector<std::string> FaultsOf(const std::vector<TPart>& parts, const std::vector<std::string>& allow = {})
{
    TSourceSet s;
    s.Portion.Module = "mod";
    s.Portion.Books.push_back({"Galatians", "Gal", "Gal", {3, 1}, {"portion.yaml", 3}});
    for (int c = 0; c < 8; ++c)
        s.Portion.Collections[static_cast<std::size_t>(c)].Name = "C" + std::to_string(c);
    TAuthoredQuestion q;
    q.Collection = 1;
    q.Type = 2;
    q.Question = "Who?";
    q.Pos = {"q.yaml", 10};
    for (std::size_t i = 0; i < parts.size(); ++i)
        q.Parts.push_back({parts[i].Ref, parts[i].Text, {"q.yaml", 11 + static_cast<int>(i)}});
    q.Allow = allow;
    if (!allow.empty())
        q.AllowPos = {"q.yaml", 20};
    s.Sections = {{TVerseRef(1, 1, 1), "Greeting", {}}};
    s.Authored = {q};
    const auto c = Compile(s, [](const std::string&, const std::string&, const std::string&, const std::string&) {
        return std::string(kText);
    });
    return c->Stats.AnswerWordFaults;
}

using TFaults = std::vector<std::string>;

} // namespace

TEST(AnswerCheck, ContentWordsLeaveOutMarkupPunctuationAndFunctionWords)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"{\\ul gave himself} for our sins", {"gave", "sins"}},
        {"\x93Grace to you\x94 ... and peace", {"Grace", "peace"}},
        {"... the {\\ul like-minded} (people)!", {"like-minded", "people"}},
        {"Christ\x92s and Paul's", {"Christ\x92s", "Paul's"}},
        {"He was not of them, and they are his", {}},
        {"3 THE Men", {"3", "Men"}},
    };
    for (const auto& [text, words] : cases)
        EXPECT_EQ(AnswerContentWords(text), words) << text;
    EXPECT_EQ(AnswerWordKey("Christ\x92S"), "christ's");
}

TEST(AnswerCheck, WordsMissingFromTheCitedVersesAreReportedWithFileAndLine)
{
    const TVerseRef g11(1, 1, 1), g12(1, 1, 2), g13(1, 1, 3), g21(1, 2, 1);
    struct Case {
        const char* what;
        std::vector<TPart> parts;
        TFaults faults;
    };
    const std::vector<Case> cases = {
        {"quoted answer", {{g11, "Paul, an apostle"}}, {}},
        {"a word of another verse of the portion",
         {{g21, "Paul went up"}},
         {"q.yaml:11: answer word \"Paul\" not in Gal 2:1"}},
        {"case, curly and straight apostrophes, quotes, markup and ellipsis",
         {{g11, "{\\ul \x93PAUL}, an apostle of CHRIST'S\x94..."}},
         {}},
        {"a hyphenated word is one word, as the text writes it",
         {{g11, "like-minded people"}, {g12, "minded"}},
         {"q.yaml:12: answer word \"minded\" not in Gal 1:1, Gal 1:2"}},
        {"no inflection: a plural is not its singular",
         {{g11, "apostles"}},
         {"q.yaml:11: answer word \"apostles\" not in Gal 1:1"}},
        {"a part may use a word of a sibling reference", {{g12, "peace from God"}, {g21, "I went up to God"}}, {}},
        {"each missing word once per part, parts reported on their own lines",
         {{g13, "grace, grace to Titus and Titus"}, {g21, "Titus"}},
         {"q.yaml:11: answer word \"Titus\" not in Gal 1:3, Gal 2:1",
          "q.yaml:12: answer word \"Titus\" not in Gal 1:3, Gal 2:1"}},
        {"a reference cited twice is named once",
         {{g21, "went"}, {g21, "Titus"}},
         {"q.yaml:12: answer word \"Titus\" not in Gal 2:1"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultsOf(c.parts), c.faults) << c.what;
}

TEST(AnswerCheck, AllowExplainsAWordAndAnUnneededAllowIsReported)
{
    const TVerseRef g13(1, 1, 3), g21(1, 2, 1);
    EXPECT_EQ(FaultsOf({{g21, "Titus went up"}}, {"titus"}), TFaults{});
    // Allowed in one part, it covers the word in every part of the question.
    EXPECT_EQ(FaultsOf({{g21, "Titus"}, {g13, "Grace to Titus"}}, {"Titus"}), TFaults{});
    // Explanations that explain nothing: a word of the verses, a word of no answer part.
    EXPECT_EQ(FaultsOf({{g21, "Titus went up to Jerusalem"}}, {"Titus", "Jerusalem", "Barnabas"}),
              (TFaults{"q.yaml:20: allowed word \"Jerusalem\" is not an answer word missing from Gal 2:1; remove it "
                       "from \"allow\"",
                       "q.yaml:20: allowed word \"Barnabas\" is not an answer word missing from Gal 2:1; remove it "
                       "from \"allow\""}));
    // Allowing one word does not explain another.
    EXPECT_EQ(FaultsOf({{g21, "Titus and Barnabas"}}, {"Titus"}),
              TFaults{"q.yaml:11: answer word \"Barnabas\" not in Gal 2:1"});
}
