#pragma once
// Geometry and look of the number trend grid: issue, numbers, a separator, one narrow column per
// number and a closing separator; row 0 is the header, row r shows draw D - r (newest on top).

#include <string>

namespace pickora::trendgrid {

enum class ColumnKind { Issue, Numbers, Separator, Number };

inline constexpr int kRowHeight = 24;
inline constexpr int kIssueWidth = 70;
inline constexpr int kNumbersWidth = 130;
inline constexpr int kSeparatorWidth = 8;
// What the fixed columns, separators and frame take of the client width.
inline constexpr int kReservedWidth = 248;

struct Rgb {
    int r, g, b;
};
inline constexpr Rgb kSeparatorFill{100, 100, 100};
inline constexpr Rgb kNumberFill{150, 150, 100};

inline int columnCount(int totalNumbers) { return totalNumbers + 4; }
inline int rowCount(int drawCount) { return drawCount + 1; }
// The draw shown in body row r (1..D).
inline int drawOfRow(int row, int drawCount) { return drawCount - row; }

ColumnKind columnKind(int column, int totalNumbers);
// The number shown by a number column (column - 2).
inline int numberOfColumn(int column) { return column - 2; }
int columnWidth(int column, int totalNumbers, int clientWidth);

// The text whose size places a cell's real text (so every cell of a column lines up alike).
std::string sampleText(int column, int totalNumbers, int pickCount, bool header);
// The header's own text of a column.
std::string headerText(int column, int totalNumbers);

struct Offset {
    int dx, dy;
};
// Where a cell's text starts, from the size of its column's sample text.
inline Offset textOffset(int cellWidth, int cellHeight, int sampleWidth, int sampleHeight)
{
    return {(cellWidth - sampleWidth) / 2 + 1, (cellHeight - sampleHeight) / 2 + 1};
}

} // namespace pickora::trendgrid
