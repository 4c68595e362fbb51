#include "progress/gui/VerseMapView.h"

#include "common/Win1252.h"
#include "content/Books.h"

#include <QFontMetrics>
#include <QKeyEvent>
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
    InstallPaintedItemsAccessibility(); // before anything asks for the map's interface
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Verse map"));
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
    m_current = cells.empty() ? 0 : cells.front().VerseNo;
    Layout();
    updateGeometry();
    update();
    PaintedItemsChanged(this);
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
    const TVerseCellText t = VerseCellText(m_books, *cell);
    QString text = FromWin1252(t.Verse);
    for (const std::string& line : t.Details)
        text += QStringLiteral("\n") + FromWin1252(line);
    return text;
}

int TVerseMapView::PaintedItemCount() const { return static_cast<int>(m_map.Cells().size()); }

TPaintedItem TVerseMapView::PaintedItem(int index) const
{
    const TVerseCell& cell = m_map.Cells()[static_cast<std::size_t>(index)];
    const TVerseCellText t = VerseCellText(m_books, cell);
    TPaintedItem item;
    item.Name = FromWin1252(t.Name);
    for (const std::string& line : t.Details)
        item.Description += (item.Description.isEmpty() ? QString() : QStringLiteral(". ")) + FromWin1252(line);
    item.Rect = CellBox(index);
    item.Current = cell.VerseNo == m_current;
    return item;
}

void TVerseMapView::SetCurrent(int verseNo)
{
    const auto& cells = m_map.Cells();
    if (cells.empty())
        return;
    m_current = std::clamp(verseNo, cells.front().VerseNo, cells.back().VerseNo);
    update();
    PaintedItemFocused(this, m_current - cells.front().VerseNo);
}

void TVerseMapView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TVerseMapView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TVerseMapView::keyPressEvent(QKeyEvent* event)
{
    const auto& cells = m_map.Cells();
    if (cells.empty() || event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int index = m_current - cells.front().VerseNo;
    // Up and Down go to the chapter above or below, to the same verse or its last.
    int row = 0;
    while (row + 1 < static_cast<int>(m_rows.size()) && m_rows[static_cast<std::size_t>(row + 1)].FirstCell <= index)
        ++row;
    switch (event->key()) {
    case Qt::Key_Left:
        SetCurrent(m_current - 1);
        break;
    case Qt::Key_Right:
        SetCurrent(m_current + 1);
        break;
    case Qt::Key_Home:
        SetCurrent(cells.front().VerseNo);
        break;
    case Qt::Key_End:
        SetCurrent(cells.back().VerseNo);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = event->key() == Qt::Key_Up ? -1 : 1;
        const int next = row + step;
        if (next < 0 || next >= static_cast<int>(m_rows.size()))
            break;
        const TRow& r = m_rows[static_cast<std::size_t>(next)];
        const int inRow = index - m_rows[static_cast<std::size_t>(row)].FirstCell;
        SetCurrent(cells[static_cast<std::size_t>(r.FirstCell + std::min(inRow, r.Count - 1))].VerseNo);
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (OnVerseClicked)
            OnVerseClicked(m_map.CellOf(m_current)->Ref);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
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
            if (cell.VerseNo == m_current && hasFocus()) {
                // The keyboard's cell: a frame in the palette's highlight, outside the cell.
                p.setPen(QPen(palette().highlight().color(), 2));
                p.drawRect(box.adjusted(-1, -1, 0, 0));
            }
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
