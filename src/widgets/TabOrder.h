#pragma once
// Tab order help for windows whose buttons are made before the page they sit under: the
// buttons are put after every other control of the window, so that Tab reads the page first.

#include <initializer_list>

class QWidget;

namespace sv {

// Puts widgets, in this order, after the window's other controls in the Tab order. Call it
// before the widgets are put into a layout (they are made children of window again).
void PutLastInTabOrder(QWidget* window, std::initializer_list<QWidget*> widgets);

} // namespace sv
