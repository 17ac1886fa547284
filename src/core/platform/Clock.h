#pragma once

#include "core/platform/Time.h"

// Where the program learns the current time, so tests can move it by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CTime Now() const = 0;
};
