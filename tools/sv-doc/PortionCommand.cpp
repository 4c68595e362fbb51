// sv-doc portion: the scripture portion from the first chapter through a chosen one.

#include "DocCommand.h"

#include "content/Books.h"
#include "print/ScripturePortion.h"

#include <QDir>

#include <iostream>

namespace sv::doc {
namespace {

int RunPortion(TDocContext& ctx)
{
    const TBooks& books = ctx.Books();
    TPortionChoices c = PortionChoicesOf(ctx.User());
    c.ThroughChapter = ctx.Number("through", 1, books.TotalChapters(), books.TotalChapters());
    c.HighlightMemory = ctx.Switch("highlight-memory", c.HighlightMemory);
    c.HighlightKeywords = ctx.Switch("highlight-keywords", c.HighlightKeywords);
    c.KeywordLimit = ctx.Number("keyword-limit", 1, 9, c.KeywordLimit);
    c.UseColor = ctx.Switch("color", c.UseColor);
    c.IncludeFootnotes = ctx.Switch("footnotes", c.IncludeFootnotes);
    if (ctx.Has("format") && ctx.Format() != TDocFormat::Rtf)
        throw EUsage("the scripture portion is written as RTF only");
    TFootnotes notes;
    if (c.IncludeFootnotes) {
        notes = ReadFootnotes(
            QDir(QString::fromStdString(ctx.ContentDir())).filePath(QStringLiteral("footnotes.txt")).toStdString());
        if (notes.LeftOut > 0)
            std::cerr << "sv-doc: warning: footnotes.txt holds more than " << TFootnotes::Capacity << " footnotes; "
                      << notes.LeftOut << " are left out\n";
    }
    const std::string path = ctx.OutPath("SCRIPTURE");
    TDocFile file(TDocFormat::Rtf);
    WriteScripturePortion(file, books, c, notes.Items);
    ctx.SaveDocument(file, path);
    return 0;
}

const TDocCommandRegistration reg{{
    "portion",
    "the scripture portion, landscape in three columns (RTF only)",
    {
        {"through", "N",
         "last chapter to print, numbered as 'sv-doc items chapters'\n"
         "(default: the last chapter)"},
        {"highlight-memory", "", "highlight the memory verses", TOptionKind::Switch},
        {"highlight-keywords", "", "highlight keywords", TOptionKind::Switch},
        {"keyword-limit", "N", "keywords are words used at most N times, 1..9"},
        {"color", "", "memory verses and keywords in colour (else underlined and bold)", TOptionKind::Switch},
        {"footnotes", "", "include the footnotes of footnotes.txt", TOptionKind::Switch},
    },
    RunPortion,
}};

} // namespace
} // namespace sv::doc
