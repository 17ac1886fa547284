// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Holiday.h"
#include "core/platform/Translate.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {
// A leap year, so that a holiday every year may be 29 February.
constexpr int kAnyLeapYear = 2000;

bool ReadDigits(std::string_view text, int& value) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
} // namespace

std::optional<Holiday> Holiday::Make(int year, unsigned month, unsigned day, bool everyYear) {
    // Four-digit years only: that is what the file holds.
    if (!everyYear && (year < 1000 || year > 9999))
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(everyYear ? kAnyLeapYear : year),
                                           std::chrono::month(month), std::chrono::day(day)};
    if (!date.ok())
        return std::nullopt;
    return Holiday{month, day, everyYear ? 0 : year};
}

std::optional<Holiday> Holiday::Parse(std::string_view text) {
    int year = 0, month = 0, day = 0;
    const bool everyYear = text.size() == 5;
    if (!everyYear && (text.size() != 10 || text[4] != '-' || !ReadDigits(text.substr(0, 4), year)))
        return std::nullopt;
    const std::string_view monthDay = text.substr(text.size() - 5);
    if (monthDay[2] != '-' || !ReadDigits(monthDay.substr(0, 2), month) ||
        !ReadDigits(monthDay.substr(3), day))
        return std::nullopt;
    return Make(year, static_cast<unsigned>(month), static_cast<unsigned>(day), everyYear);
}

std::string Holiday::Text() const {
    char text[16];
    if (year == 0)
        std::snprintf(text, sizeof text, "%02u-%02u", month, day);
    else
        std::snprintf(text, sizeof text, "%04d-%02u-%02u", year, month, day);
    return text;
}

std::string Holiday::Shown() const {
    std::tm date{};
    date.tm_year = (year == 0 ? kAnyLeapYear : year) - 1900;
    date.tm_mon = static_cast<int>(month) - 1;
    date.tm_mday = static_cast<int>(day);
    char text[128];
    // The formats are the translator's to order: "5. März 2026" in German.
    const std::string format = year == 0 ? Tr("Holiday", "%-d %B") : Tr("Holiday", "%-d %B %Y");
    const std::size_t length = std::strftime(text, sizeof text, format.c_str(), &date);
    return year == 0 ? Arg(Tr("Holiday", "%1, every year"), {std::string(text, length)})
                     : std::string(text, length);
}

bool Holiday::FallsOn(const std::tm& date) const {
    return static_cast<unsigned>(date.tm_mon + 1) == month && static_cast<unsigned>(date.tm_mday) == day &&
           (year == 0 || date.tm_year + 1900 == year);
}

std::optional<std::vector<Holiday>> ParseHolidays(std::string_view text) {
    std::vector<Holiday> holidays;
    if (TrimBlanks(text).empty())
        return holidays;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::optional<Holiday> holiday = Holiday::Parse(TrimBlanks(text.substr(0, comma)));
        if (!holiday)
            return std::nullopt;
        InsertHoliday(holidays, *holiday);
        if (comma == std::string_view::npos)
            return holidays;
        text.remove_prefix(comma + 1);
    }
}

std::string FormatHolidays(const std::vector<Holiday>& holidays) {
    std::string text;
    for (const Holiday& holiday : holidays)
        text += (text.empty() ? "" : ",") + holiday.Text();
    return text;
}

const Holiday* FindHoliday(const std::vector<Holiday>& holidays, const std::tm& date) {
    const auto found =
        std::find_if(holidays.begin(), holidays.end(), [&](const Holiday& h) { return h.FallsOn(date); });
    return found == holidays.end() ? nullptr : &*found;
}

void InsertHoliday(std::vector<Holiday>& holidays, const Holiday& holiday) {
    const auto place = std::lower_bound(holidays.begin(), holidays.end(), holiday);
    if (place == holidays.end() || *place != holiday)
        holidays.insert(place, holiday);
}
