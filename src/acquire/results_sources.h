#pragma once
// The four lotteries the downloads serve and where their results are published: the list page
// path on the results page server, the width of its issue lines, the feed path on the results
// feed server and the feed's offsets of the issue and the numbers after "<row".

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace pickora {

struct ResultSource {
    std::string_view lottery;  // table prefix, UTF-8
    std::string_view listPath; // followed by the date of the page
    int issueWidth;            // 8: yymmddnn, 10: 20yymmddnn
    std::string_view feedPath;
    int feedIssueOffset;   // from the "<" of "<row"
    int feedNumbersOffset; // from the "<" of "<row"
};

// The sources in the order "所有彩票" walks them.
std::span<const ResultSource> resultSources();

// The source of a lottery, or nullptr when the downloads do not serve it.
const ResultSource* findResultSource(std::string_view lottery);

// The query value of a list page: "%.4d-%.2d-%.2d" (2010-06-12).
std::string listPageDate(int year, int month, int day);

} // namespace pickora
