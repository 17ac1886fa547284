// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/Monitor.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <filesystem>

namespace {
// What a listener saw, with the number of calls in Calls.log at that moment.
struct Recorder : MonitorListener {
    explicit Recorder(const Paths& paths) : paths(paths) {}
    void CallStarted(CTime start, CallCause) override { seen.push_back("started " + start.Format("%T")); }
    void CallStopped(const CCallRecord& call, CallCause) override {
        seen.push_back("stopped " + call.GetEnd().Format("%T") + ", logged " + Logged());
    }
    void ListChanged() override { seen.push_back("list, logged " + Logged()); }
    std::string Logged() const {
        return std::to_string(ParseCallLog(TempDir::Read(paths.CallLogFile())).calls.size());
    }
    const Paths& paths;
    std::vector<std::string> seen;
};

class MonitorStateTest : public FreshStateTest {
protected:
    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    CMonitor monitor{paths, prompter, clock};
    Recorder recorder{paths};
};

// Nothing is timed before the month's calls are read or after the end; a stop is in Calls.log
// before anyone hears of it, and the end records a call still running.
TEST_F(MonitorStateTest, TimesOnlyBetweenLoadAndEndAndTellsOnceWritten) {
    monitor.AddListener(&recorder);
    EXPECT_FALSE(monitor.Start(CallCause::Control)) << "before the log is read";
    monitor.Load();
    EXPECT_TRUE(monitor.Start(CallCause::User));
    EXPECT_FALSE(monitor.Start(CallCause::Link)) << "one call at a time";
    clock.Advance(60);
    EXPECT_DOUBLE_EQ(monitor.Stop(CallCause::User)->GetCost(), 2.0);
    EXPECT_FALSE(monitor.Stop(CallCause::User));
    monitor.Start(CallCause::Link);
    clock.Advance(30);
    // A stop at a moment before the call's start (a clock set back) is a call of no length.
    EXPECT_EQ(monitor.StopAt(CTime(2026, 12, 2, 13, 0, 0), CallCause::Sleep)->GetEnd(),
              clock.Now() - CTimeSpan(30));
    monitor.Start(CallCause::User);
    clock.Advance(30);
    monitor.End();
    EXPECT_FALSE(monitor.Start(CallCause::User)) << "after the end";
    EXPECT_EQ(recorder.seen, (std::vector<std::string>{"started 14:00:00", "stopped 14:01:00, logged 1",
                                                       "started 14:01:00", "stopped 14:01:00, logged 2",
                                                       "started 14:01:30", "stopped 14:02:00, logged 3"}));
}

// Added calls join the list in order and are written; one that shares time with the call being
// timed is refused, and one that could not be written is not kept for a later save either.
TEST_F(MonitorStateTest, AddsACallOrSaysWhyNot) {
    monitor.Load();
    monitor.AddListener(&recorder);
    const CTime noon(2026, 12, 2, 12, 0, 0);
    EXPECT_EQ(monitor.AddCall(noon, noon + CTimeSpan(600)), std::nullopt);
    EXPECT_EQ(monitor.Meter().Figures().spentToday, 20.0);
    monitor.Start(CallCause::User);
    clock.Advance(120);
    EXPECT_EQ(monitor.AddCall(CTime(2026, 12, 2, 14, 1, 0), clock.Now()),
              "the call overlaps the call being timed since 2026-12-02 14:00:00");
    EXPECT_EQ(monitor.AddCall(noon - CTimeSpan(60), noon + CTimeSpan(1)),
              "the call overlaps the logged call from 2026-12-02 12:00:00 to 2026-12-02 12:10:00");
    EXPECT_EQ(monitor.AddCall(noon, noon - CTimeSpan(1)), "the call ends before it starts");

    std::filesystem::remove_all(paths.DataDir());
    TempDir::Write(dir.File("data"), "a file where the data folder was");
    const std::optional<std::string> refused = monitor.AddCall(noon - CTimeSpan(600), noon);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->rfind("Calls.log could not be written (", 0), 0u) << *refused;
    EXPECT_EQ(monitor.Calls().GetSize(), 1);
    EXPECT_EQ(recorder.seen, (std::vector<std::string>{"list, logged 1", "started 14:00:00"}));
}

// Only finished calls of the current month may be added: one that ends this very second, or lasts
// no time, may; one that ends a second from now, or before it starts, or began last month, not.
TEST(NewCallTest, OnlyFinishedCallsOfTheMonth) {
    const TzGuard utc("UTC0");
    const CTime now(2026, 12, 2, 14, 0, 0);
    const std::tuple<CTime, CTime, bool> rows[] = {
        {now - CTimeSpan(60), now, true},
        {now - CTimeSpan(60), now - CTimeSpan(60), true},
        {now - CTimeSpan(60), now + CTimeSpan(1), false},
        {now, now - CTimeSpan(1), false},
        {CTime(2026, 11, 30, 23, 59, 0), CTime(2026, 12, 1, 0, 1, 0), false},
    };
    for (const auto& [start, end, allowed] : rows)
        EXPECT_EQ(!CMonitor::CheckNewCall(start, end, now), allowed)
            << start.Format("%c") << end.Format(" %c");
}

// The Logs and Reports sheet emptied the list it was given; a call stopped or added while it was
// open stays, and the old file is kept beside the emptied log.
TEST_F(MonitorStateTest, ClearingKeepsTheCallsStoppedMeanwhile) {
    monitor.Load();
    monitor.AddCall(CTime(2026, 12, 2, 9, 0, 0), CTime(2026, 12, 2, 9, 1, 0));
    monitor.AddCall(CTime(2026, 12, 2, 11, 0, 0), CTime(2026, 12, 2, 11, 1, 0));
    monitor.MarkListShown();
    monitor.Start(CallCause::User);
    clock.Advance(60);
    monitor.Stop(CallCause::User);
    monitor.AddCall(CTime(2026, 12, 2, 10, 0, 0), CTime(2026, 12, 2, 10, 1, 0)); // before the others
    monitor.ListCleared();
    ASSERT_EQ(monitor.Calls().GetSize(), 2);
    EXPECT_EQ(monitor.Calls().GetAt(0).GetStart(), CTime(2026, 12, 2, 10, 0, 0));
    EXPECT_EQ(monitor.Calls().GetAt(1).GetStart(), CTime(2026, 12, 2, 14, 0, 0));
    EXPECT_DOUBLE_EQ(monitor.Meter().Figures().spentMonth, 4.0);
    int kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(paths.DataDir()))
        kept += entry.path().filename().string().starts_with("Calls.log.bak-") &&
                ParseCallLog(TempDir::Read(entry.path())).calls.size() == 4;
    EXPECT_EQ(kept, 1) << "the file as it was before the clear, with every call";
}
// Calls kept beside a Calls.log that could not be replaced come back once it can be: the next start
// merges them (none twice), saves, and removes the file that held them; one of another month's
// calls stays where it is.
TEST_F(MonitorStateTest, CallsKeptBesideComeBackOnceTheLogCanBeWritten) {
    TempDir::Write(paths.CallLogFile(), FormatCallLog(CCallArray(), clock.Now(), 0, "$"));
    ::chmod(paths.CallLogFile().c_str(), 0444);
    monitor.Load();
    monitor.Start(CallCause::User);
    clock.Advance(60);
    monitor.Stop(CallCause::User);
    const auto Unsaved = [this] {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(paths.DataDir()))
            if (entry.path().filename().string().starts_with("Calls.log.unsaved-"))
                found.push_back(entry.path().string());
        return found;
    };
    ASSERT_EQ(Unsaved().size(), 1u);
    TempDir::Write(paths.DataDir() + "Calls.log.unsaved-old", TempDir::Read(Unsaved()[0]));
    ::chmod(paths.CallLogFile().c_str(), 0644);

    for (int run = 1; run <= 2; ++run) {
        ScriptedPrompter told;
        CMonitor next(paths, told, clock);
        next.Load();
        EXPECT_EQ(next.Calls().GetSize(), 1);
        EXPECT_EQ(told.shown.size(), run == 1 ? 1u : 0u) << "said once";
    }
    EXPECT_TRUE(Unsaved().empty());
    EXPECT_EQ(ParseCallLog(TempDir::Read(paths.CallLogFile())).calls.size(), 1u);

    clock.Set(CTime(2027, 1, 2, 10, 0, 0));
    TempDir::Write(paths.DataDir() + "Calls.log.unsaved-december", TempDir::Read(paths.CallLogFile()));
    TempDir::Write(paths.CallLogFile(), FormatCallLog(CCallArray(), clock.Now(), 0, "$"));
    CMonitor january(paths, prompter, clock);
    january.Load();
    EXPECT_EQ(january.Calls().GetSize(), 0);
    EXPECT_EQ(Unsaved().size(), 1u) << "December's calls are not January's to take";
}

// A data folder that cannot be written is said at the start; the calls of a run that ends so are
// kept in the fallback folder, the end says it failed, and the next start takes them back.
TEST_F(MonitorStateTest, AnUnwritableDataFolderIsToldAtOnceAndLosesNoCallAtTheEnd) {
    std::filesystem::create_directories(paths.DataDir());
    ::chmod(paths.DataDir().c_str(), 0500);
    EXPECT_TRUE(RunAsUnprivileged(dir.Path(), [this] {
        ScriptedPrompter told;
        CMonitor run(paths, told, clock);
        run.Load();
        const bool toldAtStart = told.shown.size() == 1 &&
                                 told.shown[0].text.starts_with("ERROR : Log file could not be created\n" +
                                                                dir.File("data") + " (");
        run.Start(CallCause::User);
        clock.Advance(60);
        run.End();
        return toldAtStart && run.EndFailed() && run.EndFallback().starts_with(paths.UnsavedDirs()[0]);
    }));
    ::chmod(paths.DataDir().c_str(), 0700);
    monitor.Load();
    EXPECT_EQ(monitor.Calls().GetSize(), 1);
    EXPECT_EQ(ParseCallLog(TempDir::Read(paths.CallLogFile())).calls.size(), 1u);
}
} // namespace
