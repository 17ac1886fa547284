#pragma once

#include "core/platform/Clock.h"

class SystemClock : public Clock {
public:
    CTime Now() const override;
};
