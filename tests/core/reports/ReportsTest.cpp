// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/CallArray.h"
#include "core/reports/CallListText.h"
#include "core/reports/CallsCsv.h"
#include "core/reports/MonthFigures.h"
#include "core/reports/ReportJson.h"
#include "core/reports/ReportText.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {
// Every minute costs 1 at any hour, so a call of n minutes costs n.
class ReportTextTest : public FreshStateTest {
protected:
    ReportTextTest() {
        Settings = {.WeekdayDayRate = 1, .WeekdayNightRate = 1, .WeekendDayRate = 1, .WeekendNightRate = 1};
    }

    // Calls of the given lengths on Friday 1 March 2024 from noon, one after another.
    const CCallArray& Calls(std::initializer_list<std::int64_t> seconds) {
        m_calls.RemoveAll();
        CTime start(2024, 3, 1, 12, 0, 0);
        for (const std::int64_t s : seconds) {
            m_calls.Add(CCallRecord(start, start + CTimeSpan(s)));
            start = start + CTimeSpan(s);
        }
        return m_calls;
    }

    CCallArray m_calls;
};

TEST_F(ReportTextTest, WritesTheWholeReport) {
    EXPECT_EQ(
        BuildReportText(Calls({30 * 60, 12 * 60 + 7}), CTime(2024, 3, 12, 18, 0, 0), 100),
        "- Brief report for March :\r\n"
        "You have made 2 call(s) during the first 12 days of this month.\r\n"
        "You have spent a total of 0 hours, 42 minutes and 7 seconds, for which you will pay $42.12\r\n"
        "\r\n"
        "If you go on using the Net in the same way you have done so far, you will end up with a "
        "telephone bill somewhere about $105.29 , which is just above the month limit that you have set "
        "($100.00)\r\n"
        "You shouldn't have any serious worries so far !");
    EXPECT_NE(BuildReportText(Calls({100 * 3600}), CTime(2024, 3, 31, 18, 0, 0), 1e6)
                  .find("a total of 100 hours, 0 minutes and 0 seconds"),
              std::string::npos);
}

// The month's cost so far is projected onto 30 days (on the 1st, 30 times the cost) and judged
// against the limit, 80 % and 125 % of it being the edges of the bands; without a call or a limit too.
TEST_F(ReportTextTest, JudgesTheProjectionAgainstTheLimit) {
    const std::string calm = ")\r\n\r\n\r\nYou shouldn't have any worries so far !";
    const std::string serious = ")\r\nYou shouldn't have any serious worries so far !";
    const std::string fat =
        ")\r\nI suggest you IMMEDIATELY reconsider and optimize the time you spend online, "
        "otherwise be prepared for a FAT telephone bill !";
    const std::tuple<int, int, double, const char*, std::string> cases[] = {
        {8, 3, 100, "$80.00 , which is just under", calm},
        {10, 3, 100, "$100.00 , which is exactly as much as", calm},
        {12, 3, 100, "$120.00 , which is just above", serious},
        {25, 6, 100, "$125.00 , which is just above", serious},
        {20, 3, 100, "$200.00 , which is WAY ABOVE", fat},
        {2, 1, 100, "$60.00 , which is well within", calm},
        // No limit: the projection, and nothing to judge it against.
        {0, 15, 0, "$0.00.", "\r\n\r\nYou have not set a month limit."},
        {1, 30, 0, "$1.00.", "\r\n\r\nYou have not set a month limit."}};
    for (const auto& [minutes, day, limit, verdict, advice] : cases) {
        const std::string text = BuildReportText(minutes ? Calls({minutes * 60}) : Calls({}),
                                                 CTime(2024, 3, day, 18, 0, 0), limit);
        EXPECT_NE(text.find(std::string("about ") + verdict + (limit != 0 ? " the month limit" : "")),
                  std::string::npos)
            << text;
        EXPECT_TRUE(text.ends_with(advice)) << text;
    }
}

// What may still be spent each day to end the month within its limit, today included, rounded
// down to the cent; nothing when no limit is set.
TEST_F(ReportTextTest, PaceSharesWhatIsLeftOverTheDaysLeft) {
    const std::string can = "To stay within your month limit you can spend $";
    const std::string rest = " a day for the rest of the month";
    const std::tuple<int, CTime, double, std::string> cases[] = {
        {0, CTime(2024, 3, 29, 9, 0, 0), 2, can + "0.66" + rest},
        {0, CTime(2024, 3, 29, 9, 0, 0), 0.87, can + "0.29" + rest},
        {0, CTime(2024, 2, 29, 9, 0, 0), 10, can + "10.00" + rest},
        {100, CTime(2024, 3, 31, 18, 0, 0), 100, can + "0.00" + rest},
        {120, CTime(2024, 3, 10, 18, 0, 0), 100, "You have already spent more than your month limit"},
        {120, CTime(2024, 3, 10, 18, 0, 0), 0, ""}};
    for (const auto& [minutes, now, limit, pace] : cases) {
        const std::string report = BuildReportText(Calls({minutes * 60}), now, limit);
        EXPECT_EQ(BuildReportWithPace(m_calls, now, limit),
                  pace.empty() ? report : report + "\r\n\r\n" + pace)
            << now.Format("%d %B, limit ") << limit;
    }
}

TEST_F(ReportTextTest, ListsEachCallAndAddsThemUp) {
    const auto texts = [](const CallListTexts& t) {
        const CallRowTexts last = t.rows.empty() ? CallRowTexts{} : t.rows.back();
        return last.start + " " + last.duration + " " + last.cost + " " + t.callCount + " " + t.totalTime +
               " " + t.totalCost;
    };
    EXPECT_EQ(texts(BuildCallListTexts(Calls({40 * 60, 40 * 60, 40 * 60}))),
              "03/01/24 13:20:00 00:40:00 $40.00 3 2:00:00 $120.00");
    EXPECT_EQ(texts(BuildCallListTexts(Calls({}))), "   0 00:00:00 $0.00");
    EXPECT_EQ(DurationText(CTimeSpan(59 * 60 + 59)) + " " + DurationText(CTimeSpan(3600)),
              "00:59:59 1:00:00");
}

TEST_F(ReportTextTest, CsvQuotesOnlyWhatNeedsItAndWritesTwoDecimals) {
    EXPECT_EQ(CsvField("1,50") + CsvField("say \"hi\"") + CsvField("a\nb") + CsvField("a\rb") +
                  CsvField("plain"),
              "\"1,50\"\"say \"\"hi\"\"\"\"a\nb\"\"a\rb\"plain");
    // 12 min 7 s at 1 a minute is 12.1166...; no currency symbol.
    EXPECT_EQ(BuildCallsCsv(Calls({12 * 60 + 7, 90})), "Start,End,Duration (seconds),Cost\r\n"
                                                       "2024-03-01T12:00:00,2024-03-01T12:12:07,727,12.12\r\n"
                                                       "2024-03-01T12:12:07,2024-03-01T12:13:37,90,1.50\r\n");
}

// A failure is told and leaves the file as it was.
TEST_F(ReportTextTest, ExportWritesTheChosenFileOrSaysWhyNot) {
    TempDir dir;
    const std::string earlier = dir.File("march.csv");
    TempDir::Write(earlier, "old bytes");
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>(), std::optional(earlier + "/x.csv"), std::optional(earlier)}) {
        ScriptedPrompter prompter;
        prompter.saveAnswers = {answer};
        const bool written = ExportCallsCsv(Calls({60}), CTime(2024, 3, 9, 10, 0, 0), prompter);
        EXPECT_EQ(written, answer == earlier);
        EXPECT_EQ(prompter.shown[0].caption + "." + prompter.shown[0].text, "Calls-2024-03.csv");
        EXPECT_EQ(prompter.shown.back().text.starts_with("ERROR : The list of calls could not be saved as " +
                                                         answer.value_or("")),
                  answer && !written);
        EXPECT_EQ(TempDir::Read(earlier), written ? BuildCallsCsv(m_calls) : "old bytes");
    }
}

TEST_F(ReportTextTest, JsonCarriesTheReportsFigures) {
    EXPECT_EQ(JsonString("März \"a\\b\"\t\x01"), "\"März \\\"a\\\\b\\\"\\u0009\\u0001\"");
    EXPECT_EQ(
        BuildReportJson(Calls({30 * 60, 12 * 60 + 7}), CTime(2024, 3, 12, 18, 0, 0), 100),
        "{\n  \"month\": \"March\",\n  \"now\": \"2024-03-12T18:00:00+00:00\",\n  \"day\": 12,\n"
        "  \"calls\": 2,\n  \"online_seconds\": 2527,\n  \"currency_symbol\": \"$\",\n  \"spent\": 42.12,\n"
        "  \"projected\": 105.29,\n  \"month_limit\": 100.00,\n  \"verdict\": \"just_above\",\n"
        "  \"pace\": {\"days_left\": 20, \"per_day\": 2.89, \"over_limit\": false}\n}\n");
    EXPECT_NE(BuildReportJson(Calls({}), CTime(2024, 3, 3, 0, 0, 0), 0).find("\"pace\": null\n}"),
              std::string::npos);
    EXPECT_NE(
        BuildReportJson(Calls({20 * 60}), CTime(2024, 3, 3, 0, 0, 0), 10).find("0.00, \"over_limit\": true}"),
        std::string::npos);
    EXPECT_NE(BuildCallsJson(Calls({90}))
                  .find("[\n    {\"start\": \"2024-03-01T12:00:00+00:00\", \"end\": "
                        "\"2024-03-01T12:01:30+00:00\", \"duration_seconds\": 90, \"cost\": 1.50}\n  ]"),
              std::string::npos);
}

// Round steps, a tenth to spare above the highest bar; nothing to show still gives an axis.
TEST(ChartScaleTest, RoundStepsAboveTheHighestValue) {
    const std::tuple<double, double, double> rows[] = {{0, 1, 0.25},        {5.9, 8, 2},        {80, 100, 20},
                                                       {1234.5, 1500, 250}, {0.03, 0.04, 0.01}, {9.1, 12, 2}};
    for (const auto& [highest, top, step] : rows) {
        const ChartScale scale = ScaleFor(highest);
        EXPECT_NEAR(scale.top, top, 1e-9) << highest;
        EXPECT_NEAR(scale.step, step, 1e-9) << highest;
        EXPECT_GE(scale.Steps(), 4) << highest;
        EXPECT_LE(scale.Steps(), 6) << highest;
    }
}

// Each day from the 1st to today, by the day the call started; other months and later days are left out.
TEST_F(ReportTextTest, ChartSumsTheCostOfEachDaySoFar) {
    CCallArray calls;
    const int rows[][4] = {{2, 3, 20, 5},  {3, 1, 9, 10}, {3, 1, 21, 2},
                           {3, 3, 23, 20}, {3, 5, 8, 1},  {3, 7, 8, 1}};
    for (const auto& [month, day, hour, minutes] : rows)
        calls.Add(CCallRecord(CTime(2024, month, day, hour, 50, 0),
                              CTime(2024, month, day, hour, 50 + minutes, 0)));
    EXPECT_EQ(GetSpentPerDay(calls, CTime(2024, 3, 5, 12, 0, 0)), (std::vector<double>{12, 0, 20, 0, 1}));
}

// Billed from the 15th, on 20 March the month is 15 March to 14 April, day 6 of 31; a call of the
// 14th belongs to the month before. Once the period has ended, its report says what it cost.
TEST_F(ReportTextTest, ABillFromThe15thIsFollowedByTheReportAndTheChart) {
    Settings.PeriodStartDay = 15;
    CCallArray calls;
    calls.Add(CCallRecord(CTime(2024, 3, 16, 12, 0, 0), CTime(2024, 3, 16, 12, 12, 0)));
    const CTime now(2024, 3, 20, 18, 0, 0);
    const std::string report = BuildReportWithPace(calls, now, 100);
    for (const char* part : {"- Brief report for March :\r\nYou have made 1 call(s) during the first 6 days",
                             "about $60.00 , which is well within", "you can spend $3.38 a day"})
        EXPECT_NE(report.find(part), std::string::npos) << report;
    EXPECT_NE(BuildReportJson(calls, now, 100).find("\"day\": 6,"), std::string::npos);
    calls.Add(CCallRecord(CTime(2024, 3, 14, 12, 0, 0), CTime(2024, 3, 14, 12, 30, 0)));
    EXPECT_EQ(GetSpentPerDay(calls, now), (std::vector<double>{0, 12, 0, 0, 0, 0}));

    const CBillingPeriod march = CBillingPeriod::Of(now, 15);
    const CTime later(2024, 4, 20, 12, 0, 0);
    calls.RemoveAll();
    calls.Add(CCallRecord(CTime(2024, 4, 14, 23, 50, 0), CTime(2024, 4, 15, 0, 2, 0)));
    EXPECT_EQ(
        BuildReportWithPace(calls, march, later, 10),
        "- Report for March 2024 :\r\nYou made 1 call(s) during the 31 days of this month (15 March to 14 "
        "April).\r\nYou spent a total of 0 hours, 12 minutes and 0 seconds, for which you pay $12.00, more "
        "than the month limit that you have set ($10.00).");
    EXPECT_EQ(BuildProjectionText(calls, march, later, 10), "Bill for March: $12.00 (month limit $10.00)");
    EXPECT_NE(BuildReportJson(calls, march, later, 10).find("\"day\": 31,"), std::string::npos);
    EXPECT_EQ(GetSpentPerDay(calls, march, later).size(), 31u);
}
} // namespace
