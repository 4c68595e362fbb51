#include "app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace sv {

namespace {

QPixmap Canvas(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

void Book(QPainter& p, const QRectF& r, const QColor& cover)
{
    p.setPen(QPen(cover.darker(160), 1.2));
    p.setBrush(cover);
    QPainterPath left;
    left.moveTo(r.center().x(), r.top() + r.height() * 0.15);
    left.quadTo(r.left() + r.width() * 0.25, r.top(), r.left(), r.top() + r.height() * 0.12);
    left.lineTo(r.left(), r.bottom() - r.height() * 0.1);
    left.quadTo(r.left() + r.width() * 0.25, r.bottom() - r.height() * 0.22, r.center().x(), r.bottom());
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(r.center().x(), r.top() + r.height() * 0.15);
    right.quadTo(r.right() - r.width() * 0.25, r.top(), r.right(), r.top() + r.height() * 0.12);
    right.lineTo(r.right(), r.bottom() - r.height() * 0.1);
    right.quadTo(r.right() - r.width() * 0.25, r.bottom() - r.height() * 0.22, r.center().x(), r.bottom());
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
}

} // namespace

QIcon ToolIcon(TToolIcon which)
{
    QPixmap pm = Canvas(32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont base(QStringLiteral("Sans Serif"), 1);
    auto letter = [&](const QString& text, const QColor& colour, int px) {
        QFont f = base;
        f.setPixelSize(px);
        f.setBold(true);
        p.setFont(f);
        p.setPen(colour);
        p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, text);
    };
    switch (which) {
    case TToolIcon::NewUser:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0x6d, 0xb4));
        p.drawEllipse(QRectF(10, 3, 12, 12));
        p.drawRoundedRect(QRectF(5, 16, 22, 14), 7, 7);
        p.setBrush(QColor(0x3c, 0xb0, 0x4a));
        p.drawEllipse(QRectF(19, 17, 12, 12));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(25, 19.5), QPointF(25, 26.5));
        p.drawLine(QPointF(21.5, 23), QPointF(28.5, 23));
        break;
    case TToolIcon::Questions:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe8, 0x9a, 0x1c));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        letter(QStringLiteral("?"), Qt::white, 22);
        break;
    case TToolIcon::Memory:
        Book(p, QRectF(2, 6, 28, 22), QColor(0xf4, 0xec, 0xd8));
        p.setPen(QPen(QColor(0xb0, 0x20, 0x30), 2));
        p.drawLine(QPointF(16, 4), QPointF(16, 12));
        break;
    case TToolIcon::Reference:
        Book(p, QRectF(2, 8, 28, 20), QColor(0xdc, 0xe8, 0xf6));
        letter(QStringLiteral("\u00A7"), QColor(0x1c, 0x3c, 0x78), 16);
        break;
    case TToolIcon::WordStudy:
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 3));
        p.setBrush(QColor(0xd8, 0xf0, 0xff));
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.drawLine(QPointF(18, 18), QPointF(29, 29));
        letter(QStringLiteral("a"), QColor(0x1c, 0x3c, 0x78), 12);
        break;
    case TToolIcon::Progress: {
        const QColor colours[3] = {QColor(0xc0, 0xc0, 0xc0), QColor(0xe8, 0x9a, 0x1c), QColor(0x3c, 0xb0, 0x4a)};
        const int heights[3] = {10, 18, 26};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            p.setBrush(colours[i]);
            p.drawRect(QRectF(3 + i * 9.5, 30 - heights[i], 7, heights[i]));
        }
        break;
    }
    case TToolIcon::Sets:
    case TToolIcon::Lists:
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 2, 20, 28));
        p.setPen(QPen(which == TToolIcon::Sets ? QColor(0xb0, 0x20, 0x30) : QColor(0x2e, 0x6d, 0xb4), 2));
        for (int y = 8; y <= 24; y += 5)
            p.drawLine(QPointF(9, y), QPointF(which == TToolIcon::Sets && y == 8 ? 15 : 23, y));
        break;
    case TToolIcon::Game:
        p.setPen(Qt::NoPen);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                p.setBrush((r + c) % 2 ? QColor(0x1c, 0x3c, 0x96) : QColor(0x2e, 0x6d, 0xd4));
                p.drawRect(QRectF(2 + c * 9.6, 2 + r * 9.6, 9, 9));
            }
        letter(QStringLiteral("$"), QColor(0xff, 0xd0, 0x30), 18);
        break;
    case TToolIcon::Assistant:
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2, 3, 28, 19), 8, 8);
        {
            QPainterPath tail;
            tail.moveTo(9, 21);
            tail.lineTo(6, 29);
            tail.lineTo(15, 21);
            p.drawPath(tail);
        }
        letter(QStringLiteral("\u2026"), QColor(0x40, 0x40, 0x40), 16);
        break;
    case TToolIcon::Help:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0x6d, 0xb4));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        letter(QStringLiteral("i"), Qt::white, 20);
        break;
    }
    return QIcon(pm);
}

void PaintSplashPicture(QPainter& p, const QRect& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    sky.setColorAt(0.55, QColor(0xfd, 0xf1, 0xd6));
    sky.setColorAt(1.0, QColor(0xf6, 0xd9, 0x9a));
    p.fillRect(area, sky);

    const double w = area.width();
    const double h = area.height();
    const QPointF o = area.topLeft();
    // The rising sun behind the peak.
    QRadialGradient sun(o + QPointF(w * 0.62, h * 0.62), h * 0.3);
    sun.setColorAt(0.0, QColor(0xff, 0xe0, 0x8a));
    sun.setColorAt(1.0, QColor(0xff, 0xe0, 0x8a, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(o + QPointF(w * 0.62, h * 0.62), h * 0.3, h * 0.3);

    // Two ranges of mountains with the peak in front.
    QPainterPath back;
    back.moveTo(o + QPointF(0, h * 0.78));
    back.lineTo(o + QPointF(w * 0.22, h * 0.58));
    back.lineTo(o + QPointF(w * 0.38, h * 0.7));
    back.lineTo(o + QPointF(w * 0.80, h * 0.52));
    back.lineTo(o + QPointF(w, h * 0.66));
    back.lineTo(o + QPointF(w, h));
    back.lineTo(o + QPointF(0, h));
    back.closeSubpath();
    p.setBrush(QColor(0xb8, 0xc4, 0xd8));
    p.drawPath(back);

    QPainterPath peak;
    peak.moveTo(o + QPointF(w * 0.30, h));
    peak.lineTo(o + QPointF(w * 0.62, h * 0.56));
    peak.lineTo(o + QPointF(w * 0.72, h * 0.66));
    peak.lineTo(o + QPointF(w * 0.95, h));
    peak.closeSubpath();
    QLinearGradient rock(o + QPointF(0, h * 0.56), o + QPointF(0, h));
    rock.setColorAt(0.0, QColor(0x5a, 0x6e, 0x96));
    rock.setColorAt(1.0, QColor(0x2c, 0x3a, 0x5c));
    p.setBrush(rock);
    p.drawPath(peak);
    QPainterPath snow;
    snow.moveTo(o + QPointF(w * 0.62, h * 0.56));
    snow.lineTo(o + QPointF(w * 0.575, h * 0.62));
    snow.lineTo(o + QPointF(w * 0.60, h * 0.61));
    snow.lineTo(o + QPointF(w * 0.625, h * 0.635));
    snow.lineTo(o + QPointF(w * 0.65, h * 0.605));
    snow.lineTo(o + QPointF(w * 0.67, h * 0.615));
    snow.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(snow);
    // A small red flag on the summit.
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    p.drawLine(o + QPointF(w * 0.62, h * 0.56), o + QPointF(w * 0.62, h * 0.49));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0x10, 0x20));
    QPolygonF flag;
    flag << o + QPointF(w * 0.62, h * 0.49) << o + QPointF(w * 0.66, h * 0.505) << o + QPointF(w * 0.62, h * 0.52);
    p.drawPolygon(flag);

    // The open book in the foreground.
    Book(p, QRectF(o + QPointF(w * 0.05, h * 0.74), QSizeF(w * 0.26, h * 0.2)), QColor(0xfb, 0xf7, 0xec));
    p.setPen(QPen(QColor(0xa0, 0x90, 0x70), 1));
    for (int i = 0; i < 4; ++i) {
        const double y = h * (0.80 + i * 0.028);
        p.drawLine(o + QPointF(w * 0.07, y), o + QPointF(w * 0.165, y + 3));
        p.drawLine(o + QPointF(w * 0.195, y + 3), o + QPointF(w * 0.29, y));
    }
    p.restore();
}

QPixmap TipPicture()
{
    QPixmap pm = Canvas(48);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(24, 18), 16);
    glow.setColorAt(0.0, QColor(0xff, 0xf6, 0xb0));
    glow.setColorAt(1.0, QColor(0xf0, 0xc0, 0x30));
    p.setPen(QPen(QColor(0xa0, 0x80, 0x20), 1.5));
    p.setBrush(glow);
    p.drawEllipse(QRectF(10, 4, 28, 28));
    p.setBrush(QColor(0x90, 0x90, 0x98));
    p.drawRoundedRect(QRectF(17, 31, 14, 11), 2, 2);
    p.setPen(QPen(QColor(0x60, 0x60, 0x68), 1));
    p.drawLine(QPointF(17, 35), QPointF(31, 35));
    p.drawLine(QPointF(17, 38.5), QPointF(31, 38.5));
    return pm;
}

QIcon ProgramIcon()
{
    QPixmap pm = Canvas(64);
    QPainter p(&pm);
    PaintSplashPicture(p, QRect(0, 0, 64, 64));
    return QIcon(pm);
}

} // namespace sv
