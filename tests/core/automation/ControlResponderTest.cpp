#include "core/automation/ControlResponder.h"
#include "core/calllog/CallLogText.h"
#include "core/meter/Monitor.h"
#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {
struct Causes : MonitorListener {
    void CallStarted(CTime, CallCause cause) override { seen.push_back(cause); }
    void CallStopped(const CCallRecord&, CallCause cause) override { seen.push_back(cause); }
    void ListChanged() override {}
    std::vector<CallCause> seen;
};

class ControlResponderTest : public FreshStateTest {
protected:
    std::string Reply(const char* line) { return responder.Respond(line).reply; }
    std::size_t Logged() const { return ParseCallLog(TempDir::Read(paths.CallLogFile())).calls.size(); }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    CMonitor monitor{paths, prompter, clock};
    CControlResponder responder;
};

// Each request in turn, as a script would send them: the replies, what reached Calls.log, and who
// the monitor was told acted.
TEST_F(ControlResponderTest, CarriesOutEachRequestOnTheMonitor) {
    Causes causes;
    monitor.AddListener(&causes);
    responder.Serve(monitor, clock);
    monitor.Load();
    const struct {
        const char* line;
        const char* reply;
        std::int64_t advance = 0; // seconds, before the line
    } steps[] = {
        {"status", "ok stopped"},
        {"stop", "ok already stopped"},
        {"start", "ok started 2026-12-02T14:00:00+00:00"},
        {"start", "ok already running since 2026-12-02T14:00:00+00:00", 5},
        {"status", "ok running 2026-12-02T14:00:00+00:00 4.166666666666667 2", 120},
        {"add 2026-12-02T13:55:00Z 2026-12-02T14:00:01Z",
         "error the call overlaps the call being timed since"},
        {"stop", "ok stopped 2026-12-02T14:00:00+00:00 2026-12-02T14:02:05+00:00 4.166666666666667"},
        {"toggle", "ok started 2026-12-02T14:03:05+00:00", 60},
        {"toggle", "ok stopped 2026-12-02T14:03:05+00:00 2026-12-02T14:03:35+00:00 1", 30},
        {"add 2026-12-02T13:00:00Z 2026-12-02T13:01:00Z",
         "ok added 2026-12-02T13:00:00+00:00 2026-12-02T13:01:00+00:00 2"},
        {"add 2026-12-02T13:00:30Z 2026-12-02T13:05:00Z", "error the call overlaps the logged call from"},
        {"add 2026-12-02T15:00:00Z 2026-12-02T15:05:00Z", "error the call cannot end later than now"},
        {"start please", "error start takes no arguments"},
    };
    for (const auto& step : steps) {
        clock.Advance(step.advance);
        EXPECT_TRUE(Reply(step.line).starts_with(step.reply)) << step.line << ": " << Reply("status");
    }
    EXPECT_EQ(Logged(), 3u);
    EXPECT_EQ(causes.seen, std::vector<CallCause>(4, CallCause::Control));
}

// Before the month's calls are read (the first run's Preferences are open) and once the window has
// ended, nothing is timed or added; status and raise are answered all along.
TEST_F(ControlResponderTest, TimesNothingBeforeTheLogIsReadOrAfterTheEnd) {
    const char* const starting = "error Corvellan is starting: the call log has not been read yet";
    for (const bool served : {false, true}) {
        if (served)
            responder.Serve(monitor, clock);
        EXPECT_EQ(Reply("start"), starting);
        EXPECT_EQ(Reply("add 2026-12-02T13:00:00Z 2026-12-02T13:01:00Z"), starting);
        EXPECT_EQ(Reply("status"), "ok stopped");
        const CControlResponder::Answer raise = responder.Respond("raise");
        EXPECT_EQ(std::pair(raise.reply, raise.raise), std::pair(std::string("ok"), true));
    }
    monitor.Load();
    EXPECT_EQ(Reply("start"), "ok started 2026-12-02T14:00:00+00:00");
    responder.StopServing();
    EXPECT_EQ(Reply("stop"), "error Corvellan is ending");
    EXPECT_EQ(Reply("status"), "ok stopped");
    EXPECT_FALSE(responder.Respond("status").raise);
}

// A status is no tick: the limit's warning stays for the window's next tick to give.
TEST_F(ControlResponderTest, StatusLeavesTheWarningsToTheTick) {
    Settings.WarnCall = true;
    Settings.CallLimit = 1;
    responder.Serve(monitor, clock);
    monitor.Load();
    Reply("start");
    clock.Advance(120);
    EXPECT_EQ(Reply("status"), "ok running 2026-12-02T14:00:00+00:00 4 2");
    EXPECT_EQ(monitor.Tick(clock.Now()).warnings, std::vector<LimitWarning>{LimitWarning::Call});
}
} // namespace
