#include "widgets/AccessibleName.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace sv {

void SetAccessibleName(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

void SetAccessibleName(QWidget* control, const QString& name, const QString& description)
{
    SetAccessibleName(control, name);
    control->setAccessibleDescription(description);
}

} // namespace sv
