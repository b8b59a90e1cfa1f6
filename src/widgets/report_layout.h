#pragma once
// The ruled, paged table print-out: where every text and rule of every page goes, in printer
// device units, for a printable area of W x H. The painter only draws what this returns.

#include <string>
#include <utility>
#include <vector>

namespace pickora {

enum class ReportLayout {
    FixedPlan,       // 7 columns
    PhasedPlan,      // 7 columns
    VariablePlan,    // 8 columns
    InvestmentList,  // 75 rows a page in three groups of 25
    TotalFilter,     // a row number and the bet
};

enum class ReportFont { Title, Body };

struct ReportText {
    int x = 0, y = 0; // top-left corner
    std::string text;
    ReportFont font = ReportFont::Body;
};

struct ReportLine {
    int x1, y1, x2, y2;
};

struct ReportPage {
    std::vector<ReportText> texts;
    std::vector<ReportLine> lines;
};

struct ReportInput {
    ReportLayout layout = ReportLayout::FixedPlan;
    int width = 0;  // W
    int height = 0; // H
    std::string title;
    int titleWidth = 0;        // the title's width in the title font, for centring
    std::string settingsLine;  // composed by the caller
    std::vector<std::string> headers;           // the grid's header row
    std::vector<std::vector<std::string>> rows; // the grid's body rows 1..R
};

// Every page, the first with the title and settings line. With R = 0 only the head is printed.
std::vector<ReportPage> layoutReport(const ReportInput& input);

int reportPageCount(ReportLayout layout, int rowCount);
// "共" n "页\第" p "页"
std::string reportFooter(int pageCount, int page);
// A page of settings without a table: the title, "打印日期:" and the date, then one line of a
// left and a right text for each entry of `lines` (six fit), on the lines y = k H / 30 from k = 4.
struct SettingsPageInput {
    int width = 0;
    int height = 0;
    std::string title;
    int titleWidth = 0;
    std::string date;
    std::vector<std::pair<std::string, std::string>> lines;
};
ReportPage layoutSettingsPage(const SettingsPageInput& input);

// The print date: four-digit year, month and day without leading zeros, joined by "-".
std::string reportDate(int year, int month, int day);

} // namespace pickora
