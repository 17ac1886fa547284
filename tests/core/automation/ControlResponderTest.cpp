// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/ControlResponder.h"
#include "core/calllog/CallLogText.h"
#include "core/meter/Monitor.h"
#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"
#include "core/platform/Translate.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <filesystem>

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

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    CMonitor monitor{paths, prompter, clock};
    CControlResponder responder;
};

// Each request in turn, as a script would send them: the replies, what reached Calls.log, who the
// monitor was told acted. A status is no tick: the limit's warning stays the tick's to give.
TEST_F(ControlResponderTest, CarriesOutEachRequestOnTheMonitor) {
    Settings.WarnCall = true;
    Settings.CallLimit = 1;
    Causes causes;
    monitor.AddListener(&causes);
    responder.Serve(monitor, clock);
    monitor.Load();
    const std::tuple<std::int64_t, const char*, const char*> steps[] = {
        // seconds to wait, line, reply
        {0, "stop", "ok already stopped"},
        {0, "start", "ok started 2026-12-02T14:00:00+00:00"},
        {5, "start", "ok already running since 2026-12-02T14:00:00+00:00"},
        {120, "status", "ok running 2026-12-02T14:00:00+00:00 4.166666666666667 2"},
        {0, "add 2026-12-02T13:55:00Z 2026-12-02T14:00:01Z",
         "error the call overlaps the call being timed since"},
        {0, "stop", "ok stopped 2026-12-02T14:00:00+00:00 2026-12-02T14:02:05+00:00 4.166666666666667"},
        {60, "toggle", "ok started 2026-12-02T14:03:05+00:00"},
        {30, "toggle", "ok stopped 2026-12-02T14:03:05+00:00 2026-12-02T14:03:35+00:00 1"},
        {0, "add 2026-12-02T13:00:00Z 2026-12-02T13:01:00Z", "ok added 2026-12-02T13:00:00+00:00 "},
        {0, "add 2026-12-02T15:00:00Z 2026-12-02T15:05:00Z", "error the call cannot end later than now"},
        {0, "start please", "error start takes no arguments"},
    };
    for (const auto& [wait, line, reply] : steps) {
        clock.Advance(wait);
        if (line == std::string("stop")) {
            EXPECT_EQ(monitor.Tick(clock.Now()).warnings.size(), monitor.IsRunning() ? 1u : 0u);
        }
        EXPECT_TRUE(Reply(line).starts_with(reply)) << line << ": " << Reply("status");
    }
    EXPECT_EQ(ParseCallLog(TempDir::Read(paths.CallLogFile())).calls.size(), 3u);
    EXPECT_EQ(causes.seen, std::vector<CallCause>(4, CallCause::Control));
}

// Before the month's calls are read (the first run's Preferences are open) and once the window has
// ended, nothing is timed or added; status and raise are answered all along.
TEST_F(ControlResponderTest, TimesNothingBeforeTheLogIsReadOrAfterTheEnd) {
    for (const bool served : {false, true}) {
        if (served)
            responder.Serve(monitor, clock);
        EXPECT_EQ(Reply("start"), "error Corvellan is starting: the call log has not been read yet");
        EXPECT_EQ(Reply("status"), "ok stopped");
        EXPECT_TRUE(responder.Respond("raise").raise);
    }
    monitor.Load();
    EXPECT_EQ(Reply("start"), "ok started 2026-12-02T14:00:00+00:00");
    responder.StopServing();
    EXPECT_EQ(Reply("stop"), "error Corvellan is ending");
    EXPECT_EQ(Reply("status"), "ok stopped");
}
// The protocol is English whatever the window's language: a refused add says why in its words, while
// the same refusal told in the window would be translated, and so is what the window tells the user
// meanwhile (here: the log cannot be written), shown without holding up the reply.
TEST_F(ControlResponderTest, RepliesInEnglishUnderATranslation) {
    SetTranslation(
        [](const char*, const char* text, const char*, int) { return "[de] " + std::string(text); });
    responder.Serve(monitor, clock);
    monitor.Load();
    const std::string reply = Reply("add 2026-12-02T15:00:00Z 2026-12-02T15:05:00Z");
    const std::optional<std::string> told =
        monitor.AddCall(CTime(2026, 12, 2, 15, 0, 0), CTime(2026, 12, 2, 15, 5, 0));
    std::filesystem::remove_all(paths.DataDir());
    TempDir::Write(dir.File("data"), "a file where the data folder was");
    const std::string unwritten = Reply("add 2026-12-02T13:00:00Z 2026-12-02T13:01:00Z");
    SetTranslation({});
    EXPECT_EQ(reply, "error the call cannot end later than now");
    EXPECT_EQ(told, "[de] the call cannot end later than now");
    EXPECT_EQ(unwritten.rfind("error Calls.log could not be written (", 0), 0u) << unwritten;
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ(prompter.shown.back().text.rfind("[de] ", 0), 0u) << prompter.shown.back().text;
    EXPECT_TRUE(prompter.shown.back().notice);
}
} // namespace
