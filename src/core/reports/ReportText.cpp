// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/ReportText.h"

#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"
#include "core/billing/Money.h"
#include "core/billing/PeriodTotals.h"
#include "core/platform/Translate.h"
#include "core/reports/MonthFigures.h"

namespace {
// What the projection comes to against the limit: the sentence about the bill ends in the verdict,
// then a line of comment.
std::string VerdictText(const std::string& projected, Verdict verdict, double monthLimit) {
    const std::string limit = ShownAmount(monthLimit);
    const auto said = [&](const std::string& sentence) {
        return Arg(sentence, {projected, limit});
    };
    const std::string noWorries =
        "\r\n\r\n\r\n" + Tr("ReportText", "You shouldn't have any worries so far !");
    switch (verdict) {
    case Verdict::WellWithin:
        return said(Tr("ReportText",
                       "If you go on using the Net in the same way you have done so far, you will end up "
                       "with a telephone bill somewhere about %1 , which is well within the month "
                       "limit that you have set (%2)")) +
               noWorries;
    case Verdict::JustUnder:
        return said(Tr("ReportText",
                       "If you go on using the Net in the same way you have done so far, you will end up "
                       "with a telephone bill somewhere about %1 , which is just under the month "
                       "limit that you have set (%2)")) +
               noWorries;
    case Verdict::Exactly:
        return said(Tr("ReportText",
                       "If you go on using the Net in the same way you have done so far, you will end up "
                       "with a telephone bill somewhere about %1 , which is exactly as much as the "
                       "month limit that you have set (%2)")) +
               noWorries;
    case Verdict::JustAbove:
        return said(Tr("ReportText",
                       "If you go on using the Net in the same way you have done so far, you will end up "
                       "with a telephone bill somewhere about %1 , which is just above the month "
                       "limit that you have set (%2)")) +
               "\r\n" + Tr("ReportText", "You shouldn't have any serious worries so far !");
    case Verdict::WayAbove:
        break;
    }
    return said(Tr("ReportText",
                   "If you go on using the Net in the same way you have done so far, you will end up "
                   "with a telephone bill somewhere about %1 , which is WAY ABOVE the month limit "
                   "that you have set (%2)")) +
           "\r\n" +
           Tr("ReportText",
              "I suggest you IMMEDIATELY reconsider and optimize the time you spend online, otherwise "
              "be prepared for a FAT telephone bill !");
}

std::string TimeText(CTimeSpan total) {
    const int hours = static_cast<int>(total.GetTotalHours());
    const int minutes = total.GetMinutes(), seconds = total.GetSeconds();
    return Arg(Tr("ReportText", "%1, %2 and %3"), {Tr("ReportText", "%n hours", nullptr, hours),
                                                   Tr("ReportText", "%n minutes", nullptr, minutes),
                                                   Tr("ReportText", "%n seconds", nullptr, seconds)});
}

// An ended period is reported as what it cost: there is nothing left to project.
std::string PastReportText(const CCallArray& calls, const CBillingPeriod& period, double monthLimit) {
    const double spent = GetTotalCost(calls);
    const std::string days =
        Arg(Tr("ReportText", "during the %n days of this month (%1)", nullptr, period.Days()),
            {period.RangeText()});
    std::string text =
        Arg(Tr("ReportText", "- Report for %1 %2 :"), {period.MonthName(), std::to_string(period.Year())}) +
        "\r\n" + Arg(Tr("ReportText", "You made %n call(s) %1.", nullptr, GetCallCount(calls)), {days}) +
        "\r\n";
    const std::string time = TimeText(GetTotalTime(calls));
    const std::string paid = ShownAmount(spent);
    if (monthLimit == 0)
        return text + Arg(Tr("ReportText", "You spent a total of %1, for which you pay %2."), {time, paid});
    const std::string limit = ShownAmount(monthLimit);
    if (spent > monthLimit)
        return text + Arg(Tr("ReportText",
                             "You spent a total of %1, for which you pay %2, more than the month limit "
                             "that you have set (%3)."),
                          {time, paid, limit});
    return text +
           Arg(Tr("ReportText", "You spent a total of %1, for which you pay %2, within the month limit that "
                                "you have set (%3)."),
               {time, paid, limit});
}
} // namespace

std::string BuildReportText(const CCallArray& calls, const CBillingPeriod& period, CTime now,
                            double monthLimit) {
    if (period.EndedBy(now))
        return PastReportText(calls, period, monthLimit);
    const int day = period.DayIndex(now);
    const double spent = GetTotalCost(calls);
    const double bill = ProjectedBill(spent, period, now);
    const std::string projected = ShownAmount(bill);

    const std::string days = Tr("ReportText", "during the first %n days of this month", nullptr, day);
    std::string text =
        Arg(Tr("ReportText", "- Brief report for %1 :"), {period.MonthName()}) + "\r\n" +
        Arg(Tr("ReportText", "You have made %n call(s) %1.", nullptr, GetCallCount(calls)), {days}) + "\r\n" +
        Arg(Tr("ReportText", "You have spent a total of %1, for which you will pay %2"),
            {TimeText(GetTotalTime(calls)), ShownAmount(spent)}) +
        "\r\n\r\n";
    // Without a limit there is nothing to judge the projection against: no verdict, no scolding.
    if (monthLimit == 0)
        return text +
               Arg(Tr("ReportText",
                      "If you go on using the Net in the same way you have done so far, you will end up "
                      "with a telephone bill somewhere about %1."),
                   {projected}) +
               "\r\n\r\n" + Tr("ReportText", "You have not set a month limit.");
    return text + VerdictText(projected, JudgeProjection(bill, monthLimit), monthLimit);
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
        return Tr("ReportText", "You have already spent more than your month limit");
    return Arg(
        Tr("ReportText", "To stay within your month limit you can spend %1 a day for the rest of the month"),
        {ShownAmount(pace.perDay)});
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
    const std::string month = period.MonthName();
    const std::string bill = ShownAmount(ProjectedBill(GetTotalCost(calls), period, now));
    if (monthLimit == 0)
        return Arg(period.EndedBy(now) ? Tr("ReportText", "Bill for %1: %2")
                                       : Tr("ReportText", "Projected bill for %1: %2"),
                   {month, bill});
    return Arg(period.EndedBy(now) ? Tr("ReportText", "Bill for %1: %2 (month limit %3)")
                                   : Tr("ReportText", "Projected bill for %1: %2 (month limit %3)"),
               {month, bill, ShownAmount(monthLimit)});
}
