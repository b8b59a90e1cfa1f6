// Feeds arbitrary bytes to the list-page and feed parsers and checks what they return: every
// draw has an eight-digit issue, five distinct numbers 1..11 and the issue's date; the new draws
// lie after the last stored issue, strictly ascending.
//
// The first byte picks the source (its issue width and feed offsets) and the last stored issue;
// the rest is the page or feed text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "acquire/feed_draws.h"
#include "acquire/list_page_items.h"
#include "acquire/results_sources.h"
#include "store/draw_history.h"

using namespace pickora;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkDraws(const std::vector<DownloadedDraw>& draws)
{
    for (const DownloadedDraw& d : draws) {
        require(d.issue.size() == 8 && issueValue(d.issue).has_value());
        require(d.date == dateOfIssue(d.issue));
        unsigned seen = 0;
        for (const int n : d.numbers) {
            require(n >= 1 && n <= 11 && ((seen >> n) & 1U) == 0);
            seen |= 1U << n;
        }
    }
}

void checkNewDraws(const std::vector<DownloadedDraw>& candidates, std::int64_t last)
{
    const std::vector<DownloadedDraw> fresh = newDraws(candidates, last);
    require(fresh.size() <= candidates.size());
    std::int64_t previous = last;
    for (const DownloadedDraw& d : fresh) {
        const std::int64_t issue = *issueValue(d.issue);
        require(issue > previous);
        previous = issue;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto sources = resultSources();
    const ResultSource& source = sources[data[0] % sources.size()];
    const std::int64_t lastStored = (data[0] & 0x80) ? 10061201 : 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    ListPageItems items(source.issueWidth);
    items.addPage(text);
    const std::vector<DownloadedDraw> fromPages = drawsOfItems(items.text(), source.issueWidth);
    checkDraws(fromPages);
    checkNewDraws(fromPages, lastStored);
    // The raw text as an item text too: items that never passed the line rules.
    checkDraws(drawsOfItems(text, source.issueWidth));

    const std::vector<DownloadedDraw> fromFeed =
        drawsOfFeed(text, source.feedIssueOffset, source.feedNumbersOffset);
    checkDraws(fromFeed);
    checkNewDraws(fromFeed, lastStored);
    return 0;
}
