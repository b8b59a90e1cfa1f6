#include <gtest/gtest.h>

#include "store/db_engine.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/u_datamod.h"
#include "store/u_public.h"
#include "support/temp_program_folder.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kShandong = u"山东体彩11选5"_s;

struct OpenStore {
    explicit OpenStore(const test::TempProgramFolder& folder)
        : datamod(folder.databaseFile()), store(datamod, random)
    {
        store.setProfile({.name = kShandong.toStdString()});
    }
    Tdatamod datamod;
    SeededRandom random{5};
    DrawStore store;
};

} // namespace

TEST(DrawStore, RetentionCapDeletesTheOldestFromTheFile)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    const auto draws = test::TempProgramFolder::sampleDraws(3001);
    folder.addDraws(kShandong, draws);
    OpenStore open(folder);
    open.store.openDrawStore();
    open.store.loadDrawHistory();
    EXPECT_EQ(open.store.history().count(), 3000);
    EXPECT_EQ(folder.rowCount(schema::numberTable(kShandong)), 3000);
    EXPECT_EQ(open.store.history().rowText(0, 0), std::to_string(std::stoi(draws[1].issueText)));
    EXPECT_EQ(open.store.combinations().entries.size(), 990U);

    // Reopening keeps 3000: the cap never takes a row too many.
    open.store.openDrawStore();
    EXPECT_EQ(folder.rowCount(schema::numberTable(kShandong)), 3000);
}

TEST(DrawStore, EmptyTableOpensWithNoDraws)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    OpenStore open(folder);
    open.store.openDrawStore();
    open.store.loadDrawHistory();
    EXPECT_EQ(open.store.history().count(), 0);
    open.store.loadTransformedHistory();
    for (int y = 1; y <= 11; ++y)
        EXPECT_EQ(open.store.transformed().finalRanking.rankOfLabel[static_cast<std::size_t>(y)], y);
}

TEST(DrawStore, BackPositionReadsColumnsThreeToFiveInOrder)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    folder.addDraws(kShandong, {{"09123101", {5, 11, 2, 8, 1}}});
    OpenStore open(folder);
    open.store.setDrawPosition(DrawPosition::Back);
    open.store.openDrawStore();
    open.store.loadDrawHistory();
    const DrawHistory& h = open.store.history();
    ASSERT_EQ(h.count(), 1);
    EXPECT_EQ(h.draws[0].issue, 9123101);
    EXPECT_EQ(h.dates[0], "2009-12-31");
    EXPECT_EQ(h.rowText(0, 1), "02 08 01");
    EXPECT_EQ(h.rowText(0, 4), "1");
    EXPECT_EQ(h.rowText(0, 10), "1");
    EXPECT_EQ(h.rowText(0, 3), "1");
    EXPECT_EQ(h.rowText(0, 7), "0");
}

TEST(DrawStore, TransformedRowsAndReopenReturnsToStandardRows)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    folder.addDraws(kShandong, test::TempProgramFolder::sampleDraws(200));
    OpenStore open(folder);
    int changes = 0;
    QObject::connect(&open.store, &DrawStore::rowsChanged, [&] { ++changes; });
    open.store.openDrawStore();
    open.store.loadDrawHistory();
    const auto standard = open.store.history().rows;
    open.store.showTransformed();
    EXPECT_EQ(changes, 2);
    ASSERT_EQ(open.store.history().rows.size(), standard.size());
    bool differs = false;
    for (std::size_t i = 0; i < standard.size(); ++i) {
        EXPECT_EQ(open.store.history().rows[i].issueText, standard[i].issueText);
        differs |= open.store.history().rows[i].numbersText != standard[i].numbersText;
    }
    EXPECT_TRUE(differs);
    // The stored draws are untouched by the transform.
    EXPECT_EQ(open.store.history().draws[0].numbers[0], 1);

    open.store.openDrawStore();
    EXPECT_FALSE(open.store.transformedMode());
    open.store.loadDrawHistory();
    for (std::size_t i = 0; i < standard.size(); ++i)
        EXPECT_EQ(open.store.history().rows[i].numbersText, standard[i].numbersText);
}

TEST(DrawStore, FailuresLeaveTheStoreClosedAndTheHistoryIntact)
{
    test::TempProgramFolder folder;
    OpenStore open(folder);
    EXPECT_THROW(open.store.openDrawStore(), db::DbError); // no database file
    EXPECT_FALSE(open.datamod.t_con.isOpen());

    folder.createDatabase();
    folder.exec(u"DROP TABLE \"山东体彩11选5彩票号码表\""_s);
    EXPECT_THROW(open.store.openDrawStore(), db::DbError); // no number table
    EXPECT_FALSE(open.datamod.t_con.isOpen());
}

TEST(DrawStore, EmptyNumberIsRefusedOnlyWhereItIsAnalysed)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    folder.addDraws(kShandong, test::TempProgramFolder::sampleDraws(5));
    folder.exec(u"INSERT INTO \"山东体彩11选5彩票号码表\" VALUES ('10090101', 1, 2, 3, 4, NULL, '')"_s);
    OpenStore open(folder);
    open.store.setDrawPosition(DrawPosition::Front);
    open.store.openDrawStore();
    open.store.loadDrawHistory();
    ASSERT_EQ(open.store.history().count(), 6);
    const auto before = open.store.history().rows;

    open.store.setDrawPosition(DrawPosition::Back);
    open.store.openDrawStore();
    EXPECT_THROW(open.store.loadDrawHistory(), db::DbError);
    EXPECT_EQ(open.store.history().rows.size(), before.size()); // nothing half-loaded
}
