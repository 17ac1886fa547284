// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// How the numbers of the Preferences pages are typed, shown and checked.

// The check a typed number goes through.
enum class FieldRule {
    Hours,      // a whole number from 0 to 24
    Minutes,    // a whole number from 0 to 60 (minutes, and the length of a rounding interval)
    Rate,       // a number of 0 or more
    Limit,      // a number from 0 to 1000000
    Percent,    // the share of a limit an early warning comes at: 0 (none), or 50 to 99
    PmHours,    // an hour after noon on a 12-hour field: 0 to 12, or 13 to 24 taken as 1 to 12 PM
    DayOfMonth, // a whole number from 1 to 31
};

// The decimal separator of the user's locale (the C library's current one); "." when it has none.
std::string UserDecimalPoint();

// A number typed by the user: an optional sign, digits with the user's decimal separator or "."
// and an optional exponent, blanks around it allowed. Anything not read whole, and anything that
// is not a finite double, gives nothing.
std::optional<double> ParseTypedNumber(std::string_view text, std::string_view decimalPoint);
// Decimal digits only, blanks around them allowed.
std::optional<unsigned long long> ParseTypedWhole(std::string_view text);

// The general form of a number: at most 15 significant digits, no trailing zeros (2, 1.5, 12.5),
// with the user's decimal separator.
std::string FormatGeneralNumber(double value, std::string_view decimalPoint);

// What the user is told when a typed value does not pass its check.
std::string RefusalMessage(FieldRule rule);

// The typed text of a field read and checked; nothing when it is refused.
std::optional<double> ReadField(FieldRule rule, std::string_view text, std::string_view decimalPoint);
// The text a field's value is shown with.
std::string ShowField(FieldRule rule, double value, std::string_view decimalPoint);

// The words of a label as they are said aloud and put before a message: without the '&' of its
// mnemonic and without the ':' that ends it ("&Fee per call:" is "Fee per call").
std::string LabelWords(std::string_view label);
// A refusal that names the field it is about: "Fee per call: Please enter a number ...".
std::string NamedRefusal(std::string_view label, std::string_view message);

// One number of a page: the setting it holds (its edit carries the same name), the words of its
// label (its accessible name, and the start of its refusals), its check and where its value lives.
struct NumberField {
    const char* name;
    std::string label;
    FieldRule rule;
    std::variant<unsigned*, double*> value;
};

struct FieldRefusal {
    std::size_t index; // into the fields, which are read in order
    std::string message;
};

std::vector<std::string> ShowNumbers(std::span<const NumberField> fields, std::string_view decimalPoint);
// Reads texts[i] into fields[i] in order. The first text refused ends the reading; the fields
// before it have taken their new values, the rest keep theirs.
std::optional<FieldRefusal> ReadNumbers(std::span<const NumberField> fields,
                                        std::span<const std::string> texts, std::string_view decimalPoint);
