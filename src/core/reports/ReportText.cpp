// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/ReportText.h"

#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"
#include "core/billing/Money.h"
#include "core/billing/PeriodTotals.h"
#include "core/reports/MonthFigures.h"

namespace {
std::string LimitTail(double monthLimit) {
    return "the month limit that you have set (" + ShownAmount(monthLimit) +
           ")\r\n\r\n\r\nYou shouldn't have any worries so far !";
}

std::string VerdictText(Verdict verdict, double monthLimit) {
    switch (verdict) {
    case Verdict::WellWithin:
        return "well within " + LimitTail(monthLimit);
    case Verdict::JustUnder:
        return "just under " + LimitTail(monthLimit);
    case Verdict::Exactly:
        return "exactly as much as " + LimitTail(monthLimit);
    case Verdict::JustAbove:
        return "just above the month limit that you have set (" + ShownAmount(monthLimit) +
               ")\r\nYou shouldn't have any serious worries so far !";
    case Verdict::WayAbove:
        break;
    }
    return "WAY ABOVE the month limit that you have set (" + ShownAmount(monthLimit) +
           ")\r\nI suggest you IMMEDIATELY reconsider and optimize the time you spend online, otherwise be "
           "prepared for a FAT telephone bill !";
}

std::string TimeText(CTimeSpan total) {
    return std::to_string(total.GetTotalHours()) + " hours, " + std::to_string(total.GetMinutes()) +
           " minutes and " + std::to_string(total.GetSeconds()) + " seconds";
}

// An ended period is reported as what it cost: there is nothing left to project.
std::string PastReportText(const CCallArray& calls, const CBillingPeriod& period, double monthLimit) {
    const double spent = GetTotalCost(calls);
    std::string text = "- Report for " + period.MonthName() + " " + std::to_string(period.Year()) +
                       " :\r\nYou made " + std::to_string(GetCallCount(calls)) + " call(s) during the " +
                       std::to_string(period.Days()) + " days of this month (" + period.RangeText() +
                       ").\r\nYou spent a total of " + TimeText(GetTotalTime(calls)) +
                       ", for which you pay " + ShownAmount(spent);
    if (monthLimit != 0)
        text += std::string(spent > monthLimit ? ", more than" : ", within") +
                " the month limit that you have set (" + ShownAmount(monthLimit) + ")";
    return text + ".";
}
} // namespace

std::string BuildReportText(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                            double monthLimit) {
    if (period.EndedBy(now))
        return PastReportText(calls, period, monthLimit);
    const int day = period.DayIndex(now);
    const double spent = GetTotalCost(calls);
    const double projected = ProjectedBill(spent, period, now);

    std::string text = "- Brief report for " + period.MonthName();
    text += " :\r\nYou have made " + std::to_string(GetCallCount(calls));
    text += " call(s) during the first " + std::to_string(day);
    text += " days of this month.\r\nYou have spent a total of " + TimeText(GetTotalTime(calls));
    text += ", for which you will pay " + ShownAmount(spent);
    text += "\r\n\r\nIf you go on using the Net in the same way you have done so far, you will end up with a "
            "telephone bill somewhere about " +
            ShownAmount(projected);
    // Without a limit there is nothing to judge the projection against: no verdict, no scolding.
    if (monthLimit == 0)
        return text + ".\r\n\r\nYou have not set a month limit.";
    text += " , which is " + VerdictText(JudgeProjection(projected, monthLimit), monthLimit);
    return text;
}

std::string BuildReportText(const CCallArray& calls, CTime now, double monthLimit) {
    return BuildReportText(calls, PeriodOf(now), now, monthLimit);
}

std::string BuildPaceText(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                          double monthLimit) {
    const MonthPace pace = ComputeMonthPace(GetTotalCost(calls), period, now, monthLimit);
    if (!pace.limited || period.EndedBy(now))
        return {};
    if (pace.overspent)
        return "You have already spent more than your month limit";
    return "To stay within your month limit you can spend " + ShownAmount(pace.perDay) +
           " a day for the rest of the month";
}

std::string BuildReportWithPace(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                                double monthLimit) {
    std::string text = BuildReportText(calls, period, now, monthLimit);
    if (const std::string pace = BuildPaceText(calls, period, now, monthLimit); !pace.empty())
        text += "\r\n\r\n" + pace;
    return text;
}

std::string BuildReportWithPace(const CCallArray& calls, CTime now, double monthLimit) {
    return BuildReportWithPace(calls, PeriodOf(now), now, monthLimit);
}

std::string BuildProjectionText(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                                double monthLimit) {
    std::string text = (period.EndedBy(now) ? "Bill for " : "Projected bill for ") + period.MonthName() +
                       ": " + ShownAmount(ProjectedBill(GetTotalCost(calls), period, now));
    if (monthLimit != 0)
        text += " (month limit " + ShownAmount(monthLimit) + ")";
    return text;
}
