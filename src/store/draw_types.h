#pragma once
// The open lottery's definition and its draws as the analyses see them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pickora {

// Every number table stores five numbers per draw; an analysed draw takes k of them.
inline constexpr int kStoredNumbers = 5;

enum class LotteryType : int { Lotto = 0, Digit = 1 };

struct LotteryProfile {
    std::string name;        // table prefix, UTF-8
    int type = 0;            // 0 乐透型, 1 数字型
    int totalNumbers = 11;   // N
    int pickCount = 3;       // k
    int secondPoolTotal = 0; // no second pool in an 11选5 game
    int secondPoolPick = 0;
};

// Which three of the five stored numbers form the analysed draw.
enum class DrawPosition : int { Front = 1, Middle = 2, Back = 3 };

// The first stored column ("1".."3") of the analysed draw.
constexpr int firstColumn(DrawPosition p) { return static_cast<int>(p); }
// "前三", "中三" or "后三" (UTF-8).
std::string_view positionText(DrawPosition p);

// One row of a number table as stored.
struct StoredDraw {
    std::string issueText; // yymmddnn
    std::array<int, kStoredNumbers> numbers{};
};

// One analysed draw: the issue as an integer and its k numbers (numbers[0..k-1]).
struct Draw {
    std::int32_t issue = 0;
    std::array<int, kStoredNumbers> numbers{};
};

// The trend grid's texts of one draw, kept compactly: column 0 is the issue text, column 1 the
// numbers text, column 2 "0", and column x + 2 is "1" when number x is drawn.
struct TrendRow {
    std::string issueText;
    std::string numbersText;
    std::uint32_t presence = 0; // bit x set when number x is among the draw's numbers
};

class DrawHistory {
public:
    int pickCount = 3;
    int totalNumbers = 11;
    std::vector<Draw> draws;         // oldest first
    std::vector<std::string> dates;  // "20yy-mm-dd"
    std::vector<TrendRow> rows;      // stored or transformed, whichever mode is in force

    int count() const { return static_cast<int>(draws.size()); }
    int rowColumnCount() const { return totalNumbers + 3; }
    // rows[i][column] as the grid reads it, for column 0 .. N + 2.
    std::string_view rowText(int i, int column) const;
    bool isDrawn(int i, int number) const { return (rows[i].presence >> number) & 1U; }
    void clear();
};

} // namespace pickora
