#pragma once
// The program's own artwork, drawn with QPainter: toolbar icons, the splash picture and the
// tip window's picture.

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRect;

namespace sv {

enum class TToolIcon {
    NewUser,
    Questions,
    Memory,
    Reference,
    WordStudy,
    Progress,
    Sets,
    Lists,
    Game,
    Assistant,
    Help,
};

QIcon ToolIcon(TToolIcon which);
// The splash picture: a sunrise over a mountain peak with an open book.
void PaintSplashPicture(QPainter& p, const QRect& area);
// A small lamp for the tip window.
QPixmap TipPicture();
// The program's window icon.
QIcon ProgramIcon();

} // namespace sv
