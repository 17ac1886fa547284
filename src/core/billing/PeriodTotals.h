// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/CallArray.h"

// Figures for a window that stays open across days and months: the list may still hold calls of a
// month that has ended (they stay in Calls.log until the next start hands them to the roll-over).

// The cost of the calls that started in the month and year of now.
double GetSpentInMonth(const CCallArray& calls, CTime now);
// The next moment after now at which the shown figures can change: the start of the day period,
// the start of the night period, or midnight (a new day, maybe a new month or the weekend).
CTime GetNextDisplayBoundary(CTime now);
