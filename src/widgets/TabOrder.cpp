#include "widgets/TabOrder.h"

#include <QWidget>

namespace sv {

void PutLastInTabOrder(QWidget* window, std::initializer_list<QWidget*> widgets)
{
    // A widget given a parent becomes the last of its window's Tab order; it keeps its place
    // on the screen since the layout puts it there afterwards.
    for (QWidget* w : widgets) {
        const bool shown = !w->isHidden() || !w->testAttribute(Qt::WA_WState_ExplicitShowHide);
        w->setParent(nullptr);
        w->setParent(window);
        if (shown)
            w->show();
    }
}

} // namespace sv
