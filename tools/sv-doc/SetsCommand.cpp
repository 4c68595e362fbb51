// sv-doc sets: practice match question sets, as "Question sets..." makes them.

#include "DocCommand.h"
#include "SetsListOptions.h"

#include "common/Win1252.h"
#include "print/DocMaterial.h"
#include "print/SetsMaker.h"
#include "user/History.h"
#include "user/User.h"

#include <QFileInfo>

#include <iostream>

namespace sv::doc {
namespace {

int RunSets(TDocContext& ctx)
{
    if (!ctx.Positional().empty())
        throw EUsage("sets takes no arguments besides its options");
    const TUserOptions& o = ctx.User().Options;
    const TMaterialChoice material = ctx.Material(false);
    TSetsChoices c;
    c.Kind = material.Kind;
    c.Checked = material.Items;
    if (ctx.Has("target")) {
        c.Targeting = true;
        try {
            c.Targeted = ParseMaterialChoice(ctx.Books(), MaterialKindName(c.Kind) + ":" + ctx.Value("target")).Items;
        } catch (const std::invalid_argument& e) {
            throw EUsage(std::string("--target: ") + e.what());
        }
        bool any = false;
        for (std::size_t i = 0; i < c.Targeted.size(); ++i) {
            if (c.Targeted[i] && !(i < c.Checked.size() && c.Checked[i]))
                throw EUsage("--target: item " + std::to_string(i + 1) + " is not in the material");
            any = any || c.Targeted[i];
        }
        if (!any)
            throw EUsage("--target names no item");
    }
    c.PercentTargeted = ctx.Number("percent-targeted", 5, 100, o.SetsPercentTargeted);
    c.Collections = CollectionsOption(ctx);
    if (ctx.Has("heading")) {
        const auto heading = Utf8ToWin1252(ctx.Value("heading"));
        if (!heading)
            throw EUsage("--heading has a character that cannot be printed");
        c.Heading = *heading;
    }
    c.Sets = ctx.Number("sets", 1, MaxSetsPerBuild, std::clamp<int>(o.SetsCount, 1, MaxSetsPerBuild));
    c.Counts.PerSet = {ctx.Number("tossups", 4, 300, std::clamp<int>(o.SetsTossUps, 4, 300)),
                       ctx.Number("bonus20", 0, 100, std::clamp<int>(o.SetsBonus20, 0, 100)),
                       ctx.Number("bonus30", 0, 100, std::clamp<int>(o.SetsBonus30, 0, 100)),
                       ctx.Number("bonus40", 0, 100, std::clamp<int>(o.SetsBonus40, 0, 100))};
    c.Difficulty = DifficultyOption(ctx, o.SetsDifficulty);
    c.HighlightKeywords = ctx.Switch("highlight", o.SetsHighlightKeywords != 0);
    c.KeywordLimit = ctx.Number("keyword-limit", 1, 9, std::clamp<int>(o.SetsKeywordLimit, 1, 9));
    c.FavourDuplicates = ctx.Switch("favor-duplicates", o.SetsFavorDuplicates != 0);
    c.UnderlinePrejumps = ctx.Switch("underline", o.SetsUnderlinePrejumps != 0);
    c.UseColour = c.HighlightKeywords && ctx.Switch("color", o.UseColor != 0);
    c.UseHistory = ctx.Switch("use-history", o.SetsUseHistory != 0);
    c.UpdateHistory = ctx.Switch("update-history", o.SetsUpdateHistory != 0);
    c.TwoColumns = ctx.Switch("two-columns", o.SetsTwoColumns != 0);
    c.Sectoring =
        TDistribution{ctx.Switch("verses", o.SetsDistVerse != 0), ctx.Switch("questions", o.SetsDistQuestions != 0),
                      ctx.Switch("chapters", o.SetsDistChapter != 0), ctx.Switch("sections", o.SetsDistSection != 0)};
    if (c.Sectoring.Verse && c.Sectoring.Questions)
        throw EUsage("--verses and --questions exclude each other");
    c.AdvancedSectoring = ctx.Switch("advanced-sectoring", o.SetsAdvancedSectoring != 0) || ctx.Has("verses")
                          || ctx.Has("no-verses") || ctx.Has("questions") || ctx.Has("no-questions")
                          || ctx.Has("chapters") || ctx.Has("no-chapters") || ctx.Has("sections")
                          || ctx.Has("no-sections");

    const TAdequacy a = CheckSetsAdequacy(ctx.Questions(), c);
    std::cout << a.Summary << "\n";
    if (!a.CreateEnabled)
        return 1;

    // The set history of --user; without a user file the build starts from an empty history.
    THistory history;
    const std::string userPath = UserFilePathOption(ctx);
    const std::string historyPath = userPath.empty() ? std::string() : userPath + "h";
    if (!historyPath.empty() && QFileInfo::exists(QString::fromStdString(historyPath)))
        history.LoadFromFile(historyPath);

    auto random = RandomOption(ctx);
    const auto sets = MakeQuestionSets(ctx.Questions(), c, history, *random);
    if (!sets) {
        std::string message = SetsFailureMessage(c.Targeting);
        for (char& ch : message)
            if (ch == '\r')
                ch = '\n';
        std::cerr << "sv-doc: " << message << "\n";
        return 1;
    }
    TDocFile doc(ctx.Format(), ctx.TextEncoding());
    WriteSetDocument(doc, *sets, DocumentOptions(c), ctx.Questions());
    ctx.SaveDocument(doc, ctx.OutPath("MYSETS"));
    if (c.UpdateHistory && !historyPath.empty()) {
        RecordSetsInHistory(*sets, c.Sets, c.Counts.QuestionsPerSet(), history, ctx.Questions(), historyPath);
        std::cout << "Set history updated: " << historyPath << "\n";
    }
    return 0;
}

const TDocCommandRegistration reg{{
    "sets",
    "practice match question sets: toss-ups and 20-, 30- and 40-point bonuses per set\n"
    "(the choices of \"Question sets...\"; defaults from the user file)",
    {
        MaterialOption(false),
        {"target", "ITEMS", "target these material items (numbered as in --material)", TOptionKind::Value},
        {"percent-targeted", "P", "percent of each set from the targeted items (5-100)", TOptionKind::Value},
        CollectionsSpec(),
        {"heading", "TEXT", "heading at the top of each set", TOptionKind::Value},
        {"sets", "N", "number of sets (1-95)", TOptionKind::Value},
        {"tossups", "N", "toss-up questions per set (4-300)", TOptionKind::Value},
        {"bonus20", "N", "20-point bonuses per set (0-100)", TOptionKind::Value},
        {"bonus30", "N", "30-point bonuses per set (0-100)", TOptionKind::Value},
        {"bonus40", "N", "40-point bonuses per set (0-100)", TOptionKind::Value},
        DifficultySpec(),
        {"highlight", "", "highlight keywords", TOptionKind::Switch},
        {"keyword-limit", "N", "keywords are words used at most N times (1-9)", TOptionKind::Value},
        {"color", "", "keywords in colour (else bold)", TOptionKind::Switch},
        {"favor-duplicates", "", "favour questions in several collections (marked with asterisks)",
         TOptionKind::Switch},
        {"underline", "", "underline the prejump words", TOptionKind::Switch},
        {"use-history", "", "avoid questions of earlier sets (the set history of --user)", TOptionKind::Switch},
        {"update-history", "", "record the drawn questions in the set history of --user", TOptionKind::Switch},
        {"two-columns", "", "two columns a page", TOptionKind::Switch},
        {"advanced-sectoring", "", "spread the sets by --verses/--questions/--chapters/--sections",
         TOptionKind::Switch},
        {"verses", "", "evenly across the chosen verses", TOptionKind::Switch},
        {"questions", "", "evenly across the available questions", TOptionKind::Switch},
        {"chapters", "", "evenly across the chapters", TOptionKind::Switch},
        {"sections", "", "evenly across the sections", TOptionKind::Switch},
        SeedSpec(),
    },
    RunSets,
}};

} // namespace
} // namespace sv::doc
