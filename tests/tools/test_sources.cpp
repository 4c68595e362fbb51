// Reading the readable sources: every broken rule or limit is reported with file and line.

#include "compiler/Sources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace sv;
using namespace sv::content;

namespace {

class SourcesTest : public ::testing::Test {
protected:
    std::filesystem::path dir;
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path()
              / ("sv_sources_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
                 + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Write(const std::string& name, const std::string& text)
    {
        const auto p = dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
    TPortion Portion()
    {
        return ReadPortion(Write("portion.yaml", R"(module: m
books:
  - {name: Galatians, abbrev: "Gal", key: Gal, chapters: [3, 2]}
  - {name: Philemon, abbrev: "Phm", key: Phlm, chapters: [4]}
collections:
  - {number: 0, name: "Memory Verses"}
  - {number: 1, name: "Toss-ups"}
  - {number: 2, name: "Two"}
  - {number: 3, name: "Three"}
  - {number: 4, name: "Four"}
  - {number: 5, name: "Five"}
  - {number: 6, name: "Six"}
  - {number: 7, name: "Review", requires: [1]}
)"));
    }
    // The message of the error that reading throws.
    template <typename F>
    std::string ErrorOf(F f)
    {
        try {
            f();
        } catch (const ESourceError& e) {
            return e.what();
        }
        return "(no error)";
    }
};

} // namespace

TEST_F(SourcesTest, ReferencesByKeyNameOrAbbreviation)
{
    const TPortion p = Portion();
    EXPECT_EQ(p.ParseRef("Gal 2:1", {"x", 1}), TVerseRef(1, 2, 1));
    EXPECT_EQ(p.ParseRef("philemon 1:4", {"x", 1}), TVerseRef(2, 1, 4));
    EXPECT_EQ(p.ParseRef("Phm 1:1", {"x", 1}), TVerseRef(2, 1, 1));
    EXPECT_EQ(p.Collections[7].Requires, std::vector<int>{1});
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"Gal 3:1", "no chapter 3"},
        {"Gal 1:4", "verses 1..3"},
        {"Rom 1:1", "unknown book"},
        {"Gal 1", "not of the form"},
    };
    for (const auto& [ref, msg] : bad) {
        const std::string e = ErrorOf([&] { p.ParseRef(ref, {"q.yaml", 7}); });
        EXPECT_NE(e.find("q.yaml:7: "), std::string::npos) << e;
        EXPECT_NE(e.find(msg), std::string::npos) << e;
    }
}

TEST_F(SourcesTest, LimitsAreReportedWithFileAndLine)
{
    const TPortion p = Portion();
    struct Case {
        const char* file;
        std::string text;
        std::string where; // "file:line: "
        std::string what;
    };
    const std::vector<Case> cases = {
        {"memory.yaml", "- chapter: Gal 1\n  passages:\n    - {verse: 3, count: 2}\n",
         "memory.yaml:3: ", "past the end of the chapter"},
        {"memory.yaml", "- chapter: Gal 1\n  passages:\n    - {verse: 1, count: 2}\n    - {verse: 2}\n",
         "memory.yaml:4: ", "must not overlap"},
        {"memory.yaml", "- chapter: Gal 1\n  passages:\n    - {verse: 1, count: 4}\n",
         "memory.yaml:3: ", "outside 1..3"},
        {"sections.yaml", "- {ref: Gal 1:2, title: \"Late\"}\n", "sections.yaml:1: ", "must begin at its first verse"},
        {"sections.yaml", "- {ref: Gal 1:1, title: \"" + std::string(101, 'x') + "\"}\n",
         "sections.yaml:1: ", "at most 100"},
        {"sections.yaml", "- {ref: Gal 1:1, title: \"A\"}\n- {ref: Gal 1:1, title: \"B\"}\n",
         "sections.yaml:2: ", "reading order"},
        {"sections.yaml", "- {ref: Gal 1:1, title: \"Caf\xE2\x82\xAC \xCE\xA9\"}\n", "sections.yaml:1: ", "U+03A9"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n  extra: 1\n",
         "q.yaml:6: ", "unknown field \"extra\""},
        {"q.yaml", "- collection: 1\n  type: situation\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n",
         "q.yaml:2: ", "unknown question type"},
        {"q.yaml", "- collection: 8\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n",
         "q.yaml:1: ", "outside 0..7"},
        {"q.yaml",
         "- collection: 1\n  also: [0, 2, 3, 4, 5, 6, 7]\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: "
         "\"Paul\"\n",
         "q.yaml:2: ", "at most 7 collections"},
        {"q.yaml",
         "- collection: 1\n  also: [1]\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n",
         "q.yaml:2: ", "named twice"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  answer:\n    - {ref: Gal 1:1, text: \"a\"}\n    - "
         "{ref: Gal 9:1, text: \"b\"}\n",
         "q.yaml:6: ", "no chapter 9"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n  allow: Paul\n",
         "q.yaml:6: ", "\"allow\" must be a list of words"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n  allow:\n    - "
         "Titus\n    - \"two words\"\n",
         "q.yaml:8: ", "is not a single word"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n  allow: "
         "[\"Titus,\"]\n",
         "q.yaml:6: ", "is not a single word"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n  unique: reviewed\n",
         "q.yaml:6: ", "must read {reviewed: [other verses]}"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n  unique: {reviewed: "
         "[]}\n",
         "q.yaml:6: ", "must list the other verses"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n  unique: {reviewed: "
         "[Gal 7:1]}\n",
         "q.yaml:6: ", "no chapter 7"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n  wording: [what]\n",
         "q.yaml:6: ", "must read {reviewed: [words of the question]}"},
        {"q.yaml",
         "- collection: 1\n  type: who\n  question: \"Who?\"\n  ref: Gal 1:1\n  answer: \"Paul\"\n  wording: "
         "{reviewed: []}\n",
         "q.yaml:6: ", "must list the words of the question"},
    };
    for (const auto& c : cases) {
        const std::string path = Write(c.file, c.text);
        const std::string e = ErrorOf([&] {
            if (std::string(c.file) == "memory.yaml")
                ReadMemory(path, p);
            else if (std::string(c.file) == "sections.yaml")
                ReadSections(path, p);
            else
                ReadQuestionFile(path, p);
        });
        EXPECT_NE(e.find(c.where), std::string::npos) << c.text << " -> " << e;
        EXPECT_NE(e.find(c.what), std::string::npos) << c.text << " -> " << e;
    }
}

TEST_F(SourcesTest, PortionLimits)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"module: m\nbooks:\n  - {name: Galatians, abbrev: \"Gala\", key: Gal, chapters: [3]}\ncollections: []\n",
         "portion.yaml:3: abbreviation"},
        {"module: m\nbooks:\n  - {name: Galatians, abbrev: \"Gal\", key: Gal, chapters: [3]}\ncollections:\n"
         "  - {number: 0, name: \"A name of twenty-one c\"}\n  - {number: 1, name: a}\n  - {number: 2, name: a}\n"
         "  - {number: 3, name: a}\n  - {number: 4, name: a}\n  - {number: 5, name: a}\n  - {number: 6, name: a}\n"
         "  - {number: 7, name: a}\n",
         "portion.yaml:5: collection name"},
        {"module: m\nbooks:\n  - {name: Galatians, abbrev: \"Gal\", key: Gal, chapters: [1000]}\ncollections: []\n",
         "portion.yaml:3: \"verses of a chapter\" is 1000"},
    };
    for (const auto& [text, what] : cases) {
        const std::string path = Write("portion.yaml", text);
        const std::string e = ErrorOf([&] { ReadPortion(path); });
        EXPECT_NE(e.find(what), std::string::npos) << e;
    }
}

TEST_F(SourcesTest, WordGroupsLookUpAsWrittenThenLowerCaseThenCapitalised)
{
    const auto g = ReadWordGroups(Write("wordgroups.tsv", "# c\n\nSpirit\t5\nspirit\t1\ngrace\t1\nAmen\t8\n"));
    EXPECT_EQ(g.Find("Spirit"), 5);
    EXPECT_EQ(g.Find("spirit"), 1);
    EXPECT_EQ(g.Find("Grace"), 1);
    EXPECT_EQ(g.Find("amen"), 8);
    EXPECT_FALSE(g.FindExact("Grace"));
    const std::string e = ErrorOf([&] { ReadWordGroups(Write("wordgroups.tsv", "a\t10\nb 11\n")); });
    EXPECT_NE(e.find("wordgroups.tsv:2: "), std::string::npos) << e;
    const std::string e2 = ErrorOf([&] { ReadWordGroups(Write("wordgroups.tsv", "a\t10\na\t16\n")); });
    EXPECT_NE(e2.find("wordgroups.tsv:2: "), std::string::npos) << e2;
}

TEST_F(SourcesTest, AllowListAndTheLinesOfAnswerParts)
{
    const TPortion p = Portion();
    const auto qs = ReadQuestionFile(Write("q.yaml", "- collection: 1\n  type: who\n  question: \"Who?\"\n"
                                                     "  ref: Gal 1:1\n  answer: \"Paul\"\n"
                                                     "- collection: 3\n  type: who\n  question: \"Who?\"\n"
                                                     "  answer:\n    - {ref: Gal 1:1, text: \"a\"}\n"
                                                     "    - {ref: Gal 2:1, text: \"b\"}\n"
                                                     "  allow: [Titus, \"God\xE2\x80\x99s\", like-minded]\n"),
                                     p);
    ASSERT_EQ(qs.size(), 2u);
    EXPECT_TRUE(qs[0].Allow.empty());
    EXPECT_EQ(qs[0].Parts[0].Pos.Line, 5);
    EXPECT_EQ(qs[1].Parts[0].Pos.Line, 10);
    EXPECT_EQ(qs[1].Parts[1].Pos.Line, 11);
    EXPECT_EQ(qs[1].Allow, (std::vector<std::string>{"Titus", "God\x92s", "like-minded"}));
    EXPECT_EQ(qs[1].AllowPos.Line, 12);

    const auto reviewed = ReadQuestionFile(Write("r.yaml", "- collection: 1\n  type: who\n  question: \"Who?\"\n"
                                                           "  ref: Gal 1:1\n  answer: \"Paul\"\n"
                                                           "  unique: {reviewed: [Gal 2:1, Galatians 1:1]}\n"),
                                           p);
    ASSERT_EQ(reviewed.size(), 1u);
    EXPECT_EQ(reviewed[0].Reviewed, (std::vector<TVerseRef>{TVerseRef(1, 2, 1), TVerseRef(1, 1, 1)}));
    EXPECT_EQ(reviewed[0].ReviewedPos.Line, 6);

    const auto wording = ReadQuestionFile(Write("w.yaml", "- collection: 1\n  type: what\n  question: \"What?\"\n"
                                                          "  ref: Gal 1:1\n  answer: \"Paul\"\n"
                                                          "  wording: {reviewed: [What, \"that way\"]}\n"),
                                          p);
    ASSERT_EQ(wording.size(), 1u);
    EXPECT_EQ(wording[0].WordingReviewed, (std::vector<std::string>{"what", "that way"}));
    EXPECT_EQ(wording[0].WordingPos.Line, 6);
}
