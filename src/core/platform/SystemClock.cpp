// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/SystemClock.h"

#include <ctime>

namespace {
std::int64_t Nanoseconds(clockid_t clock) {
    timespec now{};
    if (::clock_gettime(clock, &now) != 0)
        return 0;
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}
} // namespace

CTime SystemClock::Now() const {
    return CTime(static_cast<std::int64_t>(std::time(nullptr)));
}

std::int64_t SystemClock::SleptSeconds() const {
    const std::int64_t monotonic = Nanoseconds(CLOCK_MONOTONIC);
    return (Nanoseconds(CLOCK_BOOTTIME) - monotonic) / 1'000'000'000;
}
