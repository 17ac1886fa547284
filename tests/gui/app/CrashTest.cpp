#include "core/billing/CallArray.h"
#include "core/calllog/CallLog.h"
#include "core/platform/Paths.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TzGuard.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
using Call = std::pair<std::int64_t, std::int64_t>;

// The window program (see CrashDriver.cpp), in this process's environment: offscreen, in UTC.
pid_t StartDriver(const Paths& paths, const std::string& stops, CTime start) {
    std::vector<std::string> args = {CORVELLAN_CRASH_DRIVER, paths.ConfigDir(), paths.DataDir(), stops,
                                     std::to_string(start.GetTime())};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    return ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

// The window program, driven through start/stop cycles, is killed at moments drawn with a fixed
// seed. After each kill Calls.log loads without complaint and holds every call whose stop returned.
TEST(CrashTest, AKillLosesNoCallWhoseStopHadCompleted) {
    TzGuard tz("UTC0");
    TempDir dir;
    const Paths paths(dir.File("config"), dir.File("data"));
    const std::string stopsFile = dir.File("stops");
    TempDir::Write(paths.SettingsFile(), "[Limits]\nMonthLimit=500.00\n");
    std::mt19937 random(20251231);
    std::uniform_int_distribution<int> delayMs(20, 500);
    constexpr int kKills = 20;
    const CTime endOfMonth(2026, 3, 31, 23, 0, 0);
    CTime next(2026, 3, 1, 0, 0, 0);
    std::set<Call> stopped, lost;
    for (int kill = 1; kill <= kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t driver = StartDriver(paths, stopsFile, next);
        ASSERT_GT(driver, 0);
        ::usleep(static_cast<useconds_t>(delayMs(random)) * 1000);
        ::kill(driver, SIGKILL);
        int status = 0;
        ::waitpid(driver, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << status;

        ScriptedPrompter prompter;
        CCallArray calls;
        CCallLog(paths, prompter).Load(calls, endOfMonth);
        EXPECT_TRUE(prompter.shown.empty()) << prompter.shown.front().text;
        std::set<Call> logged;
        for (int i = 0; i < calls.GetSize(); ++i)
            logged.insert({calls.GetAt(i).GetStart().GetTime(), calls.GetAt(i).GetEnd().GetTime()});
        std::istringstream lines(TempDir::Read(stopsFile));
        for (Call call; lines >> call.first >> call.second;) {
            stopped.insert(call);
            if (!logged.contains(call))
                lost.insert(call);
        }
        if (calls.GetSize() > 0)
            next = calls.GetAt(calls.GetSize() - 1).GetEnd() + CTimeSpan(60);
    }
    std::printf("%d kills, %zu calls lost (of %zu stopped)\n", kKills, lost.size(), stopped.size());
    EXPECT_TRUE(lost.empty());
    EXPECT_FALSE(stopped.empty()) << "no call was ever stopped: the kills came too early";
}
} // namespace
