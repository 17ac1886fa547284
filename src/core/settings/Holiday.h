// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A date the tariff prices as a weekend day: every year on its month and day ("12-25" in
// Corvellan.ini), or on one date only ("2024-12-26"). Ordered by month, day, then year, every year
// first: the order the list is kept, written and shown in.
struct Holiday {
    unsigned month = 1;
    unsigned day = 1;
    int year = 0; // 0: every year

    auto operator<=>(const Holiday&) const = default;

    // The holiday of that date; nothing when no such date exists. Every year, 29 February exists.
    static std::optional<Holiday> Make(int year, unsigned month, unsigned day, bool everyYear);
    // "MM-DD" or "YYYY-MM-DD", as Corvellan.ini holds it.
    static std::optional<Holiday> Parse(std::string_view text);
    std::string Text() const;
    // As the Preferences list it, in the user's language: "25 December, every year", "26 December 2024".
    std::string Shown() const;
    bool FallsOn(const std::tm& date) const;
};

// A comma-separated list of holidays, blanks around each allowed; empty is none. Nothing when any
// of them cannot be read. The result is sorted, each date once.
std::optional<std::vector<Holiday>> ParseHolidays(std::string_view text);
std::string FormatHolidays(const std::vector<Holiday>& holidays);
// The first holiday of the list on that date.
const Holiday* FindHoliday(const std::vector<Holiday>& holidays, const std::tm& date);
// Adds a holiday in its place in the sorted list, unless the list has it already.
void InsertHoliday(std::vector<Holiday>& holidays, const Holiday& holiday);
