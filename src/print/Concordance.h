#pragma once
// The concordance document: for each chosen word group, a word list (each word with the
// number of times it is used in the chosen chapters) and/or every word in the context of its
// verses (reference, verse text, the word in bold). Words used at most the occurrence limit
// are left out unless the list is exhaustive.
//
// Word groups of the dialog and the word categories of the word list:
//   All words       every word
//   Proper People   5 (people, names and titles of God and Christ) and 7 (peoples and groups)
//   Proper Places   6
//   Common nouns    1..4
//   Adjectives 10, Verbs 11, Adverbs 12, Prepositions 13, Interjections 15
// Pronouns (9), conjunctions (14) and other proper names (8) appear under All words only.

#include "content/Words.h"
#include "print/DocFile.h"

#include <array>
#include <string>
#include <vector>

namespace sv {

class TBooks;

enum class TConcGroup {
    AllWords,
    ProperPeople,
    ProperPlaces,
    CommonNouns,
    Adjectives,
    Verbs,
    Adverbs,
    Prepositions,
    Interjections
};
inline constexpr int ConcGroupCount = 9;

// The group's caption in the dialog ("All words", "Proper People", ...).
const char* ConcGroupCaption(TConcGroup group);
// Its word categories (0 = every word).
TCategorySet ConcGroupCategories(TConcGroup group);

struct TConcGroupChoice {
    bool InContext = false;
    bool WordList = false;
};

struct TConcordanceChoices {
    std::array<TConcGroupChoice, ConcGroupCount> Groups{};
    int FromChapter = 1; // ChapterNo
    int ToChapter = 1;   // ChapterNo, not before FromChapter
    bool Exhaustive = false;
    int MoreThan = 3; // 1..10: a word is listed only when used more often in the chapters

    bool AnyList() const;
};

struct TConcWord {
    int Index = 0; // sorted word index
    int Uses = 0;  // uses in the chosen chapters
};

// The words of a group used in the chapter range (and more than the limit unless exhaustive),
// in word-list order.
std::vector<TConcWord> ConcordanceWords(const TWords& words, const TBooks& books, TConcGroup group,
                                        const TConcordanceChoices& choices);

// The word as the document prints it: proper names and the pronoun "I" with a capital first letter.
std::string ConcWordText(const TWords& words, int index);

void WriteConcordance(TDocFile& file, const TWords& words, const TBooks& books, const TConcordanceChoices& choices);

} // namespace sv
