#include "CtlProcess.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

// A pid that belonged to a process that has ended.
pid_t DeadPid() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
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
         "You shouldn't have any serious worries so far !\n\n"
         "To stay within your month limit you can spend 13.58 a day for the rest of the month\n"},
        {"not a call log", "calls", 1, kCorrupt,
         "Total calls made:\t0\nTime spent online:\t00:00:00\nTotal cost:\t0.00\n"},
        {"not a call log", "report", 1, kCorrupt,
         "- Brief report for March :\nYou have made 0 call(s) during the first 10 days of this month.\n"
         "You have spent a total of 0 hours, 0 minutes and 0 seconds, for which you will pay 0.00\n\n"
         "If you go on using the Net in the same way you have done so far, you will end up with a telephone "
         "bill somewhere about 0.00 , which is well within the month limit that you have set (500.00)\n\n\n"
         "You shouldn't have any worries so far !\n\n"
         "To stay within your month limit you can spend 22.72 a day for the rest of the month\n"},
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

// Every add is judged by the whole Calls.log and the files beside it that it leaves behind. Only a
// lock of a live process counts, however old it is: the window keeps its lock for hours.
TEST(CtlAddTest, WritesTheCallInOrderOfItsEndOrRefusesAndWritesNothing) {
    enum Lock { kNoLock, kLiveLock, kDeadLock };
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
    const std::string february = Log("February", Block("20/02/24", "10:00:00", "10:10:00"));
    const std::string leftAlone = "corvellanctl: Calls.log was left as it is: start Corvellan to deal with "
                                  "it, then add the call; nothing was added\n";
    const std::string otherMonth =
        "corvellanctl: only calls of the current month (March 2024) can be added; nothing was added\n";
    const struct {
        const char *what, *start, *end;
        Lock lock;
        std::string before;
        int exitCode;
        std::string err, after;
    } cases[] = {
        {"empty month", start, end, kNoLock, "", 0, "", alone},
        {"between two calls", start, end, kNoLock, two, 0, "", three},
        {"lock of a dead process", start, end, kDeadLock, two, 0, "", three},
        {"window running", start, end, kLiveLock, two, 1,
         "Corvellan is running: stop and start calls in its window\n", two},
        {"corrupt log", start, end, kNoLock, "garbage", 1, kCorrupt + leftAlone, "garbage"},
        {"last month's log", start, end, kNoLock, february, 1,
         "Since a new month has started, Corvellan will clear the call log for February. Corvellan can save "
         "this old log under a different filename, so that you can access it later. Do you wish to save the "
         "log for February? [answered No]\n" +
             leftAlone,
         february},
        {"from last month", "2024-02-29 23:50:00", "2024-03-01 00:10:00", kNoLock, "", 1, otherMonth, ""},
        {"last year", "2023-03-06 10:00:00", "2023-03-06 10:10:00", kNoLock, "", 1, otherMonth, ""},
        {"after now", "2024-03-10 11:50:00", "2024-03-10 12:00:01", kNoLock, "", 1,
         "corvellanctl: the call cannot end later than now; nothing was added\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CtlProcess ctl;
        ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
        if (!c.before.empty())
            ctl.WriteCallLog(c.before);
        if (c.lock != kNoLock) {
            // A lock file naming the pid and the name under which the kernel knows the process.
            const std::string lock = ctl.DataDir() + "corvellan.lock";
            const std::string name = std::filesystem::read_symlink("/proc/self/exe").filename();
            TempDir::Write(lock, std::to_string(c.lock == kLiveLock ? ::getpid() : DeadPid()) + "\n" + name +
                                     "\n\n");
            std::filesystem::last_write_time(lock, std::filesystem::file_time_type::clock::now() -
                                                       std::chrono::hours(5));
        }
        const CtlResult result = ctl.Run({"add", c.start, c.end, "--now", kNow});
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(ctl.CallLog(), c.after);
        EXPECT_EQ(ctl.Has("corvellan.lock"), c.lock == kLiveLock);
        std::error_code ec;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ctl.DataDir(), ec), {}),
                  (c.after.empty() ? 0 : 1) + (c.lock == kLiveLock ? 1 : 0));
    }
}
} // namespace
