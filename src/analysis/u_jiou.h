#pragma once
// The odd window: the indicator frame over IndicatorKind::Odd.

#include "analysis/indicator_view.h"

namespace pickora::ui {

class Tfrmjiou : public IndicatorView {
public:
    explicit Tfrmjiou(const DrawStore& store, QWidget* parent = nullptr)
        : IndicatorView(IndicatorKind::Odd, store, parent)
    {
        setObjectName(QStringLiteral("Tfrmjiou"));
    }
};

} // namespace pickora::ui
