#include "widgets/report_layout.h"

namespace pickora {

namespace {

struct ColumnLayout {
    int columns;      // C
    int left;         // L
    int headerOffset;
    int bodyOffset;
    int rowsPerPage;
    int footerX;
};

ColumnLayout columnLayout(ReportLayout layout, int w)
{
    switch (layout) {
    case ReportLayout::FixedPlan:
    case ReportLayout::PhasedPlan: return {7, w / 13, 100, 220, 25, w * 7 / 10 + 800};
    case ReportLayout::VariablePlan: return {8, w / 13, 80, 180, 25, w * 8 / 10 + 350};
    case ReportLayout::InvestmentList: return {8, w / 14, 100, 170, 75, w * 8 / 10 + 330};
    case ReportLayout::TotalFilter: return {8, w / 14, 120, 180, 25, w * 8 / 10 + 330};
    }
    return {7, w / 13, 100, 220, 25, w * 7 / 10 + 800};
}

bool isNumberList(ReportLayout layout)
{
    return layout == ReportLayout::InvestmentList || layout == ReportLayout::TotalFilter;
}

// The band (1..25) a row prints in.
int bandOf(int row) { return row % 25 == 0 ? 25 : row % 25; }

} // namespace

int reportPageCount(ReportLayout layout, int rowCount)
{
    const int perPage = layout == ReportLayout::InvestmentList ? 75 : 25;
    return rowCount / perPage + (rowCount % perPage != 0 ? 1 : 0);
}

std::string reportFooter(int pageCount, int page)
{
    return "共" + std::to_string(pageCount) + "页\\第" + std::to_string(page) + "页";
}

std::string reportDate(int year, int month, int day)
{
    return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
}

std::vector<ReportPage> layoutReport(const ReportInput& in)
{
    const int W = in.width;
    const int H = in.height;
    const ColumnLayout cl = columnLayout(in.layout, W);
    const int R = static_cast<int>(in.rows.size());
    const auto edge = [&](int c) { return cl.left + (c * W * 9 / 10) / cl.columns; };

    std::vector<ReportPage> pages(1);
    // Page head, on page 1 only.
    pages[0].texts.push_back({(W - in.titleWidth) / 2, H / 29 - 50, in.title, ReportFont::Title});
    const int settingsX = isNumberList(in.layout) ? W / 14 : W / 12;
    pages[0].texts.push_back({settingsX, 2 * H / 29 - 20, in.settingsLine, ReportFont::Body});

    const int pageCount = reportPageCount(in.layout, R);
    const int perPage = cl.rowsPerPage;
    for (int p = 1; p <= pageCount; ++p) {
        if (p > 1)
            pages.emplace_back();
        ReportPage& page = pages.back();
        for (int k = 0; k <= 26; ++k) {
            const int y = (k + 3) * H / 29 - 120;
            page.lines.push_back({cl.left, y, cl.left + (cl.columns * W * 9 / 10) / cl.columns, y});
        }
        const int top = 3 * H / 29 - 120;
        const int bottom = H - 120;
        const int headerY = 3 * H / 30;
        if (in.layout == ReportLayout::TotalFilter) {
            for (const int c : {0, 2, 8})
                page.lines.push_back({edge(c), top, edge(c), bottom});
            page.texts.push_back({cl.left + 200, headerY, "序号", ReportFont::Body});
            page.texts.push_back({edge(2) + 120, headerY, "投注号码", ReportFont::Body});
        } else {
            for (int c = 0; c <= cl.columns; ++c)
                page.lines.push_back({edge(c), top, edge(c), bottom});
            if (in.layout == ReportLayout::InvestmentList) {
                for (int g = 0; g < 3; ++g) {
                    page.texts.push_back({edge(3 * g) + 100, headerY, "序号", ReportFont::Body});
                    page.texts.push_back({edge(3 * g + 1) + 120, headerY, "投注号码", ReportFont::Body});
                }
            } else {
                for (int c = 0; c < cl.columns && c < static_cast<int>(in.headers.size()); ++c)
                    page.texts.push_back({edge(c) + cl.headerOffset, headerY, in.headers[static_cast<std::size_t>(c)], ReportFont::Body});
            }
        }

        const int firstRow = (p - 1) * perPage + 1;
        const int lastRow = std::min(p * perPage, R);
        for (int r = firstRow; r <= lastRow; ++r) {
            const std::vector<std::string>& cells = in.rows[static_cast<std::size_t>(r - 1)];
            const int y = (bandOf(r) + 3) * H / 29;
            switch (in.layout) {
            case ReportLayout::TotalFilter: {
                std::string bet;
                for (std::size_t c = 1; c < cells.size(); ++c)
                    bet += cells[c] + " ";
                page.texts.push_back({cl.left + 200, y, std::to_string(r), ReportFont::Body});
                page.texts.push_back({edge(2) + 180, y, bet, ReportFont::Body});
                break;
            }
            case ReportLayout::InvestmentList: {
                const int block = r / 25 + (r % 25 != 0 ? 1 : 0);
                const int group = block % 3 == 0 ? 3 : block % 3;
                const int v = 3 * (group - 1);
                std::string bet;
                for (std::size_t c = 1; c <= 3 && c < cells.size(); ++c)
                    bet += cells[c];
                page.texts.push_back({edge(v) + 170, y, std::to_string(r), ReportFont::Body});
                page.texts.push_back({edge(v + 1) + 180, y, bet, ReportFont::Body});
                break;
            }
            default:
                for (int c = 0; c < cl.columns && c < static_cast<int>(cells.size()); ++c)
                    page.texts.push_back({edge(c) + cl.bodyOffset, y, cells[static_cast<std::size_t>(c)], ReportFont::Body});
            }
        }
        page.texts.push_back({cl.footerX, 28 * H / 29 + 130, reportFooter(pageCount, p), ReportFont::Body});
    }
    return pages;
}

ReportPage layoutSettingsPage(const SettingsPageInput& in)
{
    const int W = in.width;
    const int H = in.height;
    ReportPage page;
    page.texts.push_back({(W - in.titleWidth) / 2, H / 29 - 50, in.title, ReportFont::Title});
    page.texts.push_back({W / 14, 2 * H / 29 - 20, "打印日期:" + in.date, ReportFont::Body});
    int k = 4;
    for (const auto& [left, right] : in.lines) {
        page.texts.push_back({W / 10, k * H / 30, left, ReportFont::Body});
        page.texts.push_back({W / 10 + W / 2, k * H / 30, right, ReportFont::Body});
        ++k;
    }
    return page;
}

} // namespace pickora
