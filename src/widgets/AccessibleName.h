#pragma once
// The name a screen reader says for a control, where its caption does not give one (spin
// boxes, combo boxes, lists, painted views). An editable combo box is two controls to a screen
// reader, the box and the line edit inside it: both get the name.

class QString;
class QWidget;

namespace sv {

void SetAccessibleName(QWidget* control, const QString& name);
// The same with a description, for a control whose name alone does not say what it does.
void SetAccessibleName(QWidget* control, const QString& name, const QString& description);

} // namespace sv
