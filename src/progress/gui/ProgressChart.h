#pragma once
// TProgressChart: the chart of the progress window, a bar chart that takes a number of series
// and points, a value per series and point, a label per point and a decimals setting. The
// window fills it as a data stream: open the data, choose a series, set its values, close the
// data; the bars are drawn stacked into percentages of each point's total. A screen reader
// sees every bar with its label and the share of each series.

#include "widgets/PaintedItems.h"

#include <QChartView>
#include <QColor>
#include <QString>

#include <functional>
#include <vector>

class QBarCategoryAxis;
class QBarSet;
class QPercentBarSeries;
class QValueAxis;

namespace sv {

class TProgressChart : public QChartView, public IPaintedItems {
    Q_OBJECT
public:
    explicit TProgressChart(QWidget* parent = nullptr);

    // The series, in stacking order from the bottom, each with its name and colour.
    void SetSeries(const std::vector<std::pair<QString, QColor>>& series);

    // Decimals of the values shown (axis and tool tips).
    void SetDecimals(int decimals);
    int Decimals() const { return m_decimals; }
    // The series that the following values belong to (0-based).
    void SetThisSerie(int series);
    int ThisSerie() const { return m_thisSerie; }
    // Opens the data for writing. type 1 is the values; a count of 0 keeps the number of
    // series (count1) or points (count2) as it is; new points are 0 with an empty label.
    // Returns the number of points.
    int OpenData(int type, int count1, int count2);
    // Hands the written values to the chart; false when no data was open.
    bool CloseData(int type);
    // The value of the selected series at a point (0-based); range error outside.
    void SetValue(int point, double value);
    double Value(int point) const;
    // The label of a point.
    void SetLegend(int point, const QString& label);
    QString Legend(int point) const;
    int Points() const { return m_points; }

    // IPaintedItems: the bars, one per point.
    int PaintedItemCount() const override { return m_points; }
    TPaintedItem PaintedItem(int index) const override;

    // Called with the point under the mouse, or -1 when the mouse leaves the bars.
    std::function<void(int point)> OnHover;

private:
    void CheckPoint(int point) const;

    QPercentBarSeries* m_series;
    QBarCategoryAxis* m_axisX;
    QValueAxis* m_axisY;
    std::vector<QBarSet*> m_sets;
    std::vector<std::vector<double>> m_values; // [series][point]
    std::vector<QString> m_labels;
    int m_points = 0;
    int m_thisSerie = 0;
    int m_decimals = 0;
    bool m_open = false;
};

} // namespace sv
