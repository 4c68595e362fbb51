#include "support/gui/AccessibleNames.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QWidget>

namespace sv::test {

namespace {

// "Title: Class objectName", the title being the nearest one above the control.
QString Describe(const QWidget* w)
{
    QString title;
    for (const QWidget* p = w; p && title.isEmpty(); p = p->parentWidget())
        title = p->windowTitle();
    QString what = title + QStringLiteral(": ") + QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        return what + QLatin1Char(' ') + w->objectName();
    // Else the classes it sits in, up to one with a name.
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        what += QStringLiteral(" in ") + QString::fromLatin1(p->metaObject()->className());
        if (!p->objectName().isEmpty())
            return what + QLatin1Char(' ') + p->objectName();
    }
    return what;
}

// The name a screen reader is given. A combo box on this platform reports its current text as
// its name, so an empty one would be silent; its own accessible name is what we give it.
QString NameOf(QWidget* w)
{
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->accessibleName();
    if (auto* edit = qobject_cast<QLineEdit*>(w); edit && qobject_cast<QComboBox*>(edit->parentWidget()))
        return edit->accessibleName();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

void AddUnnamed(const QWidget* window, QStringList& unnamed)
{
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(window));
    for (QWidget* w : widgets) {
        if (w->focusPolicy() == Qt::NoFocus || (w != window && !w->isVisibleTo(window)))
            continue;
        if (w != window && w->window() != window->window())
            continue; // a popup of its own
        if (w->objectName() == QLatin1String("qt_spinbox_lineedit"))
            continue; // a spin box speaks for its line edit
        if (NameOf(w).trimmed().isEmpty())
            if (!unnamed.contains(Describe(w)))
                unnamed << Describe(w);
    }
}

} // namespace

QStringList UnnamedControls(const QWidget* window)
{
    QStringList unnamed;
    AddUnnamed(window, unnamed);
    // The controls of the pages not shown.
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        if (!tabs->isVisibleTo(window))
            continue;
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            AddUnnamed(window, unnamed);
        }
        tabs->setCurrentIndex(current);
    }
    return unnamed;
}

} // namespace sv::test
