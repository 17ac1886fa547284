// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"
#include "core/platform/Time.h"

#include <string>
#include <string_view>

class CCallArray;

// The month's figures as JSON for scripts and status bars: numbers as numbers (money with two
// decimals, priced by the tariff in force), times as ISO 8601 local times with their UTC offset.
// Each text ends with a line break.

// A JSON string literal, quotes included; control characters are escaped, UTF-8 passes through.
std::string JsonString(std::string_view text);

// 2024-03-06T20:00:00+01:00
std::string IsoTimeWithOffset(CTime time);

// The report's figures: month, day, calls, online time, spent, projection, limit, verdict, pace. Of
// a period that has ended: every day counted, what it cost as the projection, no pace.
std::string BuildReportJson(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                            double monthLimit);
std::string BuildReportJson(const CCallArray& calls, CTime now, double monthLimit);

// Every call (start, end, duration in seconds, cost) and the totals.
std::string BuildCallsJson(const CCallArray& calls);
