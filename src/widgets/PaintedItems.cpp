#include "widgets/PaintedItems.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <QWindow>

#include <vector>

namespace sv {

namespace {

class TItemsAccessible;

// One painted item: an interface without an object of its own, owned by its widget's
// interface (registered with the accessibility cache so that the bridge can address it).
class TItemAccessible final : public QAccessibleInterface {
public:
    TItemAccessible(TItemsAccessible* list, int index) : m_list(list), m_index(index) { }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation = QAccessible::AllRelations) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    TItemsAccessible* m_list;
    int m_index;
};

class TItemsAccessible final : public QAccessibleWidget {
public:
    TItemsAccessible(QWidget* widget, IPaintedItems* items)
        : QAccessibleWidget(widget, QAccessible::List), m_items(items)
    { }
    ~TItemsAccessible() override
    {
        for (QAccessible::Id id : m_children)
            QAccessible::deleteAccessibleInterface(id);
    }

    IPaintedItems& Items() const { return *m_items; }
    QWidget* Widget() const { return widget(); }

    int childCount() const override { return m_items->PaintedItemCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (static_cast<int>(m_children.size()) <= index) {
            auto* item = new TItemAccessible(const_cast<TItemsAccessible*>(this), static_cast<int>(m_children.size()));
            m_children.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(m_children[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t i = 0; i < m_children.size(); ++i)
            if (QAccessible::accessibleInterface(m_children[i]) == child)
                return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (m_items->PaintedItem(i).Rect.contains(local))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (m_items->PaintedItem(i).Current)
                return child(i);
        return nullptr;
    }

private:
    IPaintedItems* m_items;
    mutable std::vector<QAccessible::Id> m_children;
};

bool TItemAccessible::isValid() const { return m_list->isValid() && m_index < m_list->childCount(); }

QWindow* TItemAccessible::window() const { return m_list->window(); }

QAccessibleInterface* TItemAccessible::parent() const { return m_list; }

QString TItemAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name:
        return m_list->Items().PaintedItem(m_index).Name;
    case QAccessible::Description:
        return m_list->Items().PaintedItem(m_index).Description;
    default:
        return {};
    }
}

QRect TItemAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect r = m_list->Items().PaintedItem(m_index).Rect;
    return QRect(m_list->Widget()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::Role TItemAccessible::role() const { return m_list->Items().PaintedItemRole(); }

QAccessible::State TItemAccessible::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const QWidget* w = m_list->Widget();
    s.readOnly = true;
    s.invisible = !w->isVisible();
    s.focusable = w->focusPolicy() != Qt::NoFocus;
    if (m_list->Items().PaintedItem(m_index).Current) {
        s.selected = true;
        s.focused = w->hasFocus();
    }
    return s;
}

QAccessibleInterface* PaintedItemsFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    auto* items = dynamic_cast<IPaintedItems*>(object);
    if (!widget || !items)
        return nullptr;
    return new TItemsAccessible(widget, items);
}

} // namespace

void InstallPaintedItemsAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(PaintedItemsFactory);
        return true;
    }();
    (void)installed;
}

void PaintedItemsChanged(QWidget* widget)
{
    QAccessibleEvent event(widget, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void PaintedItemFocused(QWidget* widget, int index)
{
    QAccessibleEvent event(widget, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

} // namespace sv
