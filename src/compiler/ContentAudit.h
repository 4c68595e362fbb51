#pragma once
// The content audit: the checks a quiz official makes before signing the content.
//
// Ambiguity (each hit names file:line and the other verse):
//   - near-equal verses: a verse whose words stand, at least 90 % of them and in order, in
//     another verse of the portion. Its generated "book and chapter" question names every
//     place that holds the words (one answer part per book and chapter), so no right answer
//     is refused; verses that repeat within one chapter keep their single answer.
//   - prompt words: a memory passage's prompt is lengthened until it opens no other verse
//     of the portion (PromptLengthsAgainstVerses); a passage whose whole text opens another
//     verse cannot be prompted uniquely and is a hit.
//   - shared words: an authored question whose distinctive words (the rare words of its
//     question text that its cited verses hold, weighted by how rare they are in the portion)
//     stand also in a verse it does not cite. Questions that name their verse ("according
//     to") are left out.
//   - sentence goes on: an answer that runs to the end of a verse whose sentence continues
//     in the next verse, while the question does not cite that verse.
//   - memory passages: a passage starts in mid-sentence, and the passage before it does not
//     run from the sentence's start up to it (AuditMemory).
// A hit against a verse the question names in `unique: {reviewed: [...]}` is resolved; a
// reviewed verse that is no hit any more is reported, so a review never outlives its reason.
//
// Coverage: every verse the primary reference (first reference) of at least one authored
// toss-up, at least MinTossUpsPerVerse toss-ups per verse in every chapter, at least one
// question of each bonus collection (2, 3, 4) in every chapter (a question counts for the
// chapter of its first reference).
//
// The wording of the questions is audited in WordingAudit.h; its rule breaks land in Faults.

#include "compiler/Sources.h"

#include "content/Tokenizer.h"

#include <cstddef>
#include <string>
#include <vector>

namespace sv::content {

struct TAuditVerse {
    TVerseRef Ref;
    std::string Where; // "Gal 1:4"
    std::vector<TToken> Tokens;
};

struct TAuditFinding {
    TSourcePos Pos;
    std::string Message;      // UTF-8, without the position
    std::string Text() const; // "file:line: message"
};

struct TChapterCoverage {
    TVerseRef Chapter; // verse 0
    std::string Name;  // "Gal 1"
    int Verses = 0, Cited = 0, TossUps = 0;
    int Primary = 0;            // verses that are the first reference of a toss-up
    int Bonuses[3] = {0, 0, 0}; // 20-, 30-, 40-point collections
    double TossUpsPerVerse() const { return Verses ? static_cast<double>(TossUps) / Verses : 0.0; }
};

struct TAuditReport {
    std::vector<TAuditFinding> Faults;   // rule breaks of the questions (WordingAudit.h)
    std::vector<TAuditFinding> Open;     // ambiguity and wording hits not resolved
    std::vector<TAuditFinding> Notes;    // hits the compiler resolved itself (near-equal verses)
    std::vector<TAuditFinding> Coverage; // coverage limits not met
    int Resolved = 0;                    // hits resolved by a review mark or by the compiler
    std::vector<TChapterCoverage> Chapters;
    // Coverage summary with the minimums: verses cited, verses that are the primary reference
    // of a toss-up, toss-ups per verse per chapter (lowest first), bonuses per chapter, hits
    // resolved/open.
    std::string Summary() const;
};

inline constexpr double MinTossUpsPerVerse = 1.0;
// Share of a verse's words that another verse holds in order for the two to count as near-equal.
inline constexpr double NearEqualShare = 0.9;

// For each verse, the indexes of the other verses that hold at least NearEqualShare of its
// words in order (case-insensitive).
std::vector<std::vector<std::size_t>> NearEqualVerses(const std::vector<TAuditVerse>& verses);

// The words of each verse's opening: the verse and up to two following verses of its chapter.
std::vector<std::vector<std::string>> VerseOpenings(const std::vector<TAuditVerse>& verses);

// Prompt lengths that also set each passage apart from the opening of every verse but its own
// first verse (firstVerse[i]): at least base[i], and one word beyond the longest shared
// start. 0 when the passage's whole text opens another verse (the clash is in clashWith[i]).
std::vector<int> PromptLengthsAgainstVerses(const std::vector<std::vector<std::string>>& passages,
                                            const std::vector<int>& base, const std::vector<std::size_t>& firstVerse,
                                            const std::vector<std::vector<std::string>>& openings,
                                            std::vector<std::size_t>* clashWith = nullptr);

// The shared-words and sentence-goes-on checks of the authored questions, and coverage.
// Adds to the report (its Open, Resolved, Coverage and Chapters).
void AuditAuthored(const TPortion& portion, const std::vector<TAuditVerse>& verses,
                   const std::vector<TAuthoredQuestion>& questions, TAuditReport& report);

// Memory passages: a passage that starts in mid-sentence is a hit unless the passage right
// before it holds the start of that sentence and runs on up to it (Eph 3:14-16, 3:17-19). A clause after a colon or
// semicolon counts as a start ("for by grace you have been saved" after "...in Christ Jesus;").
void AuditMemory(const std::vector<TAuditVerse>& verses, const std::vector<TMemoryDef>& memory, TAuditReport& report);

} // namespace sv::content
