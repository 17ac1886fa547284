#include "core/platform/SystemClock.h"

#include <ctime>

CTime SystemClock::Now() const {
    return CTime(static_cast<std::int64_t>(std::time(nullptr)));
}
