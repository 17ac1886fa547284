// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/ReportText.h"

#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"
#include "core/billing/Money.h"
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
} // namespace

std::string BuildReportText(const CCallArray& calls, CTime now, double monthLimit) {
    const int day = now.GetDay();
    const CTimeSpan total = GetTotalTime(calls);
    const double spent = GetTotalCost(calls);
    const double projected = ProjectedBill(spent, now);

    std::string text = "- Brief report for " + now.Format("%B");
    text += " :\r\nYou have made " + std::to_string(GetCallCount(calls));
    text += " call(s) during the first " + std::to_string(day);
    text += " days of this month.\r\nYou have spent a total of " + std::to_string(total.GetTotalHours());
    text += " hours, " + std::to_string(total.GetMinutes());
    text += " minutes and " + std::to_string(total.GetSeconds());
    text += " seconds, for which you will pay " + ShownAmount(spent);
    text += "\r\n\r\nIf you go on using the Net in the same way you have done so far, you will end up with a "
            "telephone bill somewhere about " +
            ShownAmount(projected);
    text += " , which is " + VerdictText(JudgeProjection(projected, monthLimit), monthLimit);
    return text;
}

std::string BuildPaceText(const CCallArray& calls, CTime now, double monthLimit) {
    const MonthPace pace = ComputeMonthPace(GetTotalCost(calls), now, monthLimit);
    if (!pace.limited)
        return {};
    if (pace.overspent)
        return "You have already spent more than your month limit";
    return "To stay within your month limit you can spend " + ShownAmount(pace.perDay) +
           " a day for the rest of the month";
}

std::string BuildReportWithPace(const CCallArray& calls, CTime now, double monthLimit) {
    std::string text = BuildReportText(calls, now, monthLimit);
    if (const std::string pace = BuildPaceText(calls, now, monthLimit); !pace.empty())
        text += "\r\n\r\n" + pace;
    return text;
}

std::string BuildProjectionText(const CCallArray& calls, CTime now, double monthLimit) {
    std::string text = "Projected bill for " + now.Format("%B") + ": " +
                       ShownAmount(ProjectedBill(GetTotalCost(calls), now));
    if (monthLimit != 0)
        text += " (month limit " + ShownAmount(monthLimit) + ")";
    return text;
}
