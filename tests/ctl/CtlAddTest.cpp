#include "CtlProcess.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr const char* kNow = "2024-03-10 12:00:00";
constexpr const char* kWindowRunning = "Corvellan is running: stop and start calls in its window\n";
constexpr const char* kRule = "-------------------------------------------";

std::string Header() {
    return std::string(kRule) + "\r\n\t\tMarch Log\r\n" + kRule + "\r\n\r\n";
}

std::string Block(const char* start, const char* end) {
    return std::string("Start:\t") + start + "\r\nEnd:\t" + end + "\r\n\r\n";
}

std::string Totals(const char* count, const char* time, const char* cost, const char* limit,
                   const char* status) {
    return std::string(kRule) + "\r\n\t\tMarch Totals\r\n" + kRule + "\r\nNumber of calls made:\t" + count +
           "\r\nTotal online time:\t" + time + "\r\nCost of all calls:\t" + cost +
           "\r\n\r\nMonth limit for March you have set:" + limit + "\r\nStatus:\t" + status + "\r\n" + kRule;
}

// The name under which the kernel knows this test binary: a lock file naming it and our pid is one
// held by a live process.
std::string OwnProcessName() {
    return std::filesystem::read_symlink("/proc/self/exe").filename().string();
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

void WriteLockFile(const CtlProcess& ctl, pid_t pid, const std::string& processName) {
    std::filesystem::create_directories(ctl.DataDir());
    std::ofstream(ctl.DataDir() + "corvellan.lock") << pid << '\n' << processName << "\n\n";
}

bool LockFileExists(const CtlProcess& ctl) {
    std::error_code ec;
    return std::filesystem::exists(ctl.DataDir() + "corvellan.lock", ec);
}

TEST(CtlAddTest, StartsTheLogOfAnEmptyMonth) {
    CtlProcess ctl;
    const CtlResult result = ctl.Run({"add", "2024-03-06 06:00:00", "2024-03-06 06:30:59", "--now", kNow});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ctl.CallLog(), Header() + Block("06/03/24\t06:00:00", "06/03/24\t06:30:59") +
                                 Totals("1", "0:30:59", "46.48", "0.00",
                                        "WARNING ! You have spent more time online this month than you have "
                                        "intended to."));
    EXPECT_FALSE(LockFileExists(ctl));
}

TEST(CtlAddTest, PutsTheCallInOrderOfItsEnd) {
    CtlProcess ctl;
    ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
    ctl.WriteCallLog(Header() + Block("05/03/24\t10:00:00", "05/03/24\t10:10:00") +
                     Block("08/03/24\t10:00:00", "08/03/24\t10:10:00") +
                     Totals("2", "0:20:0", "40.00", "500.00", "OK ! You are below your month limit."));
    const CtlResult result = ctl.Run({"add", "2024-03-06 09:00:00", "2024-03-06 09:20:00", "--now", kNow});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ctl.CallLog(),
              Header() + Block("05/03/24\t10:00:00", "05/03/24\t10:10:00") +
                  Block("06/03/24\t09:00:00", "06/03/24\t09:20:00") +
                  Block("08/03/24\t10:00:00", "08/03/24\t10:10:00") +
                  Totals("3", "0:40:0", "80.00", "500.00", "OK ! You are below your month limit."));
    const CtlResult calls = ctl.Run({"calls", "--now", kNow});
    EXPECT_NE(calls.out.find("Total calls made:\t3\n"), std::string::npos) << calls.out;
}

TEST(CtlAddTest, RefusesCallsOutsideTheCurrentMonthOrAfterNow) {
    CtlProcess ctl;
    const std::vector<std::vector<std::string>> refused = {
        {"add", "2024-02-29 23:50:00", "2024-03-01 00:10:00", "--now", kNow},
        {"add", "2023-03-06 10:00:00", "2023-03-06 10:10:00", "--now", kNow},
        {"add", "2024-03-10 11:50:00", "2024-03-10 12:00:01", "--now", kNow},
    };
    for (const auto& args : refused) {
        const CtlResult result = ctl.Run(args);
        EXPECT_EQ(result.exitCode, 1) << args[1];
        EXPECT_EQ(result.err.rfind("corvellanctl: ", 0), 0u) << result.err;
        EXPECT_FALSE(ctl.HasCallLog()) << args[1];
    }
}

TEST(CtlAddTest, LeavesALogItCannotTrustAlone) {
    const struct {
        const char* what;
        std::string log;
        const char* loaderSays;
    } cases[] = {
        {"corrupt", "garbage", "ERROR: For some reason the call log file is corrupt."},
        {"last month's",
         std::string(kRule) + "\r\n\t\tFebruary Log\r\n" + kRule + "\r\n\r\n" +
             Block("20/02/24\t10:00:00", "20/02/24\t10:10:00"),
         "Since a new month has started"},
    };
    for (const auto& c : cases) {
        CtlProcess ctl;
        ctl.WriteCallLog(c.log);
        const CtlResult result =
            ctl.Run({"add", "2024-03-06 06:00:00", "2024-03-06 06:30:59", "--now", kNow});
        EXPECT_EQ(result.exitCode, 1) << c.what;
        EXPECT_NE(result.err.find(c.loaderSays), std::string::npos) << c.what << ": " << result.err;
        EXPECT_EQ(ctl.CallLog(), c.log) << c.what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ctl.DataDir()), {}), 1) << c.what;
    }
}

TEST(CtlAddTest, RefusesWhileTheWindowHoldsTheLock) {
    CtlProcess ctl;
    ctl.WriteCallLog(Header());
    WriteLockFile(ctl, ::getpid(), OwnProcessName());
    // The window keeps its lock for hours: its age must not make it look abandoned.
    std::filesystem::last_write_time(ctl.DataDir() + "corvellan.lock",
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(5));
    const CtlResult result = ctl.Run({"add", "2024-03-06 06:00:00", "2024-03-06 06:30:59", "--now", kNow});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, kWindowRunning);
    EXPECT_EQ(ctl.CallLog(), Header());
    EXPECT_TRUE(LockFileExists(ctl)) << "the window's lock must stay";
}

TEST(CtlAddTest, TakesOverTheLockOfAProcessThatIsGone) {
    CtlProcess ctl;
    WriteLockFile(ctl, DeadPid(), OwnProcessName());
    const CtlResult result = ctl.Run({"add", "2024-03-06 06:00:00", "2024-03-06 06:30:59", "--now", kNow});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(ctl.HasCallLog());
    EXPECT_FALSE(LockFileExists(ctl));
}
} // namespace
