// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Translate.h"

#include <gtest/gtest.h>
#include <optional>

namespace {
// A small German translation, with the plural forms chosen by n as a .qm file's rule would, and
// the %n left for Tr as QTranslator leaves it.
std::string German(const char* context, const char* text, const char* disambiguation, int n) {
    const std::string key = std::string(context) + "|" + text + "|" + (disambiguation ? disambiguation : "");
    if (key == "Test|Report|")
        return "Bericht";
    if (key == "Test|%n call(s)|")
        return n == 1 ? "%n Anruf" : "%n Anrufe";
    if (key == "Test|%n call(s)|made")
        return n == 1 ? "%n Anruf getätigt" : "%n Anrufe getätigt";
    if (key == "Test|%1 to %2|")
        return "bis %2 ab %1";
    return text; // no translation of its own: the text as written
}

// Installs the translation for one test and takes it away again, whatever happens.
struct Installed {
    explicit Installed(bool german) {
        if (german)
            SetTranslation(German);
    }
    ~Installed() { SetTranslation({}); }
};

TEST(TranslateTest, TextsAreTranslatedWhenATranslationIsInstalledAndCountsReplaced) {
    struct Row {
        bool german;
        const char* text;
        std::optional<int> n; // the counted form
        const char* disambiguation;
        const char* expected;
    };
    const Row rows[] = {
        {false, "Report", {}, nullptr, "Report"},
        {true, "Report", {}, nullptr, "Bericht"},
        {true, "Not translated", {}, nullptr, "Not translated"},
        {false, "%n call(s)", 1, nullptr, "1 call(s)"},
        {false, "%n call(s), %n in all", 12, nullptr, "12 call(s), 12 in all"},
        {false, "%n call(s)", 0, nullptr, "0 call(s)"},
        {true, "%n call(s)", 1, nullptr, "1 Anruf"},
        {true, "%n call(s)", 3, nullptr, "3 Anrufe"},
        {true, "%n call(s)", 3, "made", "3 Anrufe getätigt"},
        {true, "%n call(s)", -2, nullptr, "-2 Anrufe"},
        // Plain texts keep a %n of theirs: only the counted form has a count to put there.
        {true, "100%n", {}, nullptr, "100%n"},
    };
    for (const Row& row : rows) {
        const Installed translation(row.german);
        const std::string shown =
            row.n ? Tr("Test", row.text, row.disambiguation, *row.n) : Tr("Test", row.text);
        EXPECT_EQ(shown, row.expected) << row.text;
    }
}

// What goes over the control socket is built while a CUntranslated lives: in English, counts still
// replaced, and the translation back once the last one is gone.
TEST(TranslateTest, NothingIsTranslatedWhileUntranslatedLives) {
    const Installed translation(true);
    {
        const CUntranslated english;
        {
            const CUntranslated nested;
            EXPECT_EQ(Tr("Test", "Report"), "Report");
        }
        EXPECT_EQ(Tr("Test", "Report"), "Report");
        EXPECT_EQ(Tr("Test", "%n call(s)", nullptr, 3), "3 call(s)");
    }
    EXPECT_EQ(Tr("Test", "Report"), "Bericht");
}

TEST(TranslateTest, ArgPutsEachValueWhereTheTextHasItsMarker) {
    struct Row {
        const char* text;
        std::initializer_list<std::string_view> values;
        const char* expected;
    };
    const Row rows[] = {
        {"%1 to %2", {"1 March", "31 March"}, "1 March to 31 March"},
        {"bis %2 ab %1", {"1 March", "31 March"}, "bis 31 March ab 1 March"},
        {"%1 and %1 again", {"x"}, "x and x again"},
        // A value is not read for markers itself: a path with %2 in it stays as it is.
        {"%1 holds %2", {"/tmp/%2", "damage"}, "/tmp/%2 holds damage"},
        // Markers without a value, and percent signs of the text, stay.
        {"%1 of %3", {"a", "b"}, "a of %3"},
        {"80 % of %1", {"5.00"}, "80 % of 5.00"},
        {"%0 %1%", {"a"}, "%0 a%"},
        {"%9 %1", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine 1"},
        {"", {"a"}, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Arg(row.text, row.values), row.expected) << row.text;
}
} // namespace
