// The shipped portion compiled from the installed scripture module: every verse rendered by
// the scripture store equals its source text, and the sources pass every check.

#include "Compiler.h"
#include "RawText.h"
#include "SourceError.h"

#include "common/Win1252.h"
#include "content/ConcRefs.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QString>

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
