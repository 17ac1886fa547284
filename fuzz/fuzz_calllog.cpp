// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of Calls.log. Besides crashes, leaks and hangs it checks
// that every call read back is a real moment whose time field, written again, reads as itself, and
// that a log found whole is one the writer writes again with the same calls.
#include "core/billing/CallArray.h"
#include "core/calllog/CallLogMonth.h"
#include "core/calllog/CallLogText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace {
void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckCall(const LoggedCall& call) {
    for (const CTime time : {call.start, call.end}) {
        const std::string field = FormatLogTime(time);
        const std::optional<CTime> again = ParseLogTime(field);
        Check(again.has_value() && *again == time);
    }
}
// A log found whole holds nothing but what the writer writes: written again in its month, it reads
// back whole with the same calls.
void CheckWhole(const ParsedLog& log) {
    for (int month = 1; month <= 12; ++month) {
        const CTime now(2025, month, 15, 12, 0, 0);
        if (now.Format("%B") != log.month)
            continue;
        CCallArray calls;
        for (const LoggedCall& call : log.calls)
            calls.Add(CCallRecord(call.start, call.end));
        const ParsedLog again = ParseCallLog(FormatCallLog(calls, now, 20, "$"));
        Check(again.whole && again.calls == log.calls);
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A zone without daylight saving, so every local time names exactly one moment.
    ::setenv("TZ", "UTC0", 1);
    ::tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ParsedLog log = ParseCallLog(text);
    Check(log.corrupt == !FindLogMonth(text).has_value());
    Check(log.unreadable >= 0);
    for (const LoggedCall& call : log.calls)
        CheckCall(call);
    Check(!log.whole || log.unreadable == 0);
    if (log.whole)
        CheckWhole(log);

    if (!log.corrupt) {
        const CTime now(1764547500); // 1 December 2025
        const MonthSelection selection = SelectCurrentMonth(log, now);
        Check(selection.calls.size() + selection.others.size() == log.calls.size());
        // Only a call of an ended month rolls the log over; one of a month to come (a clock set
        // back) stays where it is.
        const bool ended = std::any_of(log.calls.begin(), log.calls.end(), [](const LoggedCall& call) {
            return call.start < CTime(2025, 12, 1, 0, 0, 0);
        });
        Check(selection.rollOver == ended);
    }

    // The field reader on its own: what it accepts it must give back digit for digit.
    if (const std::optional<CTime> time = ParseLogTime(text)) {
        const std::string field = FormatLogTime(*time);
        for (const std::size_t at : {0u, 1u, 3u, 4u, 6u, 7u, 9u, 10u, 12u, 13u, 15u, 16u})
            Check(field[at] == text[at]);
    }
    return 0;
}
