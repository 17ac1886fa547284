// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"

#include <cstdint>

// Where the program learns the current time, so tests can move it by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CTime Now() const = 0;
    // Seconds the machine has spent asleep since it booted (0 where that cannot be told): a sleep
    // that nobody announced shows as a jump in this figure.
    virtual std::int64_t SleptSeconds() const { return 0; }
};
