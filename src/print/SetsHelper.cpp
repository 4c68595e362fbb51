#include "print/SetsHelper.h"

#include "common/Errors.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "user/History.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace sv {

const char* DifficultyName(TDifficulty d)
{
    static const char* const names[DifficultyCount] = {"Short Q & A",        "Short Answer",  "Short Question",
                                                       "Mixed Length Q & A", "Long Question", "Long Answer",
                                                       "Long Q & A"};
    const int i = static_cast<int>(d);
    if (i < 0 || i >= DifficultyCount)
        ThrowIndex("difficulty", i, 0, DifficultyCount - 1);
    return names[i];
}

namespace {

struct TLengthRange {
    int Smallest = 1000;
    int Largest = 0;
    double Step() const { return Largest == Smallest ? 1.0 : (Largest - Smallest) / 10.0; }
    void Add(int v)
    {
        Smallest = std::min(Smallest, v);
        Largest = std::max(Largest, v);
    }
};

int Scaled(int d, double step)
{
    const long long k = static_cast<long long>(std::trunc(d / step));
    if (k < 0 || k >= static_cast<long long>(TSetsHelper::ScoreTable.size()))
        ThrowIndex("difficulty score table", k, 0, static_cast<long long>(TSetsHelper::ScoreTable.size()) - 1);
    return TSetsHelper::ScoreTable[static_cast<std::size_t>(k)];
}

} // namespace

void TSetsHelper::BuildCandidates(std::vector<TSetCandidate>& candidates, std::span<const TQuestionAddr> pool,
                                  const THistory& history, bool scaled, TDifficulty difficulty) const
{
    const TBooks& books = m_questions.Books();
    const int n = static_cast<int>(pool.size());
    candidates.assign(static_cast<std::size_t>(n), TSetCandidate{});
    for (int i = 1; i <= n; ++i) {
        const TQuestionAddr q = pool[static_cast<std::size_t>(i - 1)];
        const TVerseRef ref = m_questions.PrimaryRef(q);
        TSetCandidate& k = candidates[static_cast<std::size_t>(i - 1)];
        k.Id = q.Id();
        k.Collection = static_cast<std::uint8_t>(q.Collection);
        k.TypeCode = m_questions.ListType(q);
        k.CollectionsCount = static_cast<std::uint8_t>(m_questions.DupCount(q));
        k.HistoryCount = history.SetUseCount(q);
        k.Chapter = static_cast<std::uint8_t>(books.ChapterNoOf(ref.Book, ref.Chapter));
        k.Section = static_cast<std::uint8_t>(books.SectionIndexOf(ref));
        k.Verse = books.VerseNoOf(ref);
    }
    if (difficulty == TDifficulty::Mixed)
        return;

    TLengthRange qr, ar;
    for (const TSetCandidate& k : candidates) {
        qr.Add(m_questions.QuestionLength(TQuestionAddr::FromId(k.Id)));
        ar.Add(m_questions.AnswerLength(TQuestionAddr::FromId(k.Id)));
    }
    const bool shortQ = difficulty == TDifficulty::ShortQA || difficulty == TDifficulty::ShortQuestion;
    const bool longQ = difficulty == TDifficulty::LongQuestion || difficulty == TDifficulty::LongQA;
    const bool shortA = difficulty == TDifficulty::ShortQA || difficulty == TDifficulty::ShortAnswer;
    const bool longA = difficulty == TDifficulty::LongAnswer || difficulty == TDifficulty::LongQA;
    const double qStep = qr.Step(), aStep = ar.Step();
    for (TSetCandidate& k : candidates) {
        const TQuestionAddr q = TQuestionAddr::FromId(k.Id);
        const int qlen = m_questions.QuestionLength(q), alen = m_questions.AnswerLength(q);
        int score = 0;
        if (shortQ || longQ) {
            const int d = shortQ ? qr.Largest - qlen : qlen - qr.Smallest;
            score += scaled ? Scaled(d, qStep) : d;
        }
        if (shortA || longA) {
            const int d = shortA ? ar.Largest - alen : alen - ar.Smallest;
            score += scaled ? Scaled(d, aStep) : d;
        }
        k.DifficultyScore = score;
    }
}

TSetPool::TSetPool(std::vector<TSetCandidate> candidates) : m_candidates(std::move(candidates))
{
    const int n = Size();
    m_runOf.resize(static_cast<std::size_t>(n));
    m_runStart.clear();
    for (int p = 0; p < n; ++p) {
        if (p == 0 || m_candidates[p].Verse != m_candidates[p - 1].Verse)
            m_runStart.push_back(p);
        m_runOf[p] = static_cast<int>(m_runStart.size()) - 1;
    }
    m_runStart.push_back(n);

    m_positionOf.assign(65536, -1);
    m_bestHistory.fill(255);
    for (int p = 0; p < n; ++p) {
        const TSetCandidate& k = m_candidates[p];
        if (k.Chapter <= MaxChapter)
            m_chapters[k.Chapter] = true;
        m_sections[k.Section] = true;
        m_positionOf[k.Id] = p;
        const int c = k.Collection & 7;
        m_members[c].push_back(p);
        m_bestDifficulty[c] = std::max<int>(m_bestDifficulty[c], k.DifficultyScore);
        m_bestDuplicates[c] = std::max<int>(m_bestDuplicates[c], k.CollectionsCount);
        m_bestHistory[c] = std::min<int>(m_bestHistory[c], k.HistoryCount);
    }
    const int runs = RunCount();
    for (int c = 0; c < 8; ++c) {
        std::vector<int>& begin = m_runBegin[c];
        begin.assign(static_cast<std::size_t>(runs) + 1, 0);
        const std::vector<int>& members = m_members[c];
        std::size_t j = 0;
        for (int r = 0; r < runs; ++r) {
            begin[r] = static_cast<int>(j);
            while (j < members.size() && members[j] < m_runStart[r + 1])
                ++j;
        }
        begin[runs] = static_cast<int>(members.size());
    }
}

int TSetPool::CountOf(int collection) const
{
    if (collection < 0 || collection > 7)
        ThrowIndex("collection", collection, 0, 7);
    return static_cast<int>(m_members[collection].size());
}

const int* TSetPool::MembersBegin(int collection, int run) const
{
    return m_members[collection].data() + m_runBegin[collection][run];
}

const int* TSetPool::MembersEnd(int collection, int run) const
{
    return m_members[collection].data() + m_runBegin[collection][run + 1];
}

int TSetPool::PositionOf(TQuestionId id) const { return m_positionOf.empty() ? -1 : m_positionOf[id]; }

} // namespace sv
