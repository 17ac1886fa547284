// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/NumberText.h"

#include <cmath>
#include <cstdio>

std::string FormatTwoDecimals(double amount) {
    if (amount == 0.0 || std::isnan(amount))
        return "0.00";
    const double magnitude = std::fabs(amount);
    char buffer[400];
    if (magnitude < 1e15) {
        // Round the magnitude to whole cents, halves up (0.125 gives 0.13, not 0.12).
        const long long cents = static_cast<long long>(std::floor(magnitude * 100.0 + 0.5));
        if (cents == 0)
            return "0.00";
        std::snprintf(buffer, sizeof buffer, "%s%lld.%02lld", amount < 0 ? "-" : "", cents / 100,
                      cents % 100);
    } else {
        // Beyond whole-cent precision of a double; the C library's rounding is as good as any.
        std::snprintf(buffer, sizeof buffer, "%s%.2f", amount < 0 ? "-" : "", magnitude);
        for (char* p = buffer; *p != '\0'; ++p) {
            if (*p == ',')
                *p = '.';
        }
    }
    return buffer;
}
