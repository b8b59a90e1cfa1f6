#pragma once
// The repeat window: the indicator frame over IndicatorKind::Repeat.

#include "analysis/indicator_view.h"

namespace pickora::ui {

class Tfrmcongma : public IndicatorView {
public:
    explicit Tfrmcongma(const DrawStore& store, QWidget* parent = nullptr)
        : IndicatorView(IndicatorKind::Repeat, store, parent)
    {
        setObjectName(QStringLiteral("Tfrmcongma"));
    }
};

} // namespace pickora::ui
