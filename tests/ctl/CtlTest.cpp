// SPDX-License-Identifier: GPL-3.0-or-later
#include "CtlProcess.h"

#include "core/billing/CallArray.h"
#include "core/calllog/CallLogText.h"
#include "core/calllog/DataLock.h"
#include "core/platform/Paths.h"
#include "support/TzGuard.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>

namespace {
namespace fs = std::filesystem;
using Call = std::pair<CTime, CTime>;
const TzGuard kUtc("UTC0"); // as corvellanctl runs
constexpr const char* kNow = "2024-03-10 12:00:00";
constexpr const char* kStart = "2024-03-06 06:00:00";
constexpr const char* kEnd = "2024-03-06 06:30:59";

// A Calls.log of March 2024 as the window writes it, with a month limit of 500.
std::string Log(const std::vector<Call>& list) {
    CCallArray calls;
    for (const auto& [start, end] : list)
        calls.Add(CCallRecord(start, end));
    return FormatCallLog(calls, CTime(2024, 3, 10, 12, 0, 0), 500, "");
}

// The arguments, at the moment the log above was written.
std::vector<std::string> AtNow(std::vector<std::string> args) {
    args.insert(args.end(), {"--now", kNow});
    return args;
}

// What each command prints under the locale: the texts themselves are the core's. 6 March 2024 is
// a Wednesday; the default tariff's day begins after 06:30. Bad input (an unknown command, options
// where they do not belong, a time split in two, END before START, a date that does not exist and a
// time that the clock skips) gets one line and exit status 2.
TEST(CtlTest, EachCommandPrintsItsTextOrOneLineWhyNot) {
    struct Row {
        std::vector<std::string> args;
        const char* out = ""; // its start
        int exitCode = 0;
        const char* locale = "C.UTF-8";
        const char* timeZone = "UTC0";
    };
    const Row rows[] = {
        {{"calls", "--now", kNow}, "03/06/24 20:00:00\t00:10:30\t21.00\nTotal calls made:\t1\n"},
        {{"report", "--now", kNow}, "- Brief report for March :\nYou have made 1 call"},
        {{"calls", "--csv", "--now", kNow}, "Start,End,Duration (seconds),Cost\r\n2024-03-06T20:00:00,"},
        {{"calls", "--json", "--now", kNow}, "{\n  \"calls\": [\n    {\"start\": \"2024-03-06T20:00:00"},
        {{"report", "--json", "--now", kNow}, "{\n  \"month\": \"March\","},
        {{"price", kStart, kEnd}, "$46.48\n", 0, "en_US.UTF-8"},
        {{"price", kStart, kEnd, "--raw"}, "46.475\n", 0, "de_DE.UTF-8"},
        {{"rate", "2024-03-10 23:30:00"}, "1.00 / min\tnight\tweekend\n"},
        {{"frobnicate"}, "", 2},
        {{"calls", "--raw"}, "", 2},
        {{"report", "--csv"}, "", 2},
        {{"rate", "--json"}, "", 2},
        {{"calls", "--csv", "--json"}, "", 2},
        {{"price", "2024-03-06", "06:00:00", "2024-03-06", "06:30:59"}, "", 2},
        {{"price", kEnd, kStart}, "", 2},
        {{"price", "2024-02-30 06:00:00", kEnd}, "", 2},
        // the clocks go from 02:00 to 03:00
        {{"rate", "2024-03-31 02:30:00"}, "", 2, "C.UTF-8", "Europe/Berlin"},
    };
    CtlProcess ctl;
    const std::string log = Log({{CTime(2024, 3, 6, 20, 0, 0), CTime(2024, 3, 6, 20, 10, 30)}});
    ctl.WriteCallLog(log);
    for (const Row& row : rows) {
        if (!LocaleInstalled(row.locale) || !TzGuard::ZoneAvailable(row.timeZone))
            continue;
        ctl.locale = row.locale;
        ctl.timeZone = row.timeZone;
        const CtlResult result = ctl.Run(row.args);
        EXPECT_EQ(result.exitCode, row.exitCode) << row.args[0] << result.err;
        if (row.exitCode == 2) {
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err.rfind("corvellanctl: ", 0), 0u) << result.err;
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        } else {
            EXPECT_EQ(result.out.rfind(row.out, 0), 0u) << result.out;
        }
    }
    EXPECT_EQ(ctl.CallLog(), log) << "reading writes nothing";
    EXPECT_FALSE(fs::exists(ctl.ConfigDir()));
}

// The tariff options of Corvellan.ini: the price holds the fee (30:59 at the weekend night rate, and
// 0.50), the rate names the holiday.
TEST(CtlTest, PriceAndRateFollowTheTariffOptions) {
    CtlProcess ctl;
    ctl.WriteSettings("[Billing]\nCallFee=0.50\nHolidays=03-06\n");
    EXPECT_EQ(ctl.Run({"price", kStart, kEnd}).out + ctl.Run({"rate", "2024-03-06 12:00:00"}).out,
              "31.48\n1.50 / min\tday\tweekend\tholiday 03-06\n");
}

// Every add is judged by the whole Calls.log it leaves; a refusal says why and changes nothing. What
// add makes of a log it cannot read or understand is tested with the hostile files of the window.
TEST(CtlTest, AddWritesTheCallInOrderOfItsEndOrRefusesAndWritesNothing) {
    const Call first{CTime(2024, 3, 5, 10, 0, 0), CTime(2024, 3, 5, 10, 10, 0)};
    const Call last{CTime(2024, 3, 8, 10, 0, 0), CTime(2024, 3, 8, 10, 10, 0)};
    const Call added{CTime(2024, 3, 6, 6, 0, 0), CTime(2024, 3, 6, 6, 30, 59)}; // kStart to kEnd
    const std::string two = Log({first, last});
    // A window's lock with no window behind it to take the call (a running window takes it: see
    // the control server's tests).
    const std::string kWindow = "Corvellan holds Calls.log but does not answer on its control socket";
    const struct {
        const char *start, *end;
        std::string err; // the decisive part of the refusal
    } cases[] = {
        {kStart, kEnd, ""},
        {"2024-03-05 10:09:59", "2024-03-05 10:20:00",
         "overlaps the logged call from 2024-03-05 10:00:00 to 2024-03-05 10:10:00"},
        {kStart, kEnd, kWindow},
        {"2024-02-29 23:50:00", "2024-03-01 00:10:00", "only calls of the current month (March 2024)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.err);
        CtlProcess ctl;
        ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
        ctl.WriteCallLog(two);
        CDataLock window(Paths(ctl.ConfigDir(), ctl.DataDir()), LockHolder::Window);
        ASSERT_EQ(c.err == kWindow ? window.Acquire({}) : CDataLock::Result::Acquired,
                  CDataLock::Result::Acquired);
        const CtlResult result = ctl.Run({"add", c.start, c.end, "--now", kNow});
        EXPECT_EQ(result.exitCode, c.err.empty() ? 0 : 1);
        EXPECT_TRUE(c.err.empty() ? result.out + result.err == ""
                                  : result.err.find(c.err) != std::string::npos)
            << result.out << result.err;
        EXPECT_EQ(ctl.CallLog(), c.err.empty() ? Log({first, added, last}) : two);
    }
}

// Without a window: start (as stop and toggle, which the control server's tests run) fails with one line,
// status says so on its own exit status. They have no use for the settings, and so no word about a damaged
// file.
TEST(CtlTest, TheWindowCommandsWithoutAWindow) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* out;
        const char* err;
    } rows[] = {
        {{"start"}, 1, "", "corvellanctl: Corvellan is not running\n"},
        {{"status"}, 3, "not running\n", ""},
        {{"status", "--json"}, 3, "", "corvellanctl: Corvellan is not running\n"},
        {{"status", "--now", kNow},
         2,
         "",
         "corvellanctl: --now does not go with status (see corvellanctl --help)\n"},
        {{"start", "now"}, 2, "", "corvellanctl: too many arguments for start"},
    };
    CtlProcess ctl;
    ctl.WriteSettings("[Billing\nWeekdayDayRate=3.00\n");
    for (const auto& row : rows) {
        const CtlResult result = ctl.Run(row.args);
        EXPECT_EQ(std::pair(result.exitCode, result.out), std::pair(row.exitCode, std::string(row.out)))
            << row.args[0];
        EXPECT_EQ(result.err.rfind(row.err, 0), 0u) << result.err;
    }
    EXPECT_FALSE(fs::exists(ctl.DataDir()));
}

// Twenty adds started together with no window: each waits its turn, and every call is logged.
TEST(CtlTest, AddsStartedTogetherAllGetTheirTurn) {
    CtlProcess ctl;
    std::vector<std::thread> adds;
    std::vector<CtlResult> results(20);
    for (int i = 0; i < 20; ++i)
        adds.emplace_back([&, i] {
            const std::string at = "2024-03-06 10:" + std::to_string(10 + i) + ":";
            results[i] = ctl.Run({"add", at + "00", at + "30", "--now", kNow}, std::to_string(i));
        });
    for (std::thread& add : adds)
        add.join();
    for (const CtlResult& result : results)
        EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(ctl.CallLog().find("Number of calls made:\t20\r\n"), std::string::npos);
}

// This month (March 2024), February still in Calls.log, January in the history and a December file
// Corvellan did not write: months lists them all, --month picks one, a month without calls or a
// file that cannot be used is refused in one line, and reading writes nothing.
TEST(CtlTest, MonthsListsThePeriodsAndMonthPicksOne) {
    CtlProcess ctl;
    const Call feb{CTime(2024, 2, 20, 20, 0, 0), CTime(2024, 2, 20, 20, 1, 0)};
    ctl.WriteCallLog(Log({feb, {CTime(2024, 3, 6, 20, 0, 0), CTime(2024, 3, 6, 20, 10, 30)}}));
    CCallArray january;
    january.Add(CCallRecord(CTime(2024, 1, 9, 20, 0, 0), CTime(2024, 1, 9, 20, 2, 0)));
    TempDir::Write(ctl.DataDir() + "history/2024-01-01.log", FormatCallLog(january, "January", 0, ""));
    TempDir::Write(ctl.DataDir() + "history/2023-12-01.log", "my notes");
    const std::string before = ctl.CallLog();
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string out; // its start
        std::string err; // a part of it
    } rows[] = {
        {{"months"},
         1,
         "2024-03\t1 March to 31 March\t1\t00:10:30\t21.00\tthis month\n"
         "2024-02\t1 February to 29 February\t1\t00:01:00\t2.00\n"
         "2024-01\t1 January to 31 January\t1\t00:02:00\t4.00\n2023-12\t",
         "2023-12-01.log holds what Corvellan does not write"},
        {{"months", "--json"}, 1, "{\n  \"months\": [\n    {\n      \"month\": \"2024-03\",", ""},
        {{"report", "--month", "2024-01"},
         0,
         "- Report for January 2024 :\nYou made 1 call(s) during the 31 days",
         ""},
        {{"chart", "--month", "2024-03"}, 0, "2024-03-01\t0.00\n", ""},
        {{"report", "--month", "2023-12"}, 1, "", "2023-12-01.log holds what Corvellan does not write"},
        {{"calls", "--month", "2023-05"}, 1, "", "corvellanctl: no calls are kept for 2023-05"},
        {{"report", "--month", "2024-3"}, 2, "", "corvellanctl: not a month: '2024-3' (expected YYYY-MM)"},
        {{"rate", "--month", "2024-01"}, 2, "", "--month goes with report, calls and chart only"},
    };
    for (const auto& row : rows) {
        const CtlResult result = ctl.Run(AtNow(row.args));
        EXPECT_EQ(result.exitCode, row.exitCode) << row.args[0] << result.err;
        EXPECT_EQ(result.out.rfind(row.out, 0), 0u) << result.out;
        EXPECT_NE(result.err.find(row.err), std::string::npos) << result.err;
    }
    EXPECT_EQ(ctl.CallLog(), before);
    EXPECT_FALSE(fs::exists(ctl.DataDir() + "history/2024-02-01.log"));
}
// corvellanctl speaks the user's language (LC_ALL, LANGUAGE, ...) in what a person reads, with the
// counts in the right form, and nothing else: what scripts read stays byte for byte English, the
// problem of a damaged month too, though the error stream tells it in the user's language.
TEST(CtlTest, SpeaksTheUsersLanguageExceptToScripts) {
    CtlProcess ctl;
    ctl.WriteCallLog(Log({{CTime(2024, 3, 6, 20, 0, 0), CTime(2024, 3, 6, 20, 10, 30)}}));
    TempDir::Write(ctl.DataDir() + "history/2023-12-01.log", "my notes");
    const struct {
        std::vector<std::string> args;
        const char* locale;
        std::string out; // its start
        std::string err; // a part of it
    } rows[] = {
        {{"frobnicate"},
         "de_DE.UTF-8",
         "",
         "corvellanctl: unbekannter Befehl „frobnicate“ (siehe corvellanctl --help)\n"},
        {{"frobnicate"},
         "fr_FR.UTF-8",
         "",
         "corvellanctl: commande inconnue «\u00a0frobnicate\u00a0» (voir corvellanctl --help)\n"},
        {{"frobnicate"},
         "C.UTF-8",
         "",
         "corvellanctl: unknown command 'frobnicate' (see corvellanctl --help)\n"},
        {{"report"},
         "de_DE.UTF-8",
         "- Kurzbericht für März:\nSie haben in den ersten 10 Tagen dieses Monats 1 Anruf getätigt.\n",
         ""},
        {{"months"},
         "de_DE.UTF-8",
         "2024-03\t1. März bis 31. März\t",
         "enthält, was Corvellan nicht schreibt"},
    };
    for (const auto& row : rows) {
        if (!LocaleInstalled(row.locale))
            continue;
        ctl.locale = row.locale;
        const CtlResult result = ctl.Run(AtNow(row.args));
        EXPECT_EQ(result.out.rfind(row.out, 0), 0u) << result.out;
        EXPECT_NE(result.err.find(row.err), std::string::npos) << result.err;
    }
    if (!LocaleInstalled("de_DE.UTF-8"))
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    for (const std::vector<std::string>& args : {std::vector<std::string>{"calls", "--csv"},
                                                 {"months", "--csv"},
                                                 {"months", "--json"},
                                                 {"chart", "--json"}}) {
        ctl.locale = "C.UTF-8";
        const std::string english = ctl.Run(AtNow(args)).out;
        ctl.locale = "de_DE.UTF-8";
        EXPECT_EQ(ctl.Run(AtNow(args)).out, english) << args[0] << " " << args[1];
    }
}
} // namespace
