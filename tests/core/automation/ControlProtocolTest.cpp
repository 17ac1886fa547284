#include "core/automation/ControlProtocol.h"
#include "core/automation/ReplyText.h"
#include "core/platform/ProgramState.h"

#include "support/TzGuard.h"

#include <clocale>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {
const TzGuard kBerlin("CET-1CEST,M3.5.0,M10.5.0/3"); // +01:00 in December, +02:00 in July
const CTime kTwoPm(2026, 12, 7, 14, 0, 0);           // 13:00 UTC
const std::string kLongWord(50, 'x');

// What each line asks for, or the reason it asks for nothing.
TEST(ControlProtocolTest, ParsesEachRequestOrSaysWhyNot) {
    const struct {
        const char* line;
        std::optional<ControlVerb> verb;
        const char* error; // the decisive part
    } rows[] = {
        {"raise", ControlVerb::Raise, ""},
        {"start", ControlVerb::Start, ""},
        {"  stop\r", ControlVerb::Stop, ""}, // blanks, and CR LF line ends, are no matter
        {"toggle", ControlVerb::Toggle, ""},
        {"status", ControlVerb::Status, ""},
        {"add 2026-12-07T14:00:00+01:00 2026-12-07T13:10:00Z", ControlVerb::Add, ""},
        {"", std::nullopt, "empty request"},
        {"STATUS", std::nullopt, "unknown request 'STATUS' (raise, start, stop, toggle, status, add)"},
        {"\x01\xff\x7f", std::nullopt, "unknown request '\?\?\?'"},
        {kLongWord.c_str(), std::nullopt, "'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...'"},
        {"start now", std::nullopt, "start takes no arguments"},
        {"add 2026-12-07 14:00:00 2026-12-07 14:10:00", std::nullopt, "add needs START and END"},
        {"add 2026-12-07T14:00:00+01:00", std::nullopt, "add needs START and END"},
        {"add 2026-02-29T14:00:00Z 2026-03-01T00:00:00Z", std::nullopt, "not a time: '2026-02-29T14:00:00Z'"},
        {"add 2026-12-07T24:00:00Z 2026-12-07T14:00:00Z", std::nullopt, "not a time"},
        {"add 2026-12-07T14:00:00 2026-12-07T14:10:00", std::nullopt, "not a time"}, // no offset
        {"add 2026-12-07T14:00:00+0100 2026-12-07T14:10:00Z", std::nullopt, "not a time"},
        {"add 2026-12-07T14:00:00+01:00x 2026-12-07T14:10:00Z", std::nullopt, "not a time"},
    };
    for (const auto& row : rows) {
        const ParsedRequest parsed = ParseControlRequest(row.line);
        EXPECT_EQ(parsed.request ? std::optional(parsed.request->verb) : std::nullopt, row.verb) << row.line;
        EXPECT_NE(parsed.error.find(row.error), std::string::npos) << row.line << ": " << parsed.error;
    }
    const ControlRequest add = *ParseControlRequest(rows[5].line).request;
    EXPECT_EQ(std::pair(add.start, add.end), std::pair(kTwoPm, kTwoPm + CTimeSpan(600)));
}

// A time is read back as the same moment, whatever zone either side is in, and a request line is
// read back as the request.
TEST(ControlProtocolTest, TimesAndRequestsReadBackAsWritten) {
    const CTime summer(2026, 7, 1, 9, 30, 15);
    EXPECT_EQ(TimeWord(kTwoPm), "2026-12-07T14:00:00+01:00");
    EXPECT_EQ(TimeWord(summer), "2026-07-01T09:30:15+02:00");
    for (const CTime time : {kTwoPm, summer, CTime(2026, 3, 29, 3, 0, 0)}) {
        EXPECT_EQ(ReadTimeWord(TimeWord(time)), time) << TimeWord(time);
        const TzGuard elsewhere("EST5EDT,M3.2.0,M11.1.0");
        EXPECT_EQ(ReadTimeWord(TimeWord(time)), time) << "read in New York";
    }
    ControlRequest add;
    add.verb = ControlVerb::Add;
    add.start = summer;
    add.end = kTwoPm;
    const std::string line = ControlRequestLine(add);
    ASSERT_TRUE(line.ends_with("\n"));
    const ParsedRequest parsed = ParseControlRequest(line.substr(0, line.size() - 1));
    ASSERT_TRUE(parsed.request) << parsed.error;
    EXPECT_EQ(std::pair(parsed.request->start, parsed.request->end), std::pair(summer, kTwoPm));
}

TEST(ControlProtocolTest, RepliesSayOkWithWordsOrErrorWithAReason) {
    EXPECT_EQ(ErrorReply("two\nlines\r"), "error two lines ");
    const std::tuple<const char*, bool, std::vector<std::string>, const char*> rows[] = {
        {"ok", true, {}, ""},
        {"ok  stopped\r", true, {"stopped"}, ""},
        {"error the call ends before it starts", false, {}, "the call ends before it starts"},
        {"error", false, {}, "no reason given"},
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
    EXPECT_FALSE(ReadStatusReply(ParseControlReply(StatusReply({})))->running);
    for (const char* line :
         {"ok running 2026-12-07T14:00:00+01:00 nan 2", "ok running now 1 2", "ok", "ok added"})
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
        {"ok stopped", std::nullopt},
        {"ok started yesterday", std::nullopt},
        {"error Corvellan is ending", std::nullopt},
    };
    for (const auto& [line, text] : rows)
        EXPECT_EQ(CallReplyText(ParseControlReply(line)), text) << line;

    const CallStatus running{true, kTwoPm, 4.1666, 0.045};
    EXPECT_EQ(StatusText(running), "running since 14:00:00, $4.17 so far");
    EXPECT_EQ(StatusText({}), "stopped");
    const char* const old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    const bool comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    const std::string json = StatusJson(running);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(json,
              "{\"running\":true,\"start\":\"2026-12-07T14:00:00+01:00\",\"cost\":4.17,\"rate\":0.045}\n")
        << (comma ? "under de_DE" : "de_DE is not installed");
    EXPECT_EQ(nlohmann::json::parse(StatusJson({})), nlohmann::json::parse("{\"running\": false}"));
    CurrencySymbol.clear();
}
} // namespace
