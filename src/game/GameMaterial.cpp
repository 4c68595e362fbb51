#include "game/GameMaterial.h"

#include "content/Books.h"
#include "content/Questions.h"
#include "lists/MVList.h"
#include "lists/QsList.h"
#include "user/User.h"

namespace sv {

TListGameMaterial::TListGameMaterial(const TQsList& questionList, const TMVList& memoryList,
                                     const TQuestions& questions, const TBooks& books, TUser& user)
    : m_questionList(questionList), m_memoryList(memoryList), m_questions(questions), m_books(books), m_user(user)
{
    InitKeywordColours(m_noColours, 0);
}

int TListGameMaterial::QuestionCount() const { return m_questionList.Count(); }

TQuestionAddr TListGameMaterial::QuestionAt(int entry) const { return m_questionList.QuestionAt(entry); }

int TListGameMaterial::QuestionType(TQuestionAddr q) const { return m_questions.QuestionType(q); }

std::uint8_t TListGameMaterial::Knowledge(TQuestionAddr q) const { return m_user.QuestionByte(q); }

int TListGameMaterial::MemoryCount() const { return m_memoryList.Count(); }

void TListGameMaterial::Compose(const TGameCell& cell, TMarkedText& question, TMarkedText& answer) const
{
    question = TMarkedText();
    answer = TMarkedText();
    if (cell.Empty())
        return;
    if (cell.Kind == TGameCellKind::MemoryVerse) {
        const TMVEntry& e = m_memoryList.Entry(cell.Key);
        m_books.ComposeVerseQuestion(e.Ref, e.VerseCount, m_noColours, answer, question,
                                     /*plainWords=*/false, /*keywordsOnly=*/false, e.Mode);
    } else {
        m_questions.ComposeQuestion(TQuestionAddr::FromId(cell.Key), m_noColours, TComposeOptions{}, answer, question);
    }
    question.RevealPos = question.Len;
}

void TListGameMaterial::Record(const TGameCell& cell, bool right)
{
    if (cell.Empty())
        return;
    if (cell.Kind == TGameCellKind::MemoryVerse)
        m_user.RecordMemoryVerse(m_memoryList.Entry(cell.Key).Ref, right, m_books);
    else
        m_user.RecordQuestion(TQuestionAddr::FromId(cell.Key), right, m_questions);
}

TStudyPassage TListGameMaterial::Passage(const TGameCell& cell) const
{
    if (cell.Empty())
        return {};
    if (cell.Kind == TGameCellKind::MemoryVerse) {
        const TMVEntry& e = m_memoryList.Entry(cell.Key);
        return {e.Ref, e.VerseCount};
    }
    return {m_questions.PrimaryRef(TQuestionAddr::FromId(cell.Key)), 1};
}

} // namespace sv
