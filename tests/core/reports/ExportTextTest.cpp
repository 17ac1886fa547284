#include "ReportFixture.h"

#include "core/reports/CallsCsv.h"
#include "core/reports/MonthFigures.h"
#include "core/reports/ReportJson.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <filesystem>
#include <sys/stat.h>

namespace {
TEST(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"2024-03-01T12:00:00", "2024-03-01T12:00:00"},
        {"1,50", "\"1,50\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"line\nfeed", "\"line\nfeed\""},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(CsvField(text), field) << text;
}

TEST_F(ReportTextTest, CsvHasOneRecordPerCallUnderAHeader) {
    // 12 min 7 s at 1 a minute is 12.1166..., written with two decimals and no currency symbol.
    const CCallArray& calls =
        CallsAt({{CTime(2024, 3, 1, 23, 55, 0), 12 * 60 + 7}, {CTime(2024, 3, 2, 8, 0, 0), 90}});
    EXPECT_EQ(BuildCallsCsv(calls), "Start,End,Duration (seconds),Cost\r\n"
                                    "2024-03-01T23:55:00,2024-03-02T00:07:07,727,12.12\r\n"
                                    "2024-03-02T08:00:00,2024-03-02T08:01:30,90,1.50\r\n");
}

// Only a regular file is replaced; a failure is told and leaves every file as it was.
TEST_F(ReportTextTest, ExportWritesTheChosenFileOrSaysWhyNot) {
    namespace fs = std::filesystem;
    TempDir dir;
    const std::string earlier = dir.File("march.csv");
    TempDir::Write(earlier, "old bytes");
    fs::create_directory(dir.File("folder.csv"));
    ASSERT_EQ(::mkfifo(dir.File("pipe.csv").c_str(), 0600), 0);
    const std::pair<std::optional<std::string>, bool> cases[] = {
        {std::nullopt, false},
        {dir.File("folder.csv"), false},
        {dir.File("pipe.csv"), false},
        {earlier + "/inside.csv", false},
        {earlier, true},
    };
    for (const auto& [answer, written] : cases) {
        SCOPED_TRACE(answer.value_or("cancelled"));
        ScriptedPrompter prompter;
        prompter.saveAnswers = {answer};
        EXPECT_EQ(ExportCallsCsv(Calls({60}), CTime(2024, 3, 9, 10, 0, 0), prompter), written);
        EXPECT_EQ(prompter.shown[0].caption + "." + prompter.shown[0].text, "Calls-2024-03.csv");
        ASSERT_EQ(prompter.shown.size(), answer && !written ? 2u : 1u);
        if (!written) {
            EXPECT_EQ(TempDir::Read(earlier), "old bytes");
        }
        if (prompter.shown.size() == 2) {
            EXPECT_EQ(prompter.shown[1].caption, "Corvellan Error");
            EXPECT_EQ(prompter.shown[1].text.rfind(
                          "ERROR : The list of calls could not be saved as " + *answer + " (", 0),
                      0u);
        }
    }
    EXPECT_EQ(TempDir::Read(earlier), BuildCallsCsv(Calls({60})));
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe.csv")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 3) << "no temporary file left";
}

TEST(JsonStringTest, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonString("März \"a\\b\"\t\x01"), "\"März \\\"a\\\\b\\\"\\u0009\\u0001\"");
}

TEST_F(ReportTextTest, JsonCarriesTheReportsFigures) {
    EXPECT_EQ(
        BuildReportJson(Calls({30 * 60, 12 * 60 + 7}), CTime(2024, 3, 12, 18, 0, 0), 100),
        "{\n  \"month\": \"March\",\n  \"now\": \"2024-03-12T18:00:00+00:00\",\n  \"day\": 12,\n"
        "  \"calls\": 2,\n  \"online_seconds\": 2527,\n  \"currency_symbol\": \"$\",\n  \"spent\": 42.12,\n"
        "  \"projected\": 105.29,\n  \"month_limit\": 100.00,\n  \"verdict\": \"just_above\",\n"
        "  \"pace\": {\"days_left\": 20, \"per_day\": 2.89, \"over_limit\": false}\n}\n");
    EXPECT_NE(
        BuildReportJson(Calls({}), CTime(2024, 3, 1, 0, 0, 0), 0).find("\"exactly\",\n  \"pace\": null\n"),
        std::string::npos);
    EXPECT_NE(
        BuildReportJson(Calls({20 * 60}), CTime(2024, 3, 3, 0, 0, 0), 10)
            .find("\"way_above\",\n  \"pace\": {\"days_left\": 29, \"per_day\": 0.00, \"over_limit\": true}"),
        std::string::npos);
}

TEST_F(ReportTextTest, JsonListsEachCallAndTheTotals) {
    EXPECT_EQ(BuildCallsJson(Calls({})),
              "{\n  \"calls\": [],\n  \"count\": 0,\n  \"online_seconds\": 0,\n  \"total_cost\": 0.00\n}\n");
    EXPECT_EQ(BuildCallsJson(CallsAt({{CTime(2024, 3, 2, 9, 0, 0), 90}})),
              "{\n  \"calls\": [\n    {\"start\": \"2024-03-02T09:00:00+00:00\", \"end\": "
              "\"2024-03-02T09:01:30+00:00\", "
              "\"duration_seconds\": 90, \"cost\": 1.50}\n  ],\n  \"count\": 1,\n  \"online_seconds\": 90,\n "
              " \"total_cost\": 1.50\n}\n");
}

// Each day from the 1st to today, by the day the call started; other months and later days are left out.
TEST_F(ReportTextTest, ChartSumsTheCostOfEachDaySoFar) {
    const CCallArray& calls = CallsAt({{CTime(2024, 2, 3, 20, 0, 0), 5 * 60},
                                       {CTime(2024, 3, 1, 9, 0, 0), 10 * 60},
                                       {CTime(2024, 3, 1, 21, 0, 0), 2 * 60},
                                       {CTime(2024, 3, 3, 23, 50, 0), 20 * 60},
                                       {CTime(2024, 3, 5, 8, 0, 0), 90},
                                       {CTime(2024, 3, 7, 8, 0, 0), 60}});
    EXPECT_EQ(GetSpentPerDay(calls, CTime(2024, 3, 5, 12, 0, 0)), (std::vector<double>{12, 0, 20, 0, 1.5}));
}
} // namespace
