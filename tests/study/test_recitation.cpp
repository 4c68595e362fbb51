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
    EXPECT_EQ(RecitationWords(QStringLiteral("well-known \u2014 word")), (QStringList{QStringLiteral("well"), QStringLiteral("known"), QStringLiteral("word")}));
    EXPECT_EQ(RecitationKey(QStringLiteral("Don't!")), QStringLiteral("dont"));
}
