// sv-doc concordance: word lists and words in the context of their verses.

#include "DocCommand.h"

#include "content/Books.h"
#include "print/Concordance.h"

#include <QString>
#include <QStringList>

namespace sv::doc {
namespace {

// "people,verbs" -> the groups; "all" is every word.
const char* const GroupNames[ConcGroupCount] = {"all",   "people",  "places",       "nouns",        "adjectives",
                                                "verbs", "adverbs", "prepositions", "interjections"};

void ChooseGroups(TDocContext& ctx, const std::string& option, bool TConcGroupChoice::*field, TConcordanceChoices& c)
{
    if (!ctx.Has(option))
        return;
    const QStringList names = QString::fromStdString(ctx.Value(option)).split(QLatin1Char(','));
    for (const QString& name : names) {
        bool found = false;
        for (int g = 0; g < ConcGroupCount; ++g) {
            if (name.trimmed().toStdString() == GroupNames[g]) {
                c.Groups[static_cast<std::size_t>(g)].*field = true;
                found = true;
            }
        }
        if (!found)
            throw EUsage("--" + option + ": unknown word group \"" + name.toStdString()
                         + "\" (all, people, places, nouns, adjectives, verbs, adverbs, prepositions, interjections)");
    }
}

int RunConcordance(TDocContext& ctx)
{
    const TBooks& books = ctx.Books();
    const std::string path = ctx.OutPath("CONCORDANCE");
    TDocFile file(ctx.Format(), ctx.TextEncoding());
    TConcordanceChoices c;
    ChooseGroups(ctx, "word-list", &TConcGroupChoice::WordList, c);
    ChooseGroups(ctx, "in-context", &TConcGroupChoice::InContext, c);
    if (!c.AnyList())
        throw EUsage("choose at least one list with --word-list GROUPS or --in-context GROUPS");
    const int last = books.TotalChapters();
    c.FromChapter = ctx.Number("from", 1, last, 1);
    c.ToChapter = ctx.Number("to", 1, last, last);
    if (c.ToChapter < c.FromChapter)
        throw EUsage("--to must not come before --from");
    c.Exhaustive = ctx.Has("exhaustive");
    c.MoreThan = ctx.Number("more-than", 1, 10, 3);
    if (c.Exhaustive && ctx.Has("more-than"))
        throw EUsage("--exhaustive and --more-than contradict each other");
    WriteConcordance(file, ctx.Words(), books, c);
    ctx.SaveDocument(file, path);
    return 0;
}

const TDocCommandRegistration reg{{
    "concordance",
    "word lists with use counts and words in the context of their verses",
    {
        {"word-list", "GROUPS",
         "word lists of these groups, comma-separated: all, people,\n"
         "places, nouns, adjectives, verbs, adverbs, prepositions,\n"
         "interjections"},
        {"in-context", "GROUPS", "these groups with every verse in which each word is used"},
        {"from", "N", "first chapter from which to take words (default: the first)"},
        {"to", "N", "last chapter (default: the last)"},
        {"more-than", "N", "list a word only when used more than N times, 1..10 (default 3)"},
        {"exhaustive", "", "list every word, however seldom used", TOptionKind::Flag},
    },
    RunConcordance,
}};

} // namespace
} // namespace sv::doc
