// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calllog/CallLogText.h"

#include <string>
#include <vector>

// Which calls of a log belong to the current billing period, and whether the log has to be rolled
// over. "The month" is the billing period that starts on startDay (the calendar month for 1).
struct MonthSelection {
    // The log holds calls of a month that has ended.
    bool rollOver = false;
    // The month to offer the old log under: that of its oldest call, followed by its year when that
    // is not the current year.
    std::string oldMonth;
    // The calls that started in the current month, in file order.
    std::vector<LoggedCall> calls;
    // Every other call, in file order: those of ended months for the history, and any of a month
    // still to come (a clock that was set back).
    std::vector<LoggedCall> others;
};

// A log is rolled over when a call in it started in a month that has ended; the month its header
// names (in whatever language it was written) does not count. The log must not be corrupt.
MonthSelection SelectCurrentMonth(const ParsedLog& log, CTime now, unsigned startDay = 1);
