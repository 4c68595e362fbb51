#pragma once
// The question editor's list: the questions whose primary reference is one verse, from every
// collection that has questions (placeholders left out), each entry its preannounce code, a
// blank and the question's plain text, kept in alphabetical order (case ignored). Every entry
// keeps its own question, whatever its place in the sorted list.

#include "content/MarkedText.h"
#include "content/QuestionId.h"

#include <string>
#include <vector>

namespace sv {

class TQuestions;

struct TVerseQuestion {
    std::string Text; // Windows-1252
    TQuestionAddr Question;
};

class TVerseQuestions {
public:
    explicit TVerseQuestions(const TQuestions& questions) : m_questions(questions) { }

    // Lists the questions of verse verseNo (1-based global number).
    void ListVerse(int verseNo);
    int VerseNo() const { return m_verseNo; }
    const std::vector<TVerseQuestion>& Entries() const { return m_entries; }

    // The question and answer of entry i (0-based) as the editor shows them: no references,
    // no prejump mark, no keyword colours. Range error outside the list.
    void Compose(int i, TMarkedText& question, TMarkedText& answer) const;

private:
    const TQuestions& m_questions;
    int m_verseNo = 0;
    std::vector<TVerseQuestion> m_entries;
};

} // namespace sv
