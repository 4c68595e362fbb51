#pragma once
// TVerseMap: one cell per verse of a chapter range, telling at a glance what the person knows
// of the verse: how many of its questions (of the chosen collections, by primary reference,
// placeholders left out) are tried and mastered, the knowledge of the memory verse it belongs
// to (if any) and of its reference ("according to") item. It reads the user record only.

#include "content/Questions.h"
#include "content/VerseRef.h"
#include "progress/ProgressCounts.h"

#include <vector>

namespace sv {

enum class TVerseQuestionState {
    NoQuestions, // no question of the chosen collections on the verse
    NoneTried,   // questions, none of them ever asked
    SomeTried,   // at least one asked, not all mastered
    AllMastered, // every question mastered
};

struct TVerseCell {
    int VerseNo = 0;
    TVerseRef Ref;
    int Questions = 0;
    int Tried = 0;
    int Mastered = 0;
    TVerseQuestionState State = TVerseQuestionState::NoQuestions;
    int MemoryVerse = 0;                               // the memory-verse entry the verse belongs to, 0 for none
    TProgressSeries Memory = TProgressSeries::Untried; // meaningful with a memory verse
    TProgressSeries Reference = TProgressSeries::Untried;
};

struct TVerseMapTotals {
    int Verses = 0;
    int NoQuestions = 0;
    int NoneTried = 0;
    int SomeTried = 0;
    int AllMastered = 0;
    bool operator==(const TVerseMapTotals&) const = default;
};

class TVerseMap {
public:
    TVerseMap(const TBooks& books, const TQuestions& questions, const TUser& user);

    // The verses of chapters fromChapter..toChapter (ChapterNo, 1-based, inclusive); a range
    // outside the portion is a range error.
    void Count(int fromChapter, int toChapter, const TCollectionFlags& chosen);
    const std::vector<TVerseCell>& Cells() const { return m_cells; }
    const TVerseMapTotals& Totals() const { return m_totals; }
    // The cell of a verse number, or null when it is outside the range.
    const TVerseCell* CellOf(int verseNo) const;

private:
    const TBooks& m_books;
    const TQuestions& m_questions;
    const TUser& m_user;
    std::vector<TVerseCell> m_cells;
    TVerseMapTotals m_totals;
};

// "Never asked", "Some asked", "All mastered", "No questions".
const char* VerseStateLabel(TVerseQuestionState state);

// What the map tells of a verse, in words (Windows-1252): the verse with its state
// ("Ga 1:3, Some asked") and the details, a line each ("Questions: 3, asked 1, mastered 0",
// "Memory verse: ...", "Reference work: ...").
struct TVerseCellText {
    std::string Verse;
    std::string Name;
    std::vector<std::string> Details;
};
TVerseCellText VerseCellText(const TBooks& books, const TVerseCell& cell);

} // namespace sv
