#pragma once
// TProgressCounts: what the progress chart shows. For one of three kinds of study (questions
// of the chosen collections, memory verses, references) it counts per chapter the items that
// are mastered, correct fewer than 3 times at the top level, unmastered and untried, and the
// totals under the chart. It reads the user's knowledge bytes and changes nothing; the chart
// window only hands the counts to its chart.

#include "common/BoundedArray.h"
#include "content/Questions.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sv {

class TBooks;
class TUser;

// The progress window's views: the three charts and the verse map (which the chart counts as
// questions while it is shown).
enum class TProgressView { Questions, MemoryVerses, References, VerseMap };

// The chart's series, in drawing order; the number is the series index.
enum class TProgressSeries { Mastered = 0, CorrectFewerThan3 = 1, Unmastered = 2, Untried = 3 };
inline constexpr int ProgressSeriesCount = 4;

// The series a knowledge byte belongs to.
TProgressSeries SeriesOf(std::uint8_t knowledge);

struct TProgressTotals {
    int Available = 0;
    int Attempted = 0;
    int Mastered = 0;
    int CorrectFewerThan3 = 0;
    int Unmastered = 0;
    int Untried() const { return Available - Attempted; }
    bool operator==(const TProgressTotals&) const = default;
};

class TProgressCounts {
public:
    TProgressCounts(const TBooks& books, const TQuestions& questions, const TUser& user);

    // Questions of the chosen collections, each counted in the chapter of its primary
    // reference. With no collection chosen every chapter is shown wholly untried (100 in the
    // untried series) and every total is 0.
    void CountQuestions(const TCollectionFlags& chosen);
    // Memory-verse entries in order; an entry moves the current chapter on when its book or
    // its chapter is greater than the current one.
    void CountMemoryVerses();
    // One reference item per verse.
    void CountReferences();
    void Count(TProgressView view, const TCollectionFlags& chosen);

    // Chart points: the chapters in ChapterNo order (point p is chapter p + 1).
    int Points() const { return static_cast<int>(m_counts.size()); }
    std::string Label(int point) const;
    // The count of series at a chart point; range error outside.
    int Value(int point, TProgressSeries series) const;
    // The items counted at a chart point (the four series together).
    int Available(int point) const;
    const TProgressTotals& Totals() const { return m_totals; }

private:
    void Clear();
    void Add(int chapterNo, std::uint8_t knowledge);

    const TBooks& m_books;
    const TQuestions& m_questions;
    const TUser& m_user;
    std::vector<std::array<int, ProgressSeriesCount>> m_counts;
    TProgressTotals m_totals;
};

// The group caption of a view ("Percent of Questions", ..., "Verse Map").
const char* ProgressCaption(TProgressView view);
// The legend label of a series ("Mastered", "Correct < 3", "Unmastered", "Untried").
const char* SeriesLabel(TProgressSeries series);

} // namespace sv
