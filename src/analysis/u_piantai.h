#pragma once
// "中奖偏态分析选号": the omission analysis keyed on every number's current omission.

#include "analysis/omission_window.h"

namespace pickora::ui {

class Tfrmpiantai : public OmissionWindow {
    Q_OBJECT
public:
    explicit Tfrmpiantai(const DrawStore& store, QWidget* parent = nullptr);
};

} // namespace pickora::ui
