#pragma once
// The plan files: the settings texts one per line, then every grid row as one value per line,
// lines ended by CR LF.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pickora {

// The file's text (ASCII digits and whatever the settings boxes held, UTF-8).
std::string planFileText(const std::vector<std::string>& settings,
                         const std::vector<std::vector<std::string>>& rows);

struct LoadedPlan {
    std::vector<std::string> settings;           // as many as asked for (missing lines empty)
    std::vector<std::vector<std::string>> cells; // the cells read, the last row maybe partial
    std::vector<std::vector<std::int64_t>> rows; // the rows read completely and parsed
    bool failed = false;  // a cell that is not a whole number, or a row cut short
    bool missingSettings = false;
};

// Reads the settings lines, then rows of `columns` lines until the end of the text. Reading stops
// at the first cell that is not a whole number; `rows` then holds the rows before it.
LoadedPlan parsePlanFile(std::string_view text, int settingsCount, int columns);

// The whole number a text holds (blanks around it allowed), as a 64-bit value.
bool parseWholeNumber(std::string_view text, std::int64_t& value);

} // namespace pickora
