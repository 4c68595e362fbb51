#pragma once
// TKnowledgeUndo: takes back one recorded answer. Before the answer is recorded, Before()
// notes the knowledge bytes of the user record; After() keeps only the bytes the answer
// changed (a question and its copies, a memory verse, or a verse's reference byte); Restore()
// gives exactly those bytes their previous values and forgets them. Nothing else of the record
// is touched, so changes made meanwhile elsewhere stay.

#include <cstdint>
#include <vector>

namespace sv {

class TUser;

class TKnowledgeUndo {
public:
    void Before(const TUser& user);
    void After(const TUser& user);
    // True between After and Restore (or Forget).
    bool CanRestore() const { return m_ready; }
    void Restore(TUser& user);
    void Forget();

private:
    enum class TArray : std::uint8_t { Questions, References, Memory };
    struct TChange {
        TArray Array;
        int Index;
        std::uint8_t Old;
    };
    std::vector<std::uint8_t> m_questions, m_references, m_memory;
    std::vector<TChange> m_changes;
    bool m_noted = false;
    bool m_ready = false;
};

} // namespace sv
