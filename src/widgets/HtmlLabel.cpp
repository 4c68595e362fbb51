#include "widgets/HtmlLabel.h"

namespace sv {

THtmlLabel::THtmlLabel(const QString& html, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setText(html);
}

} // namespace sv
