#pragma once
// TQsList: a working list of questions drawn from the question store for the chosen
// material, collections and question types. The study window walks it in order or at random
// and records right and wrong answers; the question sets, question lists and game set-up
// build full lists and order them by reference, by text or by a stored key.
//
// Entries are 1-based (entry 0 is never used), at most 65528; every entry holds a home
// record's address, never a placeholder's. The orderings run in O(n log n) and give the
// order of a stable insertion sort: SortProgress tells a progress window how far they are
// (SortProgress * 100 / Count percent) and setting Cancel from another thread stops them
// promptly, leaving Count unchanged and the entries as they were.

#include "common/BoundedArray.h"
#include "content/MarkedText.h"
#include "content/QuestionId.h"
#include "content/Questions.h"
#include "content/VerseSelection.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

namespace sv {

class IRandom;
class TUser;

// Entry states: not yet answered, answered right, answered wrong.
inline constexpr std::uint8_t StateNotAnswered = 0;
inline constexpr std::uint8_t StateRight = 1;
inline constexpr std::uint8_t StateWrong = 2;

struct TQsEntry {
    TQuestionAddr Question;
    std::uint8_t State = 0;
    std::uint8_t Spare = 0;
};

// A caller's 24-byte record for SortByExternalKey; its third value is the key.
struct TSortRecord {
    std::array<std::int32_t, 6> Values{};
    std::int32_t Key() const { return Values[2]; }
};

class TQsList {
public:
    static constexpr int Capacity = 65528;
    static constexpr int MaxGroups = 1200;

    // The list reads the question store, reads and updates the user's study results and
    // draws from random.
    TQsList(const TQuestions& questions, TUser& user, IRandom& random);
    // The person whose knowledge bytes the marks change.
    TUser& User() const { return m_user; }

    int Count() const { return m_count.load(std::memory_order_relaxed); }
    int Current() const { return m_current; }
    // Entry i, 1..Count; range error outside.
    const TQsEntry& Item(int i) const;
    TQuestionAddr QuestionAt(int i) const { return Item(i).Question; }

    // The study list: every question of the chosen collections in the material whose type
    // is chosen, reduced to the user's number wanted (least-known first, unless "All
    // available"), ordered by reference.
    void BuildForStudy(const TVerseSelection& material);
    // A full list for printing and sets; order 1 is by reference, anything else by the
    // stored sort keys when the file has them, else by text. Leaves Cancel as it is.
    void BuildFull(const TVerseSelection& material, bool checkTypes, const TCollectionFlags& chosen, int order,
                   bool duplicatesOnly);

    // Move to the next entry to ask and compose it as the options say. Range error when the
    // list is empty.
    void NextInOrder(const TComposeOptions& options, const TKeywordTags& tags, TMarkedText& answer,
                     TMarkedText& question);
    void NextRandom(const TComposeOptions& options, const TKeywordTags& tags, TMarkedText& answer,
                    TMarkedText& question);
    // Record the answer to the current entry (and every copy of its question).
    void MarkRight();
    void MarkWrong();

    // The orderings; each returns false when it was cancelled.
    bool SortByReference();                                 // stable, ascending primary reference
    bool SortByText();                                      // stable, case-insensitive plain text
    bool SortByKey();                                       // ascending SortKey, equal keys reversed
    bool SortByExternalKey(std::span<TSortRecord> records); // stable, descending; records[i-1] is entry i's

    // Keeps entries start, start + step, ... (within Count) as entries 1, 2, ...; then
    // Count := newCount, which may not exceed the number kept.
    void TakeEvery(int start, int step, int newCount);
    // True when no entry holds the question (a placeholder stands for its home record).
    bool NotListed(TQuestionAddr q) const;

    // Verse groups of the last completed reference ordering: runs of entries on one verse.
    int GroupCount() const { return m_groupCount; }
    int GroupStart(int g) const; // 1..GroupCount

    // Shared with a progress window on another thread.
    int SortProgress() const { return m_sortProgress.load(std::memory_order_relaxed); }
    void SetCancel(bool on) { m_cancel.store(on ? 1 : 0, std::memory_order_relaxed); }
    bool Cancelled() const { return m_cancel.load(std::memory_order_relaxed) != 0; }

private:
    void Append(TQuestionAddr q);
    void SetCount(int n);
    void RebuildListed();
    void ReduceLeastKnownFirst(int wanted);
    std::uint8_t KnowledgeOf(TQuestionAddr q) const;
    void StepOn();
    void Compose(const TComposeOptions& options, const TKeywordTags& tags, TMarkedText& answer, TMarkedText& question);
    void Mark(bool right);
    TQsEntry& CurrentEntry();
    // Sorts entries 1..Count by less over 0-based positions; applies the result unless cancelled.
    template <class Less>
    bool Order(Less less, std::span<TSortRecord> records = {});
    void BuildGroups();

    const TQuestions& m_questions;
    TUser& m_user;
    IRandom& m_random;
    TDynArray<TQsEntry> m_items{"question list"};
    std::atomic<std::int32_t> m_count{0};
    int m_current = 0;
    TFixedArray<std::int32_t, 1, MaxGroups> m_groupStart{"verse groups"};
    int m_groupCount = 0;
    std::atomic<std::int32_t> m_sortProgress{0};
    std::atomic<std::uint8_t> m_cancel{0};
    std::vector<bool> m_listed; // by question id: some entry holds it
};

} // namespace sv
