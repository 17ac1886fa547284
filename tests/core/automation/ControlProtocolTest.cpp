// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/ControlProtocol.h"
#include "core/automation/ReplyText.h"
#include "core/platform/ProgramState.h"

#include "support/TzGuard.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {
const TzGuard kBerlin("CET-1CEST,M3.5.0,M10.5.0/3"); // +01:00 in December, +02:00 in July
const CTime kTwoPm(2026, 12, 7, 14, 0, 0);           // 13:00 UTC
const std::string kLongWord(50, 'x');

// What each line asks for, or the reason it asks for nothing.
TEST(ControlProtocolTest, ParsesEachRequestOrSaysWhyNot) {
    const std::tuple<const char*, std::optional<ControlVerb>, const char*> rows[] = {
        {"raise", ControlVerb::Raise, ""},
        {"  toggle\r", ControlVerb::Toggle, ""}, // blanks, and CR LF line ends, are no matter
        {"add 2026-12-07T14:00:00+01:00 2026-12-07T13:10:00Z", ControlVerb::Add, ""},
        {"", std::nullopt, "empty request"},
        {"STATUS", std::nullopt, "unknown request 'STATUS' (raise, start, stop, toggle, status, add)"},
        {"\x01\xff", std::nullopt, "unknown request '\?\?'"},
        {kLongWord.c_str(), std::nullopt, "'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...'"},
        {"start now", std::nullopt, "start takes no arguments"},
        {"add 2026-12-07 14:00:00 2026-12-07 14:10:00", std::nullopt, "add needs START and END"},
        {"add 2026-02-29T14:00:00Z 2026-03-01T00:00:00Z", std::nullopt, "not a time: '2026-02-29T14:00:00Z'"},
        {"add 2026-12-07T14:00:00 2026-12-07T14:10:00Z", std::nullopt, "not a time"}, // no offset
        {"add 2026-12-07T14:00:00+0100 2026-12-07T14:10:00Z", std::nullopt, "not a time"},
    };
    for (const auto& [line, verb, error] : rows) {
        const ParsedRequest parsed = ParseControlRequest(line);
        EXPECT_EQ(parsed.request ? std::optional(parsed.request->verb) : std::nullopt, verb) << line;
        EXPECT_NE(parsed.error.find(error), std::string::npos) << line << ": " << parsed.error;
    }
    const ControlRequest add = *ParseControlRequest(std::get<0>(rows[2])).request;
    EXPECT_EQ(std::pair(add.start, add.end), std::pair(kTwoPm, kTwoPm + CTimeSpan(600)));
}

// A request's times are read back as the same moments, whatever zone the reader is in.
TEST(ControlProtocolTest, TimesReadBackAsTheSameMoment) {
    const CTime summer(2026, 7, 1, 9, 30, 15);
    EXPECT_EQ(TimeWord(kTwoPm), "2026-12-07T14:00:00+01:00");
    ControlRequest add;
    add.verb = ControlVerb::Add;
    add.start = summer;
    add.end = kTwoPm;
    const std::string line = ControlRequestLine(add);
    EXPECT_EQ(line, "add 2026-07-01T09:30:15+02:00 2026-12-07T14:00:00+01:00\n");
    const TzGuard elsewhere("EST5EDT,M3.2.0,M11.1.0");
    const ParsedRequest parsed = ParseControlRequest(line.substr(0, line.size() - 1));
    EXPECT_EQ(std::pair(parsed.request->start, parsed.request->end), std::pair(summer, kTwoPm));
}

TEST(ControlProtocolTest, RepliesSayOkWithWordsOrErrorWithAReason) {
    EXPECT_EQ(ErrorReply("two\nlines"), "error two lines");
    const std::tuple<const char*, bool, std::vector<std::string>, const char*> rows[] = {
        {"ok  stopped\r", true, {"stopped"}, ""},
        {"error the call ends before it starts", false, {}, "the call ends before it starts"},
        {"okay", false, {}, "an answer that is neither ok nor error: 'okay'"},
    };
    for (const auto& [line, ok, words, error] : rows) {
        const ControlReply reply = ParseControlReply(line);
        EXPECT_EQ(std::tuple(reply.ok, reply.words, reply.error), std::tuple(ok, words, std::string(error)))
            << line;
    }
    const CallStatus running{true, kTwoPm, 4.1666666666666661, 0.045};
    const std::optional<CallStatus> back = ReadStatusReply(ParseControlReply(StatusReply(running)));
    ASSERT_TRUE(back);
    EXPECT_EQ(std::tuple(back->running, back->start, back->cost, back->rate),
              std::tuple(true, kTwoPm, running.cost, running.rate))
        << "every digit of the amounts comes across";
    for (const char* line : {"ok running 2026-12-07T14:00:00+01:00 nan 2", "ok running now 1 2", "ok added"})
        EXPECT_FALSE(ReadStatusReply(ParseControlReply(line))) << line;
}

// What corvellanctl prints: clock times in its own zone, amounts as the window shows them, and
// JSON numbers with a point under a locale that writes a comma.
TEST(ReplyTextTest, CallsAndStatusInWordsAndInJson) {
    CurrencySymbol = "$";
    const std::pair<const char*, std::optional<std::string>> rows[] = {
        {"ok started 2026-12-07T13:00:00Z", "started at 14:00:00"},
        {"ok already running since 2026-12-07T14:00:00+01:00", "already running since 14:00:00"},
        {"ok stopped 2026-12-07T14:00:00+01:00 2026-12-07T14:02:05+01:00 4.1666",
         "stopped at 14:02:05: $4.17"},
        {"ok already stopped", "no call was being timed"},
        {"error Corvellan is ending", std::nullopt},
    };
    for (const auto& [line, text] : rows)
        EXPECT_EQ(CallReplyText(ParseControlReply(line)), text) << line;
    const CallStatus running{true, kTwoPm, 4.1666, 0.045};
    EXPECT_EQ(StatusText(running), "running since 14:00:00, $4.17 so far");
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const bool comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(StatusJson(running),
              "{\"running\":true,\"start\":\"2026-12-07T14:00:00+01:00\",\"cost\":4.17,\"rate\":0.045}\n")
        << (comma ? "under de_DE" : "de_DE is not installed");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(StatusJson({}), "{\"running\":false}\n");
    CurrencySymbol.clear();
}
} // namespace
