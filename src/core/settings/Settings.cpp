// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Settings.h"

#include "core/platform/AtomicFile.h"
#include "core/platform/IniFile.h"
#include "core/platform/Locale.h"
#include "core/platform/NumberText.h"
#include "core/platform/Paths.h"
#include "core/platform/ProgramState.h"
#include "core/platform/Prompter.h"
#include "core/platform/SystemClock.h"
#include "core/platform/Translate.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <variant>

CSettings Settings;
bool SettingsChanged = false;

namespace {
constexpr const char* kBilling = "Billing";
constexpr const char* kLimits = "Limits";
constexpr const char* kMessages = "Messages";
constexpr const char* kConnection = "Connection";
constexpr std::size_t kMaxSettingsFile = 1 << 20;
constexpr std::size_t kMaxTextCharacters = 255;
// No rate or limit a user types comes near this; a larger one is damage, not a price.
constexpr double kMaxAmount = 1e9;

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

// What the last load could not use, so that the next save keeps the file or a copy of it.
struct LoadState {
    bool unreadable = false;   // the file exists but could not be read: it is never written over
    bool keepOriginal = false; // it held what the loader did not understand: copied before a save
    std::string problem;       // what was wrong with it, in a few words
};
LoadState s_loaded;

// Every key of Corvellan.ini, in the order they are written. The member's type decides the value
// form: money text, decimal digits, "1"/"0", text with its line breaks escaped, the digits of days
// of the week (1 Sunday to 7 Saturday), or a comma-separated list of holidays.
using SettingsMember =
    std::variant<double CSettings::*, unsigned CSettings::*, bool CSettings::*, std::string CSettings::*,
                 std::bitset<7> CSettings::*, std::vector<Holiday> CSettings::*>;
struct SettingsKey {
    const char* section;
    const char* key;
    SettingsMember member;
    bool (*usable)(unsigned) = nullptr; // for a number of which only some values mean anything
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
    {kConnection, "FollowLink", &CSettings::FollowLink},
    {kConnection, "Interface", &CSettings::Interface},
    // The tariff options; each goes after the older keys of its section.
    {kBilling, "CallFee", &CSettings::CallFee},
    {kBilling, "MinimumCharge", &CSettings::MinimumCharge},
    {kBilling, "WeekendDays", &CSettings::WeekendDays},
    {kBilling, "Holidays", &CSettings::Holidays},
    {kLimits, "EarlyWarningPercent", &CSettings::EarlyWarningPercent, IsEarlyWarningPercent},
    {kBilling, "PeriodStartDay", &CSettings::PeriodStartDay},
    {kBilling, "CurrencySymbol", &CSettings::CurrencySymbol},
};

std::optional<std::bitset<7>> ReadWeekDays(std::string_view digits) {
    std::bitset<7> days;
    for (const char c : digits) {
        if (c < '1' || c > '7')
            return std::nullopt;
        days.set(static_cast<std::size_t>(c - '1'));
    }
    return days;
}

std::string WriteWeekDays(const std::bitset<7>& days) {
    std::string digits;
    for (std::size_t day = 0; day < days.size(); ++day)
        if (days.test(day))
            digits += static_cast<char>('1' + day);
    return digits;
}

struct KeyReader {
    const IniFile& file;
    const SettingsKey& row;
    CSettings& s;
    std::vector<std::string>& damaged;
    void operator()(double CSettings::*m) const {
        const std::optional<std::string> raw = file.GetString(row.section, row.key);
        if (!raw)
            return;
        if (const std::optional<double> value = ReadIniDouble(*raw))
            // Every amount is a rate or a limit, and the Preferences refuse negative ones: such a value
            // counts as 0 and is no damage to keep a copy for.
            s.*m = std::max(*value, 0.0);
        else
            damaged.push_back(row.key);
    }
    void operator()(unsigned CSettings::*m) const {
        const unsigned value = file.GetUInt(row.section, row.key, s.*m);
        if (row.usable != nullptr && !row.usable(value))
            damaged.push_back(row.key);
        else
            s.*m = value;
    }
    void operator()(bool CSettings::*m) const {
        s.*m = file.GetUInt(row.section, row.key, s.*m ? 1 : 0) != 0;
    }
    void operator()(std::string CSettings::*m) const { s.*m = ReadText(file, row.section, row.key, s.*m); }
    void operator()(std::bitset<7> CSettings::*m) const { Take(m, ReadWeekDays); }
    void operator()(std::vector<Holiday> CSettings::*m) const { Take(m, ParseHolidays); }
    // An empty value is no day at all, which is not the same as a missing key.
    template <typename T, typename Reader> void Take(T CSettings::*m, Reader read) const {
        const std::optional<std::string> raw = file.GetString(row.section, row.key);
        if (!raw)
            return;
        if (std::optional<T> value = read(*raw))
            s.*m = std::move(*value);
        else
            damaged.push_back(row.key);
    }
};

struct KeyWriter {
    const CSettings& s;
    std::string operator()(double CSettings::*m) const { return FormatTwoDecimals(s.*m); }
    std::string operator()(unsigned CSettings::*m) const { return std::to_string(s.*m); }
    std::string operator()(bool CSettings::*m) const { return s.*m ? "1" : "0"; }
    std::string operator()(std::string CSettings::*m) const { return EncodeIniText(s.*m); }
    std::string operator()(std::bitset<7> CSettings::*m) const { return WriteWeekDays(s.*m); }
    std::string operator()(std::vector<Holiday> CSettings::*m) const { return FormatHolidays(s.*m); }
};

bool IsAmountKey(const std::string& key) {
    return std::any_of(std::begin(kKeys), std::end(kKeys), [&](const SettingsKey& row) {
        return row.key == key && std::holds_alternative<double CSettings::*>(row.member);
    });
}

std::string KeyList(const std::vector<std::string>& keys) {
    std::string list;
    for (const std::string& key : keys)
        list += (list.empty() ? "" : ", ") + key;
    return "(" + list + ")";
}

std::string DamageWhat(int unreadableLines, const std::vector<std::string>& damaged) {
    std::string what;
    if (unreadableLines > 0)
        what = unreadableLines == 1
                   ? Tr("Settings", "1 line that is not a setting")
                   : Tr("Settings", "%n lines that are not settings", nullptr, unreadableLines);
    std::vector<std::string> amounts, others;
    for (const std::string& key : damaged)
        (IsAmountKey(key) ? amounts : others).push_back(key);
    if (!amounts.empty()) {
        what += what.empty() ? "" : Tr("Settings", ", and ");
        what += Arg(Tr("Settings", "values that are not usable amounts %1"), {KeyList(amounts)});
    }
    if (!others.empty()) {
        what += what.empty() ? "" : Tr("Settings", ", and ");
        what += Arg(Tr("Settings", "values Corvellan cannot read %1"), {KeyList(others)});
    }
    return what;
}

std::string DamageText(const std::string& path, const std::string& what) {
    return Arg(Tr("Settings", "%1 holds %2. Corvellan uses its built-in values for what it could not read, "
                              "and keeps a copy of the file before it next saves the settings."),
               {path, what});
}

void WriteAll(IniFile& file, const CSettings& s) {
    for (const SettingsKey& row : kKeys)
        file.Set(row.section, row.key, std::visit(KeyWriter{s}, row.member));
}
} // namespace

std::optional<double> ReadIniDouble(std::string_view text) {
    const std::string head(text.substr(0, 9));
    const double value = strtod_l(head.c_str(), nullptr, CLocale());
    // "inf", "nan" or "1e308" would poison every amount shown.
    if (!std::isfinite(value) || std::fabs(value) > kMaxAmount)
        return std::nullopt;
    return value;
}

std::vector<std::string> ReadSettings(const IniFile& file, CSettings& settings) {
    std::vector<std::string> damaged;
    for (const SettingsKey& row : kKeys)
        std::visit(KeyReader{file, row, settings, damaged}, row.member);
    // A day no month has is taken for the 1st, as the built-in value.
    if (settings.PeriodStartDay < 1 || settings.PeriodStartDay > 31)
        settings.PeriodStartDay = 1;
    return damaged;
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
    s_loaded = LoadState{};
    std::string text, reason;
    switch (ReadRegularFile(path, text, kMaxSettingsFile, &reason)) {
    case ReadStatus::Missing:
        SettingsChanged = true;
        prompter.ShowMessage("Corvellan",
                             Tr("Settings",
                                "Since this is the first time you start Corvellan, have to provide "
                                "Corvellan with information such as the billing system that your "
                                "telephone company uses, your personal preferences, etc."),
                             PromptIcon::Exclamation);
        {
            // A first start in another language has the limits' warnings in it; from then on they
            // are the user's own texts, kept as written.
            const CSettings defaults;
            Settings.CallLimitMessage = Tr("Settings", defaults.CallLimitMessage.c_str());
            Settings.DayLimitMessage = Tr("Settings", defaults.DayLimitMessage.c_str());
            Settings.MonthLimitMessage = Tr("Settings", defaults.MonthLimitMessage.c_str());
        }
        return true;
    case ReadStatus::TooLarge:
        reason = Tr("Settings", "it is far too large to be a settings file");
        [[fallthrough]];
    case ReadStatus::Failed:
        s_loaded.unreadable = true;
        s_loaded.problem = reason;
        prompter.ShowMessage(
            Tr("Settings", "Corvellan Error"),
            Arg(Tr("Settings", "ERROR : Settings could not be read from %1 (%2). Corvellan uses "
                               "its built-in settings for this run and leaves the file as it is."),
                {path, reason}),
            PromptIcon::Stop);
        return false;
    case ReadStatus::Ok:
        break;
    }
    const IniFile file = IniFile::Parse(text);
    const std::vector<std::string> damaged = ReadSettings(file, Settings);
    if (!damaged.empty() || file.UnreadableLines() > 0) {
        s_loaded.keepOriginal = true;
        s_loaded.problem = Arg(Tr("Settings", "it holds %1"), {DamageWhat(file.UnreadableLines(), damaged)});
        prompter.ShowMessage("Corvellan", DamageText(path, DamageWhat(file.UnreadableLines(), damaged)),
                             PromptIcon::Exclamation);
    }
    return false;
}

void ApplyCurrencySymbol() {
    CurrencySymbol = Settings.CurrencySymbol.empty() ? LocaleCurrencySymbol() : Settings.CurrencySymbol;
}

const std::string& LastSettingsProblem() {
    return s_loaded.problem;
}

bool SaveSettings(const Paths& paths, Prompter& prompter) {
    const std::string path = paths.SettingsFile();
    std::string text, reason;
    const ReadStatus status =
        s_loaded.unreadable ? ReadStatus::Failed : ReadRegularFile(path, text, kMaxSettingsFile, &reason);
    if (status == ReadStatus::Failed || status == ReadStatus::TooLarge) {
        prompter.ShowMessage(
            Tr("Settings", "Corvellan Error"),
            Arg(Tr("Settings",
                   "ERROR : Settings could not be saved: %1 could not be read, so it was left as it is."),
                {path}),
            PromptIcon::Stop);
        return false;
    }
    IniFile file = status == ReadStatus::Ok ? IniFile::Parse(text) : IniFile();
    WriteAll(file, Settings);
    if (status == ReadStatus::Ok && s_loaded.keepOriginal) {
        const std::string copy = UnusedName(path + ".bak-" + SystemClock().Now().Format("%Y%m%d-%H%M%S"));
        if (copy.empty() || !CopyToNewFile(path, copy, &reason)) {
            prompter.ShowMessage(
                Tr("Settings", "Corvellan Error"),
                Arg(Tr("Settings", "ERROR : Settings could not be saved: no copy of %1 could be kept."),
                    {path}),
                PromptIcon::Stop);
            return false;
        }
        s_loaded.keepOriginal = false;
    }
    if (!WriteFileAtomically(path, file.Text(), &reason)) {
        prompter.ShowMessage(Tr("Settings", "Corvellan Error"),
                             Tr("Settings", "ERROR : Settings could not be saved"), PromptIcon::Stop);
        return false;
    }
    return true;
}
