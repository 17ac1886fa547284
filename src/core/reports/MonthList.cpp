// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/MonthList.h"

#include "core/billing/CallArray.h"
#include "core/billing/Money.h"
#include "core/platform/NumberText.h"
#include "core/platform/Translate.h"
#include "core/reports/CallListText.h"
#include "core/reports/CallsCsv.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <set>

namespace {
// What the texts show, as a number: the two decimals read back, never through the locale.
double Cents(double amount) {
    const std::string text = FormatTwoDecimals(amount);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string DayDate(const CBillingPeriod& period, std::size_t index) {
    return (period.Start() + CTimeSpan(static_cast<std::int64_t>(index) * 86400 + 43200)).Format("%Y-%m-%d");
}
} // namespace

CCallArray CallArrayOf(const std::vector<LoggedCall>& calls) {
    CCallArray array;
    array.Reserve(static_cast<int>(calls.size()));
    for (const LoggedCall& call : calls)
        array.Add(CCallRecord(call.start, call.end));
    return array;
}

MonthRow RowOf(const CBillingPeriod& period, const CCallArray& calls, bool current) {
    MonthRow row;
    row.period = period;
    row.current = current;
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        row.time += call.GetDuration();
        row.cost += call.GetCost();
    }
    row.calls = calls.GetSize();
    return row;
}

std::vector<MonthRow> BuildMonthRows(const CBillingPeriod& current, const CCallArray& calls,
                                     const std::vector<PastMonth>& past) {
    std::vector<MonthRow> rows{RowOf(current, calls, true)};
    for (const PastMonth& month : past) {
        rows.push_back(RowOf(month.period, CallArrayOf(month.calls), false));
        rows.back().problem = month.problem;
    }
    return rows;
}

std::string MonthsText(const std::vector<MonthRow>& rows) {
    std::string text;
    for (const MonthRow& row : rows) {
        text += row.period.MonthKey() + '\t';
        if (!row.problem.empty()) {
            text += row.problem + '\n';
            continue;
        }
        text += row.period.RangeText() + '\t' + std::to_string(row.calls) + '\t' + DurationText(row.time) +
                '\t' + ShownAmount(row.cost) +
                (row.current ? "\t" + Tr("MonthList", "this month") + "\n" : "\n");
    }
    return text;
}

std::string MonthsCsv(const std::vector<MonthRow>& rows) {
    std::string text = "Month,First day,Last day,Calls,Online seconds,Cost,Problem\r\n";
    for (const MonthRow& row : rows)
        text += row.period.MonthKey() + ',' + row.period.FirstDate() + ',' + row.period.LastDate() + ',' +
                std::to_string(row.calls) + ',' + std::to_string(row.time.GetTotalSeconds()) + ',' +
                FormatTwoDecimals(row.cost) + ',' + CsvField(row.problem) + "\r\n";
    return text;
}

std::string MonthsJson(const std::vector<MonthRow>& rows) {
    nlohmann::ordered_json months = nlohmann::ordered_json::array();
    for (const MonthRow& row : rows) {
        nlohmann::ordered_json month;
        month["month"] = row.period.MonthKey();
        month["first_day"] = row.period.FirstDate();
        month["last_day"] = row.period.LastDate();
        month["current"] = row.current;
        month["calls"] = row.calls;
        month["online_seconds"] = row.time.GetTotalSeconds();
        month["cost"] = Cents(row.cost);
        if (!row.problem.empty())
            month["problem"] = row.problem;
        months.push_back(month);
    }
    return nlohmann::ordered_json{{"months", months}}.dump(2) + "\n";
}

YearFigures BuildYear(int year, unsigned startDay, const std::vector<MonthRow>& rows) {
    YearFigures figures{year, {}, {}};
    figures.total.period = CBillingPeriod::StartingIn(year, 1, startDay);
    for (int month = 1; month <= 12; ++month) {
        MonthRow& shown = figures.months[static_cast<std::size_t>(month - 1)];
        shown.period = CBillingPeriod::StartingIn(year, month, startDay);
        for (const MonthRow& row : rows)
            if (row.problem.empty() && row.period == shown.period)
                shown = row;
        figures.total.calls += shown.calls;
        figures.total.time += shown.time;
        figures.total.cost += shown.cost;
    }
    return figures;
}

std::vector<int> YearsOf(const CBillingPeriod& current, const std::vector<PastMonth>& past) {
    std::set<int, std::greater<>> years{current.Year()};
    for (const PastMonth& month : past)
        if (month.problem.empty())
            years.insert(month.period.Year());
    return {years.begin(), years.end()};
}

std::string ChartText(const CBillingPeriod& period, const std::vector<double>& perDay) {
    std::string text;
    for (std::size_t i = 0; i < perDay.size(); ++i)
        text += DayDate(period, i) + '\t' + ShownAmount(perDay[i]) + '\n';
    return text;
}

std::string ChartCsv(const CBillingPeriod& period, const std::vector<double>& perDay) {
    std::string text = "Date,Cost\r\n";
    for (std::size_t i = 0; i < perDay.size(); ++i)
        text += DayDate(period, i) + ',' + FormatTwoDecimals(perDay[i]) + "\r\n";
    return text;
}

std::string ChartJson(const CBillingPeriod& period, const std::vector<double>& perDay, double dayLimit) {
    nlohmann::ordered_json days = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < perDay.size(); ++i)
        days.push_back({{"date", DayDate(period, i)}, {"cost", Cents(perDay[i])}});
    const nlohmann::ordered_json chart = {
        {"month", period.MonthKey()}, {"day_limit", Cents(dayLimit)}, {"days", days}};
    return chart.dump(2) + "\n";
}
