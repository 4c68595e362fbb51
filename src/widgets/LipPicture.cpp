#include "widgets/LipPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace sv {

namespace {
// Mouth openings of the cycle, as shape numbers.
constexpr int Cycle[] = {1, 3, 4, 2, 3, 1, 2, 4};
} // namespace

TLipPicture::TLipPicture(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this))
{
    m_timer->setInterval(FrameInterval);
    connect(m_timer, &QTimer::timeout, this, &TLipPicture::Step);
    setMinimumSize(48, 30);
}

void TLipPicture::SetSpeakingQuery(std::function<bool()> query) { m_speaking = std::move(query); }

void TLipPicture::SetShape(int shape)
{
    m_shape = shape >= 0 && shape < ShapeCount ? shape : 0;
    update();
}

void TLipPicture::Step()
{
    if (m_speaking && m_speaking()) {
        m_frame = (m_frame + 1) % static_cast<int>(std::size(Cycle));
        SetShape(Cycle[m_frame]);
    } else if (m_shape != 0) {
        m_frame = 0;
        SetShape(0);
    }
}

void TLipPicture::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_timer->start();
}

void TLipPicture::hideEvent(QHideEvent* event)
{
    m_timer->stop();
    SetShape(0);
    QWidget::hideEvent(event);
}

void TLipPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(4, 4, -4, -4);
    const qreal cx = r.center().x();
    const qreal cy = r.center().y();
    const qreal halfW = r.width() / 2;
    const qreal open = (r.height() / 2 - 2) * m_shape / (ShapeCount - 1);

    // Lips: an upper and a lower curve; the gap between them is the open mouth.
    QPainterPath upper;
    upper.moveTo(cx - halfW, cy);
    upper.cubicTo(cx - halfW / 2, cy - open - 8, cx - 4, cy - open - 6, cx, cy - open - 3);
    upper.cubicTo(cx + 4, cy - open - 6, cx + halfW / 2, cy - open - 8, cx + halfW, cy);
    upper.cubicTo(cx + halfW / 2, cy - open, cx - halfW / 2, cy - open, cx - halfW, cy);
    QPainterPath lower;
    lower.moveTo(cx - halfW, cy);
    lower.cubicTo(cx - halfW / 2, cy + open, cx + halfW / 2, cy + open, cx + halfW, cy);
    lower.cubicTo(cx + halfW / 2, cy + open + 10, cx - halfW / 2, cy + open + 10, cx - halfW, cy);

    if (m_shape > 0) {
        QPainterPath inside;
        inside.moveTo(cx - halfW, cy);
        inside.cubicTo(cx - halfW / 2, cy - open, cx + halfW / 2, cy - open, cx + halfW, cy);
        inside.cubicTo(cx + halfW / 2, cy + open, cx - halfW / 2, cy + open, cx - halfW, cy);
        p.fillPath(inside, QColor(70, 10, 20));
        if (m_shape >= 3) {
            // Teeth
            p.fillRect(QRectF(cx - halfW / 3, cy - open * 0.8, halfW * 2 / 3, open * 0.35), Qt::white);
        }
    }
    const QColor lip(196, 64, 72);
    p.fillPath(upper, lip);
    p.fillPath(lower, lip.darker(110));
    p.setPen(QPen(lip.darker(160), 1));
    p.drawPath(upper);
    p.drawPath(lower);
}

} // namespace sv
