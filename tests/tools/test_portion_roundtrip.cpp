// The shipped portion compiled from the installed scripture module: every verse rendered by
// the scripture store equals its source text, and the sources pass every check; and a
// person's results stay on their questions when a question is added to the portion.

#include "compiler/Compiler.h"
#include "compiler/RawText.h"
#include "compiler/SourceError.h"

#include "common/Win1252.h"
#include "content/ConcRefs.h"
#include "user/Knowledge.h"
#include "user/ProgressCarry.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <map>

using namespace sv;
using namespace sv::content;

TEST(DefaultPortion, EveryVerseRendersAsItsSourceText)
{
    if (QStandardPaths::findExecutable(QStringLiteral("diatheke")).isEmpty())
        GTEST_SKIP() << "diatheke is not installed";
    const auto source = DiathekeSource();
    auto c = Compile(SV_CONTENT_DIR, source);
    TStreamWriter ww, wb;
    c->Words.SaveToStream(ww);
    c->Books.SaveToStream(wb);
    TWords words;
    TBooks books(words);
    TStreamReader rw(ww.data(), "wf.wl"), rb(wb.data(), "wf.bk");
    words.LoadFromStream(rw);
    books.LoadFromStream(rb);

    const TPortion portion = ReadPortion(std::string(SV_CONTENT_DIR) + "/portion.yaml");
    ASSERT_EQ(books.BookCount(), 5);
    EXPECT_EQ(books.BookName(5), "Philemon");
    EXPECT_EQ(books.TotalChapters(), 21);
    EXPECT_EQ(books.TotalVerses(), 528);
    TConcRefs none;
    TKeywordTags tags;
    InitKeywordColours(tags, 0);
    int checked = 0;
    for (int b = 1; b <= books.BookCount(); ++b) {
        const auto& def = portion.Books[static_cast<std::size_t>(b - 1)];
        const std::string raw = source(portion.Module, def.Key, "internal", "hf");
        const auto verses = ParseRawBook(raw, def.Name, portion.Module, def.Key);
        for (const auto& v : verses) {
            TMarkedText m;
            books.RenderVerse(TVerseRef(b, v.Chapter, v.Verse), none, tags, false, 255, m);
            EXPECT_EQ(Win1252ToUtf8(m.Text()), v.Text) << def.Key << " " << v.Chapter << ":" << v.Verse;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 528);
    // The glued words of the plain text are separated in the compiled text.
    EXPECT_EQ(words.FindWord("ChristJesus"), 0);
    EXPECT_EQ(words.FindWord("shepherdsand"), 0);
}

namespace {

// A copy of the shipped sources that a test may change.
void CopySources(const QString& from, const QString& to)
{
    QDir().mkpath(to + QStringLiteral("/questions"));
    for (const QString& sub : {QString(), QStringLiteral("/questions")})
        for (const QString& f : QDir(from + sub).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(from + sub + QLatin1Char('/') + f, to + sub + QLatin1Char('/') + f))
                << f.toStdString();
}

} // namespace

TEST(DefaultPortion, AQuestionAddedToGalatiansOneKeepsEveryonesResults)
{
    if (QStandardPaths::findExecutable(QStringLiteral("diatheke")).isEmpty())
        GTEST_SKIP() << "diatheke is not installed";
    QTemporaryDir dir;
    CopySources(QStringLiteral(SV_CONTENT_DIR), dir.path());
    const std::string sources = dir.path().toStdString();
    const auto before = Compile(sources, DiathekeSource());

    // Every question of the first build gets a byte of its own.
    TUser person;
    std::map<std::pair<int, std::string>, std::uint8_t> byKey;
    for (int c = 0; c < 8; ++c)
        for (int i = 1; i <= static_cast<int>(before->Keys.Collection(c).size()); ++i) {
            const auto b = static_cast<std::uint8_t>(8 + (c * 31 + i) % 240);
            person.QuestionByte({c, i}) = b;
            byKey[{c, before->Keys.At({c, i}).Key}] = b;
        }

    QFile gal(dir.filePath(QStringLiteral("questions/galatians.yaml")));
    ASSERT_TRUE(gal.open(QIODevice::Append));
    gal.write("\n- collection: 1\n  type: what\n  question: \"What did Paul not do when he went up to Jerusalem?\"\n"
              "  ref: Gal 1:5\n  answer: \"To whom be the glory forever and ever\"\n");
    gal.close();
    const auto after = Compile(sources, DiathekeSource());
    ASSERT_EQ(after->Keys.Collection(1).size(), before->Keys.Collection(1).size() + 1);

    const TCarryCounts counts = CarryProgress(before->Keys, after->Keys, person, nullptr);
    EXPECT_EQ(counts, (TCarryCounts{1, 0}));
    int renumbered = 0;
    for (int c = 0; c < 8; ++c)
        for (int i = 1; i <= static_cast<int>(after->Keys.Collection(c).size()); ++i) {
            const std::string& key = after->Keys.At({c, i}).Key;
            const auto it = byKey.find({c, key});
            if (it == byKey.end()) {
                EXPECT_EQ(person.QuestionByte({c, i}), KnowledgeUntried) << key;
                continue;
            }
            EXPECT_EQ(person.QuestionByte({c, i}), it->second) << c << " " << key;
            if (i > static_cast<int>(before->Keys.Collection(c).size()) || before->Keys.At({c, i}).Key != key)
                ++renumbered;
        }
    // Every toss-up after Gal 1:5 moved one place on.
    EXPECT_GT(renumbered, 400);
}
