// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/PreferencesFields.h"

#include "core/platform/Translate.h"
#include "core/settings/Settings.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

CBillingFields::CBillingFields(const CSettings& s)
    : DayStartsMinutes(s.DayStartsMinutes), DayStartsHours(s.DayStartsHours),
      NightStartsHours(s.NightStartsHours), NightStartsMinutes(s.NightStartsMinutes),
      WeekdayDayRate(s.WeekdayDayRate), WeekdayNightRate(s.WeekdayNightRate),
      WeekendDayRate(s.WeekendDayRate), WeekendNightRate(s.WeekendNightRate), Intervals(s.Intervals),
      BreakIntervals(s.BreakIntervals), CallFee(s.CallFee), MinimumCharge(s.MinimumCharge),
      WeekendDays(s.WeekendDays), Holidays(s.Holidays), PeriodStartDay(s.PeriodStartDay),
      CurrencySymbol(s.CurrencySymbol) {}

// The labels of the rates are the page's own; the times and the interval sit in sentences, so
// their labels say which part of the sentence each is.
std::vector<NumberField> CBillingFields::Numbers() {
    return {{"DayStartsMinutes", Tr("Preferences", "\"Daytime\" starts at (minutes)"), FieldRule::Minutes,
             &DayStartsMinutes},
            {"DayStartsHours", Tr("Preferences", "\"Daytime\" starts at (hour)"), FieldRule::Hours,
             &DayStartsHours},
            {"NightStartsHours", Tr("Preferences", "\"Night\" starts at (hour, PM)"), FieldRule::PmHours,
             &NightStartsHours},
            {"NightStartsMinutes", Tr("Preferences", "\"Night\" starts at (minutes)"), FieldRule::Minutes,
             &NightStartsMinutes},
            {"WeekdayDayRate", Tr("Preferences", "&Weekday daytime rate:"), FieldRule::Rate, &WeekdayDayRate},
            {"WeekdayNightRate", Tr("Preferences", "Weekday &nighttime rate:"), FieldRule::Rate,
             &WeekdayNightRate},
            {"WeekendDayRate", Tr("Preferences", "Weekend da&ytime rate:"), FieldRule::Rate, &WeekendDayRate},
            {"WeekendNightRate", Tr("Preferences", "Weekend nigh&ttime rate:"), FieldRule::Rate,
             &WeekendNightRate},
            {"Intervals", Tr("Preferences", "Rounding interval (minutes)"), FieldRule::Minutes, &Intervals},
            {"PeriodStartDay", Tr("Preferences", "&Billing period starts on day"), FieldRule::DayOfMonth,
             &PeriodStartDay}};
}

std::optional<FieldRefusal> CBillingFields::CheckTimes() const {
    // The night is counted after noon; beyond 12:00 PM it would begin the next day.
    if (NightStartsHours * 60 + NightStartsMinutes > 12 * 60)
        return FieldRefusal{
            2, Tr("PreferencesFields",
                  "The night cannot begin after midnight: please enter 12:00 PM at the latest.")};
    return std::nullopt;
}

std::optional<std::string> CBillingFields::ReadCurrencySymbol(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        CurrencySymbol.clear();
        return std::nullopt;
    }
    typed = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
    std::size_t characters = 0;
    bool control = false;
    for (const unsigned char c : typed) {
        control = control || c < 0x20 || c == 0x7f;
        characters += (c & 0xC0) != 0x80; // lead bytes: a UTF-8 character counts once
    }
    if (control || characters > 8)
        return Tr("PreferencesFields",
                  "Please enter a currency symbol of at most 8 characters, or nothing for your locale's.");
    CurrencySymbol = std::string(typed);
    return std::nullopt;
}

// Amounts of money, kept to what the settings file gives back whole.
std::vector<NumberField> CBillingFields::OptionNumbers() {
    return {
        {"CallFee", Tr("Preferences", "&Fee per call:"), FieldRule::Limit, &CallFee},
        {"MinimumCharge", Tr("Preferences", "&Minimum charge per call:"), FieldRule::Limit, &MinimumCharge}};
}

std::optional<std::string> CBillingFields::AddHoliday(int year, unsigned month, unsigned day,
                                                      bool everyYear) {
    const std::optional<Holiday> holiday = Holiday::Make(year, month, day, everyYear);
    if (!holiday) {
        char date[16];
        std::snprintf(date, sizeof date, "%02u-%02u", month, day);
        return Arg(Tr("PreferencesFields", "There is no such date as %1."),
                   {(everyYear ? "" : std::to_string(year) + "-") + date});
    }
    InsertHoliday(Holidays, *holiday);
    return std::nullopt;
}

void CBillingFields::CopyTo(CSettings& s) const {
    s.DayStartsHours = DayStartsHours;
    s.DayStartsMinutes = DayStartsMinutes;
    s.NightStartsHours = NightStartsHours;
    s.NightStartsMinutes = NightStartsMinutes;
    s.WeekdayDayRate = WeekdayDayRate;
    s.WeekdayNightRate = WeekdayNightRate;
    s.WeekendDayRate = WeekendDayRate;
    s.WeekendNightRate = WeekendNightRate;
    s.Intervals = Intervals;
    s.BreakIntervals = BreakIntervals;
    s.CallFee = CallFee;
    s.MinimumCharge = MinimumCharge;
    s.WeekendDays = WeekendDays;
    s.Holidays = Holidays;
    s.PeriodStartDay = PeriodStartDay;
    s.CurrencySymbol = CurrencySymbol;
}

CLimitsFields::CLimitsFields(const CSettings& s)
    : WarnCall(s.WarnCall), WarnDay(s.WarnDay), WarnMonth(s.WarnMonth), CallLimit(s.CallLimit),
      DayLimit(s.DayLimit), MonthLimit(s.MonthLimit), EarlyWarningPercent(s.EarlyWarningPercent) {}

std::vector<NumberField> CLimitsFields::Numbers() {
    // Each limit is said as its sentence reads: "I can afford to spend [10] $ every day."
    return {
        {"CallLimit", Tr("Preferences", "I can afford to spend on each call"), FieldRule::Limit, &CallLimit},
        {"DayLimit", Tr("Preferences", "I can afford to spend every day"), FieldRule::Limit, &DayLimit},
        {"MonthLimit", Tr("Preferences", "I can afford to spend every month"), FieldRule::Limit, &MonthLimit},
        {"EarlyWarningPercent", Tr("Preferences", "Also warn at (% of each limit)"), FieldRule::Percent,
         &EarlyWarningPercent}};
}

void CLimitsFields::CopyTo(CSettings& s) const {
    s.CallLimit = CallLimit;
    s.DayLimit = DayLimit;
    s.MonthLimit = MonthLimit;
    s.WarnCall = WarnCall;
    s.WarnDay = WarnDay;
    s.WarnMonth = WarnMonth;
    s.EarlyWarningPercent = EarlyWarningPercent;
}

CMessagesFields::CMessagesFields(const CSettings& s)
    : CallLimitMessage(s.CallLimitMessage), DayLimitMessage(s.DayLimitMessage),
      MonthLimitMessage(s.MonthLimitMessage) {}

void CMessagesFields::CopyTo(CSettings& s) const {
    s.CallLimitMessage = CallLimitMessage;
    s.DayLimitMessage = DayLimitMessage;
    s.MonthLimitMessage = MonthLimitMessage;
}

CConnectionFields::CConnectionFields(const CSettings& s) : FollowLink(s.FollowLink), Interface(s.Interface) {}

std::optional<std::string> CConnectionFields::Check() const {
    if (!FollowLink && Interface.empty())
        return std::nullopt;
    return CheckLinkName(Interface);
}

void CConnectionFields::CopyTo(CSettings& s) const {
    s.FollowLink = FollowLink;
    s.Interface = Interface;
}

std::optional<std::string> CheckLinkName(std::string_view name) {
    // As the kernel's dev_valid_name: at most IFNAMSIZ - 1 bytes, no '/', ':' or white space.
    const bool valid = !name.empty() && name.size() <= 15 && name != "." && name != ".." &&
                       name.find_first_of("/: \t\n\v\f\r") == std::string_view::npos;
    if (valid)
        return std::nullopt;
    return Tr(
        "PreferencesFields",
        "Please enter the name of a network link, such as ppp0: 1 to 15 characters, without blanks, '/' or "
        "':'.");
}

std::vector<std::string> LinkChoices(std::vector<std::string> names) {
    const auto group = [](const std::string& name) {
        return name.starts_with("ppp") ? 0 : name.starts_with("wwan") ? 1 : 2;
    };
    std::stable_sort(names.begin(), names.end(),
                     [&](const std::string& a, const std::string& b) { return group(a) < group(b); });
    return names;
}

namespace {
constexpr std::uint64_t kMinutesPerDay = 24 * 60;

std::string ClockText(std::uint64_t minuteOfDay) {
    char text[8];
    std::snprintf(text, sizeof text, "%02u:%02u", static_cast<unsigned>(minuteOfDay / 60 % 24),
                  static_cast<unsigned>(minuteOfDay % 60));
    return text;
}
} // namespace

std::string TariffPeriodsText(unsigned dayStartsHours, unsigned dayStartsMinutes, unsigned nightStartsHours,
                              unsigned nightStartsMinutes) {
    // The tariff looks at the hour and minute of a moment. The named day-start minute is still
    // night, so the day begins a minute later; a minute of 60 or more matches no minute of its hour.
    const std::uint64_t lastEarlyNight =
        std::uint64_t{dayStartsHours} * 60 + std::min(dayStartsMinutes, 59u); // the last night minute
    const std::uint64_t dayBegins = lastEarlyNight + 1;
    const std::uint64_t nightBegins = std::min<std::uint64_t>(
        (std::uint64_t{nightStartsHours} + 12) * 60 + std::min(nightStartsMinutes, 60u), kMinutesPerDay);
    if (dayBegins >= nightBegins)
        return Tr("PreferencesFields", "Every moment is charged at the night rate with these times");
    return Arg(Tr("PreferencesFields", "Day rate from %1 to %2, night rate from %2 to %1"),
               {ClockText(dayBegins), ClockText(nightBegins)});
}
