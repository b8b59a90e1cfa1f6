#pragma once
// The big window: the indicator frame over IndicatorKind::Big.

#include "analysis/indicator_view.h"

namespace pickora::ui {

class Tfrmdaxiao : public IndicatorView {
public:
    explicit Tfrmdaxiao(const DrawStore& store, QWidget* parent = nullptr)
        : IndicatorView(IndicatorKind::Big, store, parent)
    {
        setObjectName(QStringLiteral("Tfrmdaxiao"));
    }
};

} // namespace pickora::ui
