#pragma once
// The AC window: the indicator frame over IndicatorKind::AC.

#include "analysis/indicator_view.h"

namespace pickora::ui {

class Tfrmac : public IndicatorView {
public:
    explicit Tfrmac(const DrawStore& store, QWidget* parent = nullptr)
        : IndicatorView(IndicatorKind::AC, store, parent)
    {
        setObjectName(QStringLiteral("Tfrmac"));
    }
};

} // namespace pickora::ui
