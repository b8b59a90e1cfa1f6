#pragma once
// The result list of the exclusion windows: "序号" and the bet, with the window's blank prefixes;
// the text of a row is made when it is shown, so long loaded lists cost little.

#include <QAbstractTableModel>
#include <vector>

#include "exclude/candidate_table.h"

namespace pickora::ui {

class ExclusionListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ExclusionListModel(int pickCount, int headerBlanks, QObject* parent = nullptr);

    void showBets(std::vector<Candidate> bets, int blanks);
    void clear();
    const std::vector<Candidate>& bets() const { return bets_; }
    int blanks() const { return blanks_; }
    // The bet cell of row r (from 0) as shown.
    QString cell(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Candidate> bets_;
    int pickCount_;
    int headerBlanks_;
    int blanks_ = 0;
};

} // namespace pickora::ui
