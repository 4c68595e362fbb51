#include "widgets/DialogKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace sv {

bool HandleDialogKeys(QKeyEvent* event, QAbstractButton* defaultButton, QAbstractButton* cancelButton)
{
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (defaultButton->isEnabled())
            defaultButton->click();
        return true;
    case Qt::Key_Escape:
        cancelButton->click();
        return true;
    default:
        return false;
    }
}

} // namespace sv
