#pragma once
// TCheckListCombo: the drop-down check list. Closed it shows one summary line ("3 chapters
// selected."); opened it lists the items, each with a check box that a click, the space bar or
// a screen reader's "toggle" of the item toggles without closing the list. Item texts are
// Windows-1252 bytes.

#include "content/ItemList.h"

#include <QComboBox>

#include <string>
#include <vector>

class QStandardItemModel;

namespace sv {

// The summary line for n checked of count items: "ALL" when all of at least one, the number
// when some, "No" (with a noun) or "NONE" (without) when none; then a space, the noun with
// "s" unless n is 1 (nothing without a noun) and " selected.".
QString CheckListSummary(int n, int count, const std::string& noun);

class TCheckListCombo : public QComboBox, public TCheckItemList {
    Q_OBJECT
public:
    explicit TCheckListCombo(QWidget* parent = nullptr);

    // TCheckItemList
    void Clear() override;
    void AddItem(const std::string& text) override;
    void SetItemNoun(const std::string& noun) override;

    int Count() const;
    std::string ItemText(int i) const;
    // Checked flag of item i (0-based); an index outside the list is a range error.
    bool Checked(int i) const;
    void SetChecked(int i, bool on);
    void SetAllChecked(bool on);
    int CheckedCount() const;
    std::vector<bool> CheckedStates() const;
    void SetCheckedStates(const std::vector<bool>& states);

    const std::string& ItemNoun() const { return m_noun; }
    // Minimum width of the opened list, in pixels.
    void SetDropDownWidth(int pixels);
    int DropDownWidth() const { return m_dropWidth; }
    // Off while a frame changes many items; switching it on recomputes the summary.
    void SetSummaryEnabled(bool on);
    QString Summary() const { return m_summary; }

    // Toggles item i as a click in the opened list does (emits ItemToggled).
    void ToggleItem(int i);

    void showPopup() override;

Q_SIGNALS:
    // The person changed item i (not emitted for changes made through SetChecked).
    void ItemToggled(int i);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CheckIndex(int i) const;
    void UpdateSummary();
    // A screen reader's "toggle" of an item selects it; the keys, the pointer and the opening of
    // the list move the current item with the selection. A selection of one item that settled
    // while the current item stayed where it was is such a toggle: the item is toggled and the
    // selection cleared, so that the next toggle of any item selects again.
    void QueueSelectionCheck();
    void SelectionSettled();

    QStandardItemModel* m_model;
    std::string m_noun;
    int m_dropWidth = 0;
    bool m_summaryOn = true;
    QString m_summary;
    int m_pressedRow = -1; // item under the last press in the opened list
    bool m_selectionCheckQueued = false;
    bool m_currentMoved = false; // since the last settled selection
};

} // namespace sv
