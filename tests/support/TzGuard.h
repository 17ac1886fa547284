// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

// Switches the process time zone (TZ) for the life of the object and restores it afterwards.
class TzGuard {
public:
    explicit TzGuard(const std::string& tz) {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        ::setenv("TZ", tz.c_str(), 1);
        ::tzset();
    }
    ~TzGuard() {
        m_old ? ::setenv("TZ", m_old->c_str(), 1) : ::unsetenv("TZ");
        ::tzset();
    }
    TzGuard(const TzGuard&) = delete;
    TzGuard& operator=(const TzGuard&) = delete;

    // True when the zone's rules are installed (tzdata), so tests can skip with a clear reason. POSIX
    // rule strings such as "UTC0" need no database.
    static bool ZoneAvailable(const std::string& tz) {
        std::error_code ec;
        return tz.find('/') == std::string::npos || std::filesystem::exists("/usr/share/zoneinfo/" + tz, ec);
    }

private:
    std::optional<std::string> m_old;
};
