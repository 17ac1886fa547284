// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"
#include "core/settings/Holiday.h"
#include "core/settings/SettingsFields.h"

#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CSettings;

// The values of the Preferences pages. Each page works on a copy of Settings taken when the
// sheet opens; only OK copies it back.

// The longest warning text the settings file gives back whole.
constexpr std::size_t kMaxMessageCharacters = 255;

struct CBillingFields {
    unsigned DayStartsMinutes;
    unsigned DayStartsHours;
    unsigned NightStartsHours;
    unsigned NightStartsMinutes;
    double WeekdayDayRate;
    double WeekdayNightRate;
    double WeekendDayRate;
    double WeekendNightRate;
    unsigned Intervals;
    bool BreakIntervals;
    // The tariff options.
    double CallFee;
    double MinimumCharge;
    std::bitset<7> WeekendDays;
    std::vector<Holiday> Holidays;

    unsigned PeriodStartDay;
    std::string CurrencySymbol; // empty: the locale's

    explicit CBillingFields(const CSettings& settings);
    // The numbers in the order they are read back from the page.
    std::vector<NumberField> Numbers();
    // What no single field can tell: a night that would begin after midnight. The refusal points
    // into Numbers().
    std::optional<FieldRefusal> CheckTimes() const;
    // The fee and the minimum charge, read after the others.
    std::vector<NumberField> OptionNumbers();
    // The date picked becomes a holiday in its place in the list, every year or that year only;
    // what the user is told when no such date exists.
    std::optional<std::string> AddHoliday(int year, unsigned month, unsigned day, bool everyYear);
    // The symbol as typed, blanks around it dropped; what the user is told when it cannot be one.
    std::optional<std::string> ReadCurrencySymbol(std::string_view typed);
    void CopyTo(CSettings& settings) const;
};

struct CLimitsFields {
    bool WarnCall;
    bool WarnDay;
    bool WarnMonth;
    double CallLimit;
    double DayLimit;
    double MonthLimit;
    unsigned EarlyWarningPercent;

    explicit CLimitsFields(const CSettings& settings);
    std::vector<NumberField> Numbers();
    void CopyTo(CSettings& settings) const;
};

struct CMessagesFields {
    std::string CallLimitMessage;
    std::string DayLimitMessage;
    std::string MonthLimitMessage;

    explicit CMessagesFields(const CSettings& settings);
    void CopyTo(CSettings& settings) const;
};

struct CConnectionFields {
    bool FollowLink;
    std::string Interface;

    explicit CConnectionFields(const CSettings& settings);
    // What the user is told when the typed link cannot be followed; nothing when it can. A name
    // is needed only while the box is ticked.
    std::optional<std::string> Check() const;
    void CopyTo(CSettings& settings) const;
};

// Why name cannot be the name of a network link, by the kernel's rules; nothing when it can.
std::optional<std::string> CheckLinkName(std::string_view name);
// The links offered on the Connection page: the modem links (ppp*, then wwan*) first, the others
// after them, each group in the order given.
std::vector<std::string> LinkChoices(std::vector<std::string> names);

// The day and night periods that the switch times give, as the tariff applies them to each minute:
// "Day rate from 06:31 to 23:30, night rate from 23:30 to 06:31" for the built-in times.
std::string TariffPeriodsText(unsigned dayStartsHours, unsigned dayStartsMinutes, unsigned nightStartsHours,
                              unsigned nightStartsMinutes);
