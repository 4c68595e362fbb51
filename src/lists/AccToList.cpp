#include "lists/AccToList.h"

#include "common/Errors.h"
#include "common/Random.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "lists/LeastKnown.h"
#include "lists/ListWalk.h"
#include "user/User.h"

#include <algorithm>
#include <vector>

namespace sv {

TAccToList::TAccToList(const TBooks& books, const TQuestions& questions, TUser& user, IRandom& random)
    : m_books(books), m_questions(questions), m_user(user), m_random(random)
{ }

const TAccToEntry& TAccToList::Entry(int i) const
{
    if (i < 1 || i > m_count)
        ThrowIndex("reference list", i, 1, m_count);
    return m_entries[i];
}

TQuestionAddr TAccToList::Related(int k) const
{
    if (k < 1 || k > m_relatedCount)
        ThrowIndex("related questions", k, 1, m_relatedCount);
    return m_related[k];
}

bool TAccToList::NotListed(int verseNo) const { return m_listed[verseNo] == 0; }

void TAccToList::Build(const TVerseSelection& selection)
{
    m_count = 0;
    m_relatedCount = 0;
    m_relatedPos = 0;
    m_relatedCountText = "0";
    m_current = 0;
    m_listed.fill(0);
    const int wanted =
        (m_user.AllAvailable || selection.Selected < m_user.MaxQuestions) ? selection.Selected : m_user.MaxQuestions;
    if (wanted < 0)
        ThrowRange("Range check error: number of verses wanted " + std::to_string(wanted));

    PickLeastKnown(
        selection, wanted, m_random, [&](int v) { return m_user.ReferenceKnowledge[v]; },
        [&](int v) { return m_listed[v] != 0; },
        [&](int v) {
            if (m_count == Capacity)
                ThrowRange("Range check error: the reference list holds at most 1200 entries");
            TAccToEntry& e = m_entries[++m_count];
            e.VerseNo = static_cast<std::int16_t>(v);
            e.State = 0;
            m_listed[v] = 1;
        });

    std::stable_sort(m_entries.begin(), m_entries.begin() + m_count,
                     [](const TAccToEntry& a, const TAccToEntry& b) { return a.VerseNo < b.VerseNo; });
}

TAccToEntry& TAccToList::CurrentEntry()
{
    if (m_current < 1 || m_current > m_count)
        ThrowIndex("reference list (current entry)", m_current, 1, m_count);
    return m_entries[m_current];
}

void TAccToList::Compose(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags)
{
    m_books.ComposeAccordingTo(CurrentEntry().VerseNo, question, tags, answer);
}

void TAccToList::NextInOrder(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags)
{
    if (m_count == 0)
        ThrowRange("Range check error: the reference list is empty");
    m_current = NextInOrderEntry(m_current, m_count, [&](int i) -> std::uint8_t& { return m_entries[i].State; });
    Compose(question, answer, tags);
}

void TAccToList::NextRandom(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags)
{
    if (m_count == 0)
        ThrowRange("Range check error: the reference list is empty");
    m_current =
        NextRandomEntry(m_current, m_count, m_random, [&](int i) -> std::uint8_t& { return m_entries[i].State; });
    Compose(question, answer, tags);
}

void TAccToList::Mark(bool right)
{
    TAccToEntry& e = CurrentEntry();
    m_user.RecordReference(e.VerseNo, right);
    e.State = right ? 1 : 2;
}

void TAccToList::MarkRight() { Mark(true); }
void TAccToList::MarkWrong() { Mark(false); }

void TAccToList::FillRelated()
{
    m_relatedCount = 0;
    m_relatedPos = 0;
    m_relatedCountText = "0";
    const TVerseRef verse = m_books.RefOfVerseNo(CurrentEntry().VerseNo);
    for (int c = 0; c < MaxCollections; ++c) {
        if (!m_questions.HasQuestions(c))
            continue;
        bool inRun = false;
        for (int i = 1, n = m_questions.QuestionCount(c); i <= n; ++i) {
            const TQuestionAddr q{c, i};
            if (!m_questions.PrimaryRef(q).SameVerse(verse)) {
                if (inRun)
                    break;
                continue;
            }
            inRun = true;
            if (m_questions.IsPlaceholder(q))
                continue;
            if (m_relatedCount == MaxRelated)
                ThrowRange("Range check error: more than 50 questions on "
                           + m_books.VerseLabel(CurrentEntry().VerseNo));
            m_related[++m_relatedCount] = q;
        }
    }
    m_relatedCountText = std::to_string(m_relatedCount);
}

void TAccToList::ShowRelated(TMarkedText& question, const TKeywordTags& tags)
{
    TMarkedText scratch;
    m_questions.ComposeQuestion(m_related[m_relatedPos], tags,
                                TComposeOptions{.WithReferences = true, .WordsPastKeyword = 999}, scratch, question);
    question.RevealPos = question.Len;
}

void TAccToList::NextRelated(TMarkedText& question, const TKeywordTags& tags)
{
    if (m_relatedPos >= m_relatedCount)
        return;
    ++m_relatedPos;
    ShowRelated(question, tags);
}

void TAccToList::PrevRelated(TMarkedText& question, const TKeywordTags& tags)
{
    if (m_relatedPos <= 1)
        return;
    --m_relatedPos;
    ShowRelated(question, tags);
}

} // namespace sv
