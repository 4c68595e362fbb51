#include "user/MaterialSelections.h"

#include "common/Errors.h"
#include "user/User.h"

#include <algorithm>

namespace sv {

void TMaterialSelections::Create(const TUser& user, TSelectionKind kind)
{
    m_chapterSel = user.ChapterSel;
    m_sectionSel = user.SectionSel;
    m_verseSel = user.VerseSel;
    m_memorySel = user.MemorySel;
    m_kind = kind;
}

void TMaterialSelections::StoreList(TSelectionKind newKind, const std::vector<bool>& checked)
{
    StoreChecks(FlagsOf(m_kind), checked);
    m_kind = newKind;
}

void TMaterialSelections::RestoreToUser(TUser& user) const
{
    user.ChapterSel = m_chapterSel;
    user.SectionSel = m_sectionSel;
    user.VerseSel = m_verseSel;
    user.MemorySel = m_memorySel;
}

std::span<std::uint8_t> TMaterialSelections::FlagsOf(TSelectionKind kind)
{
    switch (kind) {
    case TSelectionKind::ByChapter:
        return {m_chapterSel.begin(), m_chapterSel.end()};
    case TSelectionKind::ByVerse:
        return {m_verseSel.begin(), m_verseSel.end()};
    case TSelectionKind::BySection:
        return {m_sectionSel.begin(), m_sectionSel.end()};
    case TSelectionKind::ByMemory:
        return {m_memorySel.begin(), m_memorySel.end()};
    }
    ThrowRange("Range check error: selection kind " + std::to_string(static_cast<int>(kind)) + " outside 0..3");
}

std::span<const std::uint8_t> TMaterialSelections::Flags(TSelectionKind kind) const
{
    return const_cast<TMaterialSelections*>(this)->FlagsOf(kind);
}

void TMaterialSelections::StoreChecks(std::span<std::uint8_t> flags, const std::vector<bool>& checked)
{
    const std::size_t n = std::min(flags.size(), checked.size());
    for (std::size_t i = 0; i < n; ++i)
        flags[i] = checked[i] ? 1 : 0;
}

} // namespace sv
