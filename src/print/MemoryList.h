#pragma once
// The memory verse list document: every chosen memory passage in full, its prompt words
// underlined and its keywords highlighted, then on request the prejump lists (each passage
// cut after its prompt words, in alphabetical order): all passages, then single-verse and
// multi-verse passages apart. RTF or plain text (no marks in plain text).

#include "content/Books.h"
#include "content/VerseSelection.h"
#include "print/DocFile.h"

#include <string>
#include <vector>

namespace sv {

class TUser;

struct TMemListChoices {
    bool UnderlinePrejumps = true;
    bool IncludePrejumpList = true;
    bool IncludeSingleMulti = true;
    bool HighlightKeywords = true;
    int KeywordLimit = 3; // 1..9
    bool UseColor = true;
};

// The choices the user record remembers, and storing them back.
TMemListChoices MemListChoicesOf(const TUser& user);
void StoreMemListChoices(TUser& user, const TMemListChoices& c);

// Every selected memory passage once, in scripture order.
std::vector<TMemoryVerse> SelectedPassages(const TBooks& books, const TMemoryVerseSelection& selection);

// "Gal3:16" or, for two verses or more, "Gal3:16-17".
std::string PassageLabel(const TBooks& books, const TMemoryVerse& passage);

// The passage text as the list prints it (keyword tags for the table).
TMarkedText PassageText(const TBooks& books, const TMemoryVerse& passage, const TKeywordTags& tags);

// The passages in prejump order: ascending by passage text without regard to letter case,
// stable (passages with the same text keep their order).
std::vector<TMemoryVerse> PrejumpOrder(const TBooks& books, std::vector<TMemoryVerse> passages);

void WriteMemoryList(TDocFile& file, const TBooks& books, const std::vector<TMemoryVerse>& passages,
                     const TMemListChoices& choices);

} // namespace sv
