#pragma once

#include "core/settings/SettingsFields.h"

#include <cstddef>
#include <string>
#include <vector>

struct CSettings;

// The values of the three Preferences pages. Each page works on a copy of Settings taken when the
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

    explicit CBillingFields(const CSettings& settings);
    // The numbers in the order they are read back from the page.
    std::vector<NumberField> Numbers();
    void CopyTo(CSettings& settings) const;
};

struct CLimitsFields {
    bool WarnCall;
    bool WarnDay;
    bool WarnMonth;
    double CallLimit;
    double DayLimit;
    double MonthLimit;

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

// The day and night periods that the switch times give, as the tariff applies them to each minute:
// "Day rate from 06:31 to 23:30, night rate from 23:30 to 06:31" for the built-in times.
std::string TariffPeriodsText(unsigned dayStartsHours, unsigned dayStartsMinutes, unsigned nightStartsHours,
                              unsigned nightStartsMinutes);
