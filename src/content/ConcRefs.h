#pragma once
// TConcRefs: an ordered list of verse references built from chosen words of the word list;
// the word study browser shows these verses. Count, Refs, WordsCount and Words are read
// directly.

#include "common/BoundedArray.h"
#include "content/VerseRef.h"
#include "content/WordCode.h"

#include <cstdint>
#include <string>

namespace sv {

class TBooks;
class TWords;

class TConcRefs {
public:
    TConcRefs() = default;
    TConcRefs(const TConcRefs& other);
    TConcRefs& operator=(const TConcRefs& other);

    TFixedArray<TVerseRef, 1, 1200> Refs{"concordance references"};
    std::int32_t Count = 0;
    TFixedArray<std::uint16_t, 1, 100> Words{"chosen words"};
    std::int8_t WordsCount = 0;

    void Clear();
    // Every verse of every book in order.
    void FillAllVerses(const TBooks& books);
    // Cuts the list after the last reference inside chapter n (a ChapterNo).
    void LimitToChapters(const TBooks& books, int chapterNo);
    // Adds a chosen word and merges its occurrences into the list (see ConcRefs.cpp).
    void AddWord(const TBooks& books, int wordIndex);
    bool HasWord(TWordCode code) const;
    // "word", "word2" ... (quoted, joined by ", "); empty when no word is chosen.
    std::string WordsText(const TWords& words) const;
    int WordTotal() const { return WordsCount; }

private:
    void Append(const TVerseRef& ref);
};

} // namespace sv
