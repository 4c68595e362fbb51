#include "study/Recitation.h"

#include <gtest/gtest.h>

using namespace sv;

namespace {

// The kinds as letters: R right, M missed, E extra, W wrong.
std::string Kinds(const TRecitation& r)
{
    std::string s;
    for (const TRecitedWord& w : r.Words)
        s += "RMEW"[static_cast<int>(w.Kind)];
    return s;
}

} // namespace

TEST(Recitation, ComparesWordByWord)
{
    const QString passage = QStringLiteral("Grace to you and peace from God our Father.");
    const struct {
        const char* Name;
        const char* Typed;
        int Errors;
        const char* Kinds;
    } cases[] = {
        {"perfect", "Grace to you and peace from God our Father.", 0, "RRRRRRRRR"},
        {"case and punctuation only", "grace, to YOU; and peace -- from god our father", 0, "RRRRRRRRR"},
        {"one word missed", "Grace to and peace from God our Father", 1, "RRMRRRRRR"},
        {"two words swapped", "Grace you to and peace from God our Father", 2, "RWWRRRRRR"},
        {"an extra word", "Grace to you all and peace from God our Father", 1, "RRRERRRRRR"},
        {"a different word", "Grace to me and peace from God our Father", 1, "RRWRRRRRR"},
        {"last word missed", "Grace to you and peace from God our", 1, "RRRRRRRRM"},
        {"nothing typed", "", 9, "MMMMMMMMM"},
        {"only punctuation typed", " ... !", 9, "MMMMMMMMM"},
    };
    for (const auto& c : cases) {
        const TRecitation r = CompareRecitation(passage, QString::fromUtf8(c.Typed));
        EXPECT_EQ(r.Errors, c.Errors) << c.Name;
        EXPECT_EQ(Kinds(r), c.Kinds) << c.Name;
    }
}

TEST(Recitation, KeepsTheWordsAsWrittenAndIgnoresApostrophes)
{
    const TRecitation r = CompareRecitation(QStringLiteral("the Lord\u2019s day\u2014and night"),
                                            QStringLiteral("The lords day and and nite"));
    ASSERT_EQ(r.Words.size(), 6u);
    EXPECT_EQ(r.Words[1], (TRecitedWord{TRecitedKind::Right, QStringLiteral("Lord\u2019s"), QStringLiteral("lords")}));
    // One of the two typed "and" is extra.
    EXPECT_EQ(r.Words[3], (TRecitedWord{TRecitedKind::Extra, QString(), QStringLiteral("and")}));
    EXPECT_EQ(r.Words[4].Kind, TRecitedKind::Right);
    EXPECT_EQ(r.Words[5], (TRecitedWord{TRecitedKind::Wrong, QStringLiteral("night"), QStringLiteral("nite")}));
    EXPECT_EQ(r.Errors, 2);
    EXPECT_EQ(RecitationWords(QStringLiteral("well-known \u2014 word")),
              (QStringList{QStringLiteral("well"), QStringLiteral("known"), QStringLiteral("word")}));
    EXPECT_EQ(RecitationKey(QStringLiteral("Don't!")), QStringLiteral("dont"));
}

namespace {

// A finish question on Ga 1:3-4 that showed the first five words and asked for the reference.
TRecitationTask FinishTask()
{
    TRecitationTask t;
    t.Passage = QStringLiteral("Grace to you and peace from God the Father, and our Lord Jesus Christ,");
    t.PromptWords = 5;
    t.Reference = {QStringLiteral("Galatians"), QStringLiteral("Gal"), 1, 3, 4};
    t.ReferenceAsked = true;
    return t;
}

} // namespace

TEST(Recitation, AcceptsTheReferenceInEveryUsualFormAndIgnoresRepeatedPromptWords)
{
    const QString rest = QStringLiteral("from God the Father, and our Lord Jesus Christ,");
    const QString whole = QStringLiteral("Grace to you and peace ") + rest;
    const struct {
        const char* Name;
        QString Typed;
        int Errors;
        const char* Kinds; // the reference is the last letter
    } cases[] = {
        {"full book name after", rest + QStringLiteral(" Galatians 1:3-4"), 0, "RRRRRRRRRR"},
        {"short name after", rest + QStringLiteral(" Gal 1:3-4"), 0, "RRRRRRRRRR"},
        {"no space, en dash", rest + QStringLiteral(" Gal1:3\u20134"), 0, "RRRRRRRRRR"},
        {"in brackets, spaced dash", rest + QStringLiteral(" (galatians 1:3 - 4)."), 0, "RRRRRRRRRR"},
        {"before the words, prompt typed again", QStringLiteral("Gal. 1:3-4 ") + whole, 0, "RRRRRRRRRR"},
        {"prompt typed again", whole + QStringLiteral(" Gal 1:3-4"), 0, "RRRRRRRRRR"},
        {"part of the prompt typed again", QStringLiteral("and peace ") + rest + QStringLiteral(" Gal 1:3-4"), 0,
         "RRRRRRRRRR"},
        {"reference not given", rest, 1, "RRRRRRRRRM"},
        {"one verse short", rest + QStringLiteral(" Gal 1:3"), 1, "RRRRRRRRRW"},
        {"wrong chapter", rest + QStringLiteral(" Galatians 2:3-4"), 1, "RRRRRRRRRW"},
        {"no book", rest + QStringLiteral(" 1:3-4"), 1, "RRRRRRRRRW"},
        {"a word missed", QStringLiteral("from God the Father, and Lord Jesus Christ, Gal 1:3-4"), 1, "RRRRRMRRRR"},
    };
    for (const auto& c : cases) {
        const TRecitation r = CompareRecitation(FinishTask(), c.Typed);
        EXPECT_EQ(r.Errors, c.Errors) << c.Name;
        EXPECT_EQ(Kinds(r), c.Kinds) << c.Name;
    }
    // The reference typed is kept as written; the copy shows the passage's.
    const TRecitation r = CompareRecitation(FinishTask(), rest + QStringLiteral(" Gal 1:3"));
    EXPECT_EQ(r.Words.back(),
              (TRecitedWord{TRecitedKind::Wrong, QStringLiteral("Gal 1:3-4"), QStringLiteral("Gal 1:3")}));
}

TEST(Recitation, AReferenceNotAskedForMayBeLeftOutOrGiven)
{
    TRecitationTask quote = FinishTask();
    quote.PromptWords = 0;
    quote.ReferenceAsked = false;
    const QString whole = quote.Passage;
    const struct {
        const char* Name;
        QString Typed;
        int Errors;
        int Words;
    } cases[] = {
        {"left out", whole, 0, 14},
        {"given", whole + QStringLiteral(" Gal 1:3-4"), 0, 15},
        {"given before", QStringLiteral("Galatians 1:3-4: ") + whole, 0, 15},
        {"given wrong", whole + QStringLiteral(" Gal 1:4"), 1, 15},
        {"prompt words are words like any other", whole.mid(6), 1, 14},
    };
    for (const auto& c : cases) {
        const TRecitation r = CompareRecitation(quote, c.Typed);
        EXPECT_EQ(r.Errors, c.Errors) << c.Name;
        EXPECT_EQ(static_cast<int>(r.Words.size()), c.Words) << c.Name;
    }
}

TEST(Recitation, TheMarkedCopyKeepsHyphensAndDashes)
{
    const TRecitation r =
        CompareRecitation(QStringLiteral("a well-known man\u2014and bold"), QStringLiteral("a well known man and old"));
    EXPECT_EQ(r.Errors, 1);
    EXPECT_EQ(r.Words[1].Joint, QStringLiteral("-"));
    const QString html = RecitationMarkup(r);
    EXPECT_TRUE(html.contains(QStringLiteral("a well-known man\u2014and "))) << html.toStdString();
    EXPECT_TRUE(html.startsWith(QStringLiteral("<b>1 error</b>: "))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("title=\"wrong\">bold</span> <span style=\"color:#B06000\">[old]")))
        << html.toStdString();
}
