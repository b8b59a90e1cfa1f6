#include "store/u_public.h"

#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/u_datamod.h"

namespace pickora {

DrawStore::DrawStore(Tdatamod& datamod, RandomSource& random, QObject* parent)
    : QObject(parent), datamod_(datamod), random_(random)
{
}

void DrawStore::openDrawStore()
{
    transformedMode = false;
    db::DbConnection& con = datamod_.t_con;
    db::RecordSet& table = datamod_.t_caipiao;
    table.close();
    con.close();
    try {
        con.open(datamod_.databaseFile());
        table.openTable(schema::numberTable(QString::fromStdString(profile.name)),
                        schema::kIssueColumn);
        if (table.rowCount() > kRetainedDraws)
            table.deleteFirst(table.rowCount() - kRetainedDraws);
    } catch (...) {
        table.close();
        con.close();
        throw;
    }
    combinations = buildCombinationSpace(profile.totalNumbers);
}

void DrawStore::loadDrawHistory()
{
    db::RecordSet& table = datamod_.t_caipiao;
    std::vector<StoredDraw> stored;
    stored.reserve(table.rowCount());
    const int issueColumn = table.fieldIndex(schema::kIssueColumn);
    const int first = firstColumn(drawPosition);
    int columns[kStoredNumbers] = {};
    for (int j = 0; j < profile.pickCount; ++j)
        columns[j] = table.fieldIndex(QString::number(first + j));
    for (table.first(); !table.eof(); table.next()) {
        StoredDraw draw;
        draw.issueText = table.text(issueColumn).toStdString();
        // Only the analysed columns are read; the others may even be empty.
        for (int j = 0; j < profile.pickCount; ++j)
            draw.numbers[first - 1 + j] = table.integer(columns[j]);
        stored.push_back(std::move(draw));
    }
    table.first();
    history = buildDrawHistory(stored, drawPosition, profile.totalNumbers, profile.pickCount);
    emit rowsChanged();
}

void DrawStore::loadTransformedHistory() { applyTransform(drawTransformParameters()); }

TransformParameters DrawStore::drawTransformParameters()
{
    random_.reseedFromClock();
    TransformParameters parameters;
    parameters.windowLength = drawWindowLength(random_);
    parameters.permutation = drawPermutation(profile.totalNumbers, random_);
    return parameters;
}

void DrawStore::applyTransform(const TransformParameters& parameters)
{
    transformed = transformHistory(history.draws, profile.totalNumbers, profile.pickCount,
                                   parameters.permutation, parameters.windowLength);
    rebuildRows(history, transformed.draws);
    emit rowsChanged();
}

void DrawStore::closeDrawStore()
{
    datamod_.t_caipiao.close();
    datamod_.t_con.close();
    history.clear();
    lotteryOpen = false;
    transformedMode = false;
    emit rowsChanged();
}

} // namespace pickora
