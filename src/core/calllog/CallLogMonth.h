// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calllog/CallLogText.h"

#include <string>
#include <vector>

// Which calls of a log belong to the current month, and whether the log has to be rolled over.
struct MonthSelection {
    // The log holds calls of another month, or names another month in its header.
    bool rollOver = false;
    // The month to offer the old log under: the header's when it is not the current one,
    // otherwise that of the oldest call; followed by its year when that is not the current year.
    std::string oldMonth;
    // The calls that started in the current month and year, in file order.
    std::vector<LoggedCall> calls;
};

// A log is the current month's only when its header names the current month (as "%B" gives it for
// now) and every call in it started in the current month and year. The log must not be corrupt.
MonthSelection SelectCurrentMonth(const ParsedLog& log, CTime now);
