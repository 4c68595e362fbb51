#pragma once
// The option block of the user record: the choices the study, list, set, memory-list and
// scripture dialogs remember between runs. Flags are bytes (0 off, 1 on) and are kept as
// read, whatever their value, so that a file round-trips byte for byte.

#include "common/BoundedArray.h"

#include <cstdint>

namespace sv {

struct TUserOptions {
    using Flag = std::uint8_t;

    // Study set-up
    Flag Mixed = 1;
    Flag Timed = 1;
    Flag Prejump = 0;
    Flag PrejumpSpoken = 0;
    Flag MarkUniques = 0;
    Flag KeywordTargeting = 0;
    Flag MemKeywordsOnly = 0;
    // Question lists
    Flag ListOnlyDuplicates = 0;
    Flag ListIncludeReference = 1;
    Flag ListIncludeQuestionType = 1;
    Flag ListPrejumpList = 0;
    Flag ListPrejumpInWords = 1;
    Flag ListPrejumpInLetters = 0;
    Flag UseColor = 1;
    Flag ListSortByReference = 1;
    Flag ListSortByWords = 0;
    // Question sets
    Flag SetsUnderlinePrejumps = 0;
    Flag SetsHighlightKeywords = 0;
    Flag HighlightKeywords = 0;
    Flag SetsTargetSpecific = 0;
    Flag SetsFavorDuplicates = 0;
    // Memory-verse list and scripture portion
    Flag MemListUnderlinePrejumps = 1;
    Flag MemListIncludePrejumpList = 1;
    Flag MemListSingleMulti = 1;
    Flag ScriptureHighlightMemory = 1;
    Flag ScriptureIncludeFootnotes = 1;
    Flag UseLips = 1;
    // Material selection mode: exactly one is set
    Flag ByChapters = 1;
    Flag BySections = 0;
    Flag ByVerses = 0;
    Flag ByMemory = 0;
    // Question sets
    Flag SetsAdvancedSectoring = 0;
    Flag SetsDistVerse = 1;
    Flag SetsDistQuestions = 0;
    Flag SetsDistChapter = 1;
    Flag SetsDistSection = 0;
    // Question lists
    Flag ListUnderlinePrejumps = 0;
    Flag ListAllAvailable = 1;
    Flag ListNoMoreThan = 0;
    Flag ListPercent = 0;
    Flag ListByDifficulty = 0;
    Flag ListBestPercent = 1;
    Flag ListBestNumber = 0;
    Flag SetsTwoColumns = 1;

    std::int32_t KeywordTargetWords = 0;
    // Sets the shipped portion can fill: five practice matches of 20 toss-ups and two bonuses
    // of each kind.
    std::int32_t SetsCount = 5;
    std::int32_t SetsTossUps = 20;
    std::int32_t SetsPercentTargeted = 50;
    std::int32_t ListPrejumpMinimum = 3;
    std::int32_t SetsKeywordLimit = 3;
    std::int32_t KeywordLimit = 3;
    TFixedArray<std::int32_t, 1, 17> Unused1{"unused options"}; // defaults depend on Q1
    std::int32_t SetsDifficulty = 3;
    TFixedArray<std::int32_t, 1, 17> Unused2{"unused options"}; // defaults depend on Q2, Q3
    std::int32_t ListDifficulty = 3;
    std::int32_t ListNoMoreThanValue = 9999;
    std::int32_t ListPercentValue = 100;
    std::int32_t ListBestPercentValue = 25;
    std::int32_t ListBestNumberValue = 200;
    std::int32_t SetsBonus20 = 2;
    std::int32_t SetsBonus30 = 2;
    std::int32_t SetsBonus40 = 2;
    TFixedArray<std::int32_t, 1, 2> Unused3{"unused options"};
    std::int32_t TipIndex = -1;

    Flag SetsUseHistory = 1;
    Flag SetsUpdateHistory = 1;
    Flag CoachMode = 0;
    Flag UseAssistant = 0;
    Flag ShowTips = 1;
    TFixedArray<Flag, 0, 44> QuestionTypes{"question type choice"};
    std::uint8_t AssistantChar = '?';
    std::uint8_t Reserved551 = 0;

    // Every field at its default; usesSituation picks the defaults of the unused values,
    // assistantAvailable the default of UseAssistant.
    void Reset(bool usesSituation, bool assistantAvailable);

    template <class Self, class F>
    static void Fields(Self& s, F&& f)
    {
        f(s.Mixed), f(s.Timed), f(s.Prejump), f(s.PrejumpSpoken), f(s.MarkUniques);
        f(s.KeywordTargeting), f(s.MemKeywordsOnly), f(s.ListOnlyDuplicates);
        f(s.ListIncludeReference), f(s.ListIncludeQuestionType), f(s.ListPrejumpList);
        f(s.ListPrejumpInWords), f(s.ListPrejumpInLetters), f(s.UseColor);
        f(s.ListSortByReference), f(s.ListSortByWords), f(s.SetsUnderlinePrejumps);
        f(s.SetsHighlightKeywords), f(s.HighlightKeywords), f(s.SetsTargetSpecific);
        f(s.SetsFavorDuplicates), f(s.MemListUnderlinePrejumps), f(s.MemListIncludePrejumpList);
        f(s.MemListSingleMulti), f(s.ScriptureHighlightMemory), f(s.ScriptureIncludeFootnotes);
        f(s.UseLips), f(s.ByChapters), f(s.BySections), f(s.ByVerses), f(s.ByMemory);
        f(s.SetsAdvancedSectoring), f(s.SetsDistVerse), f(s.SetsDistQuestions);
        f(s.SetsDistChapter), f(s.SetsDistSection), f(s.ListUnderlinePrejumps);
        f(s.ListAllAvailable), f(s.ListNoMoreThan), f(s.ListPercent), f(s.ListByDifficulty);
        f(s.ListBestPercent), f(s.ListBestNumber), f(s.SetsTwoColumns);
        f(s.KeywordTargetWords), f(s.SetsCount), f(s.SetsTossUps), f(s.SetsPercentTargeted);
        f(s.ListPrejumpMinimum), f(s.SetsKeywordLimit), f(s.KeywordLimit), f(s.Unused1);
        f(s.SetsDifficulty), f(s.Unused2), f(s.ListDifficulty), f(s.ListNoMoreThanValue);
        f(s.ListPercentValue), f(s.ListBestPercentValue), f(s.ListBestNumberValue);
        f(s.SetsBonus20), f(s.SetsBonus30), f(s.SetsBonus40), f(s.Unused3), f(s.TipIndex);
        f(s.SetsUseHistory), f(s.SetsUpdateHistory), f(s.CoachMode), f(s.UseAssistant);
        f(s.ShowTips), f(s.QuestionTypes), f(s.AssistantChar), f(s.Reserved551);
    }
};

} // namespace sv
