#include "widgets/CheckListCombo.h"

#include "common/Errors.h"
#include "common/Win1252.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QStylePainter>

#include <utility>

namespace sv {

QString CheckListSummary(int n, int count, const std::string& noun)
{
    std::string text;
    if (n == count && count > 0)
        text = "ALL";
    else if (n > 0)
        text = std::to_string(n);
    else
        text = noun.empty() ? "NONE" : "No";
    // A list without a noun reads "NONE selected.", with one space.
    if (!noun.empty())
        text += " " + noun + (n != 1 ? "s" : "");
    text += " selected.";
    return FromWin1252(text);
}

TCheckListCombo::TCheckListCombo(QWidget* parent) : QComboBox(parent), m_model(new QStandardItemModel(this))
{
    setModel(m_model);
    view()->viewport()->installEventFilter(this);
    view()->installEventFilter(this);
    connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TCheckListCombo::QueueSelectionCheck);
    connect(view()->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        m_currentMoved = true;
        QueueSelectionCheck();
    });
    UpdateSummary();
}

void TCheckListCombo::Clear()
{
    m_model->clear();
    UpdateSummary();
}

void TCheckListCombo::AddItem(const std::string& text)
{
    auto* item = new QStandardItem(FromWin1252(text));
    item->setData(QByteArray(text.data(), static_cast<qsizetype>(text.size())), Qt::UserRole + 1);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    m_model->appendRow(item);
    UpdateSummary();
}

void TCheckListCombo::SetItemNoun(const std::string& noun)
{
    m_noun = noun;
    UpdateSummary();
}

int TCheckListCombo::Count() const { return m_model->rowCount(); }

void TCheckListCombo::CheckIndex(int i) const
{
    if (i < 0 || i >= Count())
        ThrowIndex("check list", i, 0, Count() - 1);
}

std::string TCheckListCombo::ItemText(int i) const
{
    CheckIndex(i);
    const QByteArray bytes = m_model->item(i)->data(Qt::UserRole + 1).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool TCheckListCombo::Checked(int i) const
{
    CheckIndex(i);
    return m_model->item(i)->checkState() == Qt::Checked;
}

void TCheckListCombo::SetChecked(int i, bool on)
{
    CheckIndex(i);
    m_model->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    UpdateSummary();
}

void TCheckListCombo::SetAllChecked(bool on)
{
    for (int i = 0; i < Count(); ++i)
        m_model->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    UpdateSummary();
}

int TCheckListCombo::CheckedCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += m_model->item(i)->checkState() == Qt::Checked ? 1 : 0;
    return n;
}

std::vector<bool> TCheckListCombo::CheckedStates() const
{
    std::vector<bool> states(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        states[static_cast<std::size_t>(i)] = m_model->item(i)->checkState() == Qt::Checked;
    return states;
}

void TCheckListCombo::SetCheckedStates(const std::vector<bool>& states)
{
    const int n = std::min(Count(), static_cast<int>(states.size()));
    for (int i = 0; i < n; ++i)
        m_model->item(i)->setCheckState(states[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
    UpdateSummary();
}

void TCheckListCombo::SetDropDownWidth(int pixels)
{
    m_dropWidth = pixels;
    view()->setMinimumWidth(pixels);
}

void TCheckListCombo::SetSummaryEnabled(bool on)
{
    m_summaryOn = on;
    UpdateSummary();
}

void TCheckListCombo::UpdateSummary()
{
    if (!m_summaryOn)
        return;
    m_summary = CheckListSummary(CheckedCount(), Count(), m_noun);
    // A screen reader says the item under the cursor as the box's name; what is checked is
    // only painted, so it is told as the description too.
    setAccessibleDescription(m_summary);
    update();
}

void TCheckListCombo::ToggleItem(int i)
{
    CheckIndex(i);
    QStandardItem* item = m_model->item(i);
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    UpdateSummary();
    Q_EMIT ItemToggled(i);
}

void TCheckListCombo::QueueSelectionCheck()
{
    // A screen reader's toggle clears the selection and then selects: the settled one counts.
    if (!m_selectionCheckQueued) {
        m_selectionCheckQueued = true;
        QMetaObject::invokeMethod(this, &TCheckListCombo::SelectionSettled, Qt::QueuedConnection);
    }
}

void TCheckListCombo::SelectionSettled()
{
    m_selectionCheckQueued = false;
    const bool moved = std::exchange(m_currentMoved, false);
    QItemSelectionModel* selection = view()->selectionModel();
    const QModelIndexList selected = selection->selectedIndexes();
    if (moved || selected.size() != 1 || selected.front().row() >= Count())
        return;
    ToggleItem(selected.front().row());
    const QSignalBlocker quiet(selection);
    selection->clearSelection();
    view()->viewport()->update();
}

void TCheckListCombo::showPopup()
{
    if (m_dropWidth > 0)
        view()->setMinimumWidth(m_dropWidth);
    m_pressedRow = -1;
    m_currentMoved = true; // the opening list selects its current item
    QueueSelectionCheck();
    QComboBox::showPopup();
}

void TCheckListCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText = m_summary;
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
}

bool TCheckListCombo::eventFilter(QObject* watched, QEvent* event)
{
    // Clicks and the space bar in the opened list toggle an item and keep the list open.
    // Only a release that follows a press on the same item counts: the release of the click
    // that opened the list lands on whatever item the list put under the pointer.
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* me = static_cast<QMouseEvent*>(event);
        m_pressedRow = view()->indexAt(me->position().toPoint()).row();
        return true;
    }
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        const QModelIndex index = view()->indexAt(me->position().toPoint());
        if (index.isValid() && index.row() == m_pressedRow)
            ToggleItem(index.row());
        m_pressedRow = -1;
        return true;
    }
    if (watched == view() && event->type() == QEvent::KeyPress) {
        const auto* ke = static_cast<QKeyEvent*>(event);
        if (ke->key() == Qt::Key_Space) {
            const QModelIndex index = view()->currentIndex();
            if (index.isValid())
                ToggleItem(index.row());
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace sv
