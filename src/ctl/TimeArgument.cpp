// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/TimeArgument.h"

#include <cctype>

namespace {
constexpr std::string_view kPattern = "dddd-dd-dd dd:dd:dd";

bool MatchesPattern(std::string_view text, std::string_view pattern = kPattern) {
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        if (pattern[i] == 'd' ? !digit : text[i] != pattern[i])
            return false;
    }
    return true;
}

int Field(std::string_view text, std::size_t pos, std::size_t length) {
    int value = 0;
    for (std::size_t i = pos; i < pos + length; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}
} // namespace

std::optional<CTime> ParseTimeArgument(std::string_view text) {
    if (!MatchesPattern(text))
        return std::nullopt;
    const int year = Field(text, 0, 4);
    const int month = Field(text, 5, 2);
    const int day = Field(text, 8, 2);
    const int hour = Field(text, 11, 2);
    const int minute = Field(text, 14, 2);
    const int second = Field(text, 17, 2);
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 ||
        minute > 59 || second > 59)
        return std::nullopt;
    const CTime time(year, month, day, hour, minute, second);
    // mktime moves a time inside a daylight-saving gap to another hour; such a time never happened.
    const std::tm fields = time.GetLocalTm();
    if (fields.tm_hour != hour || fields.tm_min != minute || fields.tm_mday != day)
        return std::nullopt;
    return time;
}

bool ParseMonthArgument(std::string_view text) {
    return MatchesPattern(text, "dddd-dd") && Field(text, 5, 2) >= 1 && Field(text, 5, 2) <= 12;
}
