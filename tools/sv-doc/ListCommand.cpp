// sv-doc list: a question list or prejump list, as "Lists of questions..." makes it.

#include "DocCommand.h"
#include "SetsListOptions.h"

#include "content/QuestionTypes.h"
#include "material/MaterialTables.h"
#include "print/DocMaterial.h"
#include "print/PrintList.h"
#include "user/User.h"

#include <climits>
#include <iostream>

namespace sv::doc {
namespace {

int RunList(TDocContext& ctx)
{
    if (!ctx.Positional().empty())
        throw EUsage("list takes no arguments besides its options");
    const TUserOptions& uo = ctx.User().Options;
    const TMaterialChoice material = ctx.Material(false);
    TListOptions o;
    o.Material = VerseTableFromList(ctx.Books(), material.Kind, material.Items);
    o.Collections = CollectionsOption(ctx);
    if (ctx.Has("types")) {
        for (int t : ParseNumberList("types", ctx.Value("types"), 0, MaxChoosableType))
            o.Types[t] = 1;
    } else {
        o.Types = uo.QuestionTypes;
    }
    o.PrejumpList = ctx.Switch("prejump", uo.ListPrejumpList != 0);
    o.OnlyDuplicates = ctx.Switch("only-duplicates", uo.ListOnlyDuplicates != 0);
    o.IncludeReference = ctx.Switch("reference", uo.ListIncludeReference != 0);
    o.UnderlinePrejumps = ctx.Switch("underline", uo.ListUnderlinePrejumps != 0);
    o.ShowCode = ctx.Switch("type-symbol", uo.ListIncludeQuestionType != 0);
    o.MinimumInWords = !ctx.Switch("letters", uo.ListPrejumpInLetters != 0);
    o.HighlightKeywords = ctx.Switch("highlight", uo.HighlightKeywords != 0);
    o.KeywordLimit = ctx.Number("keyword-limit", 1, 9, std::clamp<int>(uo.KeywordLimit, 1, 9));
    o.UseColour = o.HighlightKeywords && ctx.Switch("color", uo.UseColor != 0);
    o.PrejumpMinimum = ctx.Number("prejump-minimum", 0, 99, std::clamp<int>(uo.ListPrejumpMinimum, 0, 99));
    InitKeywordColours(o.KeywordColours, o.HighlightKeywords ? o.KeywordLimit : 0);
    if (ctx.Has("order")) {
        const std::string v = ctx.Value("order");
        if (v != "reference" && v != "alphabetical")
            throw EUsage("--order takes reference or alphabetical, not \"" + v + "\"");
        o.Order = v == "reference" ? TListOrder::ByReference : TListOrder::Alphabetical;
    } else {
        o.Order = uo.ListSortByWords ? TListOrder::Alphabetical : TListOrder::ByReference;
    }

    const int chosen = (ctx.Has("no-more-than") ? 1 : 0) + (ctx.Has("percent") ? 1 : 0)
                       + (ctx.Has("best-percent") ? 1 : 0) + (ctx.Has("best") ? 1 : 0);
    if (chosen > 1)
        throw EUsage("choose one of --no-more-than, --percent, --best-percent and --best");
    o.Size = TListSize::AllAvailable;
    o.SizeValue = INT_MAX;
    bool byDifficulty = false;
    if (ctx.Has("no-more-than")) {
        o.Size = TListSize::NoMoreThan;
        o.SizeValue = ctx.Number("no-more-than", 1, 9999, 9999);
    } else if (ctx.Has("percent")) {
        o.Size = TListSize::Percent;
        o.SizeValue = ctx.Number("percent", 5, 100, 100);
    } else if (ctx.Has("best-percent")) {
        o.Size = TListSize::BestPercent;
        o.SizeValue = ctx.Number("best-percent", 5, 100, 25);
        byDifficulty = true;
    } else if (ctx.Has("best")) {
        o.Size = TListSize::BestNumber;
        o.SizeValue = ctx.Number("best", 1, 9999, 200);
        byDifficulty = true;
    } else if (!ctx.Has("all")) {
        // The user file's stored choice.
        if (uo.ListNoMoreThan) {
            o.Size = TListSize::NoMoreThan;
            o.SizeValue = uo.ListNoMoreThanValue;
        } else if (uo.ListPercent) {
            o.Size = TListSize::Percent;
            o.SizeValue = uo.ListPercentValue;
        } else if (uo.ListByDifficulty) {
            o.Size = uo.ListBestNumber ? TListSize::BestNumber : TListSize::BestPercent;
            o.SizeValue = uo.ListBestNumber ? uo.ListBestNumberValue : uo.ListBestPercentValue;
            byDifficulty = true;
        }
    }
    o.Difficulty = byDifficulty ? DifficultyOption(ctx, uo.ListDifficulty) : TDifficulty::Mixed;

    int collections = 0;
    for (int c = 0; c < 8; ++c)
        collections += o.Collections[c] ? 1 : 0;
    if (collections == 0)
        throw EUsage("You must choose at least one collection of questions from which to select questions.");
    if (!ctx.Questions().AnyChosenTypeInMaterial(o.Material, o.Collections, o.Types)) {
        std::cerr << "sv-doc: In the question collections and chapters chosen, there are no questions of the "
                     "type selected. Please choose additional types, books, or chapters.\n";
        return 1;
    }
    auto random = RandomOption(ctx);
    const std::string path = ctx.OutPath("MYLIST");
    o.FileName = path;
    o.Rtf = ctx.Format() == TDocFormat::Rtf;
    TPrintList job(ctx.Questions(), o, *random);
    TDocFile doc(ctx.Format(), ctx.TextEncoding());
    job.Write(doc);
    ctx.SaveDocument(doc, path);
    return 0;
}

const TDocCommandRegistration reg{{
    "list",
    "a list of questions with their answers, or a prejump list of their opening words\n"
    "(the choices of \"Lists of questions...\"; defaults from the user file)",
    {
        MaterialOption(false),
        CollectionsSpec(),
        {"types", "LIST", "question type codes, e.g. 0-11,41 or all (default: the user's choice)", TOptionKind::Value},
        {"all", "", "every available question (not the stored size choice)", TOptionKind::Switch},
        {"no-more-than", "N", "at most N questions, evenly over the list (1-9999)", TOptionKind::Value},
        {"percent", "P", "P percent of the available questions (5-100)", TOptionKind::Value},
        {"best-percent", "P", "the best P percent for --difficulty (5-100)", TOptionKind::Value},
        {"best", "N", "the best N questions for --difficulty (1-9999)", TOptionKind::Value},
        DifficultySpec(),
        {"only-duplicates", "", "only questions in several collections", TOptionKind::Switch},
        {"reference", "", "the reference after each question", TOptionKind::Switch},
        {"type-symbol", "", "the question type's symbol", TOptionKind::Switch},
        {"underline", "", "underline the prejump words", TOptionKind::Switch},
        {"highlight", "", "highlight keywords", TOptionKind::Switch},
        {"keyword-limit", "N", "keywords are words used at most N times (1-9)", TOptionKind::Value},
        {"color", "", "keywords in colour (else bold)", TOptionKind::Switch},
        {"prejump", "", "a prejump list: only the opening words of each question", TOptionKind::Switch},
        {"prejump-minimum", "N", "at least N words (or letters) of each question (0-99)", TOptionKind::Value},
        {"letters", "", "count the prejump minimum in letters, not words", TOptionKind::Switch},
        {"order", "HOW", "reference or alphabetical", TOptionKind::Value},
        SeedSpec(),
    },
    RunList,
}};

} // namespace
} // namespace sv::doc
