#include "core/settings/Settings.h"

#include "core/platform/AtomicFile.h"
#include "core/platform/IniFile.h"
#include "core/platform/NumberText.h"
#include "core/platform/Paths.h"
#include "core/platform/Prompter.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <locale.h>

CSettings Settings;
bool SettingsChanged = false;

namespace {
constexpr const char* kBilling = "Billing";
constexpr const char* kLimits = "Limits";
constexpr const char* kMessages = "Messages";
constexpr std::size_t kMaxSettingsFile = 1 << 20;
constexpr std::size_t kMaxTextCharacters = 255;

const char* const kFirstRunText =
    "Since this is the first time you start Corvellan, have to provide Corvellan with information such as "
    "the "
    "billing system that your telephone company uses, your personal preferences, etc.";

// The file is always written with '.', whatever the user's locale, so it is read in the C locale.
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

std::string ReadText(const IniFile& file, const char* section, const char* key, const std::string& fallback) {
    const std::optional<std::string> raw = file.GetString(section, key);
    if (!raw)
        return fallback;
    return CapCharacters(DecodeIniText(*raw), kMaxTextCharacters);
}

double ReadDouble(const IniFile& file, const char* section, const char* key, double fallback) {
    const std::optional<std::string> raw = file.GetString(section, key);
    return raw ? ReadIniDouble(*raw) : fallback;
}

bool ReadBool(const IniFile& file, const char* section, const char* key, bool fallback) {
    return file.GetUInt(section, key, fallback ? 1 : 0) != 0;
}

void ReadAll(const IniFile& file, CSettings& s) {
    s.WeekdayDayRate = ReadDouble(file, kBilling, "WeekdayDayRate", s.WeekdayDayRate);
    s.WeekdayNightRate = ReadDouble(file, kBilling, "WeekdayNightRate", s.WeekdayNightRate);
    s.WeekendDayRate = ReadDouble(file, kBilling, "WeekendDayRate", s.WeekendDayRate);
    s.WeekendNightRate = ReadDouble(file, kBilling, "WeekendNightRate", s.WeekendNightRate);
    s.DayStartsHours = file.GetUInt(kBilling, "DayStartsHours", s.DayStartsHours);
    s.DayStartsMinutes = file.GetUInt(kBilling, "DayStartsMinutes", s.DayStartsMinutes);
    s.NightStartsHours = file.GetUInt(kBilling, "NightStartsHours", s.NightStartsHours);
    s.NightStartsMinutes = file.GetUInt(kBilling, "NightStartsMinutes", s.NightStartsMinutes);
    s.BreakIntervals = ReadBool(file, kBilling, "BreakIntervals", s.BreakIntervals);
    s.Intervals = file.GetUInt(kBilling, "Intervals", s.Intervals);
    s.CallLimit = ReadDouble(file, kLimits, "CallLimit", s.CallLimit);
    s.WarnCall = ReadBool(file, kLimits, "WarnCall", s.WarnCall);
    s.DayLimit = ReadDouble(file, kLimits, "DayLimit", s.DayLimit);
    s.WarnDay = ReadBool(file, kLimits, "WarnDay", s.WarnDay);
    s.MonthLimit = ReadDouble(file, kLimits, "MonthLimit", s.MonthLimit);
    s.WarnMonth = ReadBool(file, kLimits, "WarnMonth", s.WarnMonth);
    s.CallLimitMessage = ReadText(file, kMessages, "CallLimitMessage", s.CallLimitMessage);
    s.DayLimitMessage = ReadText(file, kMessages, "DayLimitMessage", s.DayLimitMessage);
    s.MonthLimitMessage = ReadText(file, kMessages, "MonthLimitMessage", s.MonthLimitMessage);
}

void WriteAll(IniFile& file, const CSettings& s) {
    const auto flag = [](bool b) {
        return b ? "1" : "0";
    };
    file.Set(kBilling, "WeekdayDayRate", FormatTwoDecimals(s.WeekdayDayRate));
    file.Set(kBilling, "WeekdayNightRate", FormatTwoDecimals(s.WeekdayNightRate));
    file.Set(kBilling, "WeekendDayRate", FormatTwoDecimals(s.WeekendDayRate));
    file.Set(kBilling, "WeekendNightRate", FormatTwoDecimals(s.WeekendNightRate));
    file.Set(kBilling, "DayStartsHours", std::to_string(s.DayStartsHours));
    file.Set(kBilling, "DayStartsMinutes", std::to_string(s.DayStartsMinutes));
    file.Set(kBilling, "NightStartsHours", std::to_string(s.NightStartsHours));
    file.Set(kBilling, "NightStartsMinutes", std::to_string(s.NightStartsMinutes));
    file.Set(kBilling, "BreakIntervals", flag(s.BreakIntervals));
    file.Set(kBilling, "Intervals", std::to_string(s.Intervals));
    file.Set(kLimits, "CallLimit", FormatTwoDecimals(s.CallLimit));
    file.Set(kLimits, "WarnCall", flag(s.WarnCall));
    file.Set(kLimits, "DayLimit", FormatTwoDecimals(s.DayLimit));
    file.Set(kLimits, "WarnDay", flag(s.WarnDay));
    file.Set(kLimits, "MonthLimit", FormatTwoDecimals(s.MonthLimit));
    file.Set(kLimits, "WarnMonth", flag(s.WarnMonth));
    file.Set(kMessages, "CallLimitMessage", EncodeIniText(s.CallLimitMessage));
    file.Set(kMessages, "DayLimitMessage", EncodeIniText(s.DayLimitMessage));
    file.Set(kMessages, "MonthLimitMessage", EncodeIniText(s.MonthLimitMessage));
}
} // namespace

double ReadIniDouble(std::string_view text) {
    const std::string head(text.substr(0, 9));
    const double value = strtod_l(head.c_str(), nullptr, CLocale());
    // "inf" or "nan" would poison every amount shown; treat them as no number.
    return std::isfinite(value) ? value : 0.0;
}

std::string EncodeIniText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            out += "\\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string DecodeIniText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string CapCharacters(std::string text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Count lead bytes only, so a multi-byte character is never cut in half.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (characters == maxCharacters) {
                text.resize(i);
                break;
            }
            ++characters;
        }
    }
    return text;
}

bool LoadSettings(const Paths& paths, Prompter& prompter) {
    const std::string path = paths.SettingsFile();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        SettingsChanged = true;
        prompter.ShowMessage("Corvellan", kFirstRunText, PromptIcon::Exclamation);
        return true;
    }
    std::string text;
    if (!ReadWholeFile(path, text, kMaxSettingsFile)) {
        prompter.ShowMessage("Corvellan Error",
                             "ERROR : Settings could not be read from " + path +
                                 ". Corvellan uses its built-in settings for this run and leaves the file as "
                                 "it is.",
                             PromptIcon::Stop);
        return false;
    }
    ReadAll(IniFile::Parse(text), Settings);
    return false;
}

bool SaveSettings(const Paths& paths, Prompter& prompter) {
    const std::string path = paths.SettingsFile();
    std::string text;
    IniFile file = ReadWholeFile(path, text, kMaxSettingsFile) ? IniFile::Parse(text) : IniFile();
    WriteAll(file, Settings);
    if (!WriteFileAtomically(path, file.Text())) {
        prompter.ShowMessage("Corvellan Error", "ERROR : Settings could not be saved", PromptIcon::Stop);
        return false;
    }
    return true;
}
