// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"
#include "core/settings/Holiday.h"

// The tariff: four per-minute rates, the day and night switch times and the optional rounding to
// whole intervals, all read from Settings at each call. The weekend rates apply on the weekend days
// and the holidays; a call costs its fee on top of its time, and at least the minimum charge.

constexpr int PERIOD_DAY = 1;
constexpr int PERIOD_NIGHT = 2;

// A weekend day or a holiday.
bool IsWeekend(CTime t);
// The holiday t falls on; nothing on other days.
const Holiday* GetHolidayAt(CTime t);
int GetTariffPeriod(CTime t);
double GetRateAt(CTime t);
long long GetWholeMinutes(CTimeSpan span);
double GetChargedMinutes(CTimeSpan span);
double ComputeCallCost(CTime start, CTime end);
