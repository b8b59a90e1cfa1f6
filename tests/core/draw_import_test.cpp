#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "acquire/draw_import.h"
#include "store/history_export.h"

using namespace pickora;

namespace {

using Numbers = std::array<int, kStoredNumbers>;

std::string fixture(const std::string& name)
{
    std::ifstream file(std::string(PICKORA_FIXTURES) + "/import/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

struct LineCase {
    const char* name;
    std::string line;
    std::string issue;   // expected issue ("" when the line has none)
    Numbers numbers;     // expected numbers of a read line
    std::string date;    // expected date of a read line
};

ImportedLine readOne(const std::string& line, bool& handled)
{
    return readDrawLine(line, TextEncoding::Utf8, handled);
}

} // namespace

TEST(DrawImport, ReadsTheShapesPlayersHave)
{
    const Numbers draw{5, 11, 2, 8, 1};
    const LineCase cases[] = {
        {"typed with blanks", "24061201 05 11 02 08 01", "24061201", draw, "2024-06-12"},
        {"typed without leading zeros", "24061201 5 11 2 8 1", "24061201", draw, "2024-06-12"},
        {"mixed separators", "24061201,05-11|02，08、01", "24061201", draw, "2024-06-12"},
        {"many blanks and tabs", "  24061201 \t  05   11\t02 08 01  ", "24061201", draw, "2024-06-12"},
        {"issue in Chinese", "第24061201期：05 11 02 08 01", "24061201", draw, "2024-06-12"},
        {"web table, numbers in one cell", "24061201\t2024-06-12\t星期三\t05 11 02 08 01", "24061201", draw,
         "2024-06-12"},
        {"web table, commas in one cell", "24061201\t2024-06-12\t星期三\t05,11,02,08,01", "24061201", draw,
         "2024-06-12"},
        {"web table with sum and span cells", "24061201\t2024-06-12\t周三\t05 11 02 08 01\t27\t10", "24061201",
         draw, "2024-06-12"},
        {"web table, one ball per cell", "2024061201\t2024-06-12 09:10:00\t05\t11\t02\t08\t01", "24061201",
         draw, "2024-06-12"},
        {"pipe table", "| 24061201 | 2024-06-12 | 05 11 02 08 01 | 27 |", "24061201", draw, "2024-06-12"},
        {"CSV row", "2024061201,2024/06/12,5,11,2,8,1", "24061201", draw, "2024-06-12"},
        {"CSV row, quoted numbers", "\"24061201\",\"05,11,02,08,01\"", "24061201", draw, "2024-06-12"},
        {"the program's export", "24061201 05 11 02 08 01 ", "24061201", draw, "2024-06-12"},
        {"export of a 2009 issue (seven digits)", "9123101 05 11 02 08 01 ", "09123101", draw, "2009-12-31"},
        {"date first, then the issue", "2024-06-12 24061201 05 11 02 08 01", "24061201", draw, "2024-06-12"},
        {"date of the line kept", "24061201 2024.6.13 05 11 02 08 01", "24061201", draw, "2024-06-13"},
        {"date in Chinese", "2024年6月12日 24061201 05 11 02 08 01", "24061201", draw, "2024-06-12"},
        {"yyyymmdd before the issue", "20240612 24061201 05 11 02 08 01", "24061201", draw, "2024-06-12"},
        {"yyyymmdd after an issue of 2020", "20061201,20200612,05,11,02,08,01", "20061201", draw,
         "2020-06-12"},
        {"three-digit draw number", "20240612001 05 11 02 08 01", "24061201", draw, "2024-06-12"},
        {"full-width digits", "２４０６１２０１ ０５ １１ ０２ ０８ ０１", "24061201", draw, "2024-06-12"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        bool handled = false;
        const ImportedLine line = readOne(c.line, handled);
        EXPECT_TRUE(handled);
        EXPECT_FALSE(line.refused) << line.reason;
        EXPECT_EQ(line.issue, c.issue);
        EXPECT_EQ(line.numbers, c.numbers);
        EXPECT_EQ(line.date, c.date);
    }
}

TEST(DrawImport, RefusesWithTheReason)
{
    const struct {
        const char* name;
        std::string line;
        std::string reason;
        std::string issue;
    } cases[] = {
        {"four numbers", "24061201 05 11 02 08", "号码有 4 个，应为 5 个", "24061201"},
        {"six numbers", "24061201 05 11 02 08 01 03", "号码有 6 个，应为 5 个", "24061201"},
        {"no numbers", "24061201", "号码有 0 个，应为 5 个", "24061201"},
        {"twelve", "24061201 05 11 02 08 12", "号码 12 不在 01..11 之间", "24061201"},
        {"zero", "24061201 00 11 02 08 01", "号码 00 不在 01..11 之间", "24061201"},
        {"a long number", "24061201 05 11 02 08 0001", "号码 0001 不在 01..11 之间", "24061201"},
        {"repeated", "24061201 05 11 02 05 01", "号码 05 重复", "24061201"},
        {"repeated without zeros", "24061201 5 11 2 05 1", "号码 05 重复", "24061201"},
        {"no issue", "05 11 02 08 01", "没有期号", ""},
        {"only a date", "2024-06-12 05 11 02 08 01", "没有期号", ""},
        {"date with words, no issue", "2024-06-12 星期三 05 11 02 08 01", "没有期号", ""},
        {"month 13", "24131201 05 11 02 08 01", "期号 24131201 的形式不对（应为yymmddnn）", ""},
        {"30 February", "24023001 05 11 02 08 01", "期号 24023001 的形式不对（应为yymmddnn）", ""},
        {"draw number 00", "24061200 05 11 02 08 01", "期号 24061200 的形式不对（应为yymmddnn）", ""},
        {"twelve digits", "202406120001 05 11 02 08 01", "期号 202406120001 的形式不对（应为yymmddnn）", ""},
        {"two issues", "24061201 24061202 05 11 02 08 01", "一行中有两个期号", ""},
        {"three long runs", "24061201 24061202 24061203 05 11 02 08 01", "一行中有多个期号", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool handled = false;
        const ImportedLine line = readOne(c.line, handled);
        EXPECT_TRUE(handled);
        EXPECT_TRUE(line.refused);
        EXPECT_EQ(line.reason, c.reason);
        EXPECT_EQ(line.issue, c.issue);
    }
}

TEST(DrawImport, HeaderAndBlankLinesArePassedOver)
{
    for (const std::string line : {"", "   \t ", "期号\t开奖日期\t开奖号码", "期号,日期,号码1,号码2,号码3,号码4,号码5",
                                   "共 3000 条记录", "2024年6月 开奖结果", "-----+-----", "issue,date,n1,n2,n3,n4,n5"}) {
        SCOPED_TRACE(line);
        bool handled = true;
        readOne(line, handled);
        EXPECT_FALSE(handled);
    }
}

TEST(DrawImport, IssueForms)
{
    const std::pair<std::string, std::string> cases[] = {
        {"24061201", "24061201"}, {"9123101", "09123101"},    {"2024061201", "24061201"},
        {"240612001", "24061201"}, {"20240612012", "24061212"}, {"20240612112", ""}, {"240612101", ""},
        {"1924061201", ""},       {"24022901", "24022901"},    {"23022901", ""},
        {"00022901", "00022901"}, {"24063101", ""},            {"123456", ""},
    };
    for (const auto& [digits, issue] : cases)
        EXPECT_EQ(normalisedIssue(digits), issue) << digits;
}

// Every fixture holds the same three draws, in other shapes, encodings and line ends.
TEST(DrawImport, FilesOfEveryShapeEncodingAndLineEnd)
{
    const struct {
        const char* file;
        TextEncoding encoding;
        std::vector<int> lineNumbers;
    } cases[] = {
        {"web_table_utf8.txt", TextEncoding::Utf8, {2, 3, 4}},
        {"web_table_gbk.txt", TextEncoding::Gbk, {2, 3, 4}},
        {"csv_header_bom.csv", TextEncoding::Utf8, {2, 3, 4}},
        {"export.txt", TextEncoding::Utf8, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string bytes = fixture(c.file);
        ASSERT_FALSE(bytes.empty());
        const ImportText text = readDrawText(bytes);
        EXPECT_EQ(text.encoding, c.encoding);
        std::vector<int> lineNumbers;
        std::map<std::string, Numbers> draws;
        for (const ImportedLine& line : text.lines) {
            EXPECT_FALSE(line.refused) << line.reason;
            lineNumbers.push_back(line.lineNumber);
            draws[line.issue] = line.numbers;
            // The line's bytes: no line end, no byte order mark.
            const std::string_view own = std::string_view(bytes).substr(line.offset, line.length);
            EXPECT_EQ(own.find_first_of("\r\n"), std::string_view::npos);
            EXPECT_NE(own.substr(0, 1), "\xEF");
            EXPECT_NE(own.find(line.issue.substr(2)), std::string_view::npos);
        }
        EXPECT_EQ(lineNumbers, c.lineNumbers);
        const std::string first = c.file == std::string("export.txt") ? "09123101" : "24061201";
        EXPECT_EQ(draws, (std::map<std::string, Numbers>{{first, {5, 11, 2, 8, 1}},
                                                          {"24061202", {1, 5, 7, 9, 11}},
                                                          {"24061203", {3, 8, 1, 11, 6}}}));
    }
}

TEST(DrawImport, TypedGbkFileReadsAndRefusesLineByLine)
{
    const ImportText text = readDrawText(fixture("typed_gbk.txt"));
    EXPECT_EQ(text.encoding, TextEncoding::Gbk);
    std::vector<std::pair<int, std::string>> got;
    for (const ImportedLine& line : text.lines)
        got.emplace_back(line.lineNumber, line.refused ? line.reason : line.issue + " " + numbersText(line.numbers));
    EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{{1, "24061201 05 11 02 08 01"},
                                                              {3, "24061202 01 05 07 09 11"},
                                                              {4, "号码有 4 个，应为 5 个"},
                                                              {5, "号码 12 不在 01..11 之间"},
                                                              {6, "号码 03 重复"},
                                                              {7, "没有期号"}}));
}

TEST(DrawImport, LineEndsAndByteOrderMark)
{
    const std::string lines[] = {"24061201 05 11 02 08 01", "24061202 01 05 07 09 11"};
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        for (const bool bom : {false, true}) {
            SCOPED_TRACE((bom ? "BOM " : "") + std::to_string(end.size()));
            const std::string bytes = (bom ? "\xEF\xBB\xBF" : "") + lines[0] + end + end + lines[1] + end;
            const ImportText text = readDrawText(bytes);
            ASSERT_EQ(text.lines.size(), 2U);
            EXPECT_EQ(text.lines[0].lineNumber, 1);
            EXPECT_EQ(text.lines[1].lineNumber, 3);
            EXPECT_EQ(bytes.substr(text.lines[0].offset, text.lines[0].length), lines[0]);
            EXPECT_EQ(bytes.substr(text.lines[1].offset, text.lines[1].length), lines[1]);
        }
    }
    // Without a last line end, and an empty text.
    EXPECT_EQ(readDrawText("24061201 05 11 02 08 01").lines.size(), 1U);
    EXPECT_TRUE(readDrawText("").lines.empty());
}

TEST(DrawImport, ExportLinesReadBack)
{
    const std::vector<std::vector<int>> rows = {
        {9123101, 5, 11, 2, 8, 1}, {10061201, 1, 2, 3, 4, 10}, {24123184, 11, 10, 9, 8, 7}};
    std::string file;
    for (const std::vector<int>& row : rows)
        file += historyExportLine(row) + "\r\n";
    const ImportText text = readDrawText(file);
    ASSERT_EQ(text.lines.size(), rows.size());
    EXPECT_EQ(text.lines[0].issue, "09123101");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_FALSE(text.lines[i].refused);
        EXPECT_EQ(std::stoi(text.lines[i].issue), rows[i][0]);
        EXPECT_EQ(text.lines[i].numbers, (Numbers{rows[i][1], rows[i][2], rows[i][3], rows[i][4], rows[i][5]}));
    }
}

TEST(DrawImport, PlanSortsNewStoredConflictingAndRefused)
{
    const std::string pasted = "24061203 03 08 01 11 06\n"  // new
                               "24061201 05 11 02 08 01\n"  // stored, same numbers
                               "24061202 01 02 03 04 05\n"  // stored with other numbers
                               "24061204 01 02 03 04\n"     // refused
                               "24061205 01 02 03 04 05\n"  // given two ways in the text
                               "24061203 03 08 01 11 06\n"  // repeats a new draw
                               "24061205 01 02 03 04 06\n"
                               "24061120 07 08 09 10 11\n"; // new, older than every stored one
    const StoredNumbers stored = {{24061201, {5, 11, 2, 8, 1}}, {24061202, {1, 5, 7, 9, 11}}};
    const ImportPlan plan = planImport(readDrawText(pasted), stored);
    using S = ImportStatus;
    EXPECT_EQ(plan.statuses, (std::vector<S>{S::New, S::Stored, S::Conflicting, S::Refused, S::Conflicting,
                                             S::Stored, S::Conflicting, S::New}));
    EXPECT_EQ(plan.notes[2], "已存的号码是 01 05 07 09 11");
    EXPECT_EQ(plan.notes[3], "号码有 4 个，应为 5 个");
    EXPECT_EQ(plan.notes[4], "文本中同一期号的号码不同");
    EXPECT_EQ(plan.notes[5], "文本中已有这一期");
    EXPECT_EQ(plan.newLines, 2);
    EXPECT_EQ(plan.storedLines, 2);
    EXPECT_EQ(plan.conflictingLines, 3);
    EXPECT_EQ(plan.refusedLines, 1);
    // Written in issue order, each once, with the issue's date.
    ASSERT_EQ(plan.draws.size(), 2U);
    EXPECT_EQ(plan.draws[0], (DownloadedDraw{"24061120", {7, 8, 9, 10, 11}, "2024-06-11"}));
    EXPECT_EQ(plan.draws[1], (DownloadedDraw{"24061203", {3, 8, 1, 11, 6}, "2024-06-12"}));

    // Sorted numbers against the drawn order: the same set is still another draw.
    const ImportPlan sorted = planImport(readDrawText("24061201 01 02 05 08 11"), stored);
    EXPECT_EQ(sorted.statuses, std::vector<S>{S::Conflicting});
    EXPECT_TRUE(sorted.draws.empty());
}

// The example the README gives.
TEST(DrawImport, ReadmeExampleGivesThreeNewDraws)
{
    const ImportPlan plan = planImport(readDrawText("期号\t开奖日期\t星期\t开奖号码\t和值\n"
                                                    "24061203\t2024-06-12\t星期三\t03 08 01 11 06\t29\n"
                                                    "第24061202期：01，05，07，09，11\n"
                                                    "2024061201,2024/06/12,5,11,2,8,1\n"),
                                       {});
    EXPECT_EQ(plan.newLines, 3);
    EXPECT_EQ(plan.refusedLines, 0);
    ASSERT_EQ(plan.draws.size(), 3U);
    EXPECT_EQ(plan.draws[1], (DownloadedDraw{"24061202", {1, 5, 7, 9, 11}, "2024-06-12"}));
}
