#pragma once
// The results list pages as the downloads read them: line by line into one item text, in which
// every item is "*" + an issue line followed directly by the two-digit ball texts after it; and
// the draws of that text.

#include <string>
#include <string_view>
#include <vector>

#include "acquire/downloaded_draws.h"

namespace pickora {

class ListPageItems {
public:
    // `issueWidth` 8 (yymmddnn) or 10 (20yymmddnn).
    explicit ListPageItems(int issueWidth) : issueWidth_(issueWidth) {}

    // One line of a page: an issue line of the width starts an item; a line holding ball spans
    // adds the two characters 8 after the "b" of every "ball" in it.
    void addLine(std::string_view line);
    // Every line of a page (line ends LF or CR LF).
    void addPage(std::string_view page);

    const std::string& text() const { return text_; }
    int issueWidth() const { return issueWidth_; }

private:
    int issueWidth_;
    std::string text_;
};

// The items of an item text: split at "*", blanks around items dropped, empty items skipped.
std::vector<std::string_view> splitItems(std::string_view itemText);

// The draws of the items, last item first (the pages list the newest draw first, so this is
// oldest first). For width 10 the century digits are dropped. Items that do not hold an issue
// and five distinct numbers 1..11 are left out.
std::vector<DownloadedDraw> drawsOfItems(std::string_view itemText, int issueWidth);

} // namespace pickora
