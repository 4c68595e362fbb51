#pragma once
// Painted items for a screen reader. A widget that paints several items of its own (the verse
// map's cells, the progress chart's bars) implements IPaintedItems and calls
// InstallPaintedItemsAccessibility() once; the desktop's accessibility bridge then sees the
// widget as a list whose children are its items, each with a name, a description, its place
// on the screen and whether it is the current one. Without this a painted widget is one blank
// object to a screen reader.

#include <QAccessible>
#include <QRect>
#include <QString>

class QWidget;

namespace sv {

struct TPaintedItem {
    QString Name;
    QString Description;
    QRect Rect; // in the widget's coordinates
    bool Current = false;
};

class IPaintedItems {
public:
    virtual ~IPaintedItems() = default;
    virtual int PaintedItemCount() const = 0;
    // index is 0 .. PaintedItemCount() - 1.
    virtual TPaintedItem PaintedItem(int index) const = 0;
    virtual QAccessible::Role PaintedItemRole() const { return QAccessible::ListItem; }
};

// Registers the accessibility factory for every widget that implements IPaintedItems; later
// calls do nothing. Call it before the widget is first shown (its constructor will do).
void InstallPaintedItemsAccessibility();

// Tells the bridge that a widget's items changed (new items or new values).
void PaintedItemsChanged(QWidget* widget);
// Tells the bridge that the current item moved to index (the keyboard went there).
void PaintedItemFocused(QWidget* widget, int index);

} // namespace sv
