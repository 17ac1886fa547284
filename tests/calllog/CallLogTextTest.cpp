#include "CallLogFixture.h"

#include <optional>

namespace {
const std::string kRule(43, '-');

class CallLogText : public CallLogFixture {};

TEST_F(CallLogText, WorkedExampleIsByteForByte) {
    Settings.WeekdayDayRate = 1.23 / 42.05; // the 42:03 call on a Friday evening costs 1.23
    CCallArray calls;
    Fill(calls, {{CTime(1997, 12, 5, 21, 3, 7), CTime(1997, 12, 5, 21, 45, 10)}});
    const std::string text = FormatCallLog(calls, CTime(1997, 12, 20, 12, 0, 0), 20, "$");
    EXPECT_EQ(text,
              kRule + "\r\n\t\tDecember Log\r\n" + kRule +
                  "\r\n\r\nStart:\t05/12/97\t21:03:07\r\nEnd:\t05/12/97\t21:45:10\r\n\r\n" + kRule +
                  "\r\n\t\tDecember Totals\r\n" + kRule +
                  "\r\nNumber of calls made:\t1\r\nTotal online time:\t0:42:3\r\nCost of all calls:\t$1.23"
                  "\r\n\r\nMonth limit for December you have set:$20.00\r\nStatus:\tOK ! You are below "
                  "your month limit.\r\n" +
                  kRule);
    EXPECT_EQ(text.size(), 484u);
}

// Calls from Wednesday 4 March 2026 08:00 at 1 per minute, one minute apart.
struct TotalsCase {
    std::vector<int> callSeconds;
    double limit;
    const char* symbol;
    const char *count, *time, *cost, *limitText;
    bool warning;
};

class CallLogTotals : public CallLogText, public ::testing::WithParamInterface<TotalsCase> {};

TEST_P(CallLogTotals, TotalsAndStatus) {
    const TotalsCase& c = GetParam();
    SetFlatRate(1);
    CCallArray calls;
    CTime start(2026, 3, 4, 8, 0, 0);
    for (int seconds : c.callSeconds) {
        Fill(calls, {{start, start + CTimeSpan(seconds)}});
        start = start + CTimeSpan(seconds + 60);
    }
    const std::string text = FormatCallLog(calls, CTime(2026, 3, 31, 9, 0, 0), c.limit, c.symbol);
    const std::string status =
        c.warning ? "WARNING ! You have spent more time online this month than you have intended to."
                  : "OK ! You are below your month limit.";
    EXPECT_EQ(text.substr(text.find("Number")),
              std::string("Number of calls made:\t") + c.count + "\r\nTotal online time:\t" + c.time +
                  "\r\nCost of all calls:\t" + c.cost + "\r\n\r\nMonth limit for March you have set:" +
                  c.limitText + "\r\nStatus:\t" + status + "\r\n" + kRule);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CallLogTotals,
    ::testing::Values(TotalsCase{{}, 0, "$", "0", "0:0:0", "$0.00", "$0.00", false},
                      TotalsCase{{1200}, 20, "$", "1", "0:20:0", "$20.00", "$20.00", false},
                      TotalsCase{{1201}, 20, "$", "1", "0:20:1", "$20.02", "$20.00", true},
                      TotalsCase{{1, 60}, 0, "", "2", "0:1:1", "1.02", "0.00", true},
                      TotalsCase{{93909}, 2000, "$", "1", "26:5:9", "$1565.15", "$2000.00", false}));

// Expected moments are seconds since the epoch, the fields read as UTC.
TEST_F(CallLogText, TimeFieldsAreReadOrRejected) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"05/12/97\t21:03:07", 881355787},    {"01/01/70\t00:00:05", 5},
        {"31/12/99\t23:59:59", 946684799},    {"01/01/00\t00:00:00", 946684800},
        {"31/12/69\t23:59:59", 3155759999},   {"29/02/96\t12:00:00", 825595200},
        {"05-12-97 21.03.07\r", 881355787},   {"29/02/97\t12:00:00", std::nullopt},
        {"31/04/26\t12:00:00", std::nullopt}, {"00/12/97\t21:03:07", std::nullopt},
        {"05/13/97\t21:03:07", std::nullopt}, {"05/12/97\t24:00:00", std::nullopt},
        {"05/12/97\t21:60:07", std::nullopt}, {"05/12/97\t21:03:60", std::nullopt},
        {" 5/12/97\t21:03:07", std::nullopt}, {"05/12/97\t21:03:0", std::nullopt}};
    for (const auto& [field, seconds] : cases) {
        const std::optional<CTime> read = ParseLogTime(field);
        EXPECT_EQ(read ? std::optional(read->GetTime()) : std::nullopt, seconds) << field;
    }
}

// A local time that occurs twice when the clocks go back names two moments; no log can tell which.
bool Repeated(CTime t) {
    for (const int shift : {-3600, -1800, 1800, 3600})
        if (FormatLogTime(t) == FormatLogTime(t + CTimeSpan(shift)))
            return true;
    return false;
}

// Calls across midnight, across daylight saving changes and in both centuries read back as written.
TEST_F(CallLogText, RoundTripKeepsTimesAndOrder) {
    for (const char* zone : {"UTC0", "Europe/Berlin", "America/New_York", "Australia/Lord_Howe"}) {
        SCOPED_TRACE(zone);
        if (!TzGuard::ZoneAvailable(zone))
            continue;
        TzGuard tz(zone);
        std::vector<LoggedCall> list = {{CTime(2026, 3, 30, 23, 50, 1), CTime(2026, 3, 31, 0, 20, 59)},
                                        {CTime(2026, 3, 2, 9, 0, 0), CTime(2026, 3, 2, 9, 0, 0)},
                                        {CTime(1999, 12, 31, 23, 59, 0), CTime(2000, 1, 1, 0, 1, 0)},
                                        {CTime(2069, 12, 31, 22, 0, 0), CTime(2069, 12, 31, 23, 59, 59)}};
        for (const CTime day :
             {CTime(2026, 3, 8, 0, 0, 0), CTime(2026, 3, 29, 0, 0, 0), CTime(2026, 4, 5, 0, 0, 0),
              CTime(2026, 10, 4, 0, 0, 0), CTime(2026, 10, 25, 0, 0, 0), CTime(2026, 11, 1, 0, 0, 0)})
            for (std::int64_t s = 0; s < 28 * 3600; s += 7 * 60 + 1)
                if (!Repeated(day + CTimeSpan(s)) && !Repeated(day + CTimeSpan(s + 3599)))
                    list.push_back({day + CTimeSpan(s), day + CTimeSpan(s + 3599)});
        CCallArray calls;
        Fill(calls, list);
        const ParsedLog log = ParseCallLog(FormatCallLog(calls, CTime(2026, 3, 31, 12, 0, 0), 20, "$"));
        EXPECT_EQ(log.month, "March");
        EXPECT_EQ(log.unreadable, 0);
        EXPECT_EQ(log.calls, list);
    }
}

TEST_F(CallLogText, ReadingStopsAtAnUnfinishedBlockAndSkipsMalformedOnes) {
    const std::string a = "Start:\t02/03/26\t10:00:00\nEnd:\t02/03/26\t10:30:00\n\n";
    const std::string bad = "Start:\t02/03/26\t10:00:00\nEnd:\t02/03/26\t10:3x:00\n\n";
    const struct {
        std::string text;
        bool corrupt;
        std::size_t calls;
        int unreadable;
    } cases[] = {
        {"", true, 0, 0},
        {" Log\n\t\tMarch\n", true, 0, 0},
        {kRule + "\n\t\tMarch Log\n" + kRule + "\n\n", false, 0, 0},
        {"\t\tMarch Log\n" + a + bad + a + "Start:\t02/03/26\t11:00:00\n", false, 2, 1},
        {"\t\tMarch Log\n" + a + "Start:\t02/03/26\t11:00:00\nEnd:\t02/03/26\t11:01:00", false, 1, 0},
        {"\t\tMarch Log\r\n\r\nStart:\t02/03/26\t10:00:00\r\nEnd:\t02/03/26\t10:30:00\r\n", false, 1, 0}};
    for (const auto& c : cases) {
        const ParsedLog log = ParseCallLog(c.text);
        EXPECT_EQ(log.corrupt, c.corrupt) << c.text;
        EXPECT_EQ(log.calls.size(), c.calls) << c.text;
        EXPECT_EQ(log.unreadable, c.unreadable) << c.text;
    }
}
} // namespace
