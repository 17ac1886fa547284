// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"
#include "core/platform/Time.h"

#include <string>

class CCallArray;

// The brief report of the month shown on the Report page and printed by "corvellanctl report":
// the calls so far, their total time and cost, the bill projected from the first D days (D being
// the day of the billing period of now, the month counted as 30 days) and a verdict on that
// projection against monthLimit. Line breaks are "\r\n"; amounts are shown amounts (currency
// symbol first); the month name (that of the month the period starts in) follows the current C
// locale. Of a period that has ended, what its calls came to, against the limit. The forms without
// a period take the period of now.
std::string BuildReportText(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                            double monthLimit);
std::string BuildReportText(const CCallArray& calls, CTime now, double monthLimit);

// The daily allowance under the report when a month limit is set and the period is still running,
// else empty: what may still be spent each day, today included, to stay within the limit.
std::string BuildPaceText(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                          double monthLimit);

// The report followed by the pace line, as the Report page and "corvellanctl report" show it.
std::string BuildReportWithPace(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                                double monthLimit);
std::string BuildReportWithPace(const CCallArray& calls, CTime now, double monthLimit);

// The line under the spending chart: the bill the month heads for (or came to), and the month limit
// when one is set.
std::string BuildProjectionText(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                                double monthLimit);
