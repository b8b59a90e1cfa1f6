#pragma once
// The scatter window: the indicator frame over IndicatorKind::Scatter.

#include "analysis/indicator_view.h"

namespace pickora::ui {

class Tfrmsandu : public IndicatorView {
public:
    explicit Tfrmsandu(const DrawStore& store, QWidget* parent = nullptr)
        : IndicatorView(IndicatorKind::Scatter, store, parent)
    {
        setObjectName(QStringLiteral("Tfrmsandu"));
    }
};

} // namespace pickora::ui
