#pragma once
// TSpinEdit: a whole-number spin edit with a fixed range.

#include <QSpinBox>

namespace sv {

class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    TSpinEdit(int minimum, int maximum, QWidget* parent = nullptr);
};

} // namespace sv
