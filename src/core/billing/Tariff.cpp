// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/Tariff.h"

#include "core/settings/Settings.h"

#include <algorithm>

namespace {

constexpr unsigned kHoursAfterNoon = 12;

struct RatePair {
    double day;
    double night;
};

// A holiday is priced exactly as a weekend day: its date decides, like a Saturday's.
bool IsWeekendTm(const std::tm& fields) {
    return Settings.WeekendDays.test(static_cast<std::size_t>(fields.tm_wday)) ||
           FindHoliday(Settings.Holidays, fields) != nullptr;
}

unsigned NightHour() {
    return Settings.NightStartsHours + kHoursAfterNoon;
}

// The early-morning part of the night, before the day begins. The minute named as the day start
// still belongs to the night.
bool IsBeforeDayStart(unsigned hour, unsigned minute) {
    return hour < Settings.DayStartsHours ||
           (hour == Settings.DayStartsHours && minute <= Settings.DayStartsMinutes);
}

// The evening part of the night; here the named minute itself is night.
bool IsAfterNightStart(unsigned hour, unsigned minute) {
    const unsigned nightHour = NightHour();
    return hour > nightHour || (hour == nightHour && minute >= Settings.NightStartsMinutes);
}

int PeriodOfTm(const std::tm& fields) {
    const auto hour = static_cast<unsigned>(fields.tm_hour);
    const auto minute = static_cast<unsigned>(fields.tm_min);
    if (IsBeforeDayStart(hour, minute) || IsAfterNightStart(hour, minute))
        return PERIOD_NIGHT;
    return PERIOD_DAY;
}

RatePair RatesFor(bool weekend) {
    if (weekend)
        return {Settings.WeekendDayRate, Settings.WeekendNightRate};
    return {Settings.WeekdayDayRate, Settings.WeekdayNightRate};
}

// Local time on the date of `fields` plus `dayOffset` days; mktime carries hours of 24 and more
// and minutes of 60 onto the next date or hour, and decides daylight saving itself.
CTime SwitchMoment(const std::tm& fields, int dayOffset, unsigned hour, unsigned minute) {
    return CTime(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday + dayOffset, static_cast<int>(hour),
                 static_cast<int>(minute), 0);
}

CTime NightSwitch(const std::tm& startFields) {
    return SwitchMoment(startFields, 0, NightHour(), Settings.NightStartsMinutes);
}

// A call that starts late in the evening reaches the day through the next morning, so its day
// switch lies on the following date.
CTime DaySwitch(const std::tm& startFields) {
    const auto hour = static_cast<unsigned>(startFields.tm_hour);
    const auto minute = static_cast<unsigned>(startFields.tm_min);
    const int dayOffset = IsBeforeDayStart(hour, minute) ? 0 : 1;
    return SwitchMoment(startFields, dayOffset, Settings.DayStartsHours, Settings.DayStartsMinutes);
}

// The switch is held within the call, so neither piece can be negative. It may still lie up to a
// minute before the start: the tariff works in whole minutes, and those seconds are charged with
// the second piece.
CTime SplitMoment(CTime switchMoment, CTime start, const std::tm& startFields, CTime end) {
    const CTime startMinute = start - CTimeSpan(startFields.tm_sec);
    return std::clamp(switchMoment, std::min(startMinute, end), end);
}

// The first piece in whole minutes only, never rounded up; the second through the charging rule.
double SplitCost(CTime start, CTime split, CTime end, double firstRate, double secondRate) {
    const double first = static_cast<double>(GetWholeMinutes(split - start)) * firstRate;
    return first + GetChargedMinutes(end - split) * secondRate;
}

double RoundedUpMinutes(long long wholeMinutes, long long leftoverSeconds, long long interval) {
    const long long floored = wholeMinutes / interval * interval;
    if (leftoverSeconds > 0 || floored != wholeMinutes)
        return static_cast<double>(floored + interval);
    return static_cast<double>(wholeMinutes);
}

} // namespace

bool IsWeekend(CTime t) {
    return IsWeekendTm(t.GetLocalTm());
}

const Holiday* GetHolidayAt(CTime t) {
    return FindHoliday(Settings.Holidays, t.GetLocalTm());
}

int GetTariffPeriod(CTime t) {
    return PeriodOfTm(t.GetLocalTm());
}

double GetRateAt(CTime t) {
    const std::tm fields = t.GetLocalTm();
    const RatePair rates = RatesFor(IsWeekendTm(fields));
    return PeriodOfTm(fields) == PERIOD_DAY ? rates.day : rates.night;
}

long long GetWholeMinutes(CTimeSpan span) {
    return span.GetTotalSeconds() / 60;
}

double GetChargedMinutes(CTimeSpan span) {
    // A span running backwards only comes from a clock set back during a call; it costs nothing.
    if (span.GetTotalSeconds() <= 0)
        return 0.0;
    const long long whole = GetWholeMinutes(span);
    const long long leftover = span.GetTotalSeconds() - 60 * whole;
    // An interval of 0 minutes is taken as no rounding at all.
    if (!Settings.BreakIntervals || Settings.Intervals == 0)
        return static_cast<double>(whole) + static_cast<double>(leftover) / 60.0;
    return RoundedUpMinutes(whole, leftover, Settings.Intervals);
}

namespace {
double TimeCost(CTime start, CTime end) {
    if (end <= start)
        return 0.0;
    const std::tm startFields = start.GetLocalTm();
    const RatePair rates = RatesFor(IsWeekendTm(startFields));
    const int startPeriod = PeriodOfTm(startFields);
    const int endPeriod = PeriodOfTm(end.GetLocalTm());
    if (startPeriod == endPeriod) {
        const double rate = startPeriod == PERIOD_DAY ? rates.day : rates.night;
        return GetChargedMinutes(end - start) * rate;
    }
    if (startPeriod == PERIOD_DAY) {
        const CTime split = SplitMoment(NightSwitch(startFields), start, startFields, end);
        return SplitCost(start, split, end, rates.day, rates.night);
    }
    const CTime split = SplitMoment(DaySwitch(startFields), start, startFields, end);
    return SplitCost(start, split, end, rates.night, rates.day);
}
} // namespace

// The fee is due the moment a call connects, so even a call of no time costs it.
double ComputeCallCost(CTime start, CTime end) {
    return std::max(Settings.CallFee + TimeCost(start, end), Settings.MinimumCharge);
}
