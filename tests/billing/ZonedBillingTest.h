#pragma once

#include "app/Settings.h"
#include "platform/Time.h"
#include "support/TzGuard.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>

// A week in one time zone. Calls are given as a day of that week (0 = Monday) and a local time.
struct ZoneWeek {
    const char* label;
    const char* tz;
    int year, month, monday;
};

inline const ZoneWeek kZoneWeeks[] = {
    {"UtcJanuary", "UTC0", 2024, 1, 15},
    {"AthensJanuary", "Europe/Athens", 2024, 1, 15},
    {"AthensJuly", "Europe/Athens", 2024, 7, 15}, // under daylight saving
};

inline void PrintTo(const ZoneWeek& week, std::ostream* os) {
    *os << week.label;
}

enum Weekday { Mon, Tue, Wed, Thu, Fri, Sat, Sun };

struct LocalMoment {
    int day; // Weekday, or later (7 = the next Monday)
    int hour, minute, second;
};

// Fresh default Settings and the zone of the parameter; skipped when the zone is not installed.
template <class Row> class ZonedBillingTest : public ::testing::TestWithParam<std::tuple<ZoneWeek, Row>> {
protected:
    void SetUp() override {
        Settings = CSettings{};
        const ZoneWeek& week = std::get<0>(this->GetParam());
        if (!TzGuard::ZoneAvailable(week.tz))
            GTEST_SKIP() << "time zone " << week.tz << " is not installed (tzdata)";
        m_zone.emplace(week.tz);
    }
    void TearDown() override { m_zone.reset(); }

    const Row& row() const { return std::get<1>(this->GetParam()); }
    CTime At(LocalMoment m) const {
        const ZoneWeek& week = std::get<0>(this->GetParam());
        return CTime(week.year, week.month, week.monday + m.day, m.hour, m.minute, m.second);
    }

private:
    std::optional<TzGuard> m_zone;
};

// "<zone>_<row name>", for rows that carry a `name`.
struct ZonedRowName {
    template <class Param> std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return std::string(std::get<0>(info.param).label) + "_" + std::get<1>(info.param).name;
    }
};

#define INSTANTIATE_ZONED(prefix, suite, rows)                                                               \
    INSTANTIATE_TEST_SUITE_P(prefix, suite,                                                                  \
                             ::testing::Combine(::testing::ValuesIn(kZoneWeeks), ::testing::ValuesIn(rows)), \
                             ZonedRowName())
