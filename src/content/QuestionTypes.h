#pragma once
// Question type codes 0..47: the names the type lists show ("&&" displays as one ampersand),
// the preannounce codes and the prejump classes (questions are compared for prejump points
// only within one class). Types 0 and 2..7 are general questions.

#include <cstdint>
#include <string>

namespace sv {

inline constexpr int TypeGeneral = 0;
inline constexpr int TypeAccordingTo = 1;
inline constexpr int TypeWho = 2; // the first of the general kinds 2..7
inline constexpr int TypeHow = 7; // the last of them
inline constexpr int TypeQuote = 8;
inline constexpr int TypeFinishThisVerse = 9;
inline constexpr int TypeFinishWithReference = 11;
inline constexpr int TypeTwoPointQuote = 17;
inline constexpr int TypeQuoteOneVerse = 19;
inline constexpr int TypeQuoteTwoVerses = 20;
inline constexpr int TypeQuoteThreeVerses = 21;
inline constexpr int TypeFinishTwoVerses = 22;
inline constexpr int TypeFinishThreeVerses = 23;
inline constexpr int TypeFinishThisAndNext = 24;
inline constexpr int TypeFinishThisAndNextTwo = 25;
inline constexpr int TypeSituation = 39;
inline constexpr int TypeBookAndChapter = 40;
inline constexpr int TypeContext = 41;
inline constexpr int TypeMemoryVerse = 42;
inline constexpr int TypePlaceholder = 44;
// A memory verse asked as a quotation, as a finish, as a finish with its reference.
inline constexpr int TypeMemoryQuote = 45;
inline constexpr int TypeMemoryFinishWithReference = 47;
inline constexpr int MaxTypeCode = 47;
inline constexpr int MaxChoosableType = 44; // user choice flags are indexed 0..44

// The prejump point value meaning "none".
inline constexpr std::uint8_t NoPrejumpPoint = 240;

inline constexpr const char* QuestionTypeNames[MaxTypeCode + 1] = {
    "OTHER",
    "According to",
    "Who(m)(se)",
    "What",
    "When",
    "Why",
    "Where",
    "How",
    "Quote",
    "Finish this verse",
    "Finish this",
    "Finish w/ reference",
    "Chapter",
    "Chapter (MA)",
    "Chapter and verse",
    "Chapter/verse (MA)",
    "Multiple answer",
    "2-Pt Quote",
    "2-verse Quote",
    "1-verse quote",
    "2-verse quote",
    "3-verse quote",
    "Finish these two verses",
    "Finish these three verses",
    "Finish this and the next",
    "Finish this and next two",
    "[10 pt] Direct",
    "[20 pt] Direct",
    "[30 pt] Direct",
    "[10 pt] Completion",
    "[20 pt] Completion",
    "[30 pt] Completion",
    "[10 pt] Quote",
    "[20 pt] Quote",
    "[30 pt] Quote",
    "10 pt",
    "20 pt",
    "30 pt",
    "40 pt",
    "Situation",
    "Book && Chapter",
    "Context",
    "Memory verse",
    "",
    "",
    "Quote",
    "Finish",
    "Finish w/ ref",
};

inline constexpr const char* PreannounceCodes[MaxTypeCode + 1] = {
    "[g]",  "[a]",  "[g]",  "[g]",   "[g]", "[g]", "[g]", "[g]", "[q]", "[v]", "[f]",  "[r]",
    "CR",   "CRMA", "CVR",  "CVRMA", "MA",  "[Q]", "QT2", "1VQ", "2VQ", "3VQ", "FT2V", "FT3V",
    "FTN",  "FT&2", "10",   "20",    "30",  "10",  "20",  "30",  "10",  "20",  "30",   "[10]",
    "[20]", "[30]", "[40]", "[s]",   "[b]", "[x]", "[m]", "[g]", "[g]", "[q]", "[v]",  "[r]",
};

inline constexpr const char* DefaultPreannounceCode = "[g]";

// Name of a type code; empty for codes without a name (43, 44 and above 47).
std::string TypeName(int type);
// Preannounce code; "[g]" for codes without an entry of their own.
std::string PreannounceCode(int type);
// 0 for types 2..7, 42 for 42 and 45..47, otherwise the code itself.
std::uint8_t PrejumpClassOfType(int type);
// 2..7 reported as 0.
std::uint8_t ListTypeOf(int type);
// "General question" for 0 and 2..7, else the type name + " question".
std::string TypeTitle(int type);
// Verses covered by a finish question: 2 for 22 and 24, 3 for 23 and 25, else 1.
int VerseRunOfType(int type);

} // namespace sv
