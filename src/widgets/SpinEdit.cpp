#include "widgets/SpinEdit.h"

namespace sv {

TSpinEdit::TSpinEdit(int minimum, int maximum, QWidget* parent) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setAccelerated(true);
}

} // namespace sv
