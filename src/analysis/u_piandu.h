#pragma once
// The skew window: the indicator frame over IndicatorKind::Skew.

#include "analysis/indicator_view.h"

namespace pickora::ui {

class Tfrmpiandu : public IndicatorView {
public:
    explicit Tfrmpiandu(const DrawStore& store, QWidget* parent = nullptr)
        : IndicatorView(IndicatorKind::Skew, store, parent)
    {
        setObjectName(QStringLiteral("Tfrmpiandu"));
    }
};

} // namespace pickora::ui
