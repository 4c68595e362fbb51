#pragma once
// TAccToList: the working list for reference ("according to") study: verses chosen from the
// material, least-known first, in verse order, each asked with the lead "According to ..."
// and answered with the verse text. For the verse being asked it collects the stored
// questions whose primary reference is that verse so that the study window can page
// through them.

#include "common/BoundedArray.h"
#include "content/MarkedText.h"
#include "content/QuestionId.h"
#include "content/VerseSelection.h"

#include <cstdint>
#include <string>

namespace sv {

class IRandom;
class TBooks;
class TQuestions;
class TUser;

struct TAccToEntry {
    std::int16_t VerseNo = 0;
    std::uint8_t State = 0; // 0 not answered, 1 right, 2 wrong
    std::uint8_t Spare = 0;
};

class TAccToList {
public:
    static constexpr int Capacity = 1200;
    static constexpr int MaxRelated = 50;

    TAccToList(const TBooks& books, const TQuestions& questions, TUser& user, IRandom& random);
    // The person whose knowledge bytes the marks change.
    TUser& User() const { return m_user; }

    int Count() const { return m_count; }
    int Current() const { return m_current; }
    const TAccToEntry& Entry(int i) const; // 1..Count

    // At most the user's number of questions (all with "All available"), least-known first.
    void Build(const TVerseSelection& selection);

    // Move as the memory-verse list does and compose "According to ..." for the verse;
    // range error when the list is empty.
    void NextInOrder(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags);
    void NextRandom(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags);
    // The reference answer rule on the current verse.
    void MarkRight();
    void MarkWrong();

    // The stored questions on the current entry's verse (placeholders left out); RelatedPos 0.
    void FillRelated();
    // Step RelatedPos and show that question in full (references on, no keyword targeting,
    // no unique marks). NextRelated does nothing at the last, PrevRelated at the first.
    void NextRelated(TMarkedText& question, const TKeywordTags& tags);
    void PrevRelated(TMarkedText& question, const TKeywordTags& tags);
    int RelatedCount() const { return m_relatedCount; }
    const std::string& RelatedCountText() const { return m_relatedCountText; }
    int RelatedPos() const { return m_relatedPos; }
    TQuestionAddr Related(int k) const; // 1..RelatedCount

    bool NotListed(int verseNo) const;

private:
    TAccToEntry& CurrentEntry();
    void Compose(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags);
    void Mark(bool right);
    void ShowRelated(TMarkedText& question, const TKeywordTags& tags);

    const TBooks& m_books;
    const TQuestions& m_questions;
    TUser& m_user;
    IRandom& m_random;
    TFixedArray<TAccToEntry, 1, Capacity> m_entries{"reference list"};
    TFixedArray<std::uint8_t, 1, Capacity> m_listed{"listed verses"};
    TFixedArray<TQuestionAddr, 1, MaxRelated> m_related{"related questions"};
    int m_count = 0;
    int m_current = 0;
    int m_relatedCount = 0;
    int m_relatedPos = 0;
    std::string m_relatedCountText = "0";
};

} // namespace sv
