#pragma once
// TVerseMapView: the verse map drawn as a grid, one row per chapter and one cell per verse,
// coloured by what the person knows of the verse's questions, with a dot for its memory verse
// and a square for its reference work. Hovering a cell shows the verse and its counts; a click
// hands the verse to OnVerseClicked (the progress window opens the word study there).
// From the keyboard the arrow keys, Home and End move a current cell and Enter opens its
// verse; a screen reader sees every cell with its verse, state and counts.

#include "progress/VerseMap.h"
#include "widgets/PaintedItems.h"

#include <QColor>
#include <QWidget>

#include <functional>

namespace sv {

class TVerseMapView : public QWidget, public IPaintedItems {
    Q_OBJECT
public:
    TVerseMapView(const TBooks& books, const TVerseMap& map, QWidget* parent = nullptr);

    // Lays the cells out again after the map was counted.
    void MapChanged();
    // The verse number of the cell at a point, 0 for none.
    int VerseAt(const QPoint& pos) const;
    // The rectangle of a verse's cell (empty when the verse is not on the map).
    QRect CellRect(int verseNo) const;
    // The hover text of a verse on the map.
    QString HoverText(int verseNo) const;
    // The verse of the keyboard's current cell, 0 before the map has cells.
    int CurrentVerse() const { return m_current; }

    // IPaintedItems: the cells, in verse order.
    int PaintedItemCount() const override;
    TPaintedItem PaintedItem(int index) const override;

    std::function<void(const TVerseRef& ref)> OnVerseClicked;

    static QColor StateColour(TVerseQuestionState state);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct TRow {
        QString Label;
        int FirstCell = 0; // index into the map's cells
        int Count = 0;
        int FirstLine = 0; // a long chapter wraps onto further lines
    };
    void Layout();
    // Makes a verse the current cell (clamped to the map) and tells the screen reader.
    void SetCurrent(int verseNo);
    // The box of the cell at an index of the map's cells.
    QRect CellBox(int index) const;

    const TBooks& m_books;
    const TVerseMap& m_map;
    std::vector<TRow> m_rows;
    int m_labelWidth = 40;
    int m_cell = 18;
    int m_perLine = 1;
    int m_hovered = 0;
    int m_current = 0;
};

} // namespace sv
