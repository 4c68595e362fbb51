#include "progress/gui/VerseMapView.h"

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
constexpr int MinCell = 6;

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
    for (const TRow& r : m_rows)
        m_labelWidth = std::max(m_labelWidth, fm.horizontalAdvance(r.Label) + 8);
    // The largest cells that fit: a chapter longer than a line wraps onto the next ones.
    const int available = std::max(1, width() - m_labelWidth);
    for (m_cell = MaxCell; m_cell >= MinCell; --m_cell) {
        m_perLine = std::max(1, (available + Gap) / (m_cell + Gap));
        int lines = 0;
        for (const TRow& r : m_rows)
            lines += (r.Count + m_perLine - 1) / m_perLine;
        if (lines * (m_cell + Gap) <= height() || m_cell == MinCell)
            break;
    }
    int line = 0;
    for (TRow& r : m_rows) {
        r.FirstLine = line;
        line += (r.Count + m_perLine - 1) / m_perLine;
    }
}

QRect TVerseMapView::CellBox(int index) const
{
    for (const TRow& row : m_rows)
        if (index >= row.FirstCell && index < row.FirstCell + row.Count) {
            const int i = index - row.FirstCell;
            const int line = row.FirstLine + i / m_perLine;
            return QRect(m_labelWidth + (i % m_perLine) * (m_cell + Gap), line * (m_cell + Gap), m_cell, m_cell);
        }
    return {};
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
    if (!m_map.CellOf(verseNo))
        return {};
    return CellBox(verseNo - m_map.Cells().front().VerseNo);
}

int TVerseMapView::VerseAt(const QPoint& pos) const
{
    const int count = static_cast<int>(m_map.Cells().size());
    for (int i = 0; i < count; ++i)
        if (CellBox(i).contains(pos))
            return m_map.Cells()[static_cast<std::size_t>(i)].VerseNo;
    return 0;
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
        text += QStringLiteral("Questions: %1, asked %2, mastered %3")
                    .arg(cell->Questions)
                    .arg(cell->Tried)
                    .arg(cell->Mastered);
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
    // Small cells take a smaller label font, so that the labels of one-line chapters keep apart.
    QFont labelFont = font();
    if (fontMetrics().height() > m_cell + Gap)
        labelFont.setPixelSize(std::max(6, m_cell + Gap - 1));
    p.setFont(labelFont);
    for (const TRow& row : m_rows) {
        const int y = row.FirstLine * (m_cell + Gap);
        p.setPen(palette().windowText().color());
        p.drawText(QRect(0, y, m_labelWidth - 4, m_cell + Gap), Qt::AlignRight | Qt::AlignVCenter, row.Label);
        for (int i = 0; i < row.Count; ++i) {
            const TVerseCell& cell = cells[static_cast<std::size_t>(row.FirstCell + i)];
            const QRect box = CellBox(row.FirstCell + i);
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
                p.fillRect(QRect(box.left() + 2, box.bottom() - mark - 1, mark, mark),
                           SeriesMarkColour(cell.Reference));
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
