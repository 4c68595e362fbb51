#include "progress/VerseMapView.h"

#include "common/Win1252.h"
#include "content/Books.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace sv {

namespace {

constexpr int Gap = 2;
constexpr int MaxCell = 22;
constexpr int MinCell = 9;

QColor SeriesMarkColour(TProgressSeries s)
{
    switch (s) {
    case TProgressSeries::Mastered:
        return QColor(0x00, 0xB0, 0x00);
    case TProgressSeries::CorrectFewerThan3:
        return QColor(0xE0, 0xC0, 0x00);
    case TProgressSeries::Unmastered:
        return QColor(0xE0, 0x00, 0x00);
    case TProgressSeries::Untried:
        break;
    }
    return QColor(0x80, 0x80, 0x80);
}

} // namespace

TVerseMapView::TVerseMapView(const TBooks& books, const TVerseMap& map, QWidget* parent)
    : QWidget(parent), m_books(books), m_map(map)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QColor TVerseMapView::StateColour(TVerseQuestionState state)
{
    switch (state) {
    case TVerseQuestionState::AllMastered:
        return QColor(0x00, 0xFF, 0x00);
    case TVerseQuestionState::SomeTried:
        return QColor(0xFF, 0xFF, 0x00);
    case TVerseQuestionState::NoneTried:
        return QColor(0xC0, 0xC0, 0xC0);
    case TVerseQuestionState::NoQuestions:
        break;
    }
    return QColor(0xFF, 0xFF, 0xFF);
}

void TVerseMapView::MapChanged()
{
    m_rows.clear();
    const auto& cells = m_map.Cells();
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const TVerseRef& r = cells[static_cast<std::size_t>(i)].Ref;
        if (m_rows.empty() || r.Verse == 1 || i == 0) {
            TRow row;
            row.Label = FromWin1252(m_books.BookAbbrev(r.Book)) + QString::number(r.Chapter);
            row.FirstCell = i;
            m_rows.push_back(row);
        }
        ++m_rows.back().Count;
    }
    m_hovered = 0;
    Layout();
    updateGeometry();
    update();
}

void TVerseMapView::Layout()
{
    const QFontMetrics fm(font());
    m_labelWidth = 8;
    int widest = 1;
    for (const TRow& r : m_rows) {
        m_labelWidth = std::max(m_labelWidth, fm.horizontalAdvance(r.Label) + 8);
        widest = std::max(widest, r.Count);
    }
    const int byWidth = (width() - m_labelWidth - Gap) / widest - Gap;
    const int byHeight = m_rows.empty() ? MaxCell : height() / static_cast<int>(m_rows.size()) - Gap;
    m_cell = std::clamp(std::min(byWidth, byHeight), MinCell, MaxCell);
}

void TVerseMapView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
}

QSize TVerseMapView::sizeHint() const
{
    int widest = 1;
    for (const TRow& r : m_rows)
        widest = std::max(widest, r.Count);
    return {m_labelWidth + widest * (MaxCell + Gap), static_cast<int>(m_rows.size()) * (MaxCell + Gap)};
}

QSize TVerseMapView::minimumSizeHint() const { return {200, 120}; }

QRect TVerseMapView::CellRect(int verseNo) const
{
    const TVerseCell* cell = m_map.CellOf(verseNo);
    if (!cell || m_map.Cells().empty())
        return {};
    const int index = verseNo - m_map.Cells().front().VerseNo;
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const TRow& row = m_rows[r];
        if (index >= row.FirstCell && index < row.FirstCell + row.Count)
            return QRect(m_labelWidth + (index - row.FirstCell) * (m_cell + Gap), static_cast<int>(r) * (m_cell + Gap),
                m_cell, m_cell);
    }
    return {};
}

int TVerseMapView::VerseAt(const QPoint& pos) const
{
    if (pos.x() < m_labelWidth || pos.y() < 0 || m_map.Cells().empty())
        return 0;
    const int r = pos.y() / (m_cell + Gap);
    const int c = (pos.x() - m_labelWidth) / (m_cell + Gap);
    if (r >= static_cast<int>(m_rows.size()) || c >= m_rows[static_cast<std::size_t>(r)].Count)
        return 0;
    if ((pos.x() - m_labelWidth) % (m_cell + Gap) >= m_cell || pos.y() % (m_cell + Gap) >= m_cell)
        return 0;
    return m_map.Cells().front().VerseNo + m_rows[static_cast<std::size_t>(r)].FirstCell + c;
}

QString TVerseMapView::HoverText(int verseNo) const
{
    const TVerseCell* cell = m_map.CellOf(verseNo);
    if (!cell)
        return {};
    QString text = FromWin1252(m_books.VerseLabel(verseNo)) + QStringLiteral("\n");
    if (cell->Questions == 0)
        text += QStringLiteral("No questions");
    else
        text += QStringLiteral("Questions: %1, asked %2, mastered %3").arg(cell->Questions).arg(cell->Tried).arg(cell->Mastered);
    if (cell->MemoryVerse > 0)
        text += QStringLiteral("\nMemory verse: ") + QString::fromLatin1(SeriesLabel(cell->Memory));
    text += QStringLiteral("\nReference work: ") + QString::fromLatin1(SeriesLabel(cell->Reference));
    return text;
}

void TVerseMapView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const auto& cells = m_map.Cells();
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const TRow& row = m_rows[r];
        const int y = static_cast<int>(r) * (m_cell + Gap);
        p.setPen(palette().windowText().color());
        p.drawText(QRect(0, y, m_labelWidth - 4, m_cell), Qt::AlignRight | Qt::AlignVCenter, row.Label);
        for (int i = 0; i < row.Count; ++i) {
            const TVerseCell& cell = cells[static_cast<std::size_t>(row.FirstCell + i)];
            const QRect box(m_labelWidth + i * (m_cell + Gap), y, m_cell, m_cell);
            p.fillRect(box, StateColour(cell.State));
            p.setPen(cell.VerseNo == m_hovered ? QPen(Qt::black, 2) : QPen(QColor(0x90, 0x90, 0x90)));
            p.drawRect(box.adjusted(0, 0, -1, -1));
            const int mark = std::max(3, m_cell / 4);
            if (cell.MemoryVerse > 0) {
                p.setPen(Qt::NoPen);
                p.setBrush(SeriesMarkColour(cell.Memory));
                p.drawEllipse(QRect(box.right() - mark - 1, box.top() + 2, mark, mark));
                p.setBrush(Qt::NoBrush);
            }
            if (cell.Reference != TProgressSeries::Untried)
                p.fillRect(QRect(box.left() + 2, box.bottom() - mark - 1, mark, mark), SeriesMarkColour(cell.Reference));
        }
    }
}

void TVerseMapView::mouseMoveEvent(QMouseEvent* event)
{
    const int v = VerseAt(event->position().toPoint());
    if (v != m_hovered) {
        m_hovered = v;
        update();
    }
    if (v > 0)
        QToolTip::showText(event->globalPosition().toPoint(), HoverText(v), this);
    else
        QToolTip::hideText();
}

void TVerseMapView::mousePressEvent(QMouseEvent* event)
{
    const int v = VerseAt(event->position().toPoint());
    if (v > 0 && event->button() == Qt::LeftButton && OnVerseClicked)
        OnVerseClicked(m_map.CellOf(v)->Ref);
}

} // namespace sv
