// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/CallArray.h"

// Totals over the month's list, shared by the monitor window, the log writer, the report and the
// command-line companion. Each reads every record through GetAt, so it follows the current tariff.
double GetTotalCost(const CCallArray& calls);
CTimeSpan GetTotalTime(const CCallArray& calls);
int GetCallCount(const CCallArray& calls);
// The calls that started on the date of now, walking back from the newest record and stopping at
// the first that started on another date.
double GetSpentToday(const CCallArray& calls, CTime now);
