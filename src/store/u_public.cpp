#include "store/u_public.h"

#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/u_datamod.h"

namespace pickora {

DrawStore::DrawStore(Tdatamod& datamod, RandomSource& random, QObject* parent)
    : QObject(parent), datamod_(datamod), random_(random)
{
}

void DrawStore::openLottery(const LotteryProfile& profile)
{
    lotteryOpen_ = false;
    profile_ = profile;
    try {
        openDrawStore();
        history_ = readHistory();
    } catch (...) {
        closeDrawStore();
        throw;
    }
    lotteryOpen_ = true;
    emit rowsChanged();
}

void DrawStore::showStandard()
{
    history_ = readHistory();
    transformedMode_ = false;
    emit rowsChanged();
}

void DrawStore::showTransformed() { loadTransformedHistory(); }

void DrawStore::openDrawStore()
{
    transformedMode_ = false;
    db::DbConnection& con = datamod_.t_con;
    db::RecordSet& table = datamod_.t_caipiao;
    table.close();
    con.close();
    try {
        con.open(datamod_.databaseFile());
        table.openTable(schema::numberTable(QString::fromStdString(profile_.name)),
                        schema::kIssueColumn);
        if (table.rowCount() > kRetainedDraws)
            table.deleteFirst(table.rowCount() - kRetainedDraws);
    } catch (...) {
        table.close();
        con.close();
        throw;
    }
    combinations_ = buildCombinationSpace(profile_.totalNumbers);
}

void DrawStore::loadDrawHistory()
{
    history_ = readHistory();
    emit rowsChanged();
}

DrawHistory DrawStore::readHistory()
{
    db::RecordSet& table = datamod_.t_caipiao;
    std::vector<StoredDraw> stored;
    stored.reserve(table.rowCount());
    const int issueColumn = table.fieldIndex(schema::kIssueColumn);
    const int first = firstColumn(drawPosition_);
    int columns[kStoredNumbers] = {};
    for (int j = 0; j < profile_.pickCount; ++j)
        columns[j] = table.fieldIndex(QString::number(first + j));
    for (table.first(); !table.eof(); table.next()) {
        StoredDraw draw;
        draw.issueText = table.text(issueColumn).toStdString();
        // Only the analysed columns are read; the others may even be empty.
        for (int j = 0; j < profile_.pickCount; ++j)
            draw.numbers[first - 1 + j] = table.integer(columns[j]);
        stored.push_back(std::move(draw));
    }
    table.first();
    return buildDrawHistory(stored, drawPosition_, profile_.totalNumbers, profile_.pickCount);
}

void DrawStore::loadTransformedHistory() { applyTransform(drawTransformParameters()); }

TransformParameters DrawStore::drawTransformParameters()
{
    random_.reseedFromClock();
    TransformParameters parameters;
    parameters.windowLength = drawWindowLength(random_);
    parameters.permutation = drawPermutation(profile_.totalNumbers, random_);
    return parameters;
}

void DrawStore::applyTransform(const TransformParameters& parameters)
{
    transformedMode_ = true;
    transformed_ = transformHistory(history_.draws, profile_.totalNumbers, profile_.pickCount,
                                   parameters.permutation, parameters.windowLength);
    rebuildRows(history_, transformed_.draws);
    emit rowsChanged();
}

void DrawStore::closeDrawStore()
{
    datamod_.t_caipiao.close();
    datamod_.t_con.close();
    history_.clear();
    lotteryOpen_ = false;
    transformedMode_ = false;
    emit rowsChanged();
}

} // namespace pickora
