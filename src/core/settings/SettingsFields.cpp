// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsFields.h"

#include "core/platform/Translate.h"
#include "core/settings/Settings.h"

#include <charconv>
#include <clocale>
#include <cmath>

namespace {
constexpr unsigned kMaxHours = 24;
constexpr unsigned kMaxMinutes = 60;
constexpr double kMaxLimit = 1000000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Copies the digits at text[pos...] to out; returns how many there were.
std::size_t TakeDigits(std::string_view text, std::size_t& pos, std::string& out) {
    const std::size_t begin = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        out += text[pos++];
    return pos - begin;
}

unsigned MaxWhole(FieldRule rule) {
    if (rule == FieldRule::DayOfMonth)
        return 31;
    return rule == FieldRule::Hours || rule == FieldRule::PmHours ? kMaxHours : kMaxMinutes;
}

unsigned MinWhole(FieldRule rule) {
    return rule == FieldRule::DayOfMonth ? 1 : 0;
}

bool IsWhole(FieldRule rule) {
    return rule == FieldRule::Hours || rule == FieldRule::Minutes || rule == FieldRule::Percent ||
           rule == FieldRule::DayOfMonth || rule == FieldRule::PmHours;
}

bool IsInRange(FieldRule rule, unsigned long long whole) {
    if (rule == FieldRule::Percent)
        return whole < 100 && IsEarlyWarningPercent(static_cast<unsigned>(whole));
    return whole <= MaxWhole(rule) && whole >= MinWhole(rule);
}
} // namespace

std::string UserDecimalPoint() {
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr ||
        *conventions->decimal_point == '\0')
        return ".";
    return conventions->decimal_point;
}

std::optional<double> ParseTypedNumber(std::string_view text, std::string_view decimalPoint) {
    text = TrimBlanks(text);
    // The number is rewritten with '.' and read by from_chars, which knows no locale.
    std::string plain;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-')
            plain += '-';
        ++pos;
    }
    std::size_t digits = TakeDigits(text, pos, plain);
    if (pos < text.size()) {
        std::size_t separator = 0;
        if (text[pos] == '.')
            separator = 1;
        else if (!decimalPoint.empty() && text.substr(pos).starts_with(decimalPoint))
            separator = decimalPoint.size();
        if (separator != 0) {
            plain += '.';
            pos += separator;
            digits += TakeDigits(text, pos, plain);
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        plain += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            plain += text[pos++];
        if (TakeDigits(text, pos, plain) == 0)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;

    double value = 0;
    const char* end = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(plain.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value + 0.0; // "-0" is 0
}

std::optional<unsigned long long> ParseTypedWhole(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty())
        return std::nullopt;
    for (char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
    }
    unsigned long long value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string FormatGeneralNumber(double value, std::string_view decimalPoint) {
    if (value == 0)
        return "0"; // never "-0"
    char buffer[64];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, ec == std::errc() ? ptr : buffer);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalPoint);
    return text;
}

std::string RefusalMessage(FieldRule rule) {
    switch (rule) {
    case FieldRule::Hours:
    case FieldRule::Minutes:
    case FieldRule::DayOfMonth:
        return Arg(Tr("SettingsFields", "Please enter a whole number from %1 to %2."),
                   {std::to_string(MinWhole(rule)), std::to_string(MaxWhole(rule))});
    case FieldRule::Limit:
        return Tr("SettingsFields", "Please enter a number from 0 to 1000000.");
    case FieldRule::Percent:
        return Tr("SettingsFields", "Please enter 0 for no early warning, or a whole number from 50 to 99.");
    case FieldRule::PmHours:
        return Tr("SettingsFields",
                  "Please enter an hour after noon, from 0 to 12 (or from 13 to 24, as on a 24-hour clock).");
    case FieldRule::Rate:
        break;
    }
    return Tr("SettingsFields", "Please enter a number of 0 or more.");
}

std::string LabelWords(std::string_view label) {
    std::string words;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && ++i == label.size())
            break;
        words += label[i]; // "&&" is an '&' of the text
    }
    // The colon goes, with the blanks before it: French puts a no-break space there (U+00A0, or
    // the narrow U+202F).
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view tail : {":", " ", "\t", "\u00a0", "\u202f"}) {
            if (words.ends_with(tail)) {
                words.resize(words.size() - tail.size());
                trimmed = true;
            }
        }
    }
    return words;
}

std::string NamedRefusal(std::string_view label, std::string_view message) {
    // The pattern is the translators': French writes a blank before the colon.
    return Arg(Tr("Preferences", "%1: %2"), {LabelWords(label), message});
}

std::optional<double> ReadField(FieldRule rule, std::string_view text, std::string_view decimalPoint) {
    if (IsWhole(rule)) {
        const std::optional<unsigned long long> whole = ParseTypedWhole(text);
        if (!whole || !IsInRange(rule, *whole))
            return std::nullopt;
        // A 24-hour value in a field marked PM is the hour it names: 20 is 8 PM.
        if (rule == FieldRule::PmHours && *whole > 12)
            return static_cast<double>(*whole - 12);
        return static_cast<double>(*whole);
    }
    const std::optional<double> number = ParseTypedNumber(text, decimalPoint);
    if (number && rule == FieldRule::Limit && !(*number >= 0 && *number <= kMaxLimit))
        return std::nullopt;
    // No telephone company pays by the minute; a negative rate would make every bill a lie.
    if (number && rule == FieldRule::Rate && *number < 0)
        return std::nullopt;
    return number;
}

std::string ShowField(FieldRule rule, double value, std::string_view decimalPoint) {
    if (IsWhole(rule))
        return std::to_string(static_cast<unsigned long long>(value));
    return FormatGeneralNumber(value, decimalPoint);
}

std::vector<std::string> ShowNumbers(std::span<const NumberField> fields, std::string_view decimalPoint) {
    std::vector<std::string> texts;
    texts.reserve(fields.size());
    for (const NumberField& field : fields) {
        const double value = std::visit([](auto* v) { return static_cast<double>(*v); }, field.value);
        texts.push_back(ShowField(field.rule, value, decimalPoint));
    }
    return texts;
}

std::optional<FieldRefusal> ReadNumbers(std::span<const NumberField> fields,
                                        std::span<const std::string> texts, std::string_view decimalPoint) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<double> value =
            i < texts.size() ? ReadField(fields[i].rule, texts[i], decimalPoint) : std::nullopt;
        if (!value)
            return FieldRefusal{i, RefusalMessage(fields[i].rule)};
        std::visit([&](auto* v) { *v = static_cast<std::remove_reference_t<decltype(*v)>>(*value); },
                   fields[i].value);
    }
    return std::nullopt;
}
