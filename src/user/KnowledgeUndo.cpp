#include "user/KnowledgeUndo.h"

#include "user/User.h"

namespace sv {

namespace {

template <typename A>
void Copy(const A& array, std::vector<std::uint8_t>& out)
{
    out.assign(array.begin(), array.end());
}

} // namespace

void TKnowledgeUndo::Before(const TUser& user)
{
    Copy(user.QuestionKnowledge, m_questions);
    Copy(user.ReferenceKnowledge, m_references);
    Copy(user.MemoryKnowledge, m_memory);
    m_changes.clear();
    m_noted = true;
    m_ready = false;
}

void TKnowledgeUndo::After(const TUser& user)
{
    if (!m_noted)
        return;
    m_changes.clear();
    auto diff = [this](TArray which, const auto& array, const std::vector<std::uint8_t>& before) {
        const int low = std::remove_cvref_t<decltype(array)>::Low;
        for (std::size_t i = 0; i < before.size(); ++i)
            if (array.begin()[i] != before[i])
                m_changes.push_back({which, low + static_cast<int>(i), before[i]});
    };
    diff(TArray::Questions, user.QuestionKnowledge, m_questions);
    diff(TArray::References, user.ReferenceKnowledge, m_references);
    diff(TArray::Memory, user.MemoryKnowledge, m_memory);
    m_questions.clear();
    m_references.clear();
    m_memory.clear();
    m_noted = false;
    m_ready = true;
}

void TKnowledgeUndo::Restore(TUser& user)
{
    if (!m_ready)
        return;
    for (const TChange& c : m_changes) {
        switch (c.Array) {
        case TArray::Questions:
            user.QuestionKnowledge[c.Index] = c.Old;
            break;
        case TArray::References:
            user.ReferenceKnowledge[c.Index] = c.Old;
            break;
        case TArray::Memory:
            user.MemoryKnowledge[c.Index] = c.Old;
            break;
        }
    }
    Forget();
}

void TKnowledgeUndo::Forget()
{
    m_changes.clear();
    m_noted = false;
    m_ready = false;
}

} // namespace sv
