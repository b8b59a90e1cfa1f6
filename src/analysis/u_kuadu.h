#pragma once
// The span window: the indicator frame over IndicatorKind::Span.

#include "analysis/indicator_view.h"

namespace pickora::ui {

class Tfrmkuadu : public IndicatorView {
public:
    explicit Tfrmkuadu(const DrawStore& store, QWidget* parent = nullptr)
        : IndicatorView(IndicatorKind::Span, store, parent)
    {
        setObjectName(QStringLiteral("Tfrmkuadu"));
    }
};

} // namespace pickora::ui
