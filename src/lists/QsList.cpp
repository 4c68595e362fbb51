#include "lists/QsList.h"

#include "common/Errors.h"
#include "common/Random.h"
#include "lists/ListSort.h"
#include "lists/MaterialQuestions.h"
#include "user/User.h"

#include <memory>
#include <set>
#include <string>

namespace sv {

namespace {

std::uint32_t RefKey(const TVerseRef& r)
{
    return (static_cast<std::uint32_t>(r.Book) << 16) | (static_cast<std::uint32_t>(r.Chapter) << 8) | r.Verse;
}

std::string FoldAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

TQsList::TQsList(const TQuestions& questions, TUser& user, IRandom& random)
    : m_questions(questions), m_user(user), m_random(random), m_listed(65536, false)
{
    m_items.setLength(Capacity + 1);
}

const TQsEntry& TQsList::Item(int i) const
{
    if (i < 1 || i > Count())
        ThrowIndex("question list", i, 1, Count());
    return m_items[i];
}

int TQsList::GroupStart(int g) const
{
    if (g < 1 || g > m_groupCount)
        ThrowIndex("verse groups", g, 1, m_groupCount);
    return m_groupStart[g];
}

void TQsList::SetCount(int n) { m_count.store(n, std::memory_order_relaxed); }

void TQsList::Append(TQuestionAddr q)
{
    const int n = Count();
    if (n >= Capacity)
        ThrowRange("Range check error: the question list holds at most " + std::to_string(Capacity) + " questions");
    TQsEntry& e = m_items[n + 1];
    e.Question = q;
    e.State = StateNotAnswered;
    m_listed[q.Id()] = true;
    SetCount(n + 1);
}

void TQsList::RebuildListed()
{
    m_listed.assign(m_listed.size(), false);
    for (int i = 1, n = Count(); i <= n; ++i)
        m_listed[m_items[i].Question.Id()] = true;
}

bool TQsList::NotListed(TQuestionAddr q) const
{
    if (Count() == 0)
        return true;
    return !m_listed[m_questions.HomeOf(q).Id()];
}

std::uint8_t TQsList::KnowledgeOf(TQuestionAddr q) const { return m_user.QuestionByte(q); }

// ---------------------------------------------------------------------------------------
// Building

void TQsList::BuildForStudy(const TVerseSelection& material)
{
    SetCount(0);
    m_current = 0;
    m_groupCount = 0;
    m_cancel.store(0, std::memory_order_relaxed);
    m_listed.assign(m_listed.size(), false);
    auto inMaterial = std::make_unique<TMaterialQuestions>();
    m_questions.MarkMaterialQuestions(material, *inMaterial);

    const TCollectionFlags& chosen = m_user.Collections;
    const TTypeFlags& types = m_user.Options.QuestionTypes;
    for (int c = 0; c < MaxCollections; ++c) {
        if (!chosen[c] || !m_questions.HasQuestions(c))
            continue;
        const auto& flags = (*inMaterial)[c].Flags;
        for (int i = 1, n = m_questions.QuestionCount(c); i <= n; ++i) {
            const TQuestionAddr q{c, i};
            if (flags[i] && m_questions.IsTypeChosen(q, chosen, types))
                Append(m_questions.HomeOf(q));
        }
    }

    const int wanted = m_user.MaxQuestions;
    if (!m_user.AllAvailable && wanted < Count()) {
        if (wanted < 0)
            ThrowRange("Range check error: number of questions wanted " + std::to_string(wanted));
        ReduceLeastKnownFirst(wanted);
    }
    SortByReference();
}

// Keeps `wanted` entries, lowest knowledge byte first. Within one byte value each pick draws
// a random start and takes the first unpicked entry of that value from there on (wrapping
// round), so entries that follow long runs of other values are favoured, as intended.
void TQsList::ReduceLeastKnownFirst(int wanted)
{
    const int t = Count();
    std::vector<std::uint8_t> know(static_cast<std::size_t>(t) + 1);
    std::array<int, 256> ofValue{};
    for (int i = 1; i <= t; ++i) {
        know[i] = KnowledgeOf(m_items[i].Question);
        ++ofValue[know[i]];
    }
    std::vector<char> picked(static_cast<std::size_t>(t) + 1, 0);
    std::set<int> eligible; // unpicked positions whose byte is k
    int k = -1, remaining = 0;
    for (int rep = 0; rep < wanted; ++rep) {
        while (remaining == 0) {
            ++k; // wanted < t, so some value still has entries
            remaining = ofValue[k];
            eligible.clear();
            for (int i = 1; remaining > 0 && i <= t; ++i)
                if (know[i] == k)
                    eligible.insert(eligible.end(), i);
        }
        const int s = m_random.Random(t) + 1;
        auto it = eligible.lower_bound(s);
        if (it == eligible.end())
            it = eligible.begin();
        picked[*it] = 1;
        eligible.erase(it);
        --remaining;
    }
    int j = 0;
    for (int i = 1; i <= t; ++i)
        if (picked[i]) {
            m_items[++j] = m_items[i];
            m_items[j].State = StateNotAnswered;
        }
    SetCount(wanted);
    RebuildListed();
}

void TQsList::BuildFull(const TVerseSelection& material, bool checkTypes, const TCollectionFlags& chosen, int order,
                        bool duplicatesOnly)
{
    SetCount(0);
    m_current = 0;
    m_groupCount = 0;
    for (auto& e : m_items.items())
        e.State = StateNotAnswered;
    m_listed.assign(m_listed.size(), false);
    TMaterialQuestionFilter filter;
    filter.Collections = chosen;
    filter.Types = checkTypes ? &m_user.Options.QuestionTypes : nullptr;
    filter.DuplicatesOnly = duplicatesOnly;
    for (TQuestionAddr q : QuestionsOfMaterial(m_questions, material, filter))
        Append(q);
    if (order == 1)
        SortByReference();
    else if (m_questions.Data.HasSortKeys)
        SortByKey();
    else
        SortByText();
}

void TQsList::TakeEvery(int start, int step, int newCount)
{
    const int n = Count();
    if (start < 1 || step < 1)
        ThrowRange("Range check error: TakeEvery start " + std::to_string(start) + ", step " + std::to_string(step));
    const int kept = start <= n ? (n - start) / step + 1 : 0;
    if (newCount < 0 || newCount > kept)
        ThrowRange("Range check error: TakeEvery keeps " + std::to_string(kept) + " entries, new count "
                   + std::to_string(newCount));
    int j = 0;
    for (int i = start; i <= n; i += step)
        m_items[++j] = m_items[i];
    SetCount(newCount);
    m_groupCount = 0;
    if (m_current > newCount)
        m_current = 0;
    RebuildListed();
}

// ---------------------------------------------------------------------------------------
// Asking

TQsEntry& TQsList::CurrentEntry()
{
    if (m_current < 1 || m_current > Count())
        ThrowIndex("question list (current entry)", m_current, 1, Count());
    return m_items[m_current];
}

void TQsList::StepOn()
{
    m_current = (m_current + 1) % (Count() + 1);
    if (m_current == 0)
        m_current = 1;
}

void TQsList::Compose(const TComposeOptions& options, const TKeywordTags& tags, TMarkedText& answer,
                      TMarkedText& question)
{
    m_questions.ComposeQuestion(CurrentEntry().Question, tags, options, answer, question);
}

void TQsList::NextInOrder(const TComposeOptions& options, const TKeywordTags& tags, TMarkedText& answer,
                          TMarkedText& question)
{
    const int n = Count();
    if (n == 0)
        ThrowRange("Range check error: the question list is empty");
    StepOn();
    for (int k = 0; k < n && m_items[m_current].State == StateRight; ++k)
        StepOn();
    Compose(options, tags, answer, question);
}

void TQsList::NextRandom(const TComposeOptions& options, const TKeywordTags& tags, TMarkedText& answer,
                         TMarkedText& question)
{
    const int n = Count();
    if (n == 0)
        ThrowRange("Range check error: the question list is empty");
    bool anyOpen = false;
    for (int i = 1; i <= n && !anyOpen; ++i)
        anyOpen = m_items[i].State == StateNotAnswered;
    if (!anyOpen)
        for (int i = 1; i <= n; ++i)
            if (m_items[i].State == StateWrong)
                m_items[i].State = StateNotAnswered;
    const int d = m_current;
    m_current = (m_random.Random(n) + d) % (n + 1);
    if (m_current == d)
        m_current = (m_current + 1) % (n + 1);
    if (m_current == 0)
        m_current = 1;
    for (int k = 0; k < n && m_items[m_current].State != StateNotAnswered; ++k)
        StepOn();
    Compose(options, tags, answer, question);
}

void TQsList::Mark(bool right)
{
    TQsEntry& e = CurrentEntry();
    m_user.RecordQuestion(e.Question, right, m_questions);
    e.State = right ? StateRight : StateWrong;
}

void TQsList::MarkRight() { Mark(true); }
void TQsList::MarkWrong() { Mark(false); }

// ---------------------------------------------------------------------------------------
// Orderings

template <class Less>
bool TQsList::Order(Less less, std::span<TSortRecord> records)
{
    const int n = Count();
    std::vector<int> perm(static_cast<std::size_t>(n));
    for (int p = 0; p < n; ++p)
        perm[p] = p;
    const std::int32_t from = std::max<std::int32_t>(1, m_sortProgress.load(std::memory_order_relaxed));
    if (!CancellableStableSort(perm, less, m_sortProgress, m_cancel, from))
        return false;
    std::vector<TQsEntry> entries(static_cast<std::size_t>(n));
    for (int p = 0; p < n; ++p)
        entries[p] = m_items[perm[p] + 1];
    for (int p = 0; p < n; ++p)
        m_items[p + 1] = entries[p];
    if (!records.empty()) {
        std::vector<TSortRecord> moved(static_cast<std::size_t>(n));
        for (int p = 0; p < n; ++p)
            moved[p] = records[perm[p]];
        std::copy(moved.begin(), moved.end(), records.begin());
    }
    return true;
}

bool TQsList::SortByReference()
{
    m_groupCount = 0;
    m_sortProgress.store(0, std::memory_order_relaxed);
    const int n = Count();
    std::vector<std::uint32_t> keys(static_cast<std::size_t>(n));
    for (int p = 0; p < n; ++p)
        keys[p] = RefKey(m_questions.PrimaryRef(m_items[p + 1].Question));
    if (!Order([&](int a, int b) { return keys[a] < keys[b]; }))
        return false;
    BuildGroups();
    return true;
}

// A group is a run of entries whose primary references name the same verse.
void TQsList::BuildGroups()
{
    m_groupCount = 0;
    std::uint32_t previous = 0;
    for (int i = 1, n = Count(); i <= n; ++i) {
        const std::uint32_t key = RefKey(m_questions.PrimaryRef(m_items[i].Question));
        if (i == 1 || key != previous) {
            if (m_groupCount == MaxGroups) {
                m_groupCount = 0;
                ThrowRange("Range check error: more than " + std::to_string(MaxGroups)
                           + " verse groups in the question list");
            }
            m_groupStart[++m_groupCount] = i;
        }
        previous = key;
    }
}

bool TQsList::SortByText()
{
    m_sortProgress.store(0, std::memory_order_relaxed);
    const int n = Count();
    const int half = n / 2;
    std::vector<std::string> texts(static_cast<std::size_t>(n));
    for (int p = 0; p < n; ++p) {
        texts[p] = FoldAscii(m_questions.QuestionPlainText(m_items[p + 1].Question));
        if ((p & 255) == 255) {
            m_sortProgress.store(static_cast<std::int32_t>(static_cast<std::int64_t>(p) * half / n),
                                 std::memory_order_relaxed);
            if (Cancelled())
                return false;
        }
    }
    m_sortProgress.store(std::max(half, 1), std::memory_order_relaxed);
    return Order([&](int a, int b) { return texts[a] < texts[b]; });
}

bool TQsList::SortByKey()
{
    m_sortProgress.store(0, std::memory_order_relaxed);
    const int n = Count();
    std::vector<std::uint16_t> keys(static_cast<std::size_t>(n));
    for (int p = 0; p < n; ++p)
        keys[p] = m_questions.SortKey(m_items[p + 1].Question);
    // Equal keys end in the reverse of their previous order.
    return Order([&](int a, int b) { return keys[a] < keys[b] || (keys[a] == keys[b] && a > b); });
}

bool TQsList::SortByExternalKey(std::span<TSortRecord> records)
{
    m_sortProgress.store(0, std::memory_order_relaxed);
    const int n = Count();
    if (records.size() < static_cast<std::size_t>(n))
        ThrowRange("Range check error: " + std::to_string(records.size()) + " sort records for a list of "
                   + std::to_string(n));
    std::vector<std::int32_t> keys(static_cast<std::size_t>(n));
    for (int p = 0; p < n; ++p)
        keys[p] = records[p].Key();
    return Order([&](int a, int b) { return keys[a] > keys[b]; }, records.first(static_cast<std::size_t>(n)));
}

} // namespace sv
