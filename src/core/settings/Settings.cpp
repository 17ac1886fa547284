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
#include <variant>

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

// Every key of Corvellan.ini, in the order they are written. The member's type decides the value
// form: money text, decimal digits, "1"/"0", or text with its line breaks escaped.
using SettingsMember =
    std::variant<double CSettings::*, unsigned CSettings::*, bool CSettings::*, std::string CSettings::*>;
struct SettingsKey {
    const char* section;
    const char* key;
    SettingsMember member;
};

const SettingsKey kKeys[] = {
    {kBilling, "WeekdayDayRate", &CSettings::WeekdayDayRate},
    {kBilling, "WeekdayNightRate", &CSettings::WeekdayNightRate},
    {kBilling, "WeekendDayRate", &CSettings::WeekendDayRate},
    {kBilling, "WeekendNightRate", &CSettings::WeekendNightRate},
    {kBilling, "DayStartsHours", &CSettings::DayStartsHours},
    {kBilling, "DayStartsMinutes", &CSettings::DayStartsMinutes},
    {kBilling, "NightStartsHours", &CSettings::NightStartsHours},
    {kBilling, "NightStartsMinutes", &CSettings::NightStartsMinutes},
    {kBilling, "BreakIntervals", &CSettings::BreakIntervals},
    {kBilling, "Intervals", &CSettings::Intervals},
    {kLimits, "CallLimit", &CSettings::CallLimit},
    {kLimits, "WarnCall", &CSettings::WarnCall},
    {kLimits, "DayLimit", &CSettings::DayLimit},
    {kLimits, "WarnDay", &CSettings::WarnDay},
    {kLimits, "MonthLimit", &CSettings::MonthLimit},
    {kLimits, "WarnMonth", &CSettings::WarnMonth},
    {kMessages, "CallLimitMessage", &CSettings::CallLimitMessage},
    {kMessages, "DayLimitMessage", &CSettings::DayLimitMessage},
    {kMessages, "MonthLimitMessage", &CSettings::MonthLimitMessage},
};

struct KeyReader {
    const IniFile& file;
    const SettingsKey& row;
    CSettings& s;
    void operator()(double CSettings::*m) const { s.*m = ReadDouble(file, row.section, row.key, s.*m); }
    void operator()(unsigned CSettings::*m) const { s.*m = file.GetUInt(row.section, row.key, s.*m); }
    void operator()(bool CSettings::*m) const {
        s.*m = file.GetUInt(row.section, row.key, s.*m ? 1 : 0) != 0;
    }
    void operator()(std::string CSettings::*m) const { s.*m = ReadText(file, row.section, row.key, s.*m); }
};

struct KeyWriter {
    const CSettings& s;
    std::string operator()(double CSettings::*m) const { return FormatTwoDecimals(s.*m); }
    std::string operator()(unsigned CSettings::*m) const { return std::to_string(s.*m); }
    std::string operator()(bool CSettings::*m) const { return s.*m ? "1" : "0"; }
    std::string operator()(std::string CSettings::*m) const { return EncodeIniText(s.*m); }
};

void ReadAll(const IniFile& file, CSettings& s) {
    for (const SettingsKey& row : kKeys)
        std::visit(KeyReader{file, row, s}, row.member);
}

void WriteAll(IniFile& file, const CSettings& s) {
    for (const SettingsKey& row : kKeys)
        file.Set(row.section, row.key, std::visit(KeyWriter{s}, row.member));
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
