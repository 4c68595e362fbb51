// sv-doc memory: the memory verse list with its prejump lists.

#include "DocCommand.h"

#include "content/Books.h"
#include "material/MaterialTables.h"
#include "print/DocMaterial.h"
#include "print/MemoryList.h"

#include <iostream>

namespace sv::doc {
namespace {

int RunMemory(TDocContext& ctx)
{
    const TBooks& books = ctx.Books();
    const std::string path = ctx.OutPath("MEMORY");
    TDocFile file(ctx.Format(), ctx.TextEncoding());
    TMemListChoices c = MemListChoicesOf(ctx.User());
    c.UnderlinePrejumps = ctx.Switch("underline-prejumps", c.UnderlinePrejumps);
    c.IncludePrejumpList = ctx.Switch("prejump-list", c.IncludePrejumpList);
    c.IncludeSingleMulti = ctx.Switch("single-multi", c.IncludeSingleMulti);
    c.HighlightKeywords = ctx.Switch("highlight-keywords", c.HighlightKeywords);
    c.KeywordLimit = ctx.Number("keyword-limit", 1, 9, c.KeywordLimit);
    c.UseColor = ctx.Switch("color", c.UseColor);
    const TMaterialChoice material = ctx.Material(true);
    const auto passages = SelectedPassages(books, MemoryTableFromList(books, material.Kind, material.Items));
    if (passages.empty()) {
        std::cerr << "sv-doc: There are no memory verses in the range of chapters that you selected\n";
        return 1;
    }
    WriteMemoryList(file, books, passages, c);
    ctx.SaveDocument(file, path);
    return 0;
}

const TDocCommandRegistration reg{{
    "memory",
    "the memory verse list, then the prejump lists",
    {
        MaterialOption(true),
        {"underline-prejumps", "", "underline the prompt words", TOptionKind::Switch},
        {"prejump-list", "", "include the prejump list", TOptionKind::Switch},
        {"single-multi", "", "include the single- and multi-verse prejump lists", TOptionKind::Switch},
        {"highlight-keywords", "", "highlight keywords", TOptionKind::Switch},
        {"keyword-limit", "N", "keywords are words used at most N times, 1..9"},
        {"color", "", "keywords in colour (else bold)", TOptionKind::Switch},
    },
    RunMemory,
}};

} // namespace
} // namespace sv::doc
