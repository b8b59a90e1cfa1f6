#include <gtest/gtest.h>

#include "invest/plan_file.h"

using namespace pickora;

TEST(PlanFile, SavedTextReadsBack)
{
    const std::vector<std::string> settings = {"0", "10", "16", "1000", "2"};
    const std::vector<std::vector<std::string>> rows = {{"1", "1", "16", "16", "1000", "984", "6150"},
                                                        {"2", "1", "16", "32", "1000", "968", "3025"}};
    const std::string text = planFileText(settings, rows);
    EXPECT_EQ(text.substr(0, 12), "0\r\n10\r\n16\r\n1");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5 + 14);
    const LoadedPlan plan = parsePlanFile(text, 5, 7);
    EXPECT_EQ(plan.settings, settings);
    EXPECT_FALSE(plan.failed);
    ASSERT_EQ(plan.rows.size(), 2U);
    EXPECT_EQ(plan.rows[1], (std::vector<std::int64_t>{2, 1, 16, 32, 1000, 968, 3025}));
}

TEST(PlanFile, ReadingStopsAtTheFirstBadCell)
{
    std::string text = "0\r\n10\r\n16\r\n1000\r\n80\r\n";
    for (int r = 1; r <= 2; ++r)
        for (int c = 0; c < 7; ++c)
            text += std::to_string(r * 10 + c) + "\r\n";
    text += "3\r\n2\r\nabc\r\n4\r\n";
    const LoadedPlan plan = parsePlanFile(text, 5, 7);
    EXPECT_TRUE(plan.failed);
    EXPECT_EQ(plan.rows.size(), 2U);
    ASSERT_EQ(plan.cells.size(), 3U);
    EXPECT_EQ(plan.cells[2], (std::vector<std::string>{"3", "2"}));

    // A row cut short by the end of the file is not a complete row either.
    const LoadedPlan cut = parsePlanFile("1\n2\n3\n4\n5\n1\n2\n3\n", 5, 7);
    EXPECT_TRUE(cut.failed);
    EXPECT_TRUE(cut.rows.empty());
    // A file of settings alone holds no rows; a short file misses settings.
    EXPECT_FALSE(parsePlanFile("1\r\n2\r\n3\r\n4\r\n5\r\n", 5, 7).failed);
    EXPECT_TRUE(parsePlanFile("1\r\n2\r\n", 5, 7).missingSettings);
}
