#include "lists/MVList.h"

#include "common/Errors.h"
#include "common/Random.h"
#include "content/Books.h"
#include "lists/LeastKnown.h"
#include "lists/ListWalk.h"
#include "user/User.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace sv {

TMVList::TMVList(const TBooks& books, TUser& user, IRandom& random) : m_books(books), m_user(user), m_random(random) { }

const TMVEntry& TMVList::Entry(int i) const
{
    if (i < 1 || i > m_count)
        ThrowIndex("memory verse list", i, 1, m_count);
    return m_entries[i];
}

bool TMVList::NotListed(int m) const { return m_listed[m] == 0; }

void TMVList::Add(int m, int kind)
{
    if (m_count == Capacity)
        ThrowRange("Range check error: the memory verse list holds at most 1200 entries");
    const TMemoryVerse mv = m_books.MemoryVerse(m);
    TMVEntry& e = m_entries[++m_count];
    e.State = 0;
    e.VerseCount = static_cast<std::uint8_t>(mv.VerseCount);
    if (kind == MemoryKindFinish)
        e.Mode = MemoryModeFinishWithReference;
    else if (kind == MemoryKindQuote)
        e.Mode = MemoryModeQuote;
    else
        e.Mode = m_random.Random(2) == 0 ? MemoryModeQuote : MemoryModeFinishWithReference;
    e.Ref = mv.Ref;
    const int no = m_books.MemoryVerseNoOf(mv.Ref);
    m_numbers[m_count] = static_cast<std::int16_t>(no);
    m_listed[no] = 1;
}

void TMVList::Build(const TMemoryVerseSelection& selection, int kind, bool noLimit)
{
    if (kind < MemoryKindFinish || kind > MemoryKindBoth)
        ThrowRange("Range check error: memory verse question kind " + std::to_string(kind) + " outside 0..2");
    int wanted = selection.Selected;
    if (!noLimit && !m_user.AllAvailable)
        wanted = std::min(selection.Selected, m_user.MaxQuestions);
    m_count = 0;
    m_current = 0;
    m_listed.fill(0);
    if (wanted < 0)
        ThrowRange("Range check error: number of memory verses wanted " + std::to_string(wanted));

    PickLeastKnown(
        selection, wanted, m_random, [&](int m) { return m_user.MemoryKnowledge[m]; },
        [&](int m) { return m_listed[m] != 0; }, [&](int m) { Add(m, kind); });

    // Scripture order: by memory-verse number, stable.
    std::vector<int> order(static_cast<std::size_t>(m_count));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return m_numbers[a] < m_numbers[b]; });
    std::vector<TMVEntry> entries;
    std::vector<std::int16_t> numbers;
    for (int i : order) {
        entries.push_back(m_entries[i]);
        numbers.push_back(m_numbers[i]);
    }
    for (int i = 1; i <= m_count; ++i) {
        m_entries[i] = entries[static_cast<std::size_t>(i - 1)];
        m_numbers[i] = numbers[static_cast<std::size_t>(i - 1)];
    }
}

TMVEntry& TMVList::CurrentEntry()
{
    if (m_current < 1 || m_current > m_count)
        ThrowIndex("memory verse list (current entry)", m_current, 1, m_count);
    return m_entries[m_current];
}

void TMVList::Compose(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags, bool keywordsOnly)
{
    const TMVEntry& e = CurrentEntry();
    m_books.ComposeVerseQuestion(e.Ref, e.VerseCount, tags, answer, question, false, keywordsOnly, e.Mode);
}

void TMVList::NextInOrder(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags, bool keywordsOnly)
{
    if (m_count == 0)
        ThrowRange("Range check error: the memory verse list is empty");
    m_current = NextInOrderEntry(m_current, m_count, [&](int i) -> std::uint8_t& { return m_entries[i].State; });
    Compose(question, answer, tags, keywordsOnly);
}

void TMVList::NextRandom(TMarkedText& question, TMarkedText& answer, const TKeywordTags& tags, bool keywordsOnly)
{
    if (m_count == 0)
        ThrowRange("Range check error: the memory verse list is empty");
    m_current =
        NextRandomEntry(m_current, m_count, m_random, [&](int i) -> std::uint8_t& { return m_entries[i].State; });
    Compose(question, answer, tags, keywordsOnly);
}

void TMVList::Mark(bool right)
{
    TMVEntry& e = CurrentEntry();
    m_user.RecordMemoryVerse(e.Ref, right, m_books);
    e.State = right ? 1 : 2;
}

void TMVList::MarkRight() { Mark(true); }
void TMVList::MarkWrong() { Mark(false); }

} // namespace sv
