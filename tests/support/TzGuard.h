#pragma once

#include <optional>
#include <string>

// Switches the process time zone (TZ) for the life of the object and restores it afterwards.
class TzGuard {
public:
    explicit TzGuard(const std::string& tz);
    ~TzGuard();
    TzGuard(const TzGuard&) = delete;
    TzGuard& operator=(const TzGuard&) = delete;

    // True when the zone's rules are installed (tzdata), so tests can skip with a clear reason.
    static bool ZoneAvailable(const std::string& tz);

private:
    std::optional<std::string> m_old;
};
