#pragma once
// TSetsHelper: the attributes of every question of a pool that the set builder and the
// question lists work with: collection, type, how many collections hold it, its place in the
// scripture (chapter, section, verse), its use in earlier sets and how well it fits a chosen
// difficulty (question and answer length).
//
// TSetPool: one pool of candidates in reference order with what the picks need of it: its
// runs (stretches of questions on one verse), the chapters and sections it reaches, and per
// collection the members of every run, so that a pick visits only questions of its category.

#include "content/QuestionId.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace sv {

class THistory;
class TQuestions;

// The difficulty choices, in the order of the dialogs' lists.
enum class TDifficulty : int {
    ShortQA = 0,
    ShortAnswer = 1,
    ShortQuestion = 2,
    Mixed = 3,
    LongQuestion = 4,
    LongAnswer = 5,
    LongQA = 6,
};
inline constexpr int DifficultyCount = 7;
// "Short Q & A", ... "Long Q & A".
const char* DifficultyName(TDifficulty d);

struct TSetCandidate {
    TQuestionId Id = 0;
    std::uint8_t Collection = 0;       // 0..7, compared with a place's category
    std::uint8_t TypeCode = 0;         // ListType of the question
    std::uint8_t CollectionsCount = 0; // DupCount, 1..7
    std::int32_t TimesUsed = 0;        // placements during this build
    std::int32_t DifficultyScore = 0;
    std::uint8_t HistoryCount = 0; // SetUseCount in the set history
    std::uint8_t Chapter = 0;      // ChapterNo of the first reference, 1..29
    std::uint8_t Section = 0;      // section index within its book, 1..255
    std::int32_t Verse = 0;        // VerseNo of the first reference, 1..1200
    std::uint8_t VerseCount = 1;
};

class TSetsHelper {
public:
    // 0, 1, 3, 6, ... 45, 45: the scaled score of a length difference in tenths of the range.
    static constexpr std::array<int, 11> ScoreTable{0, 1, 3, 6, 10, 15, 21, 28, 36, 45, 45};

    explicit TSetsHelper(const TQuestions& questions) : m_questions(questions) { }

    // One candidate per pool entry, same order. Scaled scores lie in 0..45 per part (the sets
    // dialog); unscaled scores are the plain length differences (the question lists). Mixed
    // difficulty leaves every score 0.
    void BuildCandidates(std::vector<TSetCandidate>& candidates, std::span<const TQuestionAddr> pool,
                         const THistory& history, bool scaled, TDifficulty difficulty) const;

private:
    const TQuestions& m_questions;
};

class TSetPool {
public:
    static constexpr int MaxChapter = 29;
    static constexpr int MaxSection = 255;

    TSetPool() = default;
    // Takes the candidates of a pool in reference order and works out runs, presence and the
    // members of each collection.
    explicit TSetPool(std::vector<TSetCandidate> candidates);

    int Size() const { return static_cast<int>(m_candidates.size()); }
    std::vector<TSetCandidate>& Candidates() { return m_candidates; }
    const std::vector<TSetCandidate>& Candidates() const { return m_candidates; }

    int RunCount() const { return static_cast<int>(m_runStart.size()) - 1; }
    int RunStart(int r) const { return m_runStart[r]; }   // 0-based pool positions
    int RunEnd(int r) const { return m_runStart[r + 1]; } // one past the run's last
    int RunOf(int position) const { return m_runOf[position]; }

    bool ChapterPresent(int chapter) const { return chapter >= 0 && chapter <= MaxChapter && m_chapters[chapter]; }
    bool SectionPresent(int section) const { return section >= 0 && section <= MaxSection && m_sections[section]; }

    // Questions of a collection, and those of them in run r (pool positions, ascending).
    int CountOf(int collection) const;
    const int* MembersBegin(int collection, int run) const;
    const int* MembersEnd(int collection, int run) const;
    // Pool position of a question, -1 when the pool does not hold it.
    int PositionOf(TQuestionId id) const;

    // Best values any candidate of a collection can reach: highest difficulty score and
    // collections count, lowest history count.
    int BestDifficulty(int collection) const { return m_bestDifficulty[collection]; }
    int BestDuplicates(int collection) const { return m_bestDuplicates[collection]; }
    int BestHistory(int collection) const { return m_bestHistory[collection]; }

private:
    std::vector<TSetCandidate> m_candidates;
    std::vector<int> m_runStart{0};
    std::vector<int> m_runOf;
    std::array<bool, MaxChapter + 1> m_chapters{};
    std::array<bool, MaxSection + 1> m_sections{};
    std::array<std::vector<int>, 8> m_members;  // per collection, pool positions
    std::array<std::vector<int>, 8> m_runBegin; // per collection, run -> index in m_members
    std::vector<std::int32_t> m_positionOf;     // by question id
    std::array<int, 8> m_bestDifficulty{};
    std::array<int, 8> m_bestDuplicates{};
    std::array<int, 8> m_bestHistory{};
};

} // namespace sv
