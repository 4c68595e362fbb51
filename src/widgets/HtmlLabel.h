#pragma once
// THtmlLabel: a label whose text may carry simple HTML (<B>, <I>, <U>, <BR>, <FONT COLOR>).
// Links are not followed; the text wraps at the label's width.

#include <QLabel>

namespace sv {

class THtmlLabel : public QLabel {
    Q_OBJECT
public:
    explicit THtmlLabel(const QString& html = QString(), QWidget* parent = nullptr);
};

} // namespace sv
