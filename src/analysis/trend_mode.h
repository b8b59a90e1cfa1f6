#pragma once

namespace pickora::ui {

// "标准走势" and "变幻走势" as other windows ask the main window for them.
class TrendModeSwitch {
public:
    virtual ~TrendModeSwitch() = default;
    virtual void showStandardTrend() = 0;
    virtual void showTransformedTrend() = 0;
};

} // namespace pickora::ui
