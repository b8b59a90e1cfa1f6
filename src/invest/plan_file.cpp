#include "invest/plan_file.h"

#include <charconv>

namespace pickora {

std::string planFileText(const std::vector<std::string>& settings,
                         const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const std::string& line : settings)
        text += line + "\r\n";
    for (const auto& row : rows)
        for (const std::string& cell : row)
            text += cell + "\r\n";
    return text;
}

bool parseWholeNumber(std::string_view text, std::int64_t& value)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

namespace {

// Lines split at LF with a trailing CR dropped; a final line without an end still counts.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

LoadedPlan parsePlanFile(std::string_view text, int settingsCount, int columns)
{
    LoadedPlan plan;
    const std::vector<std::string_view> lines = splitLines(text);
    std::size_t next = 0;
    for (int i = 0; i < settingsCount; ++i) {
        if (next < lines.size())
            plan.settings.emplace_back(lines[next++]);
        else {
            plan.settings.emplace_back();
            plan.missingSettings = true;
        }
    }
    // A file ends with CR LF, which leaves no line behind; blank lines at the very end (an
    // editor's extra newline) are not a row.
    std::size_t end = lines.size();
    while (end > next && lines[end - 1].empty())
        --end;
    while (next < end) {
        std::vector<std::string> cells;
        std::vector<std::int64_t> values;
        for (int c = 0; c < columns; ++c) {
            if (next >= end) {
                plan.failed = true; // the row is cut short
                break;
            }
            std::int64_t value = 0;
            const std::string_view cell = lines[next++];
            if (!parseWholeNumber(cell, value)) {
                plan.failed = true;
                break;
            }
            cells.emplace_back(cell);
            values.push_back(value);
        }
        plan.cells.push_back(std::move(cells));
        if (plan.failed)
            break;
        plan.rows.push_back(std::move(values));
    }
    return plan;
}

} // namespace pickora
