// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"
#include "core/billing/CallArray.h"

// Figures for a window that stays open across days and months. "The month" is the billing period
// of the settings (PeriodStartDay): the calendar month unless the bill runs from another day.

// The billing period that holds moment, by the start day of the settings.
CBillingPeriod PeriodOf(CTime moment);
// The cost of the calls that started in the billing period of now.
double GetSpentInMonth(const CCallArray& calls, CTime now);
// The next moment after now at which the shown figures can change: the start of the day period,
// the start of the night period, or midnight (a new day, maybe a new month or the weekend).
CTime GetNextDisplayBoundary(CTime now);
