#pragma once
// The rotation-matrix window's logic: which matrix file a setting reads, how its lines read, how
// the player's numbers fill the bets, and the names and text of the saved bet list.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pickora {

enum class WheelKind { Balanced, Banker }; // "平衡式", "胆拖式"

struct WheelSettings {
    WheelKind kind = WheelKind::Balanced;
    int pick = 6;       // m: numbers per bet
    int base = 10;      // b: base numbers
    int bankers = 0;    // d: banker numbers ("胆拖式" only)
    int drawn = 6;      // r
    int guaranteed = 5; // g
};

// The matrix file under 旋转矩阵/: 选六型10码中6保5.txt; in "胆拖式" the file of the reduced
// problem, m - d numbers per bet, r - d drawn and g - d guaranteed.
std::string matrixFileName(const WheelSettings& s);
// The proposed name of the saved list: 选六型10码中6保5投注号码.txt, 选六型1胆9拖中6保5投注号码.txt.
std::string betListFileName(const WheelSettings& s);

struct MatrixLines {
    std::vector<std::vector<int>> lines; // the positions of each bet, as read
    std::size_t badLine = 0;             // the 1-based line refused, 0 when none
    std::string problem;                 // why it was refused
};
// Reads the lines of a matrix file until the end or a line whose first value is not a whole
// number. Values are separated by blanks (blanks and commas before a value are skipped). A line
// with another count of values than `valuesPerLine`, or a value outside 1 … `maxPosition`, is
// refused: nothing is returned but the line and the reason.
MatrixLines readMatrixLines(std::string_view text, int maxPosition, int valuesPerLine);

// The bets: each line's positions select numbers of `base` (position t is base[t - 1]); the
// bankers follow in the last columns; then each bet is put in ascending order by exchange sort.
std::vector<std::vector<int>> wheelBets(const std::vector<std::vector<int>>& lines,
                                        const std::vector<int>& base,
                                        const std::vector<int>& bankers);

// The saved list: per bet its cells, each followed by one blank, lines ended by CR LF.
std::string betListText(const std::vector<std::vector<std::string>>& rows);

} // namespace pickora
