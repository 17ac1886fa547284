// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/TimeSpan.h"

#include <string>
#include <vector>

class CCallArray;
class CCallRecord;

// The texts of the Call Log page, shared by the window and "corvellanctl calls".

// A call's duration as the list shows it: whole hours (not reduced to days), then two-digit
// minutes and seconds; under an hour the hours are written "00". So 00:42:03, 1:05:09, 26:05:09.
std::string DurationText(CTimeSpan span);

// One row of the list: start as "%x %X" in the current C locale, duration text, shown cost.
struct CallRowTexts {
    std::string start;
    std::string duration;
    std::string cost;
};

CallRowTexts BuildCallRowTexts(const CCallRecord& call);

// The three totals below the list: the number of calls, the total online time (a duration text,
// "00:00:00" for an empty month) and the shown total cost. Costs follow the tariff in force now.
struct CallListTotals {
    unsigned callCount = 0;
    std::string totalTime;
    std::string totalCost;
};

CallListTotals BuildCallListTotals(const CCallArray& calls);

// Every row in list order, and the three totals below the list: the number of calls, the total
// online time (a duration text, "00:00:00" for an empty month) and the shown total cost. Costs
// follow the tariff in force now.
struct CallListTexts {
    std::vector<CallRowTexts> rows;
    std::string callCount;
    std::string totalTime;
    std::string totalCost;
};

CallListTexts BuildCallListTexts(const CCallArray& calls);
