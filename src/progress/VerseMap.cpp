#include "progress/VerseMap.h"

#include "common/Errors.h"
#include "content/Books.h"
#include "content/QuestionTypes.h"
#include "user/Knowledge.h"
#include "user/User.h"

namespace sv {

TVerseMap::TVerseMap(const TBooks& books, const TQuestions& questions, const TUser& user)
    : m_books(books), m_questions(questions), m_user(user)
{ }

void TVerseMap::Count(int fromChapter, int toChapter, const TCollectionFlags& chosen)
{
    const int chapters = m_books.TotalChapters();
    if (fromChapter < 1 || fromChapter > chapters)
        ThrowIndex("verse map chapter", fromChapter, 1, chapters);
    if (toChapter < fromChapter || toChapter > chapters)
        ThrowIndex("verse map chapter", toChapter, fromChapter, chapters);
    m_cells.clear();
    m_totals = {};

    const TVerseRef first = m_books.RefOfChapterNo(fromChapter);
    const TVerseRef last = m_books.RefOfChapterNo(toChapter);
    const int firstVerse = m_books.VerseNoOf(TVerseRef(first.Book, first.Chapter, 1));
    const int lastVerse =
        m_books.VerseNoOf(TVerseRef(last.Book, last.Chapter, 1)) + m_books.VersesInChapter(last.Book, last.Chapter) - 1;
    for (int v = firstVerse; v <= lastVerse; ++v) {
        TVerseCell cell;
        cell.VerseNo = v;
        cell.Ref = m_books.RefOfVerseNo(v);
        cell.Reference = SeriesOf(m_user.ReferenceKnowledge[v]);
        m_cells.push_back(cell);
    }

    for (int c = 0; c <= 7; ++c) {
        if (!chosen[c])
            continue;
        for (int n = 1; n <= m_questions.QuestionCount(c); ++n) {
            const TQuestionAddr q{c, n};
            if (m_questions.QuestionType(q) == TypePlaceholder)
                continue;
            const int v = m_questions.PrimaryVerseNo(q);
            if (v < firstVerse || v > lastVerse)
                continue;
            TVerseCell& cell = m_cells[static_cast<std::size_t>(v - firstVerse)];
            const std::uint8_t k = m_user.QuestionByte(q);
            ++cell.Questions;
            if (IsTried(k))
                ++cell.Tried;
            if (SeriesOf(k) == TProgressSeries::Mastered)
                ++cell.Mastered;
        }
    }

    for (int m = 1; m <= m_books.TotalMemoryVerses(); ++m) {
        const TMemoryVerse mv = m_books.MemoryVerse(m);
        const int start = m_books.VerseNoOf(mv.Ref);
        for (int v = start; v < start + mv.VerseCount; ++v)
            if (v >= firstVerse && v <= lastVerse) {
                TVerseCell& cell = m_cells[static_cast<std::size_t>(v - firstVerse)];
                cell.MemoryVerse = m;
                cell.Memory = SeriesOf(m_user.MemoryKnowledge[m]);
            }
    }

    for (TVerseCell& cell : m_cells) {
        if (cell.Questions == 0)
            cell.State = TVerseQuestionState::NoQuestions;
        else if (cell.Mastered == cell.Questions)
            cell.State = TVerseQuestionState::AllMastered;
        else if (cell.Tried > 0)
            cell.State = TVerseQuestionState::SomeTried;
        else
            cell.State = TVerseQuestionState::NoneTried;
        ++m_totals.Verses;
        switch (cell.State) {
        case TVerseQuestionState::NoQuestions:
            ++m_totals.NoQuestions;
            break;
        case TVerseQuestionState::NoneTried:
            ++m_totals.NoneTried;
            break;
        case TVerseQuestionState::SomeTried:
            ++m_totals.SomeTried;
            break;
        case TVerseQuestionState::AllMastered:
            ++m_totals.AllMastered;
            break;
        }
    }
}

const TVerseCell* TVerseMap::CellOf(int verseNo) const
{
    if (m_cells.empty())
        return nullptr;
    const int first = m_cells.front().VerseNo;
    if (verseNo < first || verseNo >= first + static_cast<int>(m_cells.size()))
        return nullptr;
    return &m_cells[static_cast<std::size_t>(verseNo - first)];
}

const char* VerseStateLabel(TVerseQuestionState state)
{
    switch (state) {
    case TVerseQuestionState::NoQuestions:
        return "No questions";
    case TVerseQuestionState::NoneTried:
        return "Never asked";
    case TVerseQuestionState::SomeTried:
        return "Some asked";
    case TVerseQuestionState::AllMastered:
        break;
    }
    return "All mastered";
}

TVerseCellText VerseCellText(const TBooks& books, const TVerseCell& cell)
{
    TVerseCellText t;
    t.Verse = books.VerseLabel(cell.VerseNo);
    t.Name = t.Verse + ", " + VerseStateLabel(cell.State);
    if (cell.Questions == 0)
        t.Details.push_back("No questions");
    else
        t.Details.push_back("Questions: " + std::to_string(cell.Questions) + ", asked " + std::to_string(cell.Tried)
                            + ", mastered " + std::to_string(cell.Mastered));
    if (cell.MemoryVerse > 0)
        t.Details.push_back(std::string("Memory verse: ") + SeriesLabel(cell.Memory));
    t.Details.push_back(std::string("Reference work: ") + SeriesLabel(cell.Reference));
    return t;
}

} // namespace sv
