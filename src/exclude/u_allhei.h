#pragma once
// "无穷和值排除选号": excludes the candidates whose transformed numbers add up to an extreme sum,
// and shows the sum of every draw, stored or freshly transformed.

#include "exclude/exclusion_window.h"

class QPlainTextEdit;

namespace pickora::ui {

class Tfrmallhei : public ExclusionWindow {
    Q_OBJECT
public:
    explicit Tfrmallhei(DrawStore& store, QWidget* parent = nullptr);

    void btngenClick() { searchClick(); }
    void btntongjiClick();
    void btntongji2Click();
    void chkhistorybiaoClick() { redrawChart(); }
    void comjieduannumChange();
    int statisticsWindow() const { return windowPrime_; }

protected:
    std::unique_ptr<ExclusionMember> makeMember(ExclusionBasis basis) override;
    void searchEnded(const ExclusionMember& member) override { windowPrime_ = member.lastWindow(); }
    void afterClear() override { btntongjiClick(); }

private:
    void showStatistics(const std::vector<Draw>& shown);

    QComboBox* comhei1 = nullptr;
    QComboBox* comhei2 = nullptr;
    QPlainTextEdit* mem = nullptr;
    QPushButton* btntongji = nullptr;
    QPushButton* btntongji2 = nullptr;
    int windowPrime_ = 0; // W' of "变幻统计"
};

} // namespace pickora::ui
