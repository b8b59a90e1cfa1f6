#pragma once
// "无穷重码排除选号": excludes the candidates that, in the transformed view, repeat too many
// numbers of one of the last draws; shows the repeats of every draw, stored or freshly transformed.

#include "exclude/exclusion_window.h"

namespace pickora::ui {

class Tfrmallcongma : public ExclusionWindow {
    Q_OBJECT
public:
    explicit Tfrmallcongma(DrawStore& store, QWidget* parent = nullptr);

    void btngenClick() { searchClick(); }
    void btntongjiClick();
    void btntongji2Click();
    void chkhistorybiaoClick() { redrawChart(); }
    void comqishuChange();
    void comjieduannumChange();
    int lookBack() const { return lookBack_; }
    int statisticsWindow() const { return windowPrime_; }

protected:
    std::unique_ptr<ExclusionMember> makeMember(ExclusionBasis basis) override;
    void searchEnded(const ExclusionMember& member) override { windowPrime_ = member.lastWindow(); }
    void afterClear() override { btntongjiClick(); }

private:
    void showStatistics(const std::vector<Draw>& shown);

    QComboBox* comqishu = nullptr;
    QComboBox* comAC = nullptr;
    QLineEdit* edtcurcode = nullptr;
    QPushButton* btntongji = nullptr;
    QPushButton* btntongji2 = nullptr;
    int lookBack_ = 10;   // M
    int windowPrime_ = 0; // W' of "变幻统计" and the chart's first draw
};

} // namespace pickora::ui
