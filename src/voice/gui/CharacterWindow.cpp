#include "voice/gui/CharacterWindow.h"

#include "common/Win1252.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace sv {

namespace {
constexpr int kBalloonMargin = 10;
constexpr int kWaitLimitMs = 6000;
} // namespace

TCharacterWindow::TCharacterWindow(QWidget* owner, std::function<bool(const std::string&)> speakAloud)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus
                         | Qt::NoDropShadowWindowHint),
      m_speakAloud(std::move(speakAloud))
{
    setObjectName(QStringLiteral("AssistantCharacter"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_frameTimer = new QTimer(this);
    m_frameTimer->setSingleShot(true);
    connect(m_frameTimer, &QTimer::timeout, this, [this] { Tick(); });
    m_balloonTimer = new QTimer(this);
    m_balloonTimer->setSingleShot(true);
    connect(m_balloonTimer, &QTimer::timeout, this, [this] {
        m_balloon.clear();
        UpdateShape();
        update();
    });
    m_hideLimit = new QTimer(this);
    m_hideLimit->setSingleShot(true);
    m_hideLimit->setInterval(kWaitLimitMs);
    connect(m_hideLimit, &QTimer::timeout, this, [this] {
        if (!m_shown)
            return;
        // The hide animation did not end in time: disappear at once.
        m_queue.clear();
        m_frameTimer->stop();
        m_hideWhenDone = true;
        Next();
    });
}

TCharacterWindow::~TCharacterWindow() = default;

bool TCharacterWindow::Load(const TCharacterFile& character)
{
    Unload();
    QSvgRenderer art(QString::fromStdString(character.ArtPath()));
    if (!art.isValid())
        return false;
    const QRectF box = art.viewBoxF();
    if (box.isEmpty())
        return false;
    const double sx = character.Width() / box.width();
    const double sy = character.Height() / box.height();
    std::vector<QPixmap> frames;
    for (const TCharacterFrame& frame : character.Frames()) {
        QPixmap pm(character.Width(), character.Height());
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        for (const std::string& layer : frame.Layers) {
            const QString id = QString::fromStdString(layer);
            if (!art.elementExists(id))
                return false;
            // Each layer keeps its place in the drawing.
            const QRectF b = art.boundsOnElement(id);
            art.render(&p, id, QRectF((b.x() - box.x()) * sx, (b.y() - box.y()) * sy, b.width() * sx, b.height() * sy));
        }
        frames.push_back(pm);
    }
    m_character = character;
    m_frames = std::move(frames);
    // The window takes only the character's shape (and the balloon while it speaks), so that
    // it needs no compositing desktop to look right.
    m_shape = QRegion();
    for (const QPixmap& pm : m_frames)
        m_shape = m_shape.united(QRegion(pm.mask()));
    const TCharacterAnimation& rest = m_character->Animation("RestPose");
    m_rest = rest.Frames.back();
    m_current = m_rest;
    resize(BalloonWidth + character.Width(), std::max(character.Height(), 120));
    m_shape.translate(width() - character.Width(), height() - character.Height());
    UpdateShape();
    return true;
}

void TCharacterWindow::Unload()
{
    m_whenHidden = nullptr;
    m_hideLimit->stop();
    m_frameTimer->stop();
    m_balloonTimer->stop();
    m_queue.clear();
    m_playing.clear();
    m_balloon.clear();
    m_shown = false;
    m_hideWhenDone = false;
    hide();
    m_character.reset();
    m_frames.clear();
    m_shape = QRegion();
}

void TCharacterWindow::Show()
{
    if (!m_character)
        return;
    m_whenHidden = nullptr;
    m_hideLimit->stop();
    m_shown = true;
    m_hideWhenDone = false;
    show();
    raise();
    Play("Show");
}

void TCharacterWindow::Hide()
{
    if (!m_character || !m_shown)
        return;
    Play("Hide");
    m_hideWhenDone = true;
    if (!m_frameTimer->isActive() && m_playing.empty())
        Next();
}

void TCharacterWindow::Play(const std::string& animation)
{
    if (!m_character)
        return;
    m_queue.push_back({animation, 0});
    if (!m_frameTimer->isActive())
        Next();
}

void TCharacterWindow::Pause(int ms)
{
    if (!m_character)
        return;
    m_queue.push_back({std::string(), ms});
    if (!m_frameTimer->isActive())
        Next();
}

void TCharacterWindow::Next()
{
    if (m_queue.empty()) {
        // At rest: no timer runs.
        m_playing.clear();
        m_current = m_rest;
        update();
        if (m_hideWhenDone) {
            m_hideWhenDone = false;
            m_shown = false;
            m_balloon.clear();
            m_balloonTimer->stop();
            hide();
            ReportHidden();
        }
        return;
    }
    const TStep step = m_queue.front();
    m_queue.pop_front();
    StartStep(step);
}

void TCharacterWindow::StartStep(const TStep& step)
{
    if (step.Animation.empty()) {
        m_playing.clear();
        m_frameTimer->start(step.PauseMs);
        return;
    }
    const TCharacterAnimation& a = m_character->Animation(step.Animation);
    m_playing = step.Animation;
    m_playFrames = a.Frames;
    m_playPos = 0;
    m_current = m_playFrames.front();
    update();
    m_frameTimer->start(std::max(a.FrameMs, 1));
}

void TCharacterWindow::Tick()
{
    if (!m_playing.empty() && ++m_playPos < m_playFrames.size()) {
        m_current = m_playFrames[m_playPos];
        update();
        m_frameTimer->start(std::max(m_character->Animation(m_playing).FrameMs, 1));
        return;
    }
    Next();
}

void TCharacterWindow::Speak(const std::string& spoken, const std::string& balloon)
{
    if (!m_character)
        return;
    const bool heard = !spoken.empty() && m_speakAloud && m_speakAloud(spoken);
    // A remark that cannot be heard (no speech engine) is read in the balloon instead.
    const std::string& shown = balloon.empty() && !heard ? spoken : balloon;
    if (!shown.empty()) {
        m_balloon = FromWin1252(shown);
        m_balloonTimer->start(2500 + 60 * static_cast<int>(shown.size()));
        UpdateShape();
        update();
    }
}

void TCharacterWindow::WhenHidden(std::function<void()> gone)
{
    m_whenHidden = nullptr;
    m_hideLimit->stop();
    if (!m_shown) {
        if (gone)
            gone();
        return;
    }
    m_whenHidden = std::move(gone);
    m_hideLimit->start();
}

void TCharacterWindow::ReportHidden()
{
    m_hideLimit->stop();
    // Taken out first: the call may load or unload a character on this stage.
    const std::function<void()> gone = std::exchange(m_whenHidden, nullptr);
    if (gone)
        gone();
}

QRect TCharacterWindow::BalloonBox() const
{
    QFont f = font();
    f.setPointSizeF(std::max(9.0, f.pointSizeF()));
    const QFontMetrics fm(f);
    const QRect textArea(kBalloonMargin + 8, 0, BalloonWidth - 2 * kBalloonMargin - 16, height());
    const QRect needed = fm.boundingRect(textArea, Qt::TextWordWrap, m_balloon);
    return QRect(kBalloonMargin, 4, BalloonWidth - 2 * kBalloonMargin, std::min(height() - 8, needed.height() + 16));
}

void TCharacterWindow::UpdateShape()
{
    QRegion shape = m_shape;
    if (!m_balloon.isEmpty())
        shape = shape.united(QRegion(BalloonBox().adjusted(-2, -2, kBalloonMargin + 10, 2)));
    if (shape.isEmpty())
        clearMask();
    else
        setMask(shape);
}

bool TCharacterWindow::Animating() const { return m_frameTimer->isActive() || m_balloonTimer->isActive(); }

QPixmap TCharacterWindow::CurrentFrame() const
{
    if (m_current < 0 || m_current >= static_cast<int>(m_frames.size()))
        return {};
    return m_frames[static_cast<std::size_t>(m_current)];
}

void TCharacterWindow::paintEvent(QPaintEvent*)
{
    if (!m_character)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPixmap frame = CurrentFrame();
    const int charX = width() - m_character->Width();
    p.drawPixmap(charX, height() - m_character->Height(), frame);
    if (m_balloon.isEmpty())
        return;
    // The balloon: a rounded box with a tail pointing at the character.
    QFont f = font();
    f.setPointSizeF(std::max(9.0, f.pointSizeF()));
    p.setFont(f);
    const QRectF box = BalloonBox();
    QPainterPath path;
    path.addRoundedRect(box, 10, 10);
    QPainterPath tail;
    tail.moveTo(box.right() - 2, box.top() + 14);
    tail.lineTo(box.right() + kBalloonMargin + 6, box.top() + 24);
    tail.lineTo(box.right() - 2, box.top() + 28);
    tail.closeSubpath();
    path = path.united(tail);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    p.setBrush(QColor(0xff, 0xff, 0xe8));
    p.drawPath(path);
    p.setPen(Qt::black);
    p.drawText(box.adjusted(8, 8, -8, -8), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m_balloon);
}

} // namespace sv
