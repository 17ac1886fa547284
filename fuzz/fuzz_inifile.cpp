// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the INI reader and to the settings read from it. Besides crashes, leaks
// and hangs it checks that every amount read is one the program can show, that a file is written
// back byte for byte when nothing changed, and that a key set reads back as set.
#include "core/billing/Money.h"
#include "core/platform/IniFile.h"
#include "core/settings/Settings.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckAmount(double amount) {
    Check(std::isfinite(amount) && std::fabs(amount) <= 1e9);
    const std::string text = FormatMoney(amount);
    Check(text.find_first_not_of("-0123456789.") == std::string::npos);
}

// Text() keeps the file's own line end, so only a file with one kind of line end comes back whole.
bool OneKindOfLineEnd(std::string_view text) {
    const bool crlf = text.find("\r\n") != std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool cr = text[i] == '\r', lf = text[i] == '\n';
        const bool pair = i + 1 < text.size() && cr && text[i + 1] == '\n';
        const bool pairEnd = i > 0 && lf && text[i - 1] == '\r';
        if (crlf ? (cr && !pair) || (lf && !pairEnd) : (cr && text.find('\n') != std::string_view::npos))
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    IniFile file = IniFile::Parse(text);
    if (OneKindOfLineEnd(text))
        Check(file.Text() == text);
    Check(file.UnreadableLines() >= 0);

    CSettings settings;
    ReadSettings(file, settings);
    for (const double amount :
         {settings.WeekdayDayRate, settings.WeekdayNightRate, settings.WeekendDayRate,
          settings.WeekendNightRate, settings.CallLimit, settings.DayLimit, settings.MonthLimit})
        CheckAmount(amount);
    Check(settings.CallLimitMessage.size() <= 4 * 255);

    file.Set("Billing", "WeekdayDayRate", "2.50");
    Check(file.GetString("billing", "WEEKDAYDAYRATE") == "2.50");
    Check(IniFile::Parse(file.Text()).GetString("Billing", "WeekdayDayRate") == "2.50");
    return 0;
}
