#include "editor/VerseQuestions.h"

#include "common/Errors.h"
#include "content/QuestionTypes.h"
#include "content/Questions.h"

#include <algorithm>
#include <cctype>

namespace sv {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

void TVerseQuestions::ListVerse(int verseNo)
{
    m_verseNo = verseNo;
    m_entries.clear();
    for (int c = 0; c <= 7; ++c) {
        if (!m_questions.HasQuestions(c))
            continue;
        const TQuestionRange range = m_questions.QuestionsOfVerse(c, verseNo);
        if (range.First == 0)
            continue;
        for (int i = range.First; i < range.After; ++i) {
            const TQuestionAddr q{c, i};
            const int type = m_questions.QuestionType(q);
            if (type == TypePlaceholder)
                continue;
            m_entries.push_back({TQuestions::PreannounceCode(type) + " " + m_questions.QuestionPlainText(q), q});
        }
    }
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const TVerseQuestion& a, const TVerseQuestion& b) { return LessIgnoringCase(a.Text, b.Text); });
}

void TVerseQuestions::Compose(int i, TMarkedText& question, TMarkedText& answer) const
{
    if (i < 0 || i >= static_cast<int>(m_entries.size()))
        ThrowIndex("editor question", i, 0, static_cast<int>(m_entries.size()) - 1);
    const TVerseQuestion& e = m_entries[static_cast<std::size_t>(i)];
    TKeywordTags noTags{"keyword colours"};
    question = TMarkedText{};
    answer = TMarkedText{};
    m_questions.ComposeQuestion(e.Question, noTags, TComposeOptions{.WithReferences = false}, answer, question);
}

} // namespace sv
