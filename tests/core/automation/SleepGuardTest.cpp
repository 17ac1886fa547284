// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/SleepGuard.h"
#include "core/automation/SleepDelay.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <sstream>

namespace {
// Everything the guard did, in order: the sleep held off, let go with what Calls.log held then,
// what the user was told, and the call still timed at the end.
struct Story : SleepDelay {
    explicit Story(const Paths& paths) : paths(paths) {}
    void Hold() override { text += "hold, "; }
    void Release() override {
        text += "saved";
        for (const LoggedCall& call : ParseCallLog(TempDir::Read(paths.CallLogFile())).calls)
            text += " " + call.start.Format("%T-") + call.end.Format("%T");
        text += ", ";
    }
    const Paths& paths;
    std::string text;
};

// A call started at 14:00:00 and what the machine does after: "wait N" moves the clock on N
// seconds, "tick N" as well and ticks the call, "sleep N" sleeps N seconds unannounced, "down" and
// "shutdown" are announced, "up" is the wake or the shutdown called off.
struct SleepCase {
    bool linkUpOnWaking;
    const char* steps;
    std::string story;
};

const std::string kSlept = "The call was stopped at 14:01 when the computer went to sleep";
const SleepCase kCases[] = {
    {false, "start tick 60 wait 30 down sleep 600 up up", "hold, saved 14:00:00-14:01:30, " + kSlept},
    {true, "start tick 60 down sleep 600 up", "hold, saved 14:00:00-14:01:00, hold, running since 14:11:00"},
    {false, "start tick 60 shutdown up",
     "hold, saved 14:00:00-14:01:00, The call was stopped at 14:01 when the computer began to shut down"},
    {false, "down sleep 600 up", ""},
    {false, "start tick 30 tick 30 sleep 600 tick 10", "hold, saved 14:00:00-14:01:00, " + kSlept},
    {true, "start tick 60 sleep 600 tick 10 tick 10",
     "hold, saved 14:00:00-14:01:00, hold, running since 14:11:10"},
    {false, "start sleep 60 tick 0", "hold, running since 14:00:00"},
    {false, "start tick 60 sleep 61 tick 0", "hold, saved 14:00:00-14:01:00, " + kSlept},
};

class SleepGuardTest : public FreshStateTest {};

TEST_F(SleepGuardTest, EndsTheCallAtTheSleepAndDecidesOnWaking) {
    for (const SleepCase& c : kCases) {
        SCOPED_TRACE(c.steps);
        TempDir dir;
        Paths paths{dir.File("config"), dir.File("data")};
        ScriptedPrompter prompter;
        FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
        CMonitor monitor{paths, prompter, clock};
        monitor.Load();
        CSleepGuard guard(monitor, clock);
        Story story(paths);
        guard.SetDelay(&story);
        guard.SetStartOnWake([&c] { return c.linkUpOnWaking; });
        guard.SetNotice([&story](const std::string& text) { story.text += text; });

        std::istringstream steps(c.steps);
        for (std::string step; steps >> step;) {
            std::int64_t seconds = 0;
            if (step == "start")
                monitor.Start(CallCause::User);
            else if (step == "down" || step == "shutdown")
                guard.GoingDown(step == "down" ? CSleepGuard::Down::Sleep : CSleepGuard::Down::Shutdown);
            else if (step == "up")
                guard.BackUp();
            else if (steps >> seconds; step == "sleep")
                clock.Sleep(seconds);
            else if (clock.Advance(seconds); step == "tick")
                monitor.Tick(clock.Now());
        }
        if (monitor.IsRunning())
            story.text += "running since " + monitor.StartTime().Format("%T");
        EXPECT_EQ(story.text, c.story);
    }
}
} // namespace
