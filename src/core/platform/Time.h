// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/TimeSpan.h"

#include <compare>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

// A calendar time: whole seconds since the epoch, broken down in local time when its fields are
// asked for. 64 bits, so there is no 2038 limit.
class CTime {
public:
    constexpr CTime() = default;
    constexpr explicit CTime(std::int64_t seconds) : m_time(seconds) {}
    // Local date and time; out-of-range fields are normalised as mktime does, and dst -1 lets the
    // local rules decide whether daylight saving applies.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    constexpr std::int64_t GetTime() const { return m_time; }

    std::tm GetLocalTm() const;
    int GetYear() const { return GetLocalTm().tm_year + 1900; }
    int GetMonth() const { return GetLocalTm().tm_mon + 1; }
    int GetDay() const { return GetLocalTm().tm_mday; }
    int GetHour() const { return GetLocalTm().tm_hour; }
    int GetMinute() const { return GetLocalTm().tm_min; }
    int GetSecond() const { return GetLocalTm().tm_sec; }
    // 1 = Sunday ... 7 = Saturday
    int GetDayOfWeek() const { return GetLocalTm().tm_wday + 1; }

    // strftime of the local time under the current C locale.
    std::string Format(const char* format) const;

    constexpr CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    constexpr CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTotalSeconds()); }
    constexpr CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTotalSeconds()); }
    constexpr auto operator<=>(const CTime&) const = default;

private:
    std::int64_t m_time = 0;
};

// The moment of these local fields when they fall on the date last converted to local time,
// found without asking the zone's rules again; empty otherwise (or for fields out of range).
std::optional<CTime> FromRememberedDate(int year, int month, int day, int hour, int minute, int second);

// Whether two broken-down local times fall in the same month of the same year, or on the same date.
inline bool IsSameMonth(const std::tm& a, const std::tm& b) {
    return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon;
}
inline bool IsSameDate(const std::tm& a, const std::tm& b) {
    return IsSameMonth(a, b) && a.tm_mday == b.tm_mday;
}
