#include "study/SessionItems.h"

#include "content/Books.h"
#include "content/QuestionTypes.h"
#include "content/Questions.h"
#include "lists/AccToList.h"
#include "lists/MVList.h"
#include "lists/QsList.h"

namespace sv {

std::string QuestionBoxCaption(int type)
{
    if (type == 0 || (type >= 2 && type <= 7))
        return "General question";
    return TypeName(type) + " question";
}

TQsListItems::TQsListItems(TQsList& list, const TQuestions& questions, const TKeywordTags& tags,
                           const TSessionSettings& settings)
    : m_list(list), m_questions(questions), m_tags(tags), m_settings(settings)
{ }

int TQsListItems::TotalCount() const { return m_list.Count(); }

void TQsListItems::LoadNext(bool mixed, TMarkedText& question, TMarkedText& answer)
{
    m_undo.Forget();
    const TComposeOptions options{.WithReferences = true,
                                  .MarkUniques = m_settings.MarkUniques,
                                  .KeywordTargeting = m_settings.KeywordTargeting,
                                  .WordsPastKeyword = static_cast<std::int16_t>(m_settings.KeywordTarget)};
    if (mixed)
        m_list.NextRandom(options, m_tags, answer, question);
    else
        m_list.NextInOrder(options, m_tags, answer, question);
}

void TQsListItems::MarkRight()
{
    m_undo.Before(m_list.User());
    m_list.MarkRight();
    m_undo.After(m_list.User());
}

void TQsListItems::MarkWrong()
{
    m_undo.Before(m_list.User());
    m_list.MarkWrong();
    m_undo.After(m_list.User());
}

bool TQsListItems::UndoMark()
{
    if (!m_undo.CanRestore())
        return false;
    m_undo.Restore(m_list.User());
    return true;
}

std::string TQsListItems::QuestionCaption() const
{
    return QuestionBoxCaption(m_questions.QuestionType(m_list.QuestionAt(m_list.Current())));
}

std::string TQsListItems::Prefix() const { return m_questions.PrefixTextOf(m_list.QuestionAt(m_list.Current())); }

TStudyPassage TQsListItems::Passage() const
{
    if (m_list.Current() < 1)
        return {};
    return {m_questions.PrimaryRef(m_list.QuestionAt(m_list.Current())), 1};
}

TMVListItems::TMVListItems(TMVList& list, const TKeywordTags& tags, bool keywordsOnly)
    : m_list(list), m_tags(tags), m_keywordsOnly(keywordsOnly)
{ }

int TMVListItems::TotalCount() const { return m_list.Count(); }

void TMVListItems::LoadNext(bool mixed, TMarkedText& question, TMarkedText& answer)
{
    m_undo.Forget();
    if (mixed)
        m_list.NextRandom(question, answer, m_tags, m_keywordsOnly);
    else
        m_list.NextInOrder(question, answer, m_tags, m_keywordsOnly);
}

void TMVListItems::MarkRight()
{
    m_undo.Before(m_list.User());
    m_list.MarkRight();
    m_undo.After(m_list.User());
}

void TMVListItems::MarkWrong()
{
    m_undo.Before(m_list.User());
    m_list.MarkWrong();
    m_undo.After(m_list.User());
}

bool TMVListItems::UndoMark()
{
    if (!m_undo.CanRestore())
        return false;
    m_undo.Restore(m_list.User());
    return true;
}

TStudyPassage TMVListItems::Passage() const
{
    if (m_list.Current() < 1)
        return {};
    const TMVEntry& e = m_list.Entry(m_list.Current());
    TVerseRef ref = e.Ref;
    ref.PromptWords = 0;
    return {ref, e.VerseCount};
}

std::optional<TRecitationTask> TMVListItems::RecitationTask(const TMarkedText& answer) const
{
    if (m_list.Current() < 1)
        return std::nullopt;
    return RecitationTaskOf(m_list.Books(), m_list.Entry(m_list.Current()), answer);
}

TAccToListItems::TAccToListItems(TAccToList& list, const TBooks& books, const TKeywordTags& tags)
    : m_list(list), m_books(books), m_tags(tags)
{ }

int TAccToListItems::TotalCount() const { return m_list.Count(); }

void TAccToListItems::LoadNext(bool mixed, TMarkedText& question, TMarkedText& answer)
{
    m_undo.Forget();
    if (mixed)
        m_list.NextRandom(question, answer, m_tags);
    else
        m_list.NextInOrder(question, answer, m_tags);
    m_list.FillRelated();
}

void TAccToListItems::MarkRight()
{
    m_undo.Before(m_list.User());
    m_list.MarkRight();
    m_undo.After(m_list.User());
}

void TAccToListItems::MarkWrong()
{
    m_undo.Before(m_list.User());
    m_list.MarkWrong();
    m_undo.After(m_list.User());
}

bool TAccToListItems::UndoMark()
{
    if (!m_undo.CanRestore())
        return false;
    m_undo.Restore(m_list.User());
    return true;
}

TStudyPassage TAccToListItems::Passage() const
{
    if (m_list.Current() < 1)
        return {};
    return {m_books.RefOfVerseNo(m_list.Entry(m_list.Current()).VerseNo), 1};
}

int TAccToListItems::RelatedCount() const { return m_list.RelatedCount(); }
int TAccToListItems::RelatedPos() const { return m_list.RelatedPos(); }
std::string TAccToListItems::RelatedCountText() const { return m_list.RelatedCountText(); }
void TAccToListItems::NextRelated(TMarkedText& question) { m_list.NextRelated(question, m_tags); }
void TAccToListItems::PrevRelated(TMarkedText& question) { m_list.PrevRelated(question, m_tags); }

} // namespace sv
