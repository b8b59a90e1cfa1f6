#include "acquire/draw_import.h"

#include <algorithm>
#include <optional>
#include <set>

#include "store/draw_history.h"

namespace pickora {

namespace {

constexpr int kHighestNumber = 11;
constexpr std::size_t kNumbersPerDraw = kStoredNumbers;
// Runs of this many digits or more are issues (or a yyyymmdd date); shorter ones are numbers.
constexpr std::size_t kLongRun = 7;

// What a character of a line is to the reader.
enum class Kind {
    Digit,
    Blank,  // blanks, commas, "，", "、", quotes and other punctuation
    Cell,   // tab or "|": ends a cell of a copied table
    Dash,   // "-", "/", ".": inside a date
    Slash,
    Dot,
    Colon,  // ":" or "："
    Year,   // "年", "月", "日"
    Month,
    Day,
    Word    // letters and other characters: a header or a weekday
};

struct Unit {
    Kind kind;
    char digit; // '0'..'9' for a digit (full-width digits too)
};

// --- characters --------------------------------------------------------------------------

struct WideChar {
    const char* utf8;
    const char* gbk;
    Kind kind;
    char digit;
};

// The characters beyond ASCII the reader knows; every other one is a word character.
constexpr WideChar kWideChars[] = {
    {"\xEF\xBC\x8C", "\xA3\xAC", Kind::Blank, 0}, // ，
    {"\xE3\x80\x81", "\xA1\xA2", Kind::Blank, 0}, // 、
    {"\xE3\x80\x80", "\xA1\xA1", Kind::Blank, 0}, // full-width blank
    {"\xEF\xBC\x9B", "\xA3\xBB", Kind::Blank, 0}, // ；
    {"\xEF\xBC\x88", "\xA3\xA8", Kind::Blank, 0}, // （
    {"\xEF\xBC\x89", "\xA3\xA9", Kind::Blank, 0}, // ）
    {"\xE7\xAC\xAC", "\xB5\xDA", Kind::Blank, 0}, // 第 (第24061201期)
    {"\xE6\x9C\x9F", "\xC6\xDA", Kind::Blank, 0}, // 期
    {"\xEF\xBC\x9A", "\xA3\xBA", Kind::Colon, 0}, // ：
    {"\xE5\xB9\xB4", "\xC4\xEA", Kind::Year, 0},  // 年
    {"\xE6\x9C\x88", "\xD4\xC2", Kind::Month, 0}, // 月
    {"\xE6\x97\xA5", "\xC8\xD5", Kind::Day, 0},   // 日
};

Kind asciiKind(char c)
{
    if (c >= '0' && c <= '9')
        return Kind::Digit;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return Kind::Word;
    switch (c) {
    case '\t':
    case '|':
        return Kind::Cell;
    case '-':
        return Kind::Dash;
    case '/':
        return Kind::Slash;
    case '.':
        return Kind::Dot;
    case ':':
        return Kind::Colon;
    default:
        return Kind::Blank;
    }
}

// The length of the UTF-8 sequence at `text[i]`, or 0 when it is not well formed.
std::size_t utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else
        return 0;
    if (i + length > text.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return length;
}

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Length(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// The length of the GBK character at `text[i]`: two bytes for a lead byte followed by a trail
// byte, otherwise one.
std::size_t gbkLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0x81 && lead <= 0xFE && i + 1 < text.size()) {
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F)
            return 2;
    }
    return 1;
}

Unit wideUnit(std::string_view character, TextEncoding encoding)
{
    for (const WideChar& w : kWideChars)
        if (character == (encoding == TextEncoding::Utf8 ? w.utf8 : w.gbk))
            return {w.kind, w.digit};
    // Full-width digits ０..９.
    if (encoding == TextEncoding::Utf8 && character.size() == 3 && character.substr(0, 2) == "\xEF\xBC"
        && static_cast<unsigned char>(character[2]) >= 0x90 && static_cast<unsigned char>(character[2]) <= 0x99)
        return {Kind::Digit, static_cast<char>('0' + (static_cast<unsigned char>(character[2]) - 0x90))};
    if (encoding == TextEncoding::Gbk && character.size() == 2 && static_cast<unsigned char>(character[0]) == 0xA3
        && static_cast<unsigned char>(character[1]) >= 0xB0 && static_cast<unsigned char>(character[1]) <= 0xB9)
        return {Kind::Digit, static_cast<char>('0' + (static_cast<unsigned char>(character[1]) - 0xB0))};
    return {Kind::Word, 0};
}

std::vector<Unit> unitsOf(std::string_view line, TextEncoding encoding)
{
    std::vector<Unit> units;
    units.reserve(line.size());
    for (std::size_t i = 0; i < line.size();) {
        if (static_cast<unsigned char>(line[i]) < 0x80) {
            const Kind kind = asciiKind(line[i]);
            units.push_back({kind, kind == Kind::Digit ? line[i] : char(0)});
            ++i;
            continue;
        }
        std::size_t length = encoding == TextEncoding::Utf8 ? utf8Length(line, i) : gbkLength(line, i);
        if (length == 0)
            length = 1;
        units.push_back(wideUnit(line.substr(i, length), encoding));
        i += length;
    }
    return units;
}

// --- dates and times ---------------------------------------------------------------------

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool isRealDay(int year, int month, int day)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    return day <= kDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

int valueOf(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// "%.2d" of a value 0..99.
std::string twoDigits(int value)
{
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

// "yyyy-mm-dd" of a real day of the years 2000..2099.
std::string dateText(int year, int month, int day)
{
    return "20" + twoDigits(year % 100) + "-" + twoDigits(month) + "-" + twoDigits(day);
}

// The digits of the run starting at `i` (empty when units[i] is no digit).
std::string digitRun(const std::vector<Unit>& units, std::size_t i)
{
    std::string run;
    while (i < units.size() && units[i].kind == Kind::Digit)
        run += units[i++].digit;
    return run;
}

bool startsRun(const std::vector<Unit>& units, std::size_t i)
{
    return units[i].kind == Kind::Digit && (i == 0 || units[i - 1].kind != Kind::Digit);
}

void blankOut(std::vector<Unit>& units, std::size_t from, std::size_t to)
{
    for (std::size_t k = from; k < to; ++k)
        units[k] = {Kind::Blank, 0};
}

// Finds yyyy-mm-dd, yyyy/mm/dd, yyyy.mm.dd and yyyy年m月d日 dates, blanks them out and returns
// the first.
std::string takeDates(std::vector<Unit>& units)
{
    std::string first;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (!startsRun(units, i))
            continue;
        const std::string year = digitRun(units, i);
        std::size_t k = i + year.size();
        if (year.size() != 4 || k >= units.size())
            continue;
        const Kind mark = units[k].kind;
        const bool chinese = mark == Kind::Year;
        if (mark != Kind::Dash && mark != Kind::Slash && mark != Kind::Dot && !chinese)
            continue;
        const std::string month = digitRun(units, k + 1);
        k += 1 + month.size();
        if (month.empty() || month.size() > 2 || k >= units.size()
            || units[k].kind != (chinese ? Kind::Month : mark))
            continue;
        const std::string day = digitRun(units, k + 1);
        k += 1 + day.size();
        if (day.empty() || day.size() > 2)
            continue;
        const int y = valueOf(year);
        if (y < 2000 || y > 2099 || !isRealDay(y, valueOf(month), valueOf(day)))
            continue;
        if (chinese && k < units.size() && units[k].kind == Kind::Day)
            ++k;
        if (first.empty())
            first = dateText(y, valueOf(month), valueOf(day));
        blankOut(units, i, k);
        i = k - 1;
    }
    return first;
}

// Blanks out times of day: h:mm or h:mm:ss.
void dropTimes(std::vector<Unit>& units)
{
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (!startsRun(units, i))
            continue;
        const std::string hours = digitRun(units, i);
        std::size_t k = i + hours.size();
        if (hours.size() > 2 || k >= units.size() || units[k].kind != Kind::Colon)
            continue;
        std::size_t end = 0;
        while (k < units.size() && units[k].kind == Kind::Colon) {
            const std::string part = digitRun(units, k + 1);
            if (part.size() != 2)
                break;
            k += 1 + part.size();
            end = k;
        }
        if (end == 0)
            continue;
        blankOut(units, i, end);
        i = end - 1;
    }
}

// A yyyymmdd date of an eight-digit run, or empty.
std::string compactDate(std::string_view digits)
{
    if (digits.size() != 8)
        return {};
    const int y = valueOf(digits.substr(0, 4));
    const int m = valueOf(digits.substr(4, 2));
    const int d = valueOf(digits.substr(6, 2));
    if (y < 2000 || y > 2099 || !isRealDay(y, m, d))
        return {};
    return dateText(y, m, d);
}

// --- the line ----------------------------------------------------------------------------

struct Run {
    std::string digits;
    int cell; // how many cell marks (tab, "|") stand before it
};

ImportedLine refusal(std::string reason, std::string issue = {})
{
    ImportedLine line;
    line.refused = true;
    line.reason = std::move(reason);
    line.issue = std::move(issue);
    return line;
}

std::string shown(std::string_view digits)
{
    return digits.size() > 20 ? std::string(digits.substr(0, 20)) + "…" : std::string(digits);
}

} // namespace

std::string normalisedIssue(std::string_view digits)
{
    std::string issue;
    switch (digits.size()) {
    case 7:
        issue = "0" + std::string(digits);
        break;
    case 8:
        issue = std::string(digits);
        break;
    case 9:
        if (digits[6] == '0')
            issue = std::string(digits.substr(0, 6)) + std::string(digits.substr(7));
        break;
    case 10:
        if (digits.substr(0, 2) == "20")
            issue = std::string(digits.substr(2));
        break;
    case 11:
        if (digits.substr(0, 2) == "20" && digits[8] == '0')
            issue = std::string(digits.substr(2, 6)) + std::string(digits.substr(9));
        break;
    default:
        break;
    }
    if (issue.empty() || !std::all_of(issue.begin(), issue.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    const std::string_view text(issue);
    if (!isRealDay(2000 + valueOf(text.substr(0, 2)), valueOf(text.substr(2, 2)), valueOf(text.substr(4, 2)))
        || valueOf(text.substr(6, 2)) < 1)
        return {};
    return issue;
}

ImportedLine readDrawLine(std::string_view text, TextEncoding encoding, bool& handled)
{
    handled = false;
    std::vector<Unit> units = unitsOf(text, encoding);
    std::string date = takeDates(units);
    const bool lineHasDate = !date.empty();
    dropTimes(units);

    std::vector<Run> longRuns;
    std::vector<Run> shortRuns;
    bool words = false;
    int cell = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        words = words || units[i].kind == Kind::Word;
        if (units[i].kind == Kind::Cell)
            ++cell;
        if (!startsRun(units, i))
            continue;
        Run run{digitRun(units, i), cell};
        (run.digits.size() >= kLongRun ? longRuns : shortRuns).push_back(std::move(run));
    }

    // The issue: the one long run, or of two long runs the one that is an issue while the other
    // is a yyyymmdd date (the pairing whose date is the issue's own preferred).
    std::string issue;
    if (longRuns.size() == 1) {
        issue = normalisedIssue(longRuns[0].digits);
        if (issue.empty()) {
            handled = true;
            return refusal("期号 " + shown(longRuns[0].digits) + " 的形式不对（应为yymmddnn）");
        }
    } else if (longRuns.size() == 2 && !lineHasDate) {
        std::string fallbackIssue;
        std::string fallbackDate;
        for (int first = 0; first < 2 && issue.empty(); ++first) {
            const std::string candidate = normalisedIssue(longRuns[first].digits);
            const std::string day = compactDate(longRuns[1 - first].digits);
            if (candidate.empty() || day.empty())
                continue;
            if (day == dateOfIssue(candidate)) {
                issue = candidate;
                date = day;
            } else if (fallbackIssue.empty()) {
                fallbackIssue = candidate;
                fallbackDate = day;
            }
        }
        if (issue.empty()) {
            issue = fallbackIssue;
            date = fallbackDate;
        }
        if (issue.empty()) {
            handled = true;
            return refusal("一行中有两个期号");
        }
    } else if (longRuns.size() >= 2) {
        handled = true;
        return refusal("一行中有多个期号");
    }

    if (issue.empty()) {
        // No issue: a line without digits, or with words and no date, is a header.
        if ((shortRuns.empty() && !lineHasDate) || (words && !lineHasDate))
            return {};
        handled = true;
        return refusal("没有期号");
    }
    handled = true;

    // The numbers: every short run; on a copied table line with more, the one cell holding five.
    std::vector<std::string> numbers;
    for (const Run& run : shortRuns)
        numbers.push_back(run.digits);
    if (numbers.size() > kNumbersPerDraw && cell > 0) {
        for (int c = 0; c <= cell; ++c) {
            std::vector<std::string> inCell;
            for (const Run& run : shortRuns)
                if (run.cell == c)
                    inCell.push_back(run.digits);
            if (inCell.size() == kNumbersPerDraw) {
                numbers = std::move(inCell);
                break;
            }
        }
    }
    if (numbers.size() != kNumbersPerDraw)
        return refusal("号码有 " + std::to_string(numbers.size()) + " 个，应为 5 个", issue);

    ImportedLine line;
    line.issue = issue;
    unsigned seen = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::string& digits = numbers[i];
        const int value = digits.size() <= 3 ? valueOf(digits) : 0;
        if (value < 1 || value > kHighestNumber)
            return refusal("号码 " + shown(digits) + " 不在 01..11 之间", issue);
        if ((seen >> value) & 1U)
            return refusal("号码 " + twoDigits(value) + " 重复", issue);
        seen |= 1U << value;
        line.numbers[i] = value;
    }
    line.date = date.empty() ? dateOfIssue(issue) : date;
    return line;
}

ImportText readDrawText(std::string_view bytes)
{
    ImportText result;
    std::size_t start = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        start = 3;
    result.encoding = isUtf8(bytes.substr(start)) ? TextEncoding::Utf8 : TextEncoding::Gbk;
    int lineNumber = 0;
    std::size_t i = start;
    while (i < bytes.size()) {
        std::size_t end = i;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        ++lineNumber;
        bool handled = false;
        ImportedLine line = readDrawLine(bytes.substr(i, end - i), result.encoding, handled);
        if (handled) {
            line.lineNumber = lineNumber;
            line.offset = i;
            line.length = end - i;
            result.lines.push_back(std::move(line));
        }
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            ++end;
        i = end + 1;
    }
    return result;
}

std::string numbersText(const std::array<int, kStoredNumbers>& numbers)
{
    std::string text;
    for (const int n : numbers) {
        if (!text.empty())
            text += ' ';
        text += twoDigits(n);
    }
    return text;
}

ImportPlan planImport(const ImportText& text, const StoredNumbers& stored)
{
    ImportPlan plan;
    const std::size_t count = text.lines.size();
    plan.statuses.assign(count, ImportStatus::Refused);
    plan.notes.assign(count, {});

    // The numbers each issue has in the text; an issue given two ways conflicts on every line.
    std::map<std::int64_t, std::array<int, kStoredNumbers>> inText;
    std::set<std::int64_t> givenTwoWays;
    for (const ImportedLine& line : text.lines) {
        if (line.refused)
            continue;
        const std::int64_t issue = *issueValue(line.issue);
        const auto [it, inserted] = inText.emplace(issue, line.numbers);
        if (!inserted && it->second != line.numbers)
            givenTwoWays.insert(issue);
    }

    std::set<std::int64_t> written;
    for (std::size_t i = 0; i < count; ++i) {
        const ImportedLine& line = text.lines[i];
        if (line.refused) {
            plan.notes[i] = line.reason;
            ++plan.refusedLines;
            continue;
        }
        const std::int64_t issue = *issueValue(line.issue);
        const auto storedRow = stored.find(issue);
        if (storedRow != stored.end()) {
            if (storedRow->second == line.numbers) {
                plan.statuses[i] = ImportStatus::Stored;
                ++plan.storedLines;
            } else {
                plan.statuses[i] = ImportStatus::Conflicting;
                plan.notes[i] = "已存的号码是 " + numbersText(storedRow->second);
                ++plan.conflictingLines;
            }
            continue;
        }
        if (givenTwoWays.count(issue) != 0) {
            plan.statuses[i] = ImportStatus::Conflicting;
            plan.notes[i] = "文本中同一期号的号码不同";
            ++plan.conflictingLines;
            continue;
        }
        if (!written.insert(issue).second) {
            // The text repeats a draw it gives already: it is written once.
            plan.statuses[i] = ImportStatus::Stored;
            plan.notes[i] = "文本中已有这一期";
            ++plan.storedLines;
            continue;
        }
        plan.statuses[i] = ImportStatus::New;
        ++plan.newLines;
        plan.draws.push_back({line.issue, line.numbers, line.date});
    }
    std::sort(plan.draws.begin(), plan.draws.end(), [](const DownloadedDraw& a, const DownloadedDraw& b) {
        return a.issue < b.issue;
    });
    return plan;
}

} // namespace pickora
