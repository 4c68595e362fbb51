#pragma once
// What the selection frames compute without their widgets: the verse and memory-verse tables
// of a material list, the collections a list chooses and the message about collections that
// need others, and the entries of the question-type list.

#include "content/Questions.h"
#include "content/VerseSelection.h"
#include "user/SelectionKind.h"

#include <string>
#include <vector>

namespace sv {

class TBooks;

// The verse table of a material list of the given kind; checked[i] is item i's flag.
// Verses before the first section start (section kind) are not chosen.
TVerseSelection VerseTableFromList(const TBooks& books, TSelectionKind kind, const std::vector<bool>& checked);
// The memory-verse table of a material list.
TMemoryVerseSelection MemoryTableFromList(const TBooks& books, TSelectionKind kind, const std::vector<bool>& checked);

// A collection list item: the collection it shows and whether it is checked.
struct TCollectionItem {
    int Collection = 0;
    bool Checked = false;
};
// The items of the collection list for a user's choice: every collection with questions.
std::vector<TCollectionItem> CollectionItems(const TQuestions& questions, const TCollectionFlags& userChoice);
// The 8 flags of the checked items; count receives how many items are checked.
TCollectionFlags ChosenCollections(const std::vector<TCollectionItem>& items, int* count = nullptr);
// For every chosen collection that needs a collection not chosen: one line naming it and all
// it needs ("\r" between lines); each such collection is added to uncheck. Empty when all is
// well.
std::string RequiredCollectionsMessage(const TQuestions& questions, const TCollectionFlags& chosen,
                                       std::vector<int>* uncheck = nullptr);

// A question-type list item: its text (a single "&" for the table's "&&") and type code.
struct TTypeItem {
    std::string Text;
    int Code = 0;
};
// Codes 1..11, 41 and 39 or 40 (39 when the question file uses Situation questions),
// sorted by text without regard to case, then "OTHER" (code 0).
std::vector<TTypeItem> QuestionTypeItems(bool usesSituation);

} // namespace sv
