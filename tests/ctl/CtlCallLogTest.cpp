#include "CtlProcess.h"

#include "core/calllog/DataLock.h"
#include "core/platform/Paths.h"

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace {
constexpr const char* kNow = "2024-03-10 12:00:00";
constexpr const char* kCorrupt = "ERROR: For some reason the call log file is corrupt. Information about the "
                                 "calls you have made this month will not be available.\n";
const std::string kRule(43, '-');

std::string Block(const char* date, const char* start, const char* end) {
    return std::string("Start:\t") + date + "\t" + start + "\r\nEnd:\t" + date + "\t" + end + "\r\n\r\n";
}

// A Calls.log as the window writes it, with a month limit of 500.
std::string Log(const std::string& month, const std::string& blocks, const char* count = "0",
                const char* time = "0:0:0", const char* cost = "0.00") {
    return kRule + "\r\n\t\t" + month + " Log\r\n" + kRule + "\r\n\r\n" + blocks + kRule + "\r\n\t\t" +
           month + " Totals\r\n" + kRule + "\r\nNumber of calls made:\t" + count +
           "\r\nTotal online time:\t" + time + "\r\nCost of all calls:\t" + cost +
           "\r\n\r\nMonth limit for " + month +
           " you have set:500.00\r\nStatus:\tOK ! You are below your month limit.\r\n" + kRule;
}

// A log that cannot be read is reported, and what could be read is still shown. Nothing is written.
TEST(CtlReadTest, ListsAndReportsTheMonthEvenFromABrokenLog) {
    const std::string log =
        Log("March", Block("06/03/24", "20:00:00", "20:10:30") + Block("06/03/24", "23:00:00", "23:45:00") +
                         Block("09/03/24", "10:00:00", "11:05:08"));
    const struct {
        std::string log;
        const char* command;
        int exitCode;
        const char *err, *out;
    } cases[] = {
        {log, "calls", 0, "",
         "03/06/24 20:00:00\t00:10:30\t21.00\n03/06/24 23:00:00\t00:45:00\t82.50\n"
         "03/09/24 10:00:00\t1:05:08\t97.70\nTotal calls made:\t3\nTime spent online:\t2:00:38\n"
         "Total cost:\t201.20\n"},
        {log, "report", 0, "",
         "- Brief report for March :\nYou have made 3 call(s) during the first 10 days of this month.\n"
         "You have spent a total of 2 hours, 0 minutes and 38 seconds, for which you will pay 201.20\n\n"
         "If you go on using the Net in the same way you have done so far, you will end up with a telephone "
         "bill somewhere about 603.60 , which is just above the month limit that you have set (500.00)\n"
         "You shouldn't have any serious worries so far !\n"},
        {"not a call log", "calls", 1, kCorrupt,
         "Total calls made:\t0\nTime spent online:\t00:00:00\nTotal cost:\t0.00\n"},
    };
    CtlProcess ctl;
    ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + (c.exitCode ? " of a broken log" : ""));
        ctl.WriteCallLog(c.log);
        const CtlResult result = ctl.Run({c.command, "--now", kNow});
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(ctl.CallLog(), c.log);
    }
}

TEST(CtlReadTest, ReadingCreatesNoFile) {
    CtlProcess ctl;
    for (const char* command : {"calls", "report", "rate"})
        EXPECT_EQ(ctl.Run({command}).exitCode, 0) << command;
    EXPECT_FALSE(std::filesystem::exists(ctl.DataDir()));
    EXPECT_FALSE(std::filesystem::exists(ctl.ConfigDir() + "Corvellan.ini"));
}

// Every add is judged by the whole Calls.log it leaves; nothing else is left beside it but the lock.
TEST(CtlAddTest, WritesTheCallInOrderOfItsEndOrRefusesAndWritesNothing) {
    const char *start = "2024-03-06 06:00:00", *end = "2024-03-06 06:30:59";
    const std::string alone =
        Log("March", Block("06/03/24", "06:00:00", "06:30:59"), "1", "0:30:59", "46.48");
    const std::string two =
        Log("March", Block("05/03/24", "10:00:00", "10:10:00") + Block("08/03/24", "10:00:00", "10:10:00"),
            "2", "0:20:0", "40.00");
    const std::string three =
        Log("March",
            Block("05/03/24", "10:00:00", "10:10:00") + Block("06/03/24", "06:00:00", "06:30:59") +
                Block("08/03/24", "10:00:00", "10:10:00"),
            "3", "0:50:59", "86.48");
    const std::string leftAlone = "corvellanctl: Calls.log was left as it is: start Corvellan to deal with "
                                  "it, then add the call; nothing was added\n";
    const struct {
        const char *what, *start, *end;
        bool window, readOnly;
        std::string before;
        int exitCode;
        std::string err, after;
    } cases[] = {
        {"empty month", start, end, false, false, "", 0, "", alone},
        {"between two calls", start, end, false, false, two, 0, "", three},
        {"overlapping a call", "2024-03-05 10:09:59", "2024-03-05 10:20:00", false, false, two, 1,
         "corvellanctl: the call overlaps the logged call from 2024-03-05 10:00:00 to 2024-03-05 10:10:00; "
         "nothing was added\n",
         two},
        {"window running", start, end, true, false, two, 1,
         "Corvellan is running: stop and start calls in its window\n", two},
        {"read-only log", start, end, false, true, two, 1,
         "corvellanctl: Calls.log cannot be replaced (it is read-only); nothing was added\n", two},
        {"corrupt log", start, end, false, false, "garbage", 1, kCorrupt + leftAlone, "garbage"},
        {"from last month", "2024-02-29 23:50:00", "2024-03-01 00:10:00", false, false, "", 1,
         "corvellanctl: only calls of the current month (March 2024) can be added; nothing was added\n", ""},
        {"after now", "2024-03-10 11:50:00", "2024-03-10 12:00:01", false, false, "", 1,
         "corvellanctl: the call cannot end later than now; nothing was added\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CtlProcess ctl;
        ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
        if (!c.before.empty())
            ctl.WriteCallLog(c.before);
        if (c.readOnly)
            std::filesystem::permissions(ctl.DataDir() + "Calls.log", std::filesystem::perms::owner_read);
        std::optional<CDataLock> window;
        if (c.window && window.emplace(Paths(ctl.ConfigDir(), ctl.DataDir()), LockHolder::Window)
                                .Acquire(std::chrono::milliseconds(0)) != CDataLock::Result::Acquired)
            FAIL() << "the test could not take the window's lock";
        const CtlResult result = ctl.Run({"add", c.start, c.end, "--now", kNow});
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(ctl.CallLog(), c.after);
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(ctl.DataDir(), ec))
            EXPECT_TRUE(entry.path().filename() == "Calls.log" || entry.path().filename() == "corvellan.lock")
                << entry.path();
    }
}

// Twenty adds started together with no window: each waits its turn, and every call is logged.
TEST(CtlAddTest, AddsStartedTogetherAllGetTheirTurn) {
    CtlProcess ctl;
    std::vector<std::thread> adds;
    std::vector<CtlResult> results(20);
    for (int i = 0; i < 20; ++i)
        adds.emplace_back([&, i] {
            const std::string minute = (i < 10 ? "0" : "") + std::to_string(i);
            results[i] = ctl.Run(
                {"add", "2024-03-06 10:" + minute + ":00", "2024-03-06 10:" + minute + ":30", "--now", kNow},
                "-" + std::to_string(i));
        });
    for (std::thread& add : adds)
        add.join();
    for (const CtlResult& result : results)
        EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(ctl.CallLog().find("Number of calls made:\t20\r\n"), std::string::npos);
}
} // namespace
