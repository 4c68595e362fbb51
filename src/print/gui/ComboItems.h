#pragma once
// A drop-down list of the widget library as the content stores fill it (TItemList).

#include "common/Win1252.h"
#include "content/ItemList.h"

#include <QComboBox>

namespace sv {

class TComboItems : public TItemList {
public:
    explicit TComboItems(QComboBox& combo) : m_combo(combo) { }
    void Clear() override { m_combo.clear(); }
    void AddItem(const std::string& text) override { m_combo.addItem(FromWin1252(text)); }

private:
    QComboBox& m_combo;
};

} // namespace sv
