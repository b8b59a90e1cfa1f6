// Feeds arbitrary bytes to the reader of pasted and opened draw texts and checks what it returns:
// every line lies inside the text without its line end, line numbers ascend, a read line has an
// eight-digit issue of a real day, five distinct numbers 1..11 and a yyyy-mm-dd date, a refused
// line says why; the import plan counts every line once and writes each new issue once, in
// issue order.
//
// The first byte chooses the stored draws the plan compares with (none, or two draws); the rest
// is the text.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "acquire/draw_import.h"

using namespace pickora;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool isDigits(std::string_view text)
{
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    StoredNumbers stored;
    if (data[0] & 1) {
        stored[24061201] = {5, 11, 2, 8, 1};
        stored[9123101] = {1, 2, 3, 4, 5};
    }
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const ImportText read = readDrawText(text);
    int previousLine = 0;
    for (const ImportedLine& line : read.lines) {
        require(line.lineNumber > previousLine);
        previousLine = line.lineNumber;
        require(line.offset <= text.size() && line.length <= text.size() - line.offset);
        const std::string_view own = text.substr(line.offset, line.length);
        require(own.find_first_of("\r\n") == std::string_view::npos);
        if (line.refused) {
            require(!line.reason.empty());
            require(line.issue.empty() || normalisedIssue(line.issue) == line.issue);
            continue;
        }
        require(line.reason.empty());
        require(line.issue.size() == 8 && isDigits(line.issue) && normalisedIssue(line.issue) == line.issue);
        require(line.date.size() == 10 && line.date[4] == '-' && line.date[7] == '-');
        unsigned seen = 0;
        for (const int n : line.numbers) {
            require(n >= 1 && n <= 11 && ((seen >> n) & 1U) == 0);
            seen |= 1U << n;
        }
    }

    const ImportPlan plan = planImport(read, stored);
    require(plan.statuses.size() == read.lines.size() && plan.notes.size() == read.lines.size());
    require(plan.newLines + plan.storedLines + plan.conflictingLines + plan.refusedLines
            == static_cast<int>(read.lines.size()));
    require(plan.draws.size() == static_cast<std::size_t>(plan.newLines));
    std::set<std::string> newIssues;
    for (std::size_t i = 0; i < read.lines.size(); ++i)
        if (plan.statuses[i] == ImportStatus::New)
            newIssues.insert(read.lines[i].issue);
    require(newIssues.size() == plan.draws.size());
    for (std::size_t i = 0; i < plan.draws.size(); ++i) {
        require(newIssues.count(plan.draws[i].issue) == 1);
        require(stored.count(*issueValue(plan.draws[i].issue)) == 0);
        require(i == 0 || plan.draws[i - 1].issue < plan.draws[i].issue);
    }
    return 0;
}
