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
        {"", ""},
        {"1,50", "\"1,50\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"line\nfeed", "\"line\nfeed\""},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(CsvField(text), field) << text;
}

TEST_F(ReportTextTest, CsvHasOneRecordPerCallUnderAHeader) {
    // 12 min 7 s at 1 a minute is 12.1166..., written with two decimals.
    const CCallArray& calls =
        CallsAt({{CTime(2024, 3, 1, 23, 55, 0), 12 * 60 + 7}, {CTime(2024, 3, 2, 8, 0, 0), 90}});
    EXPECT_EQ(BuildCallsCsv(calls), "Start,End,Duration (seconds),Cost\r\n"
                                    "2024-03-01T23:55:00,2024-03-02T00:07:07,727,12.12\r\n"
                                    "2024-03-02T08:00:00,2024-03-02T08:01:30,90,1.50\r\n");
    CurrencySymbol = "€";
    EXPECT_EQ(BuildCallsCsv(Calls({})), "Start,End,Duration (seconds),Cost\r\n") << "no symbol, no totals";
}

TEST_F(ReportTextTest, ExportWritesTheChosenFileOrSaysWhyNot) {
    TempDir dir;
    const std::string existing = dir.File("march.csv");
    TempDir::Write(existing, "old bytes");
    std::filesystem::create_directory(dir.File("folder.csv"));
    ASSERT_EQ(::mkfifo(dir.File("pipe.csv").c_str(), 0600), 0);
    const CCallArray& calls = Calls({60});
    const CTime now(2024, 3, 9, 10, 0, 0);
    const struct {
        const char* name;
        std::optional<std::string> answer;
        bool written;
    } cases[] = {
        {"cancelled", std::nullopt, false},         {"a directory", dir.File("folder.csv"), false},
        {"a pipe", dir.File("pipe.csv"), false},    {"under a regular file", existing + "/inside.csv", false},
        {"over an earlier export", existing, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter;
        prompter.saveAnswers = {c.answer};
        EXPECT_EQ(ExportCallsCsv(calls, now, prompter), c.written);
        ASSERT_EQ(prompter.Count(ScriptedPrompter::Kind::SaveAs), 1);
        EXPECT_EQ(prompter.shown[0].caption, "Calls-2024-03");
        EXPECT_EQ(prompter.shown[0].text, "csv");
        const bool failed = c.answer && !c.written;
        ASSERT_EQ(prompter.Count(ScriptedPrompter::Kind::Message), failed ? 1 : 0);
        if (failed) {
            EXPECT_EQ(prompter.shown[1].caption, "Corvellan Error");
            EXPECT_EQ(prompter.shown[1].icon, PromptIcon::Stop);
            EXPECT_EQ(prompter.shown[1].text.rfind(
                          "ERROR : The list of calls could not be saved as " + *c.answer, 0),
                      0u);
            EXPECT_EQ(TempDir::Read(existing), "old bytes");
        }
    }
    EXPECT_EQ(TempDir::Read(existing), BuildCallsCsv(calls));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.csv")));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe.csv")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3) << "no temporary left";
}

TEST(JsonStringTest, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonString("März"), "\"März\"");
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString(std::string("\t\n\x01", 3)), "\"\\u0009\\u000a\\u0001\"");
}

TEST_F(ReportTextTest, JsonCarriesTheReportsFigures) {
    EXPECT_EQ(BuildReportJson(Calls({30 * 60, 12 * 60 + 7}), CTime(2024, 3, 12, 18, 0, 0), 100),
              "{\n"
              "  \"month\": \"March\",\n"
              "  \"now\": \"2024-03-12T18:00:00+00:00\",\n"
              "  \"day\": 12,\n"
              "  \"calls\": 2,\n"
              "  \"online_seconds\": 2527,\n"
              "  \"currency_symbol\": \"$\",\n"
              "  \"spent\": 42.12,\n"
              "  \"projected\": 105.29,\n"
              "  \"month_limit\": 100.00,\n"
              "  \"verdict\": \"just_above\",\n"
              "  \"pace\": {\"days_left\": 20, \"per_day\": 2.89, \"over_limit\": false}\n"
              "}\n");
    const std::string unlimited = BuildReportJson(Calls({}), CTime(2024, 3, 1, 0, 0, 0), 0);
    EXPECT_NE(unlimited.find("\"verdict\": \"exactly\",\n  \"pace\": null\n"), std::string::npos);
    const std::string over = BuildReportJson(Calls({20 * 60}), CTime(2024, 3, 3, 0, 0, 0), 10);
    EXPECT_NE(over.find("\"verdict\": \"way_above\",\n  \"pace\": {\"days_left\": 29, \"per_day\": 0.00, "
                        "\"over_limit\": true}"),
              std::string::npos);
}

TEST_F(ReportTextTest, JsonListsEachCallWithItsZone) {
    EXPECT_EQ(BuildCallsJson(Calls({})),
              "{\n  \"calls\": [],\n  \"count\": 0,\n  \"online_seconds\": 0,\n  \"total_cost\": 0.00\n}\n");
    TzGuard berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    const CCallArray& calls =
        CallsAt({{CTime(2024, 3, 31, 1, 50, 0), 20 * 60}, {CTime(2024, 4, 2, 9, 0, 0), 90}});
    EXPECT_EQ(BuildCallsJson(calls),
              "{\n  \"calls\": [\n"
              "    {\"start\": \"2024-03-31T01:50:00+01:00\", \"end\": \"2024-03-31T03:10:00+02:00\", "
              "\"duration_seconds\": 1200, \"cost\": 20.00},\n"
              "    {\"start\": \"2024-04-02T09:00:00+02:00\", \"end\": \"2024-04-02T09:01:30+02:00\", "
              "\"duration_seconds\": 90, \"cost\": 1.50}\n"
              "  ],\n  \"count\": 2,\n  \"online_seconds\": 1290,\n  \"total_cost\": 21.50\n}\n");
}

// Each day from the 1st to today, by the day the call started; other months and later days are left out.
TEST_F(ReportTextTest, ChartSumsTheCostOfEachDaySoFar) {
    const CCallArray& calls = CallsAt({
        {CTime(2024, 2, 3, 20, 0, 0), 5 * 60},
        {CTime(2024, 3, 1, 9, 0, 0), 10 * 60},
        {CTime(2024, 3, 1, 21, 0, 0), 2 * 60},
        {CTime(2024, 3, 3, 23, 50, 0), 20 * 60},
        {CTime(2024, 3, 5, 8, 0, 0), 90},
        {CTime(2024, 3, 7, 8, 0, 0), 60},
    });
    EXPECT_EQ(GetSpentPerDay(calls, CTime(2024, 3, 5, 12, 0, 0)), (std::vector<double>{12, 0, 20, 0, 1.5}));
    EXPECT_EQ(GetSpentPerDay(calls, CTime(2024, 4, 1, 0, 0, 0)), (std::vector<double>{0}));
}
} // namespace
