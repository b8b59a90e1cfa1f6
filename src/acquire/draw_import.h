#pragma once
// Reading draws from text a player pastes or opens: results pages copied from a browser, CSV
// files, the draw editor's own export, lines typed by hand. Each line gives an issue (all
// digits), five numbers 1..11 and maybe a date, separated by any mix of blanks, tabs, commas,
// "-", "|", "，" or "、". Header and blank lines are passed over; every other line is read or
// refused with its reason. Then each read draw is compared with the stored ones: new, already
// stored, or conflicting.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "acquire/downloaded_draws.h"
#include "store/draw_types.h"

namespace pickora {

enum class TextEncoding { Utf8, Gbk };

// One line that holds a draw or was refused.
struct ImportedLine {
    int lineNumber = 0;      // 1-based, counting every line of the text
    std::size_t offset = 0;  // the line's bytes in the text, without its line end
    std::size_t length = 0;
    bool refused = false;
    std::string reason;      // why it was refused (UTF-8); empty when read
    std::string issue;       // yymmddnn; may be set on a refused line too
    std::array<int, kStoredNumbers> numbers{}; // in the line's order; valid when not refused
    std::string date;        // "yyyy-mm-dd": the line's own date, else the issue's
};

struct ImportText {
    TextEncoding encoding = TextEncoding::Utf8; // UTF-8 when the bytes are valid UTF-8
    std::vector<ImportedLine> lines;
};

// Reads a whole text: UTF-8 (with or without a byte order mark) or GBK, lines ending in CR LF,
// LF or CR.
ImportText readDrawText(std::string_view bytes);

// Reads one line (already without its line end) of the given encoding. `handled` is false for a
// blank or header line, which the reader passes over.
ImportedLine readDrawLine(std::string_view line, TextEncoding encoding, bool& handled);

// The normalised issue of a run of digits: 8 digits yymmddnn as they are; 7 digits (a year
// 2000-2009 issue written as an integer) with its leading zero back; 10 digits 20yymmddnn
// without the century; 9 or 11 digits with a three-digit draw number below 100 shortened to two.
// The date part must be a real day and the draw number at least 01. Empty when not an issue.
std::string normalisedIssue(std::string_view digits);

enum class ImportStatus { New, Stored, Conflicting, Refused };

struct ImportPlan {
    std::vector<ImportStatus> statuses; // one per line of the text
    std::vector<std::string> notes;     // per line: the reason of a refusal or of a conflict
    std::vector<DownloadedDraw> draws;  // the new draws, each issue once, in issue order
    int newLines = 0;
    int storedLines = 0;
    int conflictingLines = 0;
    int refusedLines = 0;
};

// The stored draws of a table by issue value.
using StoredNumbers = std::map<std::int64_t, std::array<int, kStoredNumbers>>;

// New: an issue not stored (written once even when the text repeats it); already stored: the
// same issue with the same numbers in the same order; conflicting: the same issue with other
// numbers, stored or on another line of the text (such lines are never written).
ImportPlan planImport(const ImportText& text, const StoredNumbers& stored);

// "05 11 02 08 01"
std::string numbersText(const std::array<int, kStoredNumbers>& numbers);

} // namespace pickora
