// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"

#include <chrono>
#include <string>

// The stretch of days a telephone bill covers: from its first day (the start day of a month, or
// that month's last day when the month is shorter) up to the day before the next one. It is made
// of local dates, not of seconds, so a daylight saving change moves nothing, and a call belongs to
// the period of the date on which it started. With a start day of 1 it is the calendar month.
class CBillingPeriod {
public:
    CBillingPeriod() = default; // no days at all
    // The period that holds the local date of moment.
    static CBillingPeriod Of(CTime moment, unsigned startDay);
    // The period whose first day falls in the given month.
    static CBillingPeriod StartingIn(int year, int month, unsigned startDay);

    CBillingPeriod Next() const;
    CBillingPeriod Previous() const;
    bool Contains(CTime moment) const;
    bool Overlaps(const CBillingPeriod& other) const {
        return m_first < other.m_next && other.m_first < m_next;
    }
    // The period is over by the date of moment.
    bool EndedBy(CTime moment) const { return LocalDate(moment) >= m_next; }

    // The month in which the period starts.
    int Year() const;
    int Month() const;
    int FirstDay() const;
    // The number of its dates, and which of them the date of moment is (1 for the first day).
    int Days() const;
    int DayIndex(CTime moment) const;
    // The day of the month of its n-th date (1 for the first).
    int DayOfMonth(int n) const;
    // The midnight its first day begins with.
    CTime Start() const;
    // Its last moment: the second before the next period begins.
    CTime LastMoment() const;

    std::string MonthKey() const;  // 2026-11
    std::string FirstDate() const; // 2026-11-15
    std::string LastDate() const;  // 2026-12-14
    std::string MonthName() const; // "November", in the current C locale
    std::string RangeText() const; // "15 November to 14 December"
    // "November 2026" for a calendar month, else "15 November to 14 December 2026".
    std::string Title() const;

    bool operator==(const CBillingPeriod&) const = default;
    // Newer periods compare greater.
    auto operator<=>(const CBillingPeriod& other) const { return m_first <=> other.m_first; }

    static std::chrono::sys_days LocalDate(CTime moment);

private:
    CBillingPeriod(std::chrono::sys_days first, std::chrono::sys_days next, unsigned startDay)
        : m_first(first), m_next(next), m_startDay(startDay) {}

    std::chrono::sys_days m_first;
    std::chrono::sys_days m_next;
    unsigned m_startDay = 1;
};

// The line under the start day of the billing period on the Billing page: "This period: 15 November
// to 14 December".
std::string CurrentPeriodText(unsigned startDay, CTime now);
