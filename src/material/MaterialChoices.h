#pragma once
// The choices of the study pages as plain values, so that the user record and a goal task
// can both fill a page and take its choices back. The material itself is exchanged with the
// user record through TMaterialSelections; with a task as TMaterialChoice (kind and the check
// state of each list item). Collections and question types belong to the user record only.

#include "user/MemoryKind.h"
#include "user/SelectionKind.h"

#include <vector>

namespace sv {

class TUser;

// "All available" / "Limit to ..." with the number.
struct TNumberChoice {
    bool AllAvailable = false;
    bool LimitNumber = true;
    int MaxQuestions = 30;
};

// Mixed, Timed, Prejump with Text or Spoken.
struct TModeChoice {
    bool Mixed = true;
    bool Timed = true;
    bool Prejump = false;
    bool PrejumpSpoken = false;
};

// Material as a task keeps it: the kind and one flag per item of that kind's list.
struct TMaterialChoice {
    TSelectionKind Kind = TSelectionKind::ByChapter;
    std::vector<bool> Items;
};

struct TQuestionChoices {
    TNumberChoice Number;
    TModeChoice Modes;
    bool KeywordTargeting = false;
    int KeywordTargetWords = 0;
    bool MarkUniques = false;
};

struct TMemoryChoices {
    TNumberChoice Number;
    TModeChoice Modes;
    bool KeywordsOnly = false;
    int VerseTypes = MemoryKindBoth; // a MemoryKind..., "Both of above" by default
    bool TypeVerse = false;          // the quizzer types the recitation
};

struct TReferenceChoices {
    TNumberChoice Number;
    TModeChoice Modes;
};

TNumberChoice NumberChoiceOf(const TUser& user);
void StoreNumberChoice(TUser& user, const TNumberChoice& c);
TModeChoice ModeChoiceOf(const TUser& user);
void StoreModeChoice(TUser& user, const TModeChoice& c);

TQuestionChoices QuestionChoicesOf(const TUser& user);
void StoreQuestionChoices(TUser& user, const TQuestionChoices& c);
TMemoryChoices MemoryChoicesOf(const TUser& user);
void StoreMemoryChoices(TUser& user, const TMemoryChoices& c);
TReferenceChoices ReferenceChoicesOf(const TUser& user);
void StoreReferenceChoices(TUser& user, const TReferenceChoices& c);

} // namespace sv
