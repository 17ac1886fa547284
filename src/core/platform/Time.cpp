// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Time.h"

#include <array>
#include <optional>
#include <vector>

namespace {
// Converting to local time is most of the work of pricing or reading a long month: glibc takes a
// lock and searches the zone's transitions each time, and mktime even looks at the zone file
// again. Calls come in runs on one date, so the last date converted is remembered, and inside it
// the fields follow from the seconds since its midnight. A date on which the UTC offset changes is
// never remembered. tzset (called by mktime, and by whoever sets TZ) publishes the zone's names and
// offset; a change there forgets the date. (localtime_r itself takes a new TZ only after tzset.)
struct ZoneIdentity {
    const char* standardName = nullptr;
    const char* summerName = nullptr;
    long offset = 0;
    int hasSummerTime = 0;
    bool operator==(const ZoneIdentity&) const = default;
};

ZoneIdentity CurrentZone() {
    return {tzname[0], tzname[1], timezone, daylight};
}

constexpr std::int64_t kSecondsPerDay = 86400;

struct LocalDate {
    ZoneIdentity zone;
    std::int64_t midnight = 0;
    std::int64_t nextMidnight = 0; // equal to midnight: nothing remembered
    std::tm fields{};              // of midnight
};

thread_local LocalDate t_date;

std::tm Convert(std::int64_t seconds) {
    std::tm fields{};
    const std::time_t t = static_cast<std::time_t>(seconds);
    localtime_r(&t, &fields);
    return fields;
}

// Remembers the date of `fields` (the local time of `seconds`) when it is 24 hours long, i.e. its
// offset holds all day.
void Remember(std::int64_t seconds, const std::tm& fields, const ZoneIdentity& zone) {
    const std::int64_t midnight = seconds - (fields.tm_hour * 3600 + fields.tm_min * 60 + fields.tm_sec);
    const std::tm first = Convert(midnight);
    const std::tm last = Convert(midnight + kSecondsPerDay - 1);
    if (first.tm_hour != 0 || first.tm_min != 0 || first.tm_sec != 0 || last.tm_hour != 23 ||
        last.tm_min != 59 || last.tm_sec != 59)
        return;
    t_date = {zone, midnight, midnight + kSecondsPerDay, first};
}

bool IsRemembered(std::int64_t seconds, const ZoneIdentity& zone) {
    return seconds >= t_date.midnight && seconds < t_date.nextMidnight && t_date.zone == zone;
}
} // namespace

std::optional<CTime> FromRememberedDate(int year, int month, int day, int hour, int minute, int second) {
    const std::tm& date = t_date.fields;
    if (t_date.nextMidnight == t_date.midnight || date.tm_year + 1900 != year || date.tm_mon + 1 != month ||
        date.tm_mday != day || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
        second > 59 || !(t_date.zone == CurrentZone()))
        return std::nullopt;
    return CTime(t_date.midnight + hour * 3600 + minute * 60 + second);
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    if (dst < 0) {
        if (const std::optional<CTime> known = FromRememberedDate(year, month, day, hour, minute, second)) {
            m_time = known->m_time;
            return;
        }
    }
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = dst;
    m_time = static_cast<std::int64_t>(std::mktime(&fields));
}

std::tm CTime::GetLocalTm() const {
    if (IsRemembered(m_time, CurrentZone())) {
        std::tm fields = t_date.fields;
        const auto since = static_cast<int>(m_time - t_date.midnight);
        fields.tm_hour = since / 3600;
        fields.tm_min = since / 60 % 60;
        fields.tm_sec = since % 60;
        return fields;
    }
    const std::tm fields = Convert(m_time);
    Remember(m_time, fields, CurrentZone());
    return fields;
}

std::string CTime::Format(const char* format) const {
    if (*format == '\0')
        return {};
    const std::tm fields = GetLocalTm();
    std::array<char, 128> small;
    if (const std::size_t n = std::strftime(small.data(), small.size(), format, &fields); n > 0)
        return std::string(small.data(), n);
    std::vector<char> buffer(512);
    for (;;) {
        const std::size_t n = std::strftime(buffer.data(), buffer.size(), format, &fields);
        // strftime reports 0 both for "did not fit" and for an empty result; grow a few times.
        if (n > 0 || buffer.size() > 4096)
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 4);
    }
}
