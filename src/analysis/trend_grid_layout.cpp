#include "analysis/trend_grid_layout.h"

namespace pickora::trendgrid {

ColumnKind columnKind(int column, int totalNumbers)
{
    if (column == 0)
        return ColumnKind::Issue;
    if (column == 1)
        return ColumnKind::Numbers;
    if (column == 2 || column == totalNumbers + 3)
        return ColumnKind::Separator;
    return ColumnKind::Number;
}

int columnWidth(int column, int totalNumbers, int clientWidth)
{
    switch (columnKind(column, totalNumbers)) {
    case ColumnKind::Issue: return kIssueWidth;
    case ColumnKind::Numbers: return kNumbersWidth;
    case ColumnKind::Separator: return kSeparatorWidth;
    case ColumnKind::Number: break;
    }
    const int width = (clientWidth - kReservedWidth) / (columnCount(totalNumbers) - 4);
    return width > 0 ? width : 1;
}

std::string sampleText(int column, int totalNumbers, int pickCount, bool header)
{
    switch (columnKind(column, totalNumbers)) {
    case ColumnKind::Issue: return header ? "记录期号" : "2001001";
    case ColumnKind::Numbers: {
        if (header)
            return "开奖号码";
        std::string text;
        for (int j = 0; j < pickCount; ++j)
            text += j == 0 ? "00" : " 00";
        return text;
    }
    case ColumnKind::Separator: return {};
    case ColumnKind::Number: return header ? "00" : "●";
    }
    return {};
}

std::string headerText(int column, int totalNumbers)
{
    switch (columnKind(column, totalNumbers)) {
    case ColumnKind::Issue: return "记录期号";
    case ColumnKind::Numbers: return "开奖号码";
    case ColumnKind::Separator: return {};
    case ColumnKind::Number: return std::to_string(numberOfColumn(column));
    }
    return {};
}

} // namespace pickora::trendgrid
