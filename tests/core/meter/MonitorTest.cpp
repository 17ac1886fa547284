// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/Monitor.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"
#include "core/reports/MonthList.h"

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
    // The files beside path whose names go on with mark.
    static std::vector<std::string> Beside(const std::string& path, const char* mark) {
        std::vector<std::string> found;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
            if (entry.path().string().starts_with(path + mark))
                found.push_back(entry.path().string());
        return found;
    }
    // A call of a minute from now.
    void Stop(CMonitor& m) {
        m.Start(CallCause::User);
        clock.Advance(60);
        m.Stop(CallCause::User);
    }
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

// A box runs the event loop, so a stop from the tray may come while one is open: it finds the
// change complete. The call that could not be written is out of the list by then, so Calls.log
// never holds a call that was told as not added.
TEST_F(MonitorStateTest, AStopWhileAFailureIsShownFindsTheAddUndone) {
    monitor.Load();
    monitor.Start(CallCause::User);
    clock.Advance(60);
    std::filesystem::remove_all(paths.DataDir());
    TempDir::Write(dir.File("data"), "a file where the data folder was");
    prompter.whileShown = [this](const ScriptedPrompter::Shown&) {
        prompter.whileShown = nullptr;
        std::filesystem::remove(dir.File("data"));
        std::filesystem::create_directories(paths.DataDir());
        monitor.Stop(CallCause::User);
    };
    EXPECT_TRUE(monitor.AddCall(CTime(2026, 12, 2, 12, 0, 0), CTime(2026, 12, 2, 12, 10, 0)));
    EXPECT_EQ(monitor.Calls().GetSize(), 1);
    EXPECT_EQ(ParseCallLog(TempDir::Read(paths.CallLogFile())).calls.size(), 1u);
}

// What a script, the link or the machine's sleep changed is told without waiting for anyone: the
// script waits for its reply, the machine for its sleep. What the user did is told in a box.
TEST_F(MonitorStateTest, OnlyTheUsersOwnChangesWaitForTheUser) {
    monitor.Load();
    std::filesystem::remove_all(paths.DataDir());
    TempDir::Write(dir.File("data"), "a file where the data folder was");
    const struct {
        CallCause cause;
        bool added; // else timed
        bool notice;
    } rows[] = {
        {CallCause::User, false, false}, {CallCause::Control, false, true}, {CallCause::Link, false, true},
        {CallCause::Sleep, false, true}, {CallCause::User, true, false},    {CallCause::Control, true, true},
    };
    CTime addedEnd(2026, 12, 2, 1, 0, 0);
    for (const auto& row : rows) {
        prompter.shown.clear();
        if (row.added) {
            monitor.AddCall(addedEnd - CTimeSpan(60), addedEnd, row.cause);
            addedEnd = addedEnd + CTimeSpan(3600);
        } else {
            monitor.Start(row.cause);
            clock.Advance(60);
            monitor.Stop(row.cause);
        }
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].notice, row.notice) << static_cast<int>(row.cause) << row.added;
    }
}

// Only finished calls of the current month may be added: one that ends this very second, or lasts
// no time, may; one that ends a second from now or began last month, not (one that ends before it
// starts: see AddsACallOrSaysWhyNot).
TEST(NewCallTest, OnlyFinishedCallsOfTheMonth) {
    const TzGuard utc("UTC0");
    const CTime now(2026, 12, 2, 14, 0, 0);
    const std::tuple<CTime, CTime, bool> rows[] = {
        {now - CTimeSpan(60), now, true},
        {now - CTimeSpan(60), now - CTimeSpan(60), true},
        {now - CTimeSpan(60), now + CTimeSpan(1), false},
        {CTime(2026, 11, 30, 23, 59, 0), CTime(2026, 12, 1, 0, 1, 0), false},
    };
    for (const auto& [start, end, allowed] : rows)
        EXPECT_EQ(!CMonitor::CheckNewCall(start, end, now), allowed)
            << start.Format("%c") << end.Format(" %c");
    // Billed from the 15th, the month began on 15 November.
    Settings.PeriodStartDay = 15;
    EXPECT_FALSE(CMonitor::CheckNewCall(CTime(2026, 11, 15, 0, 0, 0), CTime(2026, 11, 15, 0, 1, 0), now));
    EXPECT_EQ(CMonitor::CheckNewCall(CTime(2026, 11, 14, 23, 0, 0), CTime(2026, 11, 14, 23, 1, 0), now),
              "only calls of the current month (15 November to 14 December 2026) can be added");
    Settings = CSettings{};
}

// The Logs and Reports sheet emptied the list it was given; a call stopped or added while it was
// open stays, and the old file is kept beside the emptied log.
TEST_F(MonitorStateTest, ClearingKeepsTheCallsStoppedMeanwhile) {
    monitor.Load();
    monitor.AddCall(CTime(2026, 12, 2, 9, 0, 0), CTime(2026, 12, 2, 9, 1, 0));
    monitor.AddCall(CTime(2026, 12, 2, 11, 0, 0), CTime(2026, 12, 2, 11, 1, 0));
    monitor.MarkListShown();
    Stop(monitor);
    monitor.AddCall(CTime(2026, 12, 2, 10, 0, 0), CTime(2026, 12, 2, 10, 1, 0)); // before the others
    monitor.ListCleared();
    ASSERT_EQ(monitor.Calls().GetSize(), 2);
    EXPECT_EQ(monitor.Calls().GetAt(0).GetStart(), CTime(2026, 12, 2, 10, 0, 0));
    EXPECT_EQ(monitor.Calls().GetAt(1).GetStart(), CTime(2026, 12, 2, 14, 0, 0));
    EXPECT_DOUBLE_EQ(monitor.Meter().Figures().spentMonth, 4.0);
    const std::vector<std::string> kept = Beside(paths.CallLogFile(), ".bak-");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ParseCallLog(TempDir::Read(kept[0])).calls.size(), 4u) << "the file as it was, with every call";
}
// Calls kept beside a Calls.log that could not be replaced come back once it can be: the next start
// merges them (none twice), saves, and removes the file that held them; one of another month's
// calls stays where it is.
TEST_F(MonitorStateTest, CallsKeptBesideComeBackOnceTheLogCanBeWritten) {
    TempDir::Write(paths.CallLogFile(), FormatCallLog(CCallArray(), clock.Now(), 0, "$"));
    ::chmod(paths.CallLogFile().c_str(), 0444);
    monitor.Load();
    Stop(monitor);
    const auto Unsaved = [this] {
        return Beside(paths.CallLogFile(), ".unsaved-");
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

namespace {
using Calls = std::vector<LoggedCall>;
const LoggedCall kOct{CTime(2026, 10, 10, 10, 0, 0), CTime(2026, 10, 10, 10, 10, 0)};
const LoggedCall kNov10{CTime(2026, 11, 10, 10, 0, 0), CTime(2026, 11, 10, 10, 10, 0)};
const LoggedCall kNov20{CTime(2026, 11, 20, 10, 0, 0), CTime(2026, 11, 20, 10, 20, 0)};
const LoggedCall kNov25{CTime(2026, 11, 25, 10, 0, 0), CTime(2026, 11, 25, 10, 1, 0)};
const LoggedCall kDec1{CTime(2026, 12, 1, 9, 0, 0), CTime(2026, 12, 1, 9, 5, 0)};
const LoggedCall kJan{CTime(2027, 1, 5, 9, 0, 0), CTime(2027, 1, 5, 9, 5, 0)};

class HistoryTest : public MonitorStateTest {
protected:
    static std::string LogOf(const Calls& calls, CTime written) {
        return FormatCallLog(CallArrayOf(calls), written, 0, "$");
    }
    static Calls Read(const std::string& file) { return ParseCallLog(TempDir::Read(file)).calls; }
    std::string History(const char* name) const { return paths.HistoryDir() + name; }
    // The copies kept beside path.
    static int Copies(const std::string& path) { return static_cast<int>(Beside(path, ".bak-").size()); }
};

// November's calls go to the history at the start whatever the roll-over question is answered, into
// an empty history or merged with what it holds (its old text kept beside it when a call was added,
// untouched when none was); Calls.log is then written as ever, with December's calls only.
TEST_F(HistoryTest, AtTheStartLastMonthGoesToTheHistoryWhateverTheAnswer) {
    const std::tuple<bool, Calls, Calls> rows[] = {
        {false, {}, {kNov10, kNov20}},
        {true, {}, {kNov10, kNov20}},
        {false, {kNov10}, {kNov10, kNov20}},
        {true, {kNov10, kNov20}, {kNov10, kNov20}},
        {false, {kNov25}, {kNov10, kNov20, kNov25}},
    };
    for (const auto& [yes, held, kept] : rows) {
        SCOPED_TRACE(std::to_string(held.size()) + (yes ? " held, yes" : " held, no"));
        std::filesystem::remove_all(paths.DataDir());
        clock.Set(CTime(2026, 12, 2, 14, 0, 0));
        TempDir::Write(paths.CallLogFile(), LogOf({kNov10, kNov20, kDec1}, kDec1.end));
        const std::string before = held.empty() ? "" : LogOf(held, kNov25.end);
        if (!held.empty())
            TempDir::Write(History("2026-11-01.log"), before);
        prompter.yesNoAnswers = {yes};
        prompter.saveAnswers = {dir.File("copy.txt")};
        CMonitor run(paths, prompter, clock);
        run.Load();
        EXPECT_EQ(std::pair(run.Calls().GetSize(), run.Calls().GetAt(0).GetStart()),
                  std::pair(1, kDec1.start));
        EXPECT_EQ(Read(History("2026-11-01.log")), kept);
        EXPECT_EQ(Copies(History("2026-11-01.log")), !held.empty() && held != kept);
        EXPECT_EQ(TempDir::Read(History("2026-11-01.log")) == before, held == kept);
        Stop(run);
        EXPECT_EQ(TempDir::Read(paths.CallLogFile()), FormatCallLog(run.Calls(), clock.Now(), 0, "$"));
    }
}

// Billed from the 15th: at midnight of 15 December the period's finished calls leave the list for
// history/2026-11-15.log, and the call running across the turn follows them when it stops; it never
// counts for the new period.
TEST_F(HistoryTest, ARunningProgramRollsOverAtTheTurnOfThePeriod) {
    Settings.PeriodStartDay = 15;
    clock.Set(CTime(2026, 12, 14, 23, 55, 0));
    TempDir::Write(paths.CallLogFile(), LogOf({kDec1}, kDec1.end));
    monitor.Load();
    monitor.Start(CallCause::User);
    clock.Set(CTime(2026, 12, 15, 0, 0, 0));
    EXPECT_EQ(monitor.Follow(clock.Now()).spentMonth, 0.0);
    EXPECT_EQ(Read(History("2026-11-15.log")), Calls{kDec1});
    EXPECT_EQ(monitor.Tick(clock.Now() + CTimeSpan(300)).figures.spentMonth, 0.0);
    clock.Advance(600);
    monitor.Stop(CallCause::User);
    EXPECT_EQ(Read(History("2026-11-15.log")),
              (Calls{kDec1, {CTime(2026, 12, 14, 23, 55, 0), CTime(2026, 12, 15, 0, 10, 0)}}));
    EXPECT_EQ(monitor.Calls().GetSize(), 0);
    EXPECT_EQ(TempDir::Read(paths.CallLogFile()), FormatCallLog(CCallArray(), "December", 0, "$"));
}

// A history folder that is a file, or a file of it that Corvellan did not write: the user is told
// once, November's call stays in Calls.log through every save and the damaged file stays as it is;
// once the folder can be used, the next save puts the call there.
TEST_F(HistoryTest, AHistoryThatCannotTakeTheCallsKeepsThemInCallsLog) {
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "a damaged file" : "a file for the folder");
        std::filesystem::remove_all(paths.DataDir());
        TempDir::Write(paths.CallLogFile(), LogOf({kNov10, kDec1}, kDec1.end));
        const std::string blocking = damaged ? History("2026-11-01.log") : paths.DataDir() + "history";
        const std::string mine = damaged ? LogOf({kNov25}, kNov25.end) + "\r\nmy notes" : "my notes";
        TempDir::Write(blocking, mine);
        ScriptedPrompter told;
        CMonitor run(paths, told, clock);
        run.Load();
        Stop(run);
        // The roll-over question aside.
        EXPECT_EQ(std::count_if(told.shown.begin(), told.shown.end(),
                                [](const auto& s) { return s.icon == PromptIcon::Exclamation; }),
                  1);
        EXPECT_EQ(Read(paths.CallLogFile()).front(), kNov10);
        EXPECT_EQ(TempDir::Read(blocking), mine);
        const std::vector<PastMonth> past = run.PastMonths();
        ASSERT_EQ(past.size(), damaged ? 2u : 1u);
        EXPECT_EQ(past.back().problem.empty(), !damaged);
        std::filesystem::remove(blocking);
        Stop(run);
        EXPECT_EQ(Read(History("2026-11-01.log")), Calls{kNov10});
        EXPECT_EQ(Read(paths.CallLogFile()).size(), 3u);
    }
}

// A log of several months, one of them still to come (a clock set back), with a note of the user's:
// each call read goes to its own period, the one to come stays in Calls.log, and a copy of the log is
// kept beside it. A start day moved to the 15th brings November's call of the 20th back from the
// history into the new period's list.
TEST_F(HistoryTest, EachCallGoesToItsOwnPeriod) {
    std::string log = LogOf({kOct, kNov20, kDec1, kJan}, kJan.end);
    log.insert(log.find("Start:"), "my note\r\n");
    TempDir::Write(paths.CallLogFile(), log);
    monitor.Load();
    EXPECT_EQ(Read(History("2026-10-01.log")), Calls{kOct});
    EXPECT_EQ(Read(History("2026-11-01.log")), Calls{kNov20});
    Stop(monitor);
    EXPECT_EQ(Read(paths.CallLogFile()).back(), kJan);
    EXPECT_EQ(Copies(paths.CallLogFile()), 1);
    Settings.PeriodStartDay = 15;
    CMonitor again(paths, prompter, clock);
    again.Load(false);
    EXPECT_EQ(again.Calls().GetAt(0).GetStart(), kNov20.start);
    monitor.Refresh();
    EXPECT_EQ(monitor.Calls().GetAt(0).GetStart(), kNov20.start);
    const std::vector<PastMonth> past = monitor.PastMonths();
    ASSERT_EQ(past.size(), 1u);
    EXPECT_EQ(past[0].period.FirstDate(), "2026-09-15");
}
} // namespace
