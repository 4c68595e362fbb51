// Question wording: leads, prejump bars and stop position, answer references, underline
// markup, finish prompts and quote leads.
#include "support/ContentFixture.h"

#include <gtest/gtest.h>

using namespace sv;

namespace {

std::unique_ptr<test::TLoadedContent> Load(const test::TFixtureDesc& d) { return test::LoadFixture(d); }

const test::TLoadedContent& Small() { return test::SmallContent(); }

TKeywordTags NoTags()
{
    TKeywordTags t;
    InitKeywordColours(t, 0);
    return t;
}

struct TComposed {
    TMarkedText Q, A;
};

TComposed Compose(const TQuestions& q, int c, int i, bool refs, int past = 0, bool targeting = false)
{
    TComposed r;
    q.ComposeQuestion({c, i}, NoTags(),
                      TComposeOptions{.WithReferences = refs,
                                      .KeywordTargeting = targeting,
                                      .WordsPastKeyword = static_cast<std::int16_t>(past)},
                      r.A, r.Q);
    return r;
}

// A "What?" question whose one answer part lies on Galatians 1:1.
test::TFixtureQuestion WhatOnGal11(const char* answer)
{
    test::TFixtureQuestion x;
    x.Type = 3;
    x.Question = "What?";
    x.Answer = {{TVerseRef(1, 1, 1), answer}};
    return x;
}

} // namespace

TEST(Wording, Leads)
{
    const TQuestions& q = Small().Questions;
    EXPECT_EQ(q.QuestionLead({0, 2}), "According to Galatians chapter 1: verse 4, ");
    EXPECT_EQ(q.QuestionLead({0, 8}), "According to Philemon, verse 8, "); // no chapter
    EXPECT_EQ(q.QuestionLead({0, 3}), "Situation question: ");
    EXPECT_EQ(q.QuestionLead({0, 4}), "In what book and chapter is the following: \"");
    EXPECT_EQ(q.QuestionLead({0, 1}), "");
    EXPECT_EQ(TQuestions::TypeLead(1), "");
    EXPECT_EQ(TQuestions::TypeLead(39), "Situation question: ");
    EXPECT_EQ(TQuestions::TypeLead(40), q.QuestionLead({0, 4}));
    EXPECT_EQ(q.QuestionPlainText({0, 3}), "Situation question: Paul went up to Jerusalem with whom?");
    EXPECT_EQ(q.QuestionPlainText({0, 2}), "According to Galatians chapter 1: verse 4, who gave himself for our sins?");
    EXPECT_EQ(q.PrefixTextOf({0, 3}), "After fourteen years");
    EXPECT_EQ(q.PrefixTextOf({0, 1}), "");
    EXPECT_EQ(q.PrefixTextOf({1, 2}), ""); // placeholder
    EXPECT_EQ(q.QuestionPlainText({1, 2}), "");
}

TEST(Wording, PrejumpPoints)
{
    const TQuestions& q = Small().Questions;
    const int w3 = q.Record({0, 3}).PrejumpWords(), w4 = q.Record({0, 4}).PrejumpWords();
    EXPECT_EQ(q.PrejumpPoint({0, 2}, true), NoPrejumpPoint);
    EXPECT_EQ(q.PrejumpPoint({0, 3}, true), w3 + 2);
    EXPECT_EQ(q.PrejumpPoint({0, 3}, false), w3);
    EXPECT_EQ(q.PrejumpPoint({0, 4}, true), w4 + 8);
    EXPECT_EQ(q.PrejumpPoint({0, 4}, false), w4);
    EXPECT_EQ(q.PrejumpPoint({0, 1}, true), q.Record({0, 1}).PrejumpWords());
}

TEST(Wording, KeywordTargetingBarsAndStopPosition)
{
    // "What did God the Father do?": six words; the prejump word count is set by hand.
    auto withPrejump = [](int words) {
        test::TFixtureDesc d = test::SmallFixture();
        d.ComputePrejump = false;
        d.Collections[0].Questions[0].PrejumpWords = words;
        return Load(d);
    };
    struct Row {
        int prejump, past;
        bool targeting;
        const char* text;
        int stop; // -1: the whole question
    } rows[] = {
        {4, 0, true, "What did God the || Father do?", 19}, {4, 1, true, "What did God the || Father do?", 26},
        {4, 2, true, "What did God the || Father do?", -1}, // word 6 is the last: no stop set
        {6, 0, true, "What did God the Father do?", -1},    // the last word: no pair follows
        {4, 0, false, "What did God the Father do?", -1},   {0, 0, true, "What did God the Father do?", -1},
        {1, 0, true, "What || did God the Father do?", 7},
    };
    for (const Row& r : rows) {
        const auto c = withPrejump(r.prejump);
        const TComposed m = Compose(c->Questions, 0, 1, false, r.past, r.targeting);
        EXPECT_EQ(m.Q.Text(), r.text) << r.prejump << " " << r.past;
        EXPECT_EQ(m.Q.StopPos, r.stop < 0 ? m.Q.Len : r.stop) << r.prejump << " " << r.past;
        EXPECT_EQ(m.Q.RevealPos, 0);
        EXPECT_EQ(m.Q.Chars[m.Q.Len + 1], '\0');
        const std::string t = m.Q.Text();
        const auto bars = t.find("||");
        for (int i = 1; i <= m.Q.Len; ++i) {
            const bool isBar =
                bars != std::string::npos
                && (static_cast<std::size_t>(i - 1) == bars || static_cast<std::size_t>(i - 1) == bars + 1);
            EXPECT_EQ(m.Q.Tags[i], isBar ? TagReference : 0u) << i;
        }
    }
}

TEST(Wording, AnswerReferences)
{
    const TQuestions& q = Small().Questions;
    struct Row {
        int collection, index;
        const char* answer;
    } rows[] = {
        {0, 1, "Raised him from the dead (Ga 1:1)"},
        {0, 5, "Did you receive the Spirit by works of the law (Ga 3:2-3)"}, // type 22
        {0, 7, "Timothy (Pm 1:1) Apphia and Archippus (Pm 1:2)"},
        {1, 2, ""}, // placeholder: no text, and too short for a reference
    };
    for (const Row& r : rows) {
        const TComposed m = Compose(q, r.collection, r.index, true);
        EXPECT_EQ(m.A.Text(), r.answer);
        // Appended references, with the space before them, are tagged 255.
        const std::string t = m.A.Text();
        std::vector<bool> inRef(t.size(), false);
        for (auto at = t.find(" ("); at != std::string::npos; at = t.find(" (", at + 1))
            for (auto k = at; k <= t.find(')', at); ++k)
                inRef[k] = true;
        for (int i = 1; i <= m.A.Len; ++i)
            EXPECT_EQ(m.A.Tags[i], inRef[static_cast<std::size_t>(i - 1)] ? TagReference : 0u) << r.index << " " << i;
    }
    EXPECT_EQ(Compose(q, 0, 1, false).A.Text(), "Raised him from the dead");
}

TEST(Wording, AReferenceIsNotAppendedTwice)
{
    test::TFixtureDesc d = test::SmallFixture();
    const auto q = WhatOnGal11;
    d.Collections.push_back(
        {"Refs",
         {},
         {q("see verse 5)"), q("see (verse 5)."), q("in (the flesh)"), q("in (the flesh) "), q("5)"), q("Ga 1:1")}});
    const auto c = Load(d);
    const char* expect[] = {"see verse 5)", "see (verse 5).", "in (the flesh) (Ga 1:1)", "in (the flesh) (Ga 1:1)",
                            "5)",           "Ga 1:1 (Ga 1:1)"};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(Compose(c->Questions, 3, i, true).A.Text(), expect[i - 1]) << i;
}

TEST(Wording, UnderlineMarkup)
{
    const TQuestions& q = Small().Questions;
    const TComposed m = Compose(q, 1, 1, true);
    EXPECT_EQ(m.A.Text(), "Grace to you and peace (Ga 1:3)");
    for (int i = 1; i <= m.A.Len; ++i)
        EXPECT_EQ(m.A.Marks[i], i <= 5 ? MarkUnderline : 0) << i;
    EXPECT_EQ(m.A.Tags[m.A.Len], TagReference); // tags move up with their characters
    EXPECT_EQ(m.A.Chars[m.A.Len + 1], '\0');
}

TEST(Wording, UnderlineMarkupNeedsRoomBeforeTheEnd)
{
    // The opening markup counts only when it starts before Len - 5; a "}" outside a run stays.
    test::TFixtureDesc d = test::SmallFixture();
    const auto q = WhatOnGal11;
    d.Collections.push_back({"Marks", {}, {q("Grace {\\ul xy"), q("Grace {\\ul x"), q("Grace} {\\ul to} you")}});
    const auto c = Load(d);
    struct Row {
        const char* text;
        const char* underlined; // '4' under each underlined character
    } rows[] = {
        {"Grace xy", "      44"},
        {"Grace {\\ul x", "            "},
        {"Grace} to you", "       44    "},
    };
    for (int i = 1; i <= 3; ++i) {
        const Row& r = rows[i - 1];
        const TComposed m = Compose(c->Questions, 3, i, false);
        EXPECT_EQ(m.A.Text(), r.text) << i;
        std::string marks;
        for (int k = 1; k <= m.A.Len; ++k)
            marks += m.A.Marks[k] == MarkUnderline ? '4' : m.A.Marks[k] == 0 ? ' ' : '?';
        EXPECT_EQ(marks, r.underlined) << i;
    }
}

TEST(Wording, QuestionWords)
{
    const TQuestions& q = Small().Questions;
    TWordPairs question, answer;
    // The type-40 question "O foolish Galatians! ..." starts with a word; leaving out the lead keeps it.
    EXPECT_EQ(q.QuestionWords({0, 4}, TQuestions::TWordsOf::QuestionWithoutLead, question, answer), 0);
    EXPECT_EQ(question.Count, 7);
    EXPECT_EQ(q.QuestionWords({0, 7}, TQuestions::TWordsOf::QuestionAndAnswer, question, answer),
              4); // both answer parts
    EXPECT_EQ(question.Count, 7);
    EXPECT_EQ(q.QuestionWords({0, 7}, TQuestions::TWordsOf::Answer, question, answer), 4);
    EXPECT_EQ(question.Count, 0);
    // A question opening with a non-word: leaving out the lead drops that first pair.
    test::TFixtureDesc d = test::SmallFixture();
    d.Collections[0].Questions[0].Question = "\"What did God the Father do?";
    const auto c = Load(d);
    c->Questions.QuestionWords({0, 1}, TQuestions::TWordsOf::Question, question, answer);
    EXPECT_EQ(question.Count, 7);
    c->Questions.QuestionWords({0, 1}, TQuestions::TWordsOf::QuestionWithoutLead, question, answer);
    EXPECT_EQ(question.Count, 6);
}

TEST(Wording, FinishQuestionPromptWords)
{
    test::TFixtureDesc d = test::SmallFixture();
    d.Books[1].Chapters[0].push_back("Rejoice always, brothers.");                  // Pm 1:9, three words
    d.Books[1].Chapters[0].push_back("\"Rejoice always, brothers.\"");              // Pm 1:10
    d.Books[1].Chapters[0].push_back("\"to whom be the glory forever and ever.\""); // Pm 1:11
    d.Books[1].Chapters[0].push_back("\"Grace be with you all.\"");                 // Pm 1:12
    const auto c = Load(d);
    const TBooks& b = c->Books;
    const TKeywordTags tags = NoTags();
    TMarkedText q, a;
    struct Row {
        TVerseRef ref;
        bool keywordsOnly;
        const char* question;
        const char* answer;
    } rows[] = {
        {{2, 1, 9, 2}, false, "Finish this verse: Rejoice always, ... ", "... brothers. (Pm 1:9)"},
        {{2, 1, 9, 2}, true, "Finish this verse: Rejoice always, ... ", "... brothers. (Pm 1:9)"},
        {{1, 1, 5, 2}, false, "Finish this verse: to whom be the glory ... ", "... forever and ever. Amen. (Ga 1:5)"},
        {{1, 1, 5, 2}, true, "Finish this verse: to whom ... ", "... be the glory forever and ever. Amen. (Ga 1:5)"},
        {{1, 1, 5, 7}, false, "Finish this verse: to whom be the glory forever and ... ", "... ever. Amen. (Ga 1:5)"},
        // A leading non-word (the opening quotation mark) is one more prompt pair.
        {{2, 1, 10, 2}, false, "Finish this verse: \"Rejoice always, ... ", "... brothers.\" (Pm 1:10)"},
        {{2, 1, 11, 2}, false, "Finish this verse: \"to whom be the glory ... ", "... forever and ever.\" (Pm 1:11)"},
        {{2, 1, 11, 2}, true, "Finish this verse: \"to whom ... ", "... be the glory forever and ever.\" (Pm 1:11)"},
        // Five words in six pairs: fewer than six words, so the stored prompt holds.
        {{2, 1, 12, 2}, false, "Finish this verse: \"Grace be ... ", "... with you all.\" (Pm 1:12)"},
    };
    for (const Row& r : rows) {
        b.ComposeVerseQuestion(r.ref, 1, tags, a, q, false, r.keywordsOnly, 1);
        EXPECT_EQ(q.Text(), r.question);
        EXPECT_EQ(a.Text(), r.answer);
        EXPECT_EQ(q.StopPos, q.Len);
        EXPECT_EQ(q.RevealPos, 0);
    }
    b.ComposeVerseQuestion(TVerseRef(2, 1, 9, 2), 1, tags, a, q, false, false, 2);
    EXPECT_EQ(q.Text(), "Finish this verse and give the reference: Rejoice always, ... ");
}

TEST(Wording, QuoteAndAccordingToLeads)
{
    const TBooks& b = Small().Books;
    const TKeywordTags tags = NoTags();
    TMarkedText q, a;
    struct Row {
        int n;
        const char* lead;
    } rows[] = {
        {1, "Quote Galatians chapter 3: verse 5."},
        {2, "Quote Galatians chapter 3: verses 5 and 6."},
        {3, "Quote Galatians chapter 3: verses 5 through 7."},
    };
    for (const Row& r : rows) {
        b.ComposeVerseQuestion(TVerseRef(1, 3, 5), r.n, tags, a, q, false, false, 0);
        EXPECT_EQ(q.Text(), r.lead);
        EXPECT_EQ(a.Text().find(" ("), std::string::npos); // no reference suffix
    }
    // Verse 5 ends without punctuation: a space keeps it from running into verse 6.
    EXPECT_NE(a.Text().find("with faith just as Abraham"), std::string::npos);
    EXPECT_NE(a.Text().find("righteousness? Know"), std::string::npos);

    b.ComposeAccordingTo(3, q, tags, a);
    EXPECT_EQ(q.Text(), "According to Galatians chapter 1: verse 3,");
    EXPECT_EQ(a.Text(), "Grace to you and peace from God our Father and the Lord Jesus Christ, (Ga 1:3)");

    b.ComposeMemoryQuestion(2, 2, tags, a, q, true);
    EXPECT_EQ(q.Text(), "Finish these verses and give the reference: Does he who ... ");
    EXPECT_EQ(a.Text().substr(a.Text().size() - 11), " (Ga 3:5-7)");

    // Plain words: separators become single spaces.
    b.ComposeVerseQuestion(TVerseRef(1, 1, 5), 1, tags, a, q, true, false, 0);
    EXPECT_EQ(a.Text(), "to whom be the glory forever and ever Amen ");
}

TEST(Wording, SpacingBetweenTheVersesOfAPassage)
{
    // Looking back past punctuation, a letter (codes 192 and above included) or a digit gets a
    // space before the next verse; a space or a hyphen does not.
    struct Row {
        const char* verse;
        const char* answer;
    } rows[] = {
        {"Rejoice always", "Rejoice always Then."},           {"Rejoice always 7", "Rejoice always 7 Then."},
        {"Rejoice always.", "Rejoice always. Then."},         {"Rejoice always -", "Rejoice always -Then."},
        {"Rejoice always \xC9", "Rejoice always \xC9 Then."}, {"Rejoice always \xBB", "Rejoice always \xBBThen."},
    };
    for (const Row& r : rows) {
        test::TFixtureDesc d = test::SmallFixture();
        d.Books[1].Chapters[0].push_back(r.verse); // Pm 1:9
        d.Books[1].Chapters[0].push_back("Then."); // Pm 1:10
        const auto c = Load(d);
        TMarkedText q, a;
        c->Books.ComposeVerseQuestion(TVerseRef(2, 1, 9), 2, NoTags(), a, q, false, false, 0);
        EXPECT_EQ(a.Text(), r.answer) << r.verse;
    }
}

TEST(Wording, VerseQuestionKeywordTags)
{
    const test::TLoadedContent& c = Small();
    TKeywordTags tags;
    InitKeywordColours(tags, 1);
    TMarkedText q, a;
    c.Books.ComposeVerseQuestion(TVerseRef(1, 3, 1), 1, tags, a, q, false, false, 0);
    // "O foolish Galatians! Who has bewitched you?": words used once are red.
    const std::string t = a.Text();
    for (int i = 1; i <= a.Len; ++i) {
        std::size_t s = static_cast<std::size_t>(i - 1), e = s;
        if (!std::isalpha(static_cast<unsigned char>(t[s]))) {
            EXPECT_EQ(a.Tags[i], 0u);
            continue;
        }
        while (s > 0 && std::isalpha(static_cast<unsigned char>(t[s - 1])))
            --s;
        while (e < t.size() && std::isalpha(static_cast<unsigned char>(t[e])))
            ++e;
        const int use = c.Words.UseCountOf(c.Words.FindWord(t.substr(s, e - s)));
        EXPECT_EQ(a.Tags[i], use == 1 ? 0x0000FFu : 0u) << t.substr(s, e - s);
    }
}

TEST(Wording, TextsAreBoundedNotTruncated)
{
    test::TFixtureDesc d = test::SmallFixture();
    std::string longAnswer;
    for (int i = 0; i < 200; ++i)
        longAnswer += "grace and peace ";
    d.Collections[0].Questions[0].Answer[0].Text = longAnswer;
    const auto c = Load(d);
    TMarkedText q, a;
    EXPECT_THROW(c->Questions.ComposeQuestion({0, 1}, NoTags(), TComposeOptions{.WithReferences = false}, a, q),
                 ERangeError);
}
