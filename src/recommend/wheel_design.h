#pragma once
// The wheels of the rotation-matrix window as designs: which files ship, what each promises, the
// exhaustive check of that promise, the lower bounds on a wheel's size and the file format.
//
// A wheel file 选<m>型<b>码中<r>保<g>.txt lists bets of m positions out of b base numbers and
// promises: whenever r of the b numbers are drawn, some bet holds at least g of them. In design
// terms it is a lotto design L(b, m, r, g); for r = g, the covering design C(b, m, g).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pickora {

struct WheelParams {
    int base = 0;       // b: base numbers, positions 1 … b
    int pick = 0;       // m: numbers per bet
    int drawn = 0;      // r: base numbers drawn
    int guaranteed = 0; // g: of them, at least this many in one bet
    friend bool operator==(const WheelParams&, const WheelParams&) = default;
};

// A bet as a set of positions: bit p - 1 stands for position p (b ≤ 16).
using WheelBet = std::uint16_t;

inline constexpr int kMaxWheelBase = 11;
inline constexpr int kMaxWheelPick = 7;
inline constexpr int kMaxWheelDrawn = 8;

// "一" … "七" for 1 … 7; empty otherwise.
std::string wheelNumeral(int n);
// 选六型10码中6保5.txt: the numeral of m, b as two digits, r and g in plain decimal.
std::string wheelFileName(const WheelParams& p);
// The design a file name promises; nothing when the name is not of that form.
std::optional<WheelParams> parseWheelFileName(std::string_view name);
// Every design that ships: 1 ≤ m ≤ 7, m < b ≤ 11, 1 ≤ g ≤ m, g ≤ r ≤ min(b, 8), ordered by m, b,
// g, r.
std::vector<WheelParams> wheelCatalogue();

// The bets of a wheel file, one a line: positions ascending, separated by one blank, CR LF.
std::string wheelFileText(const std::vector<WheelBet>& bets);

struct ParsedWheel {
    std::vector<WheelBet> bets;
    std::string error; // empty when the whole text is in the shipped format
};
// Reads a wheel file strictly in the shipped format for `p`: every line m distinct positions
// 1 … b, ascending, one blank apart, ended by CR LF; the error names the first bad line.
ParsedWheel parseWheelFile(std::string_view text, const WheelParams& p);

struct WheelCheck {
    bool ok = false;
    std::string problem;     // why the promise fails, for a person
    WheelBet uncovered = 0;  // a drawn set no bet holds g of, when the bets are fine otherwise
    std::uint64_t subsetsChecked = 0;
};
// Checks the promise exhaustively: every bet has m positions within 1 … b, and for every r-subset
// of the b positions some bet holds at least g of it.
WheelCheck verifyWheel(const WheelParams& p, const std::vector<WheelBet>& bets);

// C(n, k) for small n; 0 when k < 0 or k > n.
std::uint64_t binomial(int n, int k);
// The simple counting bound: the r-subsets divided by the most that one bet can serve.
int countingBound(const WheelParams& p);
// The Schönheim bound for the covering design C(v, k, t).
int schoenheimBound(int v, int k, int t);
// The best lower bound we can state for the design: the counting bound, the Schönheim bound for
// r = g, and the exact sizes of the plain cases (g = 1: the bets must reach b - r + 1 numbers).
int wheelLowerBound(const WheelParams& p);

// "1 3 5" → positions as a bet; the text of a bet's positions, ascending, one blank apart.
std::string betPositionsText(WheelBet bet);
int betSize(WheelBet bet);

} // namespace pickora
