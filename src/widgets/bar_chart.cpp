#include "widgets/bar_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QSet>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace pickora::ui {

BarChart::BarChart(const QString& title, QWidget* parent) : QChartView(parent)
{
    // The view made a chart of its own and keeps owning it: setChart() would orphan it.
    QChart* chart = this->chart();
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    // One pair of axes for the chart's whole life: axes removed and made anew at every redraw
    // leave their old labels painted under the new ones.
    axisX_ = new QBarCategoryAxis;
    axisY_ = new QValueAxis;
    axisY_->setLabelFormat(u"%.0f"_s);
    chart->addAxis(axisX_, Qt::AlignBottom);
    chart->addAxis(axisY_, Qt::AlignLeft);
    setRenderHint(QPainter::Antialiasing, false);
}

void BarChart::showBars(const QStringList& categories, const std::vector<BarSeriesData>& series,
                        bool marks)
{
    categories_ = categories;
    series_ = series;
    marks_ = marks;

    QChart* c = chart();
    c->removeAllSeries(); // deletes them

    auto* bars = new QBarSeries;
    qreal highest = 0;
    for (const BarSeriesData& s : series) {
        if (!s.visible)
            continue;
        auto* set = new QBarSet(s.title);
        set->setColor(s.color);
        set->setBorderColor(s.color.darker(130));
        set->append(s.values);
        set->setLabelColor(Qt::black);
        bars->append(set);
        for (const qreal v : s.values)
            highest = std::max(highest, v);
    }
    bars->setLabelsVisible(marks);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    bars->setBarWidth(0.8);
    c->addSeries(bars);

    // The axis drops repeated categories, which would shift every later bar: make them unique.
    QStringList unique;
    QSet<QString> seen;
    for (QString category : categories) {
        while (seen.contains(category))
            category += u' ';
        seen.insert(category);
        unique << category;
    }
    axisX_->clear();
    axisX_->append(unique);
    // Hundreds of issue labels would only blur into each other.
    axisX_->setLabelsVisible(categories.size() <= 60);
    axisX_->setLabelsAngle(categories.size() > 12 ? -90 : 0);
    bars->attachAxis(axisX_);

    // Whole-number ticks: a handful of them, on multiples of a round step.
    const int top = std::max(1, static_cast<int>(std::ceil(highest)));
    int step = 1;
    while (top / step > 5)
        step *= step % 3 == 2 ? 5 : 2; // 1, 2, 10, 20, 100, ...
    const int axisTop = (top / step + 1) * step;
    axisY_->setRange(0, axisTop);
    axisY_->setTickCount(axisTop / step + 1);
    bars->attachAxis(axisY_);
}

} // namespace pickora::ui
