// The wording audit: a bonus's parts against its points, its prefix and the number it asks
// for; question words that do not fit their answer; pronouns and demonstratives that the
// question does not name; the review mark that resolves a hit.

#include "compiler/WordingAudit.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace sv;
using namespace sv::content;

namespace {

TAuthoredQuestion Question(int collection, const std::string& prefix, const std::string& text,
                           std::vector<std::string> parts)
{
    TAuthoredQuestion q;
    q.Collection = collection;
    q.Type = 3;
    q.Prefix = prefix;
    q.Question = text;
    for (auto& p : parts)
        q.Parts.push_back({TVerseRef(1, 1, 1), std::move(p), {}});
    q.Pos = {"q.yaml", 7};
    return q;
}

TWordGroups Groups()
{
    TWordGroups g;
    for (const auto& [w, c] : std::vector<std::pair<std::string, int>>{
             {"Christ", 5},    {"Paul", 5},   {"Lord", 5},  {"Spirit", 5}, {"Gentiles", 7}, {"Jews", 7},
             {"Jerusalem", 6}, {"way", 1},    {"gifts", 1}, {"body", 1},   {"faith", 1},    {"things", 1},
             {"mystery", 1},   {"letter", 1}, {"is", 11},   {"was", 11},   {"go", 11},      {"did", 11},
             {"learn", 11},    {"given", 11}, {"has", 11},  {"come", 11},  {"preach", 11},  {"present", 10}})
        g.Add(w, c, {});
    return g;
}

std::vector<std::string> Texts(const std::vector<TAuditFinding>& findings)
{
    std::vector<std::string> out;
    for (const auto& f : findings)
        out.push_back(f.Text());
    return out;
}

} // namespace

TEST(WordingAudit, AnswerPartsAreEntriesSplitAtSemicolons)
{
    EXPECT_EQ(AnswerParts(Question(2, "", "?", {"Sincere and without offense"})).size(), 1u); // a comma or "and" joins
    EXPECT_EQ(AnswerParts(Question(2, "", "?", {"Love, joy, peace"})).size(), 1u);
    EXPECT_EQ(AnswerParts(Question(2, "", "?", {"Arabia; Damascus", "Jerusalem"})),
              (std::vector<std::string>{"Arabia", "Damascus", "Jerusalem"}));
    EXPECT_EQ(AnswerParts(Question(2, "", "?", {"Arabia;; ", "Jerusalem"})),
              (std::vector<std::string>{"Arabia", "Jerusalem"}));

    struct Case {
        const char* question;
        int asked;
    };
    for (const auto& c : std::vector<Case>{
             {"What three things did Paul call Epaphroditus?", 3},
             {"Which four of Paul\x92s fellow workers greeted Philemon?", 4},
             {"What are the first four deeds of the flesh?", 4},
             {"Besides Laodicea, what other two cities?", 2},
             {"Of the two covenants in the allegory, from where is the one?", 0}, // describes, does not ask
             {"By which of two means?", 0},
             {"What did Paul say?", 0},
         })
        EXPECT_EQ(AskedCount(c.question), c.asked) << c.question;
    EXPECT_EQ(PartsPrefix(3), "Three-part answer.");
}

TEST(WordingAudit, BonusPartsPrefixAndAskedNumberMatchItsPoints)
{
    struct Case {
        TAuthoredQuestion q;
        std::vector<std::string> faults;
    };
    const std::vector<Case> cases = {
        {Question(2, "Two-part answer.", "What did Paul say?", {"Sincere; without offense"}), {}},
        {Question(4, "Four-part answer.", "What four things?", {"A; B", "C", "D"}), {}},
        {Question(1, "", "What two things?", {"Syria and Cilicia"}), {}}, // toss-ups have no part rule
        // Phil 3:9 as it was: a 40-point bonus announced as two parts, with two parts.
        {Question(4, "Two-part answer.", "What kind of righteousness?", {"Not of my own; through faith"}),
         {"q.yaml:7: a 40-point bonus has 4 answer parts; this answer has 2 (parts are the answer's entries, split at "
          "semicolons)",
          "q.yaml:7: a 40-point bonus announces \"Four-part answer.\"; its prefix reads \"Two-part answer.\""}},
        // Phil 2:25 as it was: three asked, two titles joined in one part.
        {Question(3, "Three-part answer.", "What three things did Paul call Epaphroditus?",
                  {"Fellow worker; fellow soldier; your apostle and servant of my need"}),
         {}},
        {Question(3, "", "What four titles?", {"A; B; C"}),
         {"q.yaml:7: a 30-point bonus announces \"Three-part answer.\"; its prefix reads \"\"",
          "q.yaml:7: the question asks for four things; a 30-point bonus has 3 parts"}},
        {Question(2, "Two-part answer.", "What?", {"Love, joy"}),
         {"q.yaml:7: a 20-point bonus has 2 answer parts; this answer has 1 (parts are the answer's entries, split at "
          "semicolons)"}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        TAuditReport report;
        AuditWording({cases[i].q}, nullptr, report);
        EXPECT_EQ(Texts(report.Faults), cases[i].faults) << i;
        EXPECT_TRUE(report.Open.empty()) << i; // without word groups nothing is flagged for review
    }
}

TEST(WordingAudit, QuestionWordMustFitItsAnswer)
{
    struct Case {
        const char* question;
        std::vector<std::string> parts;
        const char* hitKey; // "" for none
    };
    const std::vector<Case> cases = {
        {"What didn\x92t the Ephesians learn from Paul?", {"Christ"}, "what"}, // a person under "what"
        {"What did Paul say follows?", {"Then Christ died for nothing"}, ""},  // a clause with a verb
        {"What should every tongue confess?", {"That Jesus Christ is Lord"}, ""},
        {"What surpasses knowledge?", {"Christ\x92s love"}, ""}, // a thing of a person
        {"Whom did Paul send, and with what?", {"Christ"}, ""},  // "whom" asks for the person
        {"Where was it agreed Paul should go?",
         {"That we should go to the Gentiles"},
         "where"},                                                                           // a people under "where"
        {"Where did Paul go?", {"To Jerusalem, to the Jews"}, ""},                           // a place is named
        {"In the new man, where there is no Jew, what is Christ?", {"All, and in all"}, ""}, // "where" does not ask
    };
    const TWordGroups groups = Groups();
    for (const auto& c : cases) {
        TAuditReport report;
        AuditWording({Question(1, "", c.question, c.parts)}, &groups, report);
        const std::string key = c.hitKey;
        if (key.empty()) {
            EXPECT_TRUE(report.Open.empty())
                << c.question << ": " << (report.Open.empty() ? "" : report.Open[0].Message);
        } else {
            ASSERT_EQ(report.Open.size(), 1u) << c.question;
            EXPECT_NE(report.Open[0].Message.find("asks \"" + key + "\""), std::string::npos) << report.Open[0].Message;
        }
    }
}

TEST(WordingAudit, PronounsAndDemonstrativesNeedTheirNounInTheQuestion)
{
    struct Case {
        const char* question;
        std::vector<std::string> keys; // the hits, by the words they name
    };
    const std::vector<Case> cases = {
        {"Until when were these gifts given for the building up of the body?", {"these gifts"}}, // Eph 4:13 as it was
        {"What didn\x92t the Ephesians learn that way?", {"that way"}},                          // Eph 4:20 as it was
        {"From what did the former insincerely preach Christ?", {"the former"}},                 // Phil 1:16 as it was
        {"In his letter, what did Paul ask?", {"his"}},
        {"In Paul\x92s letter, what did he ask?", {}},
        {"What will he who sows to his own flesh reap?", {}}, // "he who" names whom "his" means
        {"When will those who are not weary reap, if they don\x92t give up?", {}},
        {"With what should believers have their feet fitted?", {}}, // a word for people the text does not use
        {"Whether he is bound or free, what will each one receive?", {"he"}},
        {"What will each one receive, whether he is bound or free?", {}},
        {"Now that faith has come, under what are we?", {}},             // "now that" joins a clause
        {"Of what body is the body a part, and what is this body?", {}}, // the noun was named
        {"What does Paul mean by \x93This mystery is great\x94?", {}},   // quoted words
        {"What do these mean?", {"these"}},
    };
    const TWordGroups groups = Groups();
    for (const auto& c : cases) {
        TAuditReport report;
        AuditWording({Question(1, "", c.question, {"A thing"})}, &groups, report);
        std::vector<std::string> keys;
        for (const auto& f : report.Open)
            keys.push_back(f.Message.substr(1, f.Message.find('"', 1) - 1));
        EXPECT_EQ(keys, c.keys) << c.question;
    }
    // "According to" questions name their verse, and the verse names what the pronoun means.
    auto according = Question(1, "", "what was pleased to dwell in him?", {"All the fullness"});
    according.Type = 1;
    TAuditReport report;
    AuditWording({according}, &groups, report);
    EXPECT_TRUE(report.Open.empty());
}

TEST(WordingAudit, ReviewMarkResolvesAHitAndMustNotOutliveIt)
{
    const TWordGroups groups = Groups();
    auto q = Question(1, "", "What didn\x92t the Ephesians learn that way?", {"Christ"});
    TAuditReport open;
    AuditWording({q}, &groups, open);
    EXPECT_EQ(Texts(open.Open),
              (std::vector<std::string>{
                  "q.yaml:7: the question asks \"what\", but the answer part \"Christ\" names a person; ask \"who\" or "
                  "\"whom\", or name \"what\" in \"wording: {reviewed: [...]}\"",
                  "q.yaml:7: \"that way\" points to way the question has not named; say which, or name \"that way\" in "
                  "\"wording: {reviewed: [...]}\""}));

    q.WordingReviewed = {"what", "that way", "these"};
    q.WordingPos = {"q.yaml", 12};
    TAuditReport reviewed;
    AuditWording({q}, &groups, reviewed);
    EXPECT_EQ(reviewed.Resolved, 2);
    EXPECT_EQ(
        Texts(reviewed.Open),
        std::vector<std::string>{"q.yaml:12: reviewed word \"these\" is no hit of this question any more; remove it "
                                 "from \"wording\""});
}
