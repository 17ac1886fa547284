// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/BillingPeriod.h"
#include "core/platform/Translate.h"

#include <algorithm>
#include <cstdio>

namespace {
using namespace std::chrono;

// A start day past the end of a shorter month means its last day: 31 is 30 April, 28 or 29 February.
sys_days FirstDayIn(year_month month, unsigned startDay) {
    const unsigned last = static_cast<unsigned>((month / std::chrono::last).day());
    return sys_days(month / day(std::clamp(startDay, 1u, last)));
}

year_month_day Date(sys_days days) {
    return year_month_day(days);
}

std::string DateText(sys_days days) {
    const year_month_day d = Date(days);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(d.year()),
                  static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
    return text;
}

// Noon of the date, clear of any daylight saving change, for the names strftime gives.
CTime Noon(sys_days days) {
    const year_month_day d = Date(days);
    return CTime(static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
                 static_cast<int>(static_cast<unsigned>(d.day())), 12, 0, 0);
}

std::string DayAndMonth(sys_days days) {
    const auto day = static_cast<int>(static_cast<unsigned>(Date(days).day()));
    // Counted by the day, so that a language may write the first of a month its own way ("1er").
    //: the day of the month, then the month's name: "5 March"
    return Arg(Tr("BillingPeriod", "%n %1", "day and month", day), {Noon(days).Format("%B")});
}
} // namespace

sys_days CBillingPeriod::LocalDate(CTime moment) {
    const std::tm t = moment.GetLocalTm();
    return sys_days(year(t.tm_year + 1900) / (t.tm_mon + 1) / t.tm_mday);
}

CBillingPeriod CBillingPeriod::StartingIn(int y, int m, unsigned startDay) {
    const year_month month = year(y) / m;
    return {FirstDayIn(month, startDay), FirstDayIn(month + months(1), startDay), startDay};
}

CBillingPeriod CBillingPeriod::Of(CTime moment, unsigned startDay) {
    const sys_days date = LocalDate(moment);
    const year_month_day d = Date(date);
    const CBillingPeriod here =
        StartingIn(static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())), startDay);
    return date < here.m_first ? here.Previous() : here;
}

CBillingPeriod CBillingPeriod::Next() const {
    const year_month_day d = Date(m_next);
    return StartingIn(static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
                      m_startDay);
}

CBillingPeriod CBillingPeriod::Previous() const {
    const year_month month = Date(m_first).year() / Date(m_first).month() - months(1);
    return StartingIn(static_cast<int>(month.year()), static_cast<int>(static_cast<unsigned>(month.month())),
                      m_startDay);
}

bool CBillingPeriod::Contains(CTime moment) const {
    const sys_days date = LocalDate(moment);
    return m_first <= date && date < m_next;
}

int CBillingPeriod::Year() const {
    return static_cast<int>(Date(m_first).year());
}

int CBillingPeriod::Month() const {
    return static_cast<int>(static_cast<unsigned>(Date(m_first).month()));
}

int CBillingPeriod::FirstDay() const {
    return static_cast<int>(static_cast<unsigned>(Date(m_first).day()));
}

int CBillingPeriod::Days() const {
    return static_cast<int>((m_next - m_first).count());
}

int CBillingPeriod::DayIndex(CTime moment) const {
    return static_cast<int>((LocalDate(moment) - m_first).count()) + 1;
}

int CBillingPeriod::DayOfMonth(int n) const {
    return static_cast<int>(static_cast<unsigned>(Date(m_first + days(n - 1)).day()));
}

CTime CBillingPeriod::Start() const {
    const year_month_day d = Date(m_first);
    return CTime(static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
                 static_cast<int>(static_cast<unsigned>(d.day())), 0, 0, 0);
}

CTime CBillingPeriod::LastMoment() const {
    return Next().Start() - CTimeSpan(1);
}

std::string CBillingPeriod::MonthKey() const {
    return FirstDate().substr(0, 7);
}

std::string CBillingPeriod::FirstDate() const {
    return DateText(m_first);
}

std::string CBillingPeriod::LastDate() const {
    return DateText(m_next - days(1));
}

std::string CBillingPeriod::MonthName() const {
    return Noon(m_first).Format("%B");
}

std::string CBillingPeriod::RangeText() const {
    return Arg(Tr("BillingPeriod", "%1 to %2"), {DayAndMonth(m_first), DayAndMonth(m_next - days(1))});
}

std::string CBillingPeriod::Title() const {
    if (FirstDay() == 1)
        return Noon(m_first).Format("%B %Y");
    return RangeText() + " " + std::to_string(static_cast<int>(Date(m_next - days(1)).year()));
}

std::string CurrentPeriodText(unsigned startDay, CTime now) {
    return Arg(Tr("PreferencesFields", "This period: %1"), {CBillingPeriod::Of(now, startDay).RangeText()});
}
