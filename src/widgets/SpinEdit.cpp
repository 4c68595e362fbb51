#include "widgets/SpinEdit.h"

namespace sv {

TSpinEdit::TSpinEdit(int minimum, int maximum, QWidget* parent) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setAccelerated(true);
    // A number typed out of range is corrected in the box, on Enter or when the box is left,
    // to the nearest allowed one: what the person sees is what is used.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

} // namespace sv
