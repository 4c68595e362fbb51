#include "common/Errors.h"
#include "content/Books.h"
#include "editor/VerseQuestions.h"
#include "support/ContentFixture.h"

#include <gtest/gtest.h>

using namespace sv;
using namespace sv::test;

namespace {

std::vector<std::string> Texts(const TVerseQuestions& list)
{
    std::vector<std::string> out;
    for (const auto& e : list.Entries())
        out.push_back(e.Text);
    return out;
}

// A verse with questions in three collections whose texts sort across the collections.
TFixtureDesc ThreeCollections()
{
    TFixtureDesc d;
    TFixtureBook b{"Galatians", "Ga ", {{"Paul an apostle sent by God.", "Grace to you."}}};
    d.Books = {b};
    d.Sections = {{1, 1, 1, "Greeting"}};
    auto q = [](int type, const char* text, const char* answer, TVerseRef ref) {
        TFixtureQuestion r;
        r.Type = type;
        r.Question = text;
        r.Answer = {{ref, answer}};
        return r;
    };
    const TVerseRef v1(1, 1, 1), v2(1, 1, 2);
    d.Collections.resize(4);
    for (int c = 0; c < 4; ++c)
        d.Collections[c].Name = "C" + std::to_string(c);
    d.Collections[0].Questions = {q(3, "who sent Paul?", "God", v1), q(3, "What is to you?", "Grace", v2)};
    d.Collections[1].Questions = {};
    d.Collections[2].Questions = {q(3, "Who is an apostle?", "Paul", v1), q(3, "Apostle sent by whom?", "God", v1)};
    TFixtureQuestion p;
    p.Type = 44;
    p.HomeCollection = 0;
    p.HomeIndex = 1;
    p.Answer = {{v1, ""}};
    d.Collections[3].Questions = {p};
    return d;
}

} // namespace

TEST(VerseQuestions, ListsTheVersesQuestionsOfEveryCollectionSortedWithoutPlaceholders)
{
    const auto content = LoadFixture(ThreeCollections());
    TVerseQuestions list(content->Questions);
    list.ListVerse(1);
    const std::string code = TQuestions::PreannounceCode(3);
    ASSERT_EQ(list.Entries().size(), 3u);
    // Case is ignored: "Apostle", "Who", "who".
    const std::vector<std::string> expected = {code + " " + content->Questions.QuestionPlainText({2, 2}),
                                               code + " " + content->Questions.QuestionPlainText({2, 1}),
                                               code + " " + content->Questions.QuestionPlainText({0, 1})};
    EXPECT_EQ(Texts(list), expected);
    EXPECT_EQ(list.Entries()[0].Question.Collection, 2);
    EXPECT_EQ(list.Entries()[0].Question.Index, 2);
    EXPECT_EQ(list.Entries()[2].Question.Collection, 0);

    list.ListVerse(2);
    ASSERT_EQ(list.Entries().size(), 1u);
    EXPECT_EQ(list.Entries()[0].Question.Collection, 0);
    EXPECT_EQ(list.Entries()[0].Question.Index, 2);
}

TEST(VerseQuestions, TheFirstEntryComposesItsOwnQuestionWhicheverCollectionItCameFrom)
{
    const auto content = LoadFixture(ThreeCollections());
    TVerseQuestions list(content->Questions);
    list.ListVerse(1);
    TMarkedText question, answer;
    list.Compose(0, question, answer);
    EXPECT_NE(question.Text().find("Apostle sent by whom?"), std::string::npos) << question.Text();
    EXPECT_NE(answer.Text().find("God"), std::string::npos) << answer.Text();
    for (int i = 1; i <= answer.Len; ++i)
        EXPECT_EQ(answer.Tags[i], 0u); // no keyword colours, no references
    // A second selection replaces the first.
    list.Compose(2, question, answer);
    EXPECT_NE(question.Text().find("who sent Paul?"), std::string::npos) << question.Text();
    EXPECT_THROW(list.Compose(3, question, answer), ERangeError);
}

TEST(VerseQuestions, AVerseWithoutQuestionsListsNothing)
{
    const TLoadedContent& content = SmallContent();
    TVerseQuestions list(content.Questions);
    list.ListVerse(content.Books.VerseNoOf(TVerseRef(1, 1, 2))); // Ga 1:2
    EXPECT_TRUE(list.Entries().empty());
    list.ListVerse(content.Books.VerseNoOf(TVerseRef(2, 1, 8))); // Pm 1:8: collections 0 and 2
    ASSERT_EQ(list.Entries().size(), 2u);
    EXPECT_NE(list.Entries()[0].Question.Collection, list.Entries()[1].Question.Collection);
}
