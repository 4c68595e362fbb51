#include "progress/gui/ProgressChart.h"

#include "common/Errors.h"
#include "progress/BarSpeech.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QPercentBarSeries>
#include <QValueAxis>

namespace sv {

TProgressChart::TProgressChart(QWidget* parent) : QChartView(parent)
{
    // Before anything asks for the chart's accessible interface (a name change does).
    InstallPaintedItemsAccessibility();
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    m_series = new QPercentBarSeries(chart);
    m_series->setBarWidth(0.8);
    chart->addSeries(m_series);
    m_axisX = new QBarCategoryAxis(chart);
    m_axisY = new QValueAxis(chart);
    m_axisY->setRange(0, 100);
    m_axisY->setTickCount(6);
    QFont small = m_axisX->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_axisX->setLabelsFont(small);
    m_axisX->setTruncateLabels(false); // a chapter label is short; never cut it to an ellipsis
    m_axisY->setLabelsFont(small);
    m_axisY->setLabelFormat(QStringLiteral("%.0f%%"));
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisX);
    m_series->attachAxis(m_axisY);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setAccessibleName(QStringLiteral("Progress chart"));
    connect(m_series, &QPercentBarSeries::hovered, this, [this](bool status, int index, QBarSet*) {
        if (OnHover)
            OnHover(status ? index : -1);
    });
}

void TProgressChart::SetSeries(const std::vector<std::pair<QString, QColor>>& series)
{
    m_series->clear();
    m_sets.clear();
    for (const auto& [name, colour] : series) {
        auto* set = new QBarSet(name);
        set->setColor(colour);
        set->setBorderColor(colour.darker(130));
        m_series->append(set);
        m_sets.push_back(set);
    }
    m_values.assign(series.size(), std::vector<double>(static_cast<std::size_t>(m_points), 0.0));
}

void TProgressChart::SetDecimals(int decimals)
{
    m_decimals = decimals;
    m_axisY->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + QStringLiteral("f%%"));
}

void TProgressChart::SetThisSerie(int series)
{
    if (series < 0 || series >= static_cast<int>(m_sets.size()))
        ThrowIndex("chart series", series, 0, static_cast<long long>(m_sets.size()) - 1);
    m_thisSerie = series;
}

int TProgressChart::OpenData(int type, int /*count1*/, int count2)
{
    if (type != 1)
        ThrowRange("Range check error: chart data type " + std::to_string(type));
    if (count2 > 0) {
        m_points = count2;
        for (auto& values : m_values)
            values.resize(static_cast<std::size_t>(m_points), 0.0);
        m_labels.resize(static_cast<std::size_t>(m_points));
    }
    m_open = true;
    return m_points;
}

bool TProgressChart::CloseData(int type)
{
    if (type != 1 || !m_open)
        return false;
    m_open = false;
    for (std::size_t s = 0; s < m_sets.size(); ++s) {
        QList<qreal> values;
        for (double v : m_values[s])
            values.append(v);
        m_sets[s]->remove(0, m_sets[s]->count());
        m_sets[s]->append(values);
    }
    QStringList labels;
    for (const QString& l : m_labels)
        labels.append(l);
    m_axisX->clear();
    m_axisX->append(labels);
    // Many chapters: the labels stand upright under their bars instead of being cut short.
    m_axisX->setLabelsAngle(m_points > 10 ? -90 : 0);
    PaintedItemsChanged(this);
    return true;
}

TPaintedItem TProgressChart::PaintedItem(int index) const
{
    std::vector<TBarPart> parts;
    for (std::size_t s = 0; s < m_sets.size(); ++s)
        parts.push_back({m_sets[s]->label().toStdString(), m_values[s][static_cast<std::size_t>(index)]});
    TPaintedItem item;
    item.Name = m_labels[static_cast<std::size_t>(index)];
    item.Description = QString::fromStdString(BarSpeech(parts, m_decimals));
    // The bar's slot across the plot area.
    const QRect plot = mapFromScene(chart()->plotArea()).boundingRect();
    const double slot = m_points > 0 ? plot.width() / static_cast<double>(m_points) : 0;
    item.Rect = QRect(plot.left() + static_cast<int>(slot * index), plot.top(), static_cast<int>(slot), plot.height());
    return item;
}

void TProgressChart::CheckPoint(int point) const
{
    if (point < 0 || point >= m_points)
        ThrowIndex("chart point", point, 0, m_points - 1);
}

void TProgressChart::SetValue(int point, double value)
{
    CheckPoint(point);
    m_values[static_cast<std::size_t>(m_thisSerie)][static_cast<std::size_t>(point)] = value;
}

double TProgressChart::Value(int point) const
{
    CheckPoint(point);
    return m_values[static_cast<std::size_t>(m_thisSerie)][static_cast<std::size_t>(point)];
}

void TProgressChart::SetLegend(int point, const QString& label)
{
    CheckPoint(point);
    m_labels[static_cast<std::size_t>(point)] = label;
}

QString TProgressChart::Legend(int point) const
{
    CheckPoint(point);
    return m_labels[static_cast<std::size_t>(point)];
}

} // namespace sv
