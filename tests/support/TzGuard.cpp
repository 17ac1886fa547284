#include "TzGuard.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

TzGuard::TzGuard(const std::string& tz) {
    if (const char* old = std::getenv("TZ"))
        m_old = old;
    ::setenv("TZ", tz.c_str(), 1);
    ::tzset();
}

TzGuard::~TzGuard() {
    if (m_old)
        ::setenv("TZ", m_old->c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

bool TzGuard::ZoneAvailable(const std::string& tz) {
    if (tz.empty() || tz.find('/') == std::string::npos)
        return true; // POSIX rule strings such as "UTC0" need no database
    std::error_code ec;
    return std::filesystem::exists("/usr/share/zoneinfo/" + tz, ec);
}
