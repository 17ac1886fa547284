// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Clock.h"

class SystemClock : public Clock {
public:
    CTime Now() const override;
    // CLOCK_BOOTTIME runs on while the machine sleeps, CLOCK_MONOTONIC stands still.
    std::int64_t SleptSeconds() const override;
};
