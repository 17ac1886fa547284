// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"

// The tariff: four per-minute rates, the day and night switch times and the optional rounding to
// whole intervals, all read from Settings at each call.

constexpr int PERIOD_DAY = 1;
constexpr int PERIOD_NIGHT = 2;

bool IsWeekend(CTime t);
int GetTariffPeriod(CTime t);
double GetRateAt(CTime t);
long long GetWholeMinutes(CTimeSpan span);
double GetChargedMinutes(CTimeSpan span);
double ComputeCallCost(CTime start, CTime end);
