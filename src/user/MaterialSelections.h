#pragma once
// TMaterialSelections: the working copy of the four material selection arrays that a
// selection frame edits, so that each mode keeps its own check marks while the person
// switches modes; all four go back into the user record when the dialog is confirmed.

#include "common/BoundedArray.h"
#include "user/SelectionKind.h"

#include <cstdint>
#include <span>
#include <vector>

namespace sv {

class TUser;

class TMaterialSelections {
public:
    // Copies the four arrays from user and remembers kind (the kind the frame shows).
    void Create(const TUser& user, TSelectionKind kind);
    // Stores the check states of the list, which shows the items of the remembered kind,
    // into that kind's array (item i into entry i + 1, at most the array's size); then
    // remembers newKind.
    void StoreList(TSelectionKind newKind, const std::vector<bool>& checked);
    // Copies all four arrays back into user.
    void RestoreToUser(TUser& user) const;

    TSelectionKind Kind() const { return m_kind; }
    // The array of a kind, entry 1 first: what the frame checks when it fills its list.
    std::span<const std::uint8_t> Flags(TSelectionKind kind) const;

    // Stores check states into a selection array (item i into entry i + 1, for as many items
    // as fit); entries beyond the list keep their values.
    static void StoreChecks(std::span<std::uint8_t> flags, const std::vector<bool>& checked);

private:
    std::span<std::uint8_t> FlagsOf(TSelectionKind kind);

    TFixedArray<std::uint8_t, 1, 29> m_chapterSel{"ChapterSel"};
    TFixedArray<std::uint8_t, 1, 1275> m_sectionSel{"SectionSel"};
    TFixedArray<std::uint8_t, 1, 1200> m_verseSel{"VerseSel"};
    TFixedArray<std::uint8_t, 1, 1200> m_memorySel{"MemorySel"};
    TSelectionKind m_kind = TSelectionKind::ByChapter;
};

} // namespace sv
