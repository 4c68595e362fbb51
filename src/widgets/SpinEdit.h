#pragma once
// TSpinEdit: a whole-number spin edit with a fixed range; a number typed outside it is
// corrected to the nearest allowed one in the box itself.

#include <QSpinBox>

namespace sv {

class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    TSpinEdit(int minimum, int maximum, QWidget* parent = nullptr);
};

} // namespace sv
