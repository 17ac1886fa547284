#include "core/reports/ReportText.h"

#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"
#include "core/billing/Money.h"

namespace {
constexpr double kNearLimitFactor = 0.8;

std::string LimitTail(double monthLimit) {
    return "the month limit that you have set (" + ShownAmount(monthLimit) +
           ")\r\n\r\n\r\nYou shouldn't have any worries so far !";
}

// Below 80 % of the limit, up to it, exactly on it, up to 125 % of it, beyond. The comparisons are
// made on the doubles themselves, so a projection a hair off a boundary falls on one side of it.
std::string Verdict(double projected, double monthLimit) {
    if (projected <= monthLimit && projected < kNearLimitFactor * monthLimit)
        return "well within " + LimitTail(monthLimit);
    if (projected <= monthLimit && projected != monthLimit)
        return "just under " + LimitTail(monthLimit);
    if (projected == monthLimit)
        return "exactly as much as " + LimitTail(monthLimit);
    if (kNearLimitFactor * projected <= monthLimit)
        return "just above the month limit that you have set (" + ShownAmount(monthLimit) +
               ")\r\nYou shouldn't have any serious worries so far !";
    return "WAY ABOVE the month limit that you have set (" + ShownAmount(monthLimit) +
           ")\r\nI suggest you IMMEDIATELY reconsider and optimize the time you spend online, otherwise be "
           "prepared for a FAT telephone bill !";
}
} // namespace

std::string BuildReportText(const CCallArray& calls, CTime now, double monthLimit) {
    const int day = now.GetDay();
    const CTimeSpan total = GetTotalTime(calls);
    const double spent = GetTotalCost(calls);
    // The calls so far are taken to cover the first `day` days of a 30-day month.
    const double projected = spent * 30 / day;

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
    text += " , which is " + Verdict(projected, monthLimit);
    return text;
}
