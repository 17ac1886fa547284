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
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// The window program (see CrashDriver.cpp), driven through start/stop cycles, is killed at moments
// drawn with a fixed seed. After each kill Calls.log loads without complaint and holds every call
// whose stop had returned.
TEST(CrashTest, AKillLosesNoCallWhoseStopHadCompleted) {
    TzGuard tz("UTC0");
    TempDir dir;
    const Paths paths(dir.File("config"), dir.File("data"));
    const std::string stops = dir.File("stops");
    TempDir::Write(paths.SettingsFile(), "[Limits]\nMonthLimit=500.00\n");
    std::mt19937 random(20251231);
    constexpr int kKills = 20;
    CTime next(2026, 3, 1, 0, 0, 0);
    std::set<std::pair<std::int64_t, std::int64_t>> stopped, lost;
    for (int kill = 1; kill <= kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const std::string start = std::to_string(next.GetTime());
        const pid_t driver = ::fork();
        if (driver == 0) {
            ::execl(CORVELLAN_CRASH_DRIVER, CORVELLAN_CRASH_DRIVER, paths.ConfigDir().c_str(),
                    paths.DataDir().c_str(), stops.c_str(), start.c_str(), nullptr);
            ::_exit(127);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(20000, 500000)(random));
        ::kill(driver, SIGKILL);
        int status = 0;
        ::waitpid(driver, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) || status == 0) << status;

        ScriptedPrompter prompter;
        CCallArray calls;
        CCallLog(paths, prompter).Load(calls, CTime(2026, 3, 31, 23, 0, 0));
        EXPECT_TRUE(prompter.shown.empty()) << prompter.shown.front().text;
        std::set<std::pair<std::int64_t, std::int64_t>> logged;
        for (int i = 0; i < calls.GetSize(); ++i)
            logged.insert({calls.GetAt(i).GetStart().GetTime(), calls.GetAt(i).GetEnd().GetTime()});
        std::istringstream lines(TempDir::Read(stops));
        for (std::pair<std::int64_t, std::int64_t> call; lines >> call.first >> call.second;) {
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
