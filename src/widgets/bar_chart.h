#pragma once
// The bar charts of the analysis windows: flat bars, one or more series with a legend at the
// top, value marks on demand.

#include <QChartView>
#include <QColor>
#include <QList>
#include <QStringList>
#include <vector>

class QBarCategoryAxis;
class QValueAxis;

namespace pickora::ui {

struct BarSeriesData {
    QString title;
    QColor color;
    QList<qreal> values;
    bool visible = true;
};

class BarChart : public QChartView {
    Q_OBJECT
public:
    explicit BarChart(const QString& title, QWidget* parent = nullptr);

    // Redraws from scratch: one category per bar position, the visible series side by side.
    void showBars(const QStringList& categories, const std::vector<BarSeriesData>& series,
                  bool marks);
    // What is drawn now (for tests and for redrawing).
    const QStringList& categories() const { return categories_; }
    const std::vector<BarSeriesData>& series() const { return series_; }
    bool marksShown() const { return marks_; }

private:
    QBarCategoryAxis* axisX_ = nullptr; // owned by the chart
    QValueAxis* axisY_ = nullptr;
    QStringList categories_;
    std::vector<BarSeriesData> series_;
    bool marks_ = false;
};

} // namespace pickora::ui
