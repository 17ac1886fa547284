// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Translate.h"

#include "core/settings/Holiday.h"

#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniFile;
class Paths;
class Prompter;

// The user's settings, one field per key of Corvellan.ini, with the built-in defaults.
struct CSettings {
    // [Billing]
    double WeekdayDayRate = 2;
    double WeekdayNightRate = 1.5;
    double WeekendDayRate = 1.5;
    double WeekendNightRate = 1;
    unsigned DayStartsHours = 6;
    unsigned DayStartsMinutes = 30;
    unsigned NightStartsHours = 11; // counted after noon: the night begins at this hour + 12
    unsigned NightStartsMinutes = 30;
    bool BreakIntervals = false;
    unsigned Intervals = 3;
    // [Limits]
    double CallLimit = 0;
    bool WarnCall = false;
    double DayLimit = 0;
    bool WarnDay = false;
    double MonthLimit = 0;
    bool WarnMonth = true;
    // [Messages]
    std::string CallLimitMessage =
        TR_NOOP("Settings",
                "Hey, your call limit is reached how about stopping now and finding something else to do ?");
    std::string DayLimitMessage =
        TR_NOOP("Settings", "Sorry, your day limit is reached now, so let's turn that modem off now and "
                            "find something else to do, shall we ?!");
    std::string MonthLimitMessage =
        TR_NOOP("Settings", "Oh Oh! You have reached your month limit, so unless you are prepared to "
                            "foot the huge telephone bill "
                            "once again, I suggest you turn off the modem right NOW !!");
    // [Connection]
    bool FollowLink = false; // start and stop the timer with the network link named by Interface
    std::string Interface = "ppp0";
    // The tariff options, all off by default. [Billing]
    double CallFee = 0;       // added to every call
    double MinimumCharge = 0; // what a call costs at least, its fee included
    // The days priced at the weekend rates, by tm_wday (bit 0 Sunday); "17" in the file.
    std::bitset<7> WeekendDays{0b1000001};
    std::vector<Holiday> Holidays{}; // priced as weekend days
    // [Limits]: also warn when this share of a limit is reached; 0 or 50 to 99.
    unsigned EarlyWarningPercent = 0;

    // [Billing], after its other keys: the day of the month the billing period starts on (1 to 31;
    // in a shorter month its last day).
    unsigned PeriodStartDay = 1;
    // The symbol written with every amount; empty: the locale's. A symbol of the user's own keeps
    // the money spent labelled as it was when the locale changes.
    std::string CurrencySymbol{};

    bool operator==(const CSettings&) const = default;
};

// The shares of a limit an early warning may come at; 0 is none.
constexpr bool IsEarlyWarningPercent(unsigned percent) {
    return percent == 0 || (percent >= 50 && percent <= 99);
}

extern CSettings Settings;
// Set on the first run and when the Preferences are confirmed; the settings are saved at exit only then.
extern bool SettingsChanged;

// Reads Corvellan.ini into Settings. Without a file this is the first run: the first-run message is
// shown, SettingsChanged is set, the defaults stay, and the result is true. A file that cannot be
// read, or holds what cannot be used, is reported once and leaves the built-in values in place.
bool LoadSettings(const Paths& paths, Prompter& prompter);
// The currency symbol amounts are shown with from now on: the user's own (Settings.CurrencySymbol),
// else the current locale's.
void ApplyCurrencySymbol();

// What the last LoadSettings found wrong with Corvellan.ini, in a few words ("it is a directory",
// "it holds values that are not usable amounts (CallLimit)"); empty when it found nothing wrong.
const std::string& LastSettingsProblem();
// Writes every key into Corvellan.ini, atomically; tells the user when that fails. Returns success.
// A file the last load could not read is never written over; one it did not fully understand is
// first copied to Corvellan.ini.bak-YYYYMMDD-HHMMSS.
bool SaveSettings(const Paths& paths, Prompter& prompter);

// Reads every key of the table into settings; returns the keys whose values were not usable.
std::vector<std::string> ReadSettings(const IniFile& file, CSettings& settings);

// The value forms of the settings file.
// First 9 characters, leading number, '.' always; no number is 0. Empty for a value that cannot be
// an amount: not finite, or beyond a billion either way.
std::optional<double> ReadIniDouble(std::string_view text);
std::string EncodeIniText(std::string_view text); // line breaks as \n, backslashes doubled
std::string DecodeIniText(std::string_view text);
std::string CapCharacters(std::string text, std::size_t maxCharacters); // UTF-8 aware cut
