#include "CtlProcess.h"

#include "core/calllog/DataLock.h"
#include "core/platform/Paths.h"

#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace {
constexpr const char* kNow = "2024-03-10 12:00:00";
const std::string kCorrupt = "ERROR: For some reason the call log file is corrupt. Information about the "
                             "calls you have made this month will not be available.\n";
const std::string kRule(43, '-');

std::string Block(const char* date, const char* start, const char* end) {
    return std::string("Start:\t") + date + "\t" + start + "\r\nEnd:\t" + date + "\t" + end + "\r\n\r\n";
}

// A Calls.log of March as the window writes it, with a month limit of 500.
std::string Log(const std::string& blocks, const char* count, const char* time, const char* cost) {
    return kRule + "\r\n\t\tMarch Log\r\n" + kRule + "\r\n\r\n" + blocks + kRule +
           "\r\n\t\tMarch Totals\r\n" + kRule + "\r\nNumber of calls made:\t" + count +
           "\r\nTotal online time:\t" + time + "\r\nCost of all calls:\t" + cost +
           "\r\n\r\nMonth limit for March you have set:500.00\r\n" +
           "Status:\tOK ! You are below your month limit.\r\n" + kRule;
}

// The texts themselves are tested in the core: here, that they reach the terminal, that a log the
// loader complains of makes the exit status 1, and that reading writes nothing.
TEST(CtlReadTest, ListsTheMonthOrSaysWhyNot) {
    CtlProcess ctl;
    for (const char* command : {"calls", "report", "rate"})
        EXPECT_EQ(ctl.Run({command}).exitCode, 0) << command;
    EXPECT_FALSE(std::filesystem::exists(ctl.DataDir()));
    EXPECT_FALSE(std::filesystem::exists(ctl.ConfigDir() + "Corvellan.ini"));

    ctl.WriteCallLog(Log(Block("06/03/24", "20:00:00", "20:10:30"), "1", "0:10:30", "21.00"));
    EXPECT_EQ(ctl.Run({"calls", "--now", kNow}).out,
              "03/06/24 20:00:00\t00:10:30\t21.00\nTotal calls made:\t1\n"
              "Time spent online:\t00:10:30\nTotal cost:\t21.00\n");
    EXPECT_EQ(
        ctl.Run({"report", "--now", kNow}).out.rfind("- Brief report for March :\nYou have made 1 call", 0),
        0u);
    ctl.WriteCallLog("not a call log");
    const CtlResult broken = ctl.Run({"calls", "--now", kNow});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_EQ(broken.err, kCorrupt);
    EXPECT_EQ(ctl.CallLog(), "not a call log");
}

// Every add is judged by the whole Calls.log it leaves; nothing is left beside it but the lock.
TEST(CtlAddTest, WritesTheCallInOrderOfItsEndOrRefusesAndWritesNothing) {
    const char *start = "2024-03-06 06:00:00", *end = "2024-03-06 06:30:59";
    const std::string two =
        Log(Block("05/03/24", "10:00:00", "10:10:00") + Block("08/03/24", "10:00:00", "10:10:00"), "2",
            "0:20:0", "40.00");
    const std::string nothing = "; nothing was added\n";
    enum Setup { kPlain, kWindow, kReadOnly };
    const struct {
        const char *start, *end;
        Setup setup;
        std::string before;
        int exitCode;
        std::string err, after;
    } cases[] = {
        {start, end, kPlain, "", 0, "",
         Log(Block("06/03/24", "06:00:00", "06:30:59"), "1", "0:30:59", "46.48")},
        {start, end, kPlain, two, 0, "",
         Log(Block("05/03/24", "10:00:00", "10:10:00") + Block("06/03/24", "06:00:00", "06:30:59") +
                 Block("08/03/24", "10:00:00", "10:10:00"),
             "3", "0:50:59", "86.48")},
        {"2024-03-05 10:09:59", "2024-03-05 10:20:00", kPlain, two, 1,
         "corvellanctl: the call overlaps the logged call from 2024-03-05 10:00:00 to 2024-03-05 10:10:00" +
             nothing,
         two},
        {start, end, kWindow, two, 1, "Corvellan is running: stop and start calls in its window\n", two},
        {start, end, kReadOnly, two, 1,
         "corvellanctl: Calls.log cannot be replaced (it is read-only)" + nothing, two},
        {start, end, kPlain, "garbage", 1,
         kCorrupt +
             "corvellanctl: Calls.log was left as it is: start Corvellan to deal with it, then add the call" +
             nothing,
         "garbage"},
        {"2024-02-29 23:50:00", "2024-03-01 00:10:00", kPlain, "", 1,
         "corvellanctl: only calls of the current month (March 2024) can be added" + nothing, ""},
        {"2024-03-10 11:50:00", "2024-03-10 12:00:01", kPlain, "", 1,
         "corvellanctl: the call cannot end later than now" + nothing, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.err);
        CtlProcess ctl;
        ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
        if (!c.before.empty())
            ctl.WriteCallLog(c.before);
        if (c.setup == kReadOnly)
            std::filesystem::permissions(ctl.DataDir() + "Calls.log", std::filesystem::perms::owner_read);
        std::optional<CDataLock> window;
        if (c.setup == kWindow) {
            ASSERT_EQ(window.emplace(Paths(ctl.ConfigDir(), ctl.DataDir()), LockHolder::Window).Acquire({}),
                      CDataLock::Result::Acquired);
        }
        const CtlResult result = ctl.Run({"add", c.start, c.end, "--now", kNow});
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out + result.err, c.err);
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
            const std::string at = "2024-03-06 10:" + std::to_string(10 + i) + ":";
            results[i] = ctl.Run({"add", at + "00", at + "30", "--now", kNow}, std::to_string(i));
        });
    for (std::thread& add : adds)
        add.join();
    for (const CtlResult& result : results)
        EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(ctl.CallLog().find("Number of calls made:\t20\r\n"), std::string::npos);
}
} // namespace
