// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CCallArray;

// The text of Calls.log, kept apart from any file so that writing and reading it can be checked on
// plain strings. The writer produces CR LF line ends; the reader takes CR LF, LF and CR alone.

// One call as the log keeps it: only its two moments. Costs are never stored.
struct LoggedCall {
    CTime start;
    CTime end;
    bool operator==(const LoggedCall&) const = default;
};

// What the reader understood of a log text.
struct ParsedLog {
    bool corrupt = false;          // the header's month could not be found
    std::string month;             // the month named in the header
    std::vector<LoggedCall> calls; // readable call blocks, in file order
    int unreadable = 0;            // call blocks left out because a time field was malformed
    // The text holds only what the writer writes (whatever the line ends and the totals' figures),
    // so writing the calls read back loses nothing.
    bool whole = false;
};

// The whole file: header, one block per call, totals, month-limit and status lines, closing rule.
// The month name is that of now; every amount carries currencySymbol in front.
std::string FormatCallLog(const CCallArray& calls, CTime now, double monthLimit,
                          const std::string& currencySymbol);
// The same under the name of the month its billing period starts in.
std::string FormatCallLog(const CCallArray& calls, const std::string& month, double monthLimit,
                          const std::string& currencySymbol);

// "dd/mm/yy<TAB>HH:MM:SS" in local time.
std::string FormatLogTime(CTime time);

// Reads a time field by position. Two-digit years 70-99 are 1970-1999 and 00-69 are 2000-2069.
// Empty when a field is not two digits or out of range (31 February, hour 24, ...).
std::optional<CTime> ParseLogTime(std::string_view field);

// The month named in the header: the text between the first "\t\t" and the " Log" after it.
std::optional<std::string_view> FindLogMonth(std::string_view text);

// The header's month and every Start/End pair of the text, and whether that is all it holds.
ParsedLog ParseCallLog(std::string_view text);

// The text with every line end made a single '\n'.
std::string WithPlainLineEnds(std::string_view text);
