#include "progress/ProgressCounts.h"

#include "common/Errors.h"
#include "content/Books.h"
#include "user/Knowledge.h"
#include "user/User.h"

namespace sv {

TProgressSeries SeriesOf(std::uint8_t knowledge)
{
    switch (ClassOf(knowledge)) {
    case TKnowledgeClass::Mastered:
        return TProgressSeries::Mastered;
    case TKnowledgeClass::CorrectFewerThan3:
        return TProgressSeries::CorrectFewerThan3;
    case TKnowledgeClass::Unmastered:
        return TProgressSeries::Unmastered;
    case TKnowledgeClass::Untried:
        break;
    }
    return TProgressSeries::Untried;
}

TProgressCounts::TProgressCounts(const TBooks& books, const TQuestions& questions, const TUser& user)
    : m_books(books), m_questions(questions), m_user(user)
{
    Clear();
}

void TProgressCounts::Clear()
{
    m_counts.assign(static_cast<std::size_t>(m_books.TotalChapters()), {0, 0, 0, 0});
    m_totals = {};
}

void TProgressCounts::Add(int chapterNo, std::uint8_t knowledge)
{
    if (chapterNo < 1 || chapterNo > Points())
        ThrowIndex("progress chapter", chapterNo, 1, Points());
    const TProgressSeries s = SeriesOf(knowledge);
    ++m_counts[static_cast<std::size_t>(chapterNo - 1)][static_cast<std::size_t>(s)];
    ++m_totals.Available;
    if (s == TProgressSeries::Untried)
        return;
    ++m_totals.Attempted;
    if (s == TProgressSeries::Mastered)
        ++m_totals.Mastered;
    else if (s == TProgressSeries::CorrectFewerThan3)
        ++m_totals.CorrectFewerThan3;
    else
        ++m_totals.Unmastered;
}

void TProgressCounts::CountQuestions(const TCollectionFlags& chosen)
{
    Clear();
    bool any = false;
    for (int c = 0; c <= 7; ++c) {
        if (!chosen[c])
            continue;
        any = true;
        for (int n = 1; n <= m_questions.QuestionCount(c); ++n) {
            const TQuestionAddr q{c, n};
            const TVerseRef ref = m_questions.PrimaryRef(q);
            Add(m_books.ChapterNoOf(ref.Book, ref.Chapter), m_user.QuestionByte(q));
        }
    }
    if (!any) {
        for (auto& point : m_counts)
            point[static_cast<std::size_t>(TProgressSeries::Untried)] = 100;
    }
}

void TProgressCounts::CountMemoryVerses()
{
    Clear();
    int book = 1;
    int chapter = 1;
    for (int m = 1; m <= m_books.TotalMemoryVerses(); ++m) {
        const TVerseRef ref = m_books.MemoryVerse(m).Ref;
        if (ref.Book > book || ref.Chapter > chapter) {
            book = ref.Book;
            chapter = ref.Chapter;
        }
        Add(m_books.ChapterNoOf(book, chapter), m_user.MemoryKnowledge[m]);
    }
}

void TProgressCounts::CountReferences()
{
    Clear();
    int book = 1;
    int chapter = 1;
    for (int v = 1; v <= m_books.TotalVerses(); ++v) {
        const TVerseRef ref = m_books.RefOfVerseNo(v);
        if (ref.Book > book || ref.Chapter > chapter) {
            book = ref.Book;
            chapter = ref.Chapter;
        }
        Add(m_books.ChapterNoOf(book, chapter), m_user.ReferenceKnowledge[v]);
    }
}

void TProgressCounts::Count(TProgressView view, const TCollectionFlags& chosen)
{
    switch (view) {
    case TProgressView::Questions:
    case TProgressView::VerseMap:
        CountQuestions(chosen);
        return;
    case TProgressView::MemoryVerses:
        CountMemoryVerses();
        return;
    case TProgressView::References:
        CountReferences();
        return;
    }
}

std::string TProgressCounts::Label(int point) const
{
    if (point < 0 || point >= Points())
        ThrowIndex("progress point", point, 0, Points() - 1);
    return m_books.ChapterLabel(point + 1);
}

int TProgressCounts::Value(int point, TProgressSeries series) const
{
    if (point < 0 || point >= Points())
        ThrowIndex("progress point", point, 0, Points() - 1);
    return m_counts[static_cast<std::size_t>(point)][static_cast<std::size_t>(series)];
}

int TProgressCounts::Available(int point) const
{
    int n = 0;
    for (int s = 0; s < ProgressSeriesCount; ++s)
        n += Value(point, static_cast<TProgressSeries>(s));
    return n;
}

const char* ProgressCaption(TProgressView view)
{
    switch (view) {
    case TProgressView::Questions:
        return "Percent of Questions";
    case TProgressView::MemoryVerses:
        return "Percent of Memory Verses";
    case TProgressView::References:
        return "Percent of According To's";
    case TProgressView::VerseMap:
        break;
    }
    return "Verse Map";
}

const char* SeriesLabel(TProgressSeries series)
{
    switch (series) {
    case TProgressSeries::Mastered:
        return "Mastered";
    case TProgressSeries::CorrectFewerThan3:
        return "Correct < 3";
    case TProgressSeries::Unmastered:
        return "Unmastered";
    case TProgressSeries::Untried:
        break;
    }
    return "Untried";
}

} // namespace sv
