#pragma once
// "中奖回补分析选号": the omission analysis keyed on a long absence after which a number has
// lately come back.

#include "analysis/omission_window.h"

namespace pickora::ui {

class Tfrmyilou : public OmissionWindow {
    Q_OBJECT
public:
    explicit Tfrmyilou(const DrawStore& store, QWidget* parent = nullptr);
};

} // namespace pickora::ui
