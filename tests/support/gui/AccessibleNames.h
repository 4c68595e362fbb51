#pragma once
// What a screen reader would say of a window's controls: every control that can take the focus
// must have a name. A test lists the controls of a window that have none.

#include <QString>
#include <QStringList>

class QWidget;

namespace sv::test {

// The focusable controls under window (the window itself included, every page of its tab widgets
// turned to, hidden ones left out) whose
// accessible name is empty, each as "Title: Class objectName" (or "Class in Parent in ..." up to
// a parent with an objectName), the title being that of the window or child window it sits in.
QStringList UnnamedControls(const QWidget* window);

} // namespace sv::test
