#include "app/HintWindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QTimer>

namespace sv {

TddgHintWindow::TddgHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("HintWindow"));
}

QRect TddgHintWindow::CalcHintRect(int maxWidth, const QString& text) const
{
    const QFontMetrics fm(font());
    QRect r = fm.boundingRect(QRect(0, 0, maxWidth, 0), Qt::AlignLeft | Qt::TextWordWrap, text);
    return QRect(0, 0, r.width() + 8, r.height() + 2);
}

void TddgHintWindow::ActivateHint(QRect rect, const QString& text)
{
    m_text = text;
    rect.setHeight(rect.height() + 6);
    setGeometry(rect);
    clearMask();
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, rect.width(), rect.height()), 3, 3);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
    show();
    update();
}

void TddgHintWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::ToolTipText), 1));
    p.setBrush(palette().color(QPalette::ToolTipBase));
    p.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), 3, 3);
    const QRect textRect = rect().translated(1, 3).adjusted(2, 0, -2, -3);
    // No mnemonic flag: "&" is drawn as it is.
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

namespace {

class THintFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ToolTip: {
            auto* w = qobject_cast<QWidget*>(watched);
            if (!w)
                return false;
            const QString text = w->toolTip();
            if (text.isEmpty()) {
                Hide();
                return true;
            }
            auto* he = static_cast<QHelpEvent*>(event);
            TddgHintWindow* hint = Window();
            QRect r = hint->CalcHintRect(260, text);
            r.moveTopLeft(he->globalPos() + QPoint(2, 20));
            hint->ActivateHint(r, text);
            m_hideTimer->start(6000);
            return true;
        }
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::WindowDeactivate:
        case QEvent::Wheel:
            Hide();
            return false;
        default:
            return false;
        }
    }

    TddgHintWindow* Window()
    {
        if (!m_window) {
            m_window = new TddgHintWindow;
            m_hideTimer = new QTimer(m_window);
            m_hideTimer->setSingleShot(true);
            QObject::connect(m_hideTimer, &QTimer::timeout, m_window, &QWidget::hide);
        }
        return m_window;
    }

    void Hide()
    {
        if (m_window && m_window->isVisible())
            m_window->hide();
    }

    ~THintFilter() override { delete m_window; }

private:
    QPointer<TddgHintWindow> m_window;
    QTimer* m_hideTimer = nullptr;
};

THintFilter* g_filter = nullptr;

} // namespace

void InstallHintWindow()
{
    if (g_filter || !qApp)
        return;
    g_filter = new THintFilter;
    qApp->installEventFilter(g_filter);
}

void UninstallHintWindow()
{
    if (!g_filter)
        return;
    qApp->removeEventFilter(g_filter);
    delete g_filter;
    g_filter = nullptr;
}

TddgHintWindow* HintWindow() { return g_filter ? g_filter->Window() : nullptr; }

} // namespace sv
