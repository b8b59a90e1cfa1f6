#pragma once
// The sum window: the indicator frame over IndicatorKind::Sum.

#include "analysis/indicator_view.h"

namespace pickora::ui {

class Tfrmhei : public IndicatorView {
public:
    explicit Tfrmhei(const DrawStore& store, QWidget* parent = nullptr)
        : IndicatorView(IndicatorKind::Sum, store, parent)
    {
        setObjectName(QStringLiteral("Tfrmhei"));
    }
};

} // namespace pickora::ui
