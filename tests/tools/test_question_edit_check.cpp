// What the editor tells a coach about the one question being written: the compiler's findings
// for that question only, errors forbidding the save and warnings allowing it.

#include "compiler/QuestionEditCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace sv;
using namespace sv::content;

namespace {

const char* kText = "Galatians 1:1: Paul, an apostle of Christ.\n"
                    "Galatians 1:2: Grace to you and peace from God\n"
                    "Galatians 1:3: Grace to you all.\n"
                    "(mod)\n";

// A portion of three verses holding one question with id 7, whose answer word is wrong.
TSourceSet Portion()
{
    TSourceSet s;
    s.Portion.Module = "mod";
    s.Portion.Books.push_back({"Galatians", "Gal", "Gal", {3}, {"portion.yaml", 3}});
    for (int c = 0; c < 8; ++c)
        s.Portion.Collections[static_cast<std::size_t>(c)].Name = "C" + std::to_string(c);
    s.Sections = {{TVerseRef(1, 1, 1), "Greeting", {}}};
    TAuthoredQuestion q;
    q.Id = 7;
    q.Collection = 1;
    q.Type = 2;
    q.Question = "Who was an apostle?";
    q.Parts = {{TVerseRef(1, 1, 1), "Barnabas", {"q.yaml", 4}}};
    q.Pos = {"q.yaml", 3};
    s.Authored = {q};
    return s;
}

TQuestionEditCheck Checker(int* calls = nullptr)
{
    return TQuestionEditCheck(Portion(),
                              [calls](const std::string&, const std::string&, const std::string&, const std::string&) {
                                  if (calls)
                                      ++*calls;
                                  return std::string(kText);
                              });
}

TAuthoredQuestion Draft(int collection, const std::string& prefix, const std::string& question,
                        const std::vector<std::string>& parts)
{
    TAuthoredQuestion q;
    q.Collection = collection;
    q.Type = 2;
    q.Prefix = prefix;
    q.Question = question;
    for (const auto& p : parts)
        q.Parts.push_back({TVerseRef(1, 1, 2), p, {}});
    return q;
}

} // namespace

TEST(QuestionEditCheck, ErrorsForbidSavingAndWarningsAllowIt)
{
    struct Case {
        const char* what;
        TAuthoredQuestion q;
        std::vector<EFindingLevel> levels;
        const char* firstWords; // the first finding's message holds these
    };
    const std::vector<Case> cases = {
        {"sound", Draft(1, "", "What is given to you?", {"Grace"}), {}, ""},
        {"no question text", Draft(1, "", "  ", {"Grace"}), {EFindingLevel::Error}, "no text"},
        {"no answer", Draft(1, "", "What is given?", {}), {EFindingLevel::Error}, "no answer"},
        {"empty part", Draft(1, "", "What is given?", {"Grace", " "}), {EFindingLevel::Error}, "part has no text"},
        {"answer word not in the verse", Draft(1, "", "What is given?", {"Mercy"}), {EFindingLevel::Warning}, "mercy"},
        {"20-point bonus with one part",
         Draft(2, "Two-part answer.", "What is given?", {"Grace"}),
         {EFindingLevel::Error},
         "2 answer parts"},
        {"20-point bonus with two parts", Draft(2, "Two-part answer.", "What is given?", {"Grace", "peace"}), {}, ""},
    };
    const auto check = Checker();
    for (const auto& c : cases) {
        const auto findings = check.Check(c.q);
        std::vector<EFindingLevel> levels;
        for (const auto& f : findings)
            levels.push_back(f.Level);
        EXPECT_EQ(levels, c.levels) << c.what << (findings.empty() ? "" : ": " + findings[0].Message);
        EXPECT_EQ(CanSave(findings), std::find(levels.begin(), levels.end(), EFindingLevel::Error) == levels.end())
            << c.what;
        if (!findings.empty()) {
            std::string m = findings[0].Message;
            std::transform(m.begin(), m.end(), m.begin(), [](unsigned char ch) { return std::tolower(ch); });
            EXPECT_NE(m.find(c.firstWords), std::string::npos) << c.what << ": " << findings[0].Message;
            EXPECT_EQ(m.find("this question)"), std::string::npos) << "no position in " << findings[0].Message;
        }
    }
}

TEST(QuestionEditCheck, OnlyTheEditedQuestionIsJudgedAndItReplacesItsOldVersion)
{
    int calls = 0;
    const auto check = Checker(&calls);
    // The stored question 7 answers "Barnabas", which its verse does not hold; that is not the
    // concern of a new question.
    EXPECT_TRUE(check.Check(Draft(1, "", "What is given to you?", {"Grace"})).empty());
    const int firstCalls = calls;
    // Editing question 7 judges the new wording, not the stored one.
    auto fixed = Draft(1, "", "Who was an apostle?", {"Paul"});
    fixed.Id = 7;
    fixed.Parts[0].Ref = TVerseRef(1, 1, 1);
    EXPECT_TRUE(check.Check(fixed).empty());
    auto broken = fixed;
    broken.Parts[0].Text = "Silas";
    const auto findings = check.Check(broken);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_NE(findings[0].Message.find("Silas"), std::string::npos) << findings[0].Message;
    // The scripture text is read once, not on every keystroke.
    EXPECT_GT(firstCalls, 0);
    EXPECT_EQ(calls, firstCalls);
}
