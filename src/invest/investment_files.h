#pragma once
// The investment mode's three files: the bet list, the settings, and both together. Lines end in
// CR LF; every line is ASCII. A file is read whole and checked whole before anything of it is
// used: a bad one is refused with the number of the line at fault.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "invest/investment_mode.h"

namespace pickora {

// The settings as the window holds them: list item indices, box texts and check states.
struct InvestmentSettingsFile {
    int playType = 0;        // optzhuzhi
    int waitItem = 0;        // comtozisep, 0 .. 50
    int runItem = 0;         // comtozirep, 0 .. 49
    int intervalItem = 0;    // comsepindex, 0 .. 99
    int countItem = 0;       // comsepnum, 0 .. 9
    std::string maxStake;    // edtsinmax
    std::string maxTotal;    // edtallmax
    std::string bets;        // edtjushu
    std::string prize;       // edtoutofsin
    std::string profit;      // edtlirun
    bool carry = true;       // chkyuji
    bool intervalMode = true; // chksepmode
    friend bool operator==(const InvestmentSettingsFile&, const InvestmentSettingsFile&) = default;
};

inline constexpr int kSettingsLines = 13;
// The longest list a file may hold (the largest any play type generates).
inline constexpr int kMaxFileBets = 1000;

// play type index, bet count, one line per bet ("027").
std::string betsFileText(PlayType type, const std::vector<Bet>& bets);
// The 13 settings lines.
std::string settingsFileText(const InvestmentSettingsFile& settings);
// The 13 settings lines, the bet count, one line per bet.
std::string combinedFileText(const InvestmentSettingsFile& settings, const std::vector<Bet>& bets);

struct LoadedInvestmentFile {
    std::optional<InvestmentSettingsFile> settings; // the settings and combined files
    PlayType playType = PlayType::Direct;           // the bet and combined files
    std::vector<Bet> bets;
    std::string error; // empty when the file is good: "第 3 行……"
    bool ok() const { return error.empty(); }
};

LoadedInvestmentFile parseBetsFile(std::string_view text);
LoadedInvestmentFile parseSettingsFile(std::string_view text);
LoadedInvestmentFile parseCombinedFile(std::string_view text);

} // namespace pickora
