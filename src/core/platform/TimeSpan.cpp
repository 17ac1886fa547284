// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/TimeSpan.h"

#include <cstdio>
#include <cstdlib>

namespace {
void AppendTwoDigits(std::string& out, std::int64_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%02lld", static_cast<long long>(value));
    out += buffer;
}
} // namespace

std::string CTimeSpan::Format(const char* format) const {
    std::string out;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        switch (*++p) {
        case 'D':
            out += std::to_string(GetDays());
            break;
        case 'H':
            AppendTwoDigits(out, GetHours());
            break;
        case 'M':
            AppendTwoDigits(out, GetMinutes());
            break;
        case 'S':
            AppendTwoDigits(out, GetSeconds());
            break;
        default:
            out += *p;
            break;
        }
    }
    return out;
}
