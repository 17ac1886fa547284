// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// A signed count of whole seconds. Fields are split by truncating division, so total hours are not
// limited to 24.
class CTimeSpan {
public:
    constexpr CTimeSpan() = default;
    constexpr explicit CTimeSpan(std::int64_t seconds) : m_seconds(seconds) {}

    constexpr std::int64_t GetTotalSeconds() const { return m_seconds; }
    constexpr std::int64_t GetTotalMinutes() const { return m_seconds / 60; }
    constexpr std::int64_t GetTotalHours() const { return m_seconds / 3600; }
    constexpr std::int64_t GetDays() const { return m_seconds / 86400; }
    constexpr int GetHours() const { return static_cast<int>(GetTotalHours() - 24 * GetDays()); }
    constexpr int GetMinutes() const { return static_cast<int>(GetTotalMinutes() - 60 * GetTotalHours()); }
    constexpr int GetSeconds() const { return static_cast<int>(m_seconds - 60 * GetTotalMinutes()); }

    // strftime-like: %D days, %H hours within the day, %M minutes, %S seconds (two digits each
    // except %D), %% a percent sign.
    std::string Format(const char* format) const;

    constexpr CTimeSpan operator+(CTimeSpan other) const { return CTimeSpan(m_seconds + other.m_seconds); }
    constexpr CTimeSpan& operator+=(CTimeSpan other) {
        m_seconds += other.m_seconds;
        return *this;
    }
    constexpr auto operator<=>(const CTimeSpan&) const = default;

private:
    std::int64_t m_seconds = 0;
};
