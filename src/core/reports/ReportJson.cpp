// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/ReportJson.h"

#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"
#include "core/billing/PeriodTotals.h"
#include "core/platform/NumberText.h"
#include "core/platform/ProgramState.h"
#include "core/reports/MonthFigures.h"

#include <cstdio>

namespace {
const char* VerdictKey(Verdict verdict) {
    switch (verdict) {
    case Verdict::WellWithin:
        return "well_within";
    case Verdict::JustUnder:
        return "just_under";
    case Verdict::Exactly:
        return "exactly";
    case Verdict::JustAbove:
        return "just_above";
    case Verdict::WayAbove:
        break;
    }
    return "way_above";
}

// Two decimals with '.' is a valid JSON number.
std::string Money(double amount) {
    return FormatTwoDecimals(amount);
}

std::string PaceJson(const MonthPace& pace) {
    if (!pace.limited)
        return "null";
    return "{\"days_left\": " + std::to_string(pace.daysLeft) + ", \"per_day\": " + Money(pace.perDay) +
           ", \"over_limit\": " + (pace.overspent ? "true" : "false") + "}";
}
} // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string IsoTimeWithOffset(CTime time) {
    std::string offset = time.Format("%z"); // +0100
    if (offset.size() == 5)
        offset.insert(3, ":");
    return time.Format("%Y-%m-%dT%H:%M:%S") + offset;
}

std::string BuildReportJson(const CCallArray& calls, CTime now, double monthLimit) {
    return BuildReportJson(calls, PeriodOf(now), now, monthLimit);
}

std::string BuildReportJson(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                            double monthLimit) {
    const double spent = GetTotalCost(calls);
    const double projected = ProjectedBill(spent, period, now);
    const bool ended = period.EndedBy(now);
    std::string json = "{\n";
    json += "  \"month\": " + JsonString(period.MonthName()) + ",\n";
    json += "  \"now\": " + JsonString(IsoTimeWithOffset(now)) + ",\n";
    json += "  \"day\": " + std::to_string(ended ? period.Days() : period.DayIndex(now)) + ",\n";
    json += "  \"calls\": " + std::to_string(GetCallCount(calls)) + ",\n";
    json += "  \"online_seconds\": " + std::to_string(GetTotalTime(calls).GetTotalSeconds()) + ",\n";
    json += "  \"currency_symbol\": " + JsonString(CurrencySymbol) + ",\n";
    json += "  \"spent\": " + Money(spent) + ",\n";
    json += "  \"projected\": " + Money(projected) + ",\n";
    json += "  \"month_limit\": " + Money(monthLimit) + ",\n";
    json += "  \"verdict\": " + JsonString(VerdictKey(JudgeProjection(projected, monthLimit))) + ",\n";
    json +=
        "  \"pace\": " + (ended ? "null" : PaceJson(ComputeMonthPace(spent, period, now, monthLimit))) + "\n";
    return json + "}\n";
}

std::string BuildCallsJson(const CCallArray& calls) {
    std::string json = "{\n  \"calls\": [";
    CTimeSpan totalTime;
    double totalCost = 0.0;
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        totalTime += call.GetDuration();
        totalCost += call.GetCost();
        json += i == 0 ? "\n    " : ",\n    ";
        json += "{\"start\": " + JsonString(IsoTimeWithOffset(call.GetStart())) +
                ", \"end\": " + JsonString(IsoTimeWithOffset(call.GetEnd())) +
                ", \"duration_seconds\": " + std::to_string(call.GetDuration().GetTotalSeconds()) +
                ", \"cost\": " + Money(call.GetCost()) + "}";
    }
    json += calls.GetSize() > 0 ? "\n  ],\n" : "],\n";
    json += "  \"count\": " + std::to_string(calls.GetSize()) + ",\n";
    json += "  \"online_seconds\": " + std::to_string(totalTime.GetTotalSeconds()) + ",\n";
    json += "  \"total_cost\": " + Money(totalCost) + "\n";
    return json + "}\n";
}
