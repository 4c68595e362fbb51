// One run of the compiler lists every problem of the sources, each with its file and line,
// and fails only after listing them.

#include "compiler/Compiler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace sv;
using namespace sv::content;

namespace {

const char* kPortion = R"(module: mod
books:
  - {name: Galatians, abbrev: "Gal", key: Gal, chapters: [2, 1]}
collections:
  - {number: 0, name: "Memory Verses"}
  - {number: 1, name: "Toss-ups"}
  - {number: 2, name: "Two"}
  - {number: 3, name: "Three"}
  - {number: 4, name: "Four"}
  - {number: 5, name: "Five"}
  - {number: 6, name: "Six"}
  - {number: 7, name: "Review", requires: [1]}
)";

TScriptureSource Canned()
{
    return [](const std::string&, const std::string&, const std::string&, const std::string&) {
        return std::string("Galatians 1:1: Paul and Titus came.\n"
                           "Galatians 1:2: They went up to Jerusalem.\n"
                           "Galatians 2:1: Grace to you.\n"
                           "(mod)\n");
    };
}

class AllProblems : public ::testing::Test {
protected:
    std::filesystem::path dir;
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path()
              / ("sv_problems_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
                 + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir / "questions");
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void Write(const std::string& name, const std::string& text)
    {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    // The lines of the error a compilation throws; empty when it succeeds.
    std::vector<std::string> Problems()
    {
        try {
            Compile(dir.string(), Canned());
        } catch (const ESourceProblems& e) {
            return e.messages();
        } catch (const ESourceError& e) {
            return {e.what()};
        }
        return {};
    }
};

} // namespace

TEST_F(AllProblems, EveryBadReferenceAndMissingWordGroupIsListedWithItsPlace)
{
    Write("portion.yaml", kPortion);
    Write("sections.yaml", "- {ref: Gal 1:1, title: One}\n"
                           "- {ref: Gal 1:9, title: Nine}\n"
                           "- {ref: Gal 3:1, title: Three}\n");
    Write("memory.yaml", "- chapter: Gal 1\n  passages:\n    - {verse: 7}\n");
    Write("wordgroups.tsv", "Paul\t5\nup\t12\t# review\nto\t99\n");
    Write("questions/q.yaml", "- {collection: 1, type: who, question: \"Who came?\", ref: Gal 1:7, answer: Paul}\n"
                              "- {collection: 1, type: who, question: \"Who went?\", ref: Gal 1:2, answer: They}\n"
                              "- {collection: 1, type: what, question: \"What?\", ref: Gal 4:1, answer: Grace}\n");
    const auto p = Problems();
    const std::string d = dir.string() + "/";
    const std::vector<std::string> expected = {
        d + "sections.yaml:2: reference \"Gal 1:9\"",
        d + "sections.yaml:3: reference \"Gal 3:1\"",
        d + "memory.yaml:3: \"verse\" is 7",
        d + "wordgroups.tsv:3: category 99",
        d + "questions/q.yaml:1: reference \"Gal 1:7\"",
        d + "questions/q.yaml:3: reference \"Gal 4:1\"",
        d + "wordgroups.tsv: \"Jerusalem\" is capitalised in mid-sentence (Gal 1:2)",
        d + "wordgroups.tsv: \"Titus\" is capitalised in mid-sentence (Gal 1:1)",
    };
    ASSERT_EQ(p.size(), expected.size()) << ::testing::PrintToString(p);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(p[i].starts_with(expected[i])) << p[i] << "\n  expected " << expected[i];
}

TEST_F(AllProblems, SourcesWithoutFaultsCompile)
{
    Write("portion.yaml", kPortion);
    Write("sections.yaml", "- {ref: Gal 1:1, title: One}\n");
    Write("memory.yaml", "# none yet\n");
    Write("wordgroups.tsv", "Paul\t5\nTitus\t5\t# review\nJerusalem\t6 # review\n");
    EXPECT_TRUE(Problems().empty()) << ::testing::PrintToString(Problems());
}
