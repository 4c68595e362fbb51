#include "game/GameRules.h"

#include "content/QuestionTypes.h"

#include <array>
#include <cstdio>

namespace sv {

std::string CategoryCaption(int code)
{
    static const std::array<const char*, GameCategoryCodes> captions = {"Grab Bag",
                                                                        "Reference",
                                                                        "People",
                                                                        "Things",
                                                                        "Time",
                                                                        "Reasons",
                                                                        "Places",
                                                                        "Ways",
                                                                        "Quote",
                                                                        "Finish this verse",
                                                                        "Finish this",
                                                                        "Finish w/ reference",
                                                                        "Chapter",
                                                                        "CRMA",
                                                                        "Chapter and verse",
                                                                        "CVRMA",
                                                                        "Multiple answer",
                                                                        "2-Pt Quote",
                                                                        "2-Pt Quote",
                                                                        "1-verse quote",
                                                                        "2-verse quote",
                                                                        "3-verse quote",
                                                                        "Finish these 2 verses",
                                                                        "Finish these 3 verses",
                                                                        "Finish this && next",
                                                                        "Finish this && next 2",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "",
                                                                        "", // 26..38
                                                                        "Situations",
                                                                        "Book and Chapter",
                                                                        "Context",
                                                                        "Memory",
                                                                        ""};
    if (code < 0 || code >= GameCategoryCodes)
        return {};
    return captions[static_cast<std::size_t>(code)];
}

bool IsMemoryKind(int code)
{
    return (code >= TypeQuote && code <= TypeFinishWithReference)
           || (code >= TypeTwoPointQuote && code <= TypeFinishThisAndNextTwo) || code == MemoryVerseCode;
}

std::string ValueText(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%4d", value);
    return text;
}

int WagerLimit(std::int32_t score) { return score > 1000 ? score : 1000; }

int AllowedWager(int typed, int limit)
{
    if (typed >= limit)
        return limit;
    if (typed <= MinimumWager)
        return MinimumWager;
    return MinimumWager + (typed - MinimumWager) / WagerStep * WagerStep;
}

std::string EndGameMessage(int players, const std::string& winner, std::int32_t best, bool qualified)
{
    if (players <= 1) {
        if (qualified)
            return "Congratulations, " + winner
                   + "!\rYou're score places you on the WALL OF FAME.\rKeep up the good work!";
        if (best <= 0)
            return "The game is over. It looks like\ryou need to do some more studying.";
        return "The game is over. Keep trying and\ryou may end up on the WALL OF FAME.";
    }
    if (qualified)
        return "Congratulations, " + winner
               + "! You won the game and\ryour score places you on the WALL OF FAME. Keep up the good work!";
    if (best <= 0)
        return winner + ", though you won, your score is nothing\rto write home about.";
    return "Congratulations, " + winner + "! You won the game.\rKeep trying and you may end up on the WALL OF FAME!";
}

} // namespace sv
