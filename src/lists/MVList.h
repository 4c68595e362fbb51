#pragma once
// TMVList: the working list for memory-verse study: the selected memory-verse entries of the
// scripture store, each with the kind of question to ask (quote it, or finish it and give
// the reference), least-known first and in scripture order. The study window steps through
// it; the game set-up and the memory-verse list document rebuild it as a plain list.

#include "common/BoundedArray.h"
#include "content/MarkedText.h"
#include "content/VerseRef.h"
#include "content/VerseSelection.h"
#include "user/MemoryKind.h"

#include <cstdint>

namespace sv {

class IRandom;
class TBooks;
class TUser;

// Question modes of an entry (the modes of ComposeVerseQuestion).
inline constexpr std::uint8_t MemoryModeQuote = 0;
inline constexpr std::uint8_t MemoryModeFinishWithReference = 2;

struct TMVEntry {
    std::uint8_t State = 0;      // 0 not answered, 1 right, 2 wrong
    std::uint8_t VerseCount = 0; // verses in the passage
    std::uint8_t Mode = 0;       // MemoryModeQuote or MemoryModeFinishWithReference
    TVerseRef Ref;               // with the entry's PromptWords
};

class TMVList {
public:
    static constexpr int Capacity = 1200;

    TMVList(const TBooks& books, TUser& user, IRandom& random);
    // The person whose knowledge bytes the marks change.
    TUser& User() const { return m_user; }
    // The scripture store the entries are composed from.
    const TBooks& Books() const { return m_books; }

    int Count() const { return m_count; }
    int Current() const { return m_current; }
    const TMVEntry& Entry(int i) const; // 1..Count

    // kind: MemoryKindFinish (mode 2), MemoryKindQuote (mode 0), MemoryKindBoth (one random
    // draw per entry). Without noLimit and unless the user chose "All available", at most the
    // user's number of questions are taken, least-known first.
    void Build(const TMemoryVerseSelection& selection, int kind, bool noLimit);

    // Move to the next entry to ask and compose it; range error when the list is empty.
    void NextInOrder(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags, bool keywordsOnly);
    void NextRandom(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags, bool keywordsOnly);
    void MarkRight();
    void MarkWrong();

    // True when no entry is memory verse m (1..1200).
    bool NotListed(int m) const;

private:
    void Add(int m, int kind);
    TMVEntry& CurrentEntry();
    void Compose(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags, bool keywordsOnly);
    void Mark(bool right);

    const TBooks& m_books;
    TUser& m_user;
    IRandom& m_random;
    TFixedArray<TMVEntry, 1, Capacity> m_entries{"memory verse list"};
    TFixedArray<std::int16_t, 1, Capacity> m_numbers{"memory verse list numbers"}; // MemoryVerseNoOf(Ref)
    TFixedArray<std::uint8_t, 1, Capacity> m_listed{"listed memory verses"};
    int m_count = 0;
    int m_current = 0;
};

} // namespace sv
