// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calllog/CallLog.h"
#include "core/calllog/CallLogMonth.h"

#include "core/billing/CallArray.h"
#include "core/calllog/AddedCall.h"
#include "core/calllog/CallLogText.h"
#include "core/calllog/DataLock.h"
#include "core/platform/Paths.h"
#include "support/FileKinds.h"
#include "support/FileSizeLimit.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/Unprivileged.h"

#include <map>
#include <optional>

namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;
constexpr auto npos = std::string::npos;

const CTime kDec1(1764547500);                                    // 1 December 2025 00:05 UTC
const CTime kDec31(1767182400);                                   // 31 December 2025 12:00 UTC
const LoggedCall kNov30{CTime(1764532800), CTime(1764534600)};    // 30 November 2025 20:00-20:30
const LoggedCall kDec1Call{CTime(1764547800), CTime(1764548400)}; // 1 December 2025 00:10-00:20
const LoggedCall kDec2024{CTime(1734724800), CTime(1734726600)};  // 20 December 2024 20:00-20:30

class CallLogTest : public FreshStateTest {
protected:
    // The times of the calls read, through the writer and reader the round trip below checks.
    std::vector<LoggedCall> Times() const { return ParseCallLog(FormatCallLog(calls, kDec31, 0, "")).calls; }
    // The text a run at `written` leaves behind, with a month limit of 20.
    static std::string LogText(CTime written, const std::vector<LoggedCall>& list) {
        CCallArray calls;
        for (const LoggedCall& call : list)
            calls.Add(CCallRecord(call.start, call.end));
        return FormatCallLog(calls, written, 20, "$");
    }
    // Reads Calls.log at now, as a run that starts then: the calls go to `calls`, what the user is
    // shown to `prompter`, which answers as scripted.
    CCallLog Load(CTime now) {
        calls.RemoveAll();
        CCallLog log(paths, prompter);
        log.Load(calls, now);
        return log;
    }
    // What the user was shown, a line a prompt: its icon, caption (of a Save As, the name proposed)
    // and text (the extension).
    std::string Said() const {
        std::string said;
        for (const ScriptedPrompter::Shown& s : prompter.shown)
            said += " i!?x"[static_cast<int>(s.icon)] + (" " + s.caption) + ": " + s.text + "\n";
        return said;
    }
    // What lies beside Calls.log, by name.
    std::map<std::string, std::string> Beside() const {
        std::map<std::string, std::string> found;
        for (const auto& entry : fs::directory_iterator(paths.DataDir()))
            if (entry.path().filename() != "Calls.log")
                found[entry.path().filename()] = TempDir::Read(entry.path());
        return found;
    }
    std::string LogPath() const { return paths.CallLogFile(); }
    static CTime At(int minutes) { return CTime(2024, 3, 6, 10, 0, 0) + CTimeSpan(minutes * 60); }

    TempDir dir;
    Paths paths{dir.File("config/"), dir.File("data/")};
    ScriptedPrompter prompter;
    CCallArray calls;
};

TEST_F(CallLogTest, WorkedExampleIsByteForByte) {
    const std::string rule(43, '-');
    Settings.WeekdayDayRate = 1.23 / 42.05; // the 42:03 call on a Friday evening costs 1.23
    const std::string text = LogText(CTime(1997, 12, 20, 12, 0, 0),
                                     {{CTime(1997, 12, 5, 21, 3, 7), CTime(1997, 12, 5, 21, 45, 10)}});
    EXPECT_EQ(text,
              rule + "\r\n\t\tDecember Log\r\n" + rule +
                  "\r\n\r\nStart:\t05/12/97\t21:03:07\r\nEnd:\t05/12/97\t21:45:10\r\n\r\n" + rule +
                  "\r\n\t\tDecember Totals\r\n" + rule +
                  "\r\nNumber of calls made:\t1\r\nTotal online time:\t0:42:3\r\nCost of all calls:\t$1.23"
                  "\r\n\r\nMonth limit for December you have set:$20.00\r\nStatus:\tOK ! You are below "
                  "your month limit.\r\n" +
                  rule);
}

// A call on Wednesday 4 March 2026 at 08:00, at 1 a minute, against a limit of 20: the status warns
// only above the limit, and hours are not reduced to days.
TEST_F(CallLogTest, TotalsAndStatus) {
    Settings.WeekdayDayRate = Settings.WeekdayNightRate = 1;
    const CTime start(2026, 3, 4, 8, 0, 0);
    const std::tuple<int, const char*, const char*> rows[] = {{1200, "0:20:0", "OK !"},
                                                              {93909, "26:5:9", "WARNING !"}};
    for (const auto& [seconds, total, status] : rows) {
        CCallArray calls;
        calls.Add(CCallRecord(start, start + CTimeSpan(seconds)));
        const std::string text = FormatCallLog(calls, CTime(2026, 3, 31, 9, 0, 0), 20, "$");
        EXPECT_NE(text.find(std::string("Total online time:\t") + total + "\r\n"), npos) << text;
        EXPECT_NE(text.find(std::string("Status:\t") + status), npos) << text;
    }
}

// Calls on a leap day, at both ends of the two-digit years (1970-2069) and across midnight and a
// change to daylight saving in Berlin (UTC where its rules are not installed) read back as written.
TEST_F(CallLogTest, RoundTripKeepsTimesAndOrder) {
    TzGuard tz(TzGuard::ZoneAvailable("Europe/Berlin") ? "Europe/Berlin" : "UTC0");
    std::vector<LoggedCall> list = {{CTime(1999, 12, 31, 23, 59, 0), CTime(2000, 1, 1, 0, 1, 0)},
                                    {CTime(1970, 1, 1, 0, 0, 5), CTime(1996, 2, 29, 12, 0, 0)},
                                    // 2000 is a leap year although a century's turn
                                    {CTime(2000, 2, 29, 10, 0, 0), CTime(2000, 2, 29, 11, 0, 0)},
                                    {CTime(2026, 3, 2, 9, 0, 0), CTime(2069, 12, 31, 23, 59, 59)}};
    const CTime day(2026, 3, 29, 0, 0, 0); // the clocks go forward that night
    for (std::int64_t s = 0; s < 28 * 3600; s += 7 * 60 + 1)
        list.push_back({day + CTimeSpan(s), day + CTimeSpan(s + 3599)});
    EXPECT_EQ(ParseCallLog(LogText(CTime(2026, 3, 31, 12, 0, 0), list)).calls, list);
}

// Each log is loaded on 31 December, then saved twice: a log not understood whole is reported, and
// kept once beside the new one, as it was.
TEST_F(CallLogTest, LoadsWhatItCanAndKeepsTheLogsItCouldNotRead) {
    Load(kDec31); // no log yet: nothing to tell
    EXPECT_EQ(Said(), "");

    const std::string head = "\t\tDecember Log\n",
                      call = "Start:\t01/12/25\t00:10:00\nEnd:\t01/12/25\t00:20:00\n\n";
    std::string bad; // a block for each field out of range or not two digits each, the last a letter
    for (const char* field :
         {"29/02/97\t12:00:00", "31/04/26\t12:00:00", "00/12/97\t21:03:07", "05/13/97\t21:03:07",
          "05/12/97\t24:00:00", "05/12/97\t21:60:07", "05/12/97\t21:03:60", " 5/12/97\t21:03:07",
          "05/12/97\t21:03:0", "01/12/25\t00:2x:00"})
        bad += std::string("Start:\t") + field + "\nEnd:\t01/12/25\t00:20:00\n\n";
    std::string lfOnly = LogText(kDec31, {kDec1Call, kDec1Call}), crOnly = lfOnly;
    std::erase(lfOnly, '\r');
    std::erase(crOnly, '\n');
    std::string junk = LogText(kDec31, {kDec1Call});
    junk.insert(junk.find("Start"), "my note\r\n");
    // The writer's own layout, one of its times unreadable.
    std::string oneBad = LogText(kDec31, {kDec1Call, kDec1Call});
    oneBad.replace(oneBad.rfind("00:10:00"), 8, "00:1x:00");
    const std::string notWhole = "! Corvellan: Part of the call log is not in the form Corvellan writes";
    // The log, the calls read and the start of what the user is told.
    const std::tuple<std::string, std::vector<LoggedCall>, std::string> rows[] = {
        {lfOnly, {kDec1Call, kDec1Call}, ""},
        {crOnly, {kDec1Call, kDec1Call}, ""},
        {LogText(kDec31, {}), {}, ""},
        {LogText(kDec31, {kDec1Call}) + "\r\n", {kDec1Call}, ""}, // a line end after the closing rule
        {head + call + "Start:\t01/12/25\t00:30:00\n", {kDec1Call}, notWhole}, // a block without its End
        {junk, {kDec1Call}, notWhole},
        {"", {}, "x Corvellan Error: ERROR: For some reason the call log file is corrupt."},
        {head + call + bad.substr(bad.rfind("Start")) + call,
         {kDec1Call, kDec1Call},
         "! Corvellan: 1 entry of the call log could not be read and was left out."},
        {oneBad, {kDec1Call}, "! Corvellan: 1 entry of the call log could not be read and was left out."},
        {head + bad + call,
         {kDec1Call},
         "! Corvellan: 10 entries of the call log could not be read and were left out."},
    };
    std::size_t backups = 0; // all are made in the same second, and none is written over
    for (const auto& [text, read, said] : rows) {
        SCOPED_TRACE(text.substr(0, 200));
        TempDir::Write(LogPath(), text);
        prompter.shown.clear();
        CCallLog log = Load(kDec31);
        EXPECT_EQ(Times(), read);
        EXPECT_EQ(Said().substr(0, said.size()) + std::to_string(prompter.shown.size()),
                  said + (said.empty() ? "0" : "1"));
        ASSERT_TRUE(log.Save(calls, kDec31) && log.Save(calls, kDec31 + CTimeSpan(1)));
        EXPECT_EQ(ParseCallLog(TempDir::Read(LogPath())).calls, read);
        backups += said.empty() ? 0 : 1;
        ASSERT_EQ(Beside().size(), backups);
        EXPECT_TRUE(said.empty() || Beside().rbegin()->second == text);
    }
}

// A log that cannot be read (here, a directory), one made read-only and one far too large stay as
// they are; the month's calls go to a file beside them, and the user hears of that once.
TEST_F(CallLogTest, ALogThatMustStayAsItIsKeepsTheCallsBeside) {
    const std::string unsaved = LogPath() + ".unsaved-20251231-120000";
    const std::tuple<const char*, const char*, int> rows[] = {
        {"it is a directory", "a directory", 0},
        {"it is read-only", "a read-only file", 1},
        {"it is far too large to be a call log", "a file", 0}};
    for (const auto& [why, kind, loaded] : rows) {
        SCOPED_TRACE(why);
        fs::remove_all(paths.DataDir());
        MakeFileKind(kind, LogPath(), LogText(kDec31, {kDec1Call}));
        if (kind == std::string("a file"))
            fs::resize_file(LogPath(), (std::uintmax_t{64} << 20) + 1);
        const std::string before = TempDir::Read(LogPath());
        prompter.shown.clear();
        CCallLog log = Load(kDec31);
        EXPECT_EQ(calls.GetSize(), loaded);
        EXPECT_FALSE(log.CanReplace());
        calls.Add(CCallRecord(kDec1Call.end, kDec1Call.end + CTimeSpan(60)));
        ASSERT_TRUE(log.Save(calls, kDec31) && log.Save(calls, kDec31 + CTimeSpan(5)));
        EXPECT_TRUE(Said().ends_with(
            "! Corvellan: The call log " + LogPath() + " cannot be replaced (" + why +
            "), so Corvellan leaves it as it is and keeps this month's calls in " + unsaved + ".\n"))
            << Said();
        EXPECT_EQ(prompter.shown.size(), loaded ? 1u : 2u)
            << "one message at the load of what cannot be read";
        EXPECT_EQ(TempDir::Read(LogPath()), before) << "left as it was";
        EXPECT_EQ(ParseCallLog(TempDir::Read(unsaved)).calls.size(), loaded + 1u);
    }
}

// Old logs, written ten minutes after their last call, read at 01:05 on 1 December. A row: the calls
// (oldest first), the month named, how many December calls are kept, Yes or No, and the name given to
// Save As (none cancels); "plain" is a file, so nothing can be written under it.
TEST_F(CallLogTest, RollOverAsksAndLoadsOnlyTheNewMonth) {
    TempDir::Write(dir.File("plain"), "not a directory");
    const std::tuple<std::vector<LoggedCall>, std::string, std::size_t, bool, const char*> rows[] = {
        {{kNov30}, "November", 0, true, "copies/old.txt"},
        {{kNov30}, "November", 0, true, nullptr},
        {{kNov30}, "November", 0, false, nullptr},
        {{kNov30}, "November", 0, true, "plain/old.txt"},
        {{kDec2024}, "December 2024", 0, false, nullptr}, // the same month a year ago
        // Written on 1 December: the header names December, the oldest call November.
        {{kNov30, kDec1Call}, "November", 1, true, "copies/first.txt"},
    };
    for (const auto& [list, month, kept, yes, copyTo] : rows) {
        const std::string old = LogText(list.back().end + CTimeSpan(600), list);
        SCOPED_TRACE(old);
        TempDir::Write(LogPath(), old);
        prompter.shown.clear();
        prompter.yesNoAnswers = {yes};
        prompter.saveAnswers = {copyTo ? std::optional(dir.File(copyTo)) : std::nullopt};
        Load(kDec1 + CTimeSpan(3600));
        EXPECT_EQ(Times(), std::vector<LoggedCall>(list.end() - kept, list.end()));
        EXPECT_EQ(TempDir::Read(LogPath()), old);
        const std::string said = Said();
        EXPECT_EQ(
            said.find("? Corvellan: Since a new month has started, Corvellan will clear the call log for " +
                      month +
                      ". Corvellan can save this old log under a different filename, so that you "
                      "can access it later. Do you wish to save the log for " +
                      month + "?\n"),
            0u);
        EXPECT_EQ(said.find("  " + month + ": txt\n") != npos, yes) << said;
        const bool written = copyTo && std::string(copyTo).starts_with("copies");
        EXPECT_EQ(said.find("x Corvellan Error: ERROR : The old call log could not be saved as ") != npos,
                  copyTo && !written);
        EXPECT_EQ(copyTo ? TempDir::Read(dir.File(copyTo)) : "", written ? old : "");
    }
}

// The dates of the calls decide, never the language the header names its month in: read on
// 20 December, a log of December calls is this month's under any header, one with a November call
// is rolled over, and one with no call (or only calls still to come) has nothing to roll over.
// Billed from the 15th, a call of the 10th belongs to the period of November: that is the name the
// old log is offered under.
TEST_F(CallLogTest, TheDatesDecideTheRollOverNotTheHeader) {
    const LoggedCall dec10{CTime(2025, 12, 10, 9, 0, 0), CTime(2025, 12, 10, 9, 1, 0)};
    const LoggedCall nov10{CTime(2025, 11, 10, 9, 0, 0), CTime(2025, 11, 10, 9, 1, 0)};
    const LoggedCall jan10{CTime(2026, 1, 10, 9, 0, 0), CTime(2026, 1, 10, 9, 1, 0)};
    const std::tuple<const char*, std::vector<LoggedCall>, bool> rows[] = {
        {"December", {dec10}, false}, {"Dezember", {dec10}, false},       {"décembre", {dec10}, false},
        {"November", {dec10}, false}, {"Dezember", {nov10, dec10}, true}, {"novembre", {nov10}, true},
        {"November", {}, false},      {"Januar", {jan10}, false}};
    const auto Select = [](const std::string& text, unsigned startDay) {
        return SelectCurrentMonth(ParseCallLog(text), CTime(2025, 12, 20, 10, 0, 0), startDay);
    };
    for (const auto& [header, list, rollOver] : rows) {
        std::string text = LogText(CTime(2025, 12, 20, 9, 0, 0), list);
        text.replace(text.find("December Log"), 8, header);
        const MonthSelection selection = Select(text, 1);
        EXPECT_EQ(selection.rollOver, rollOver) << header << " " << list.size();
        EXPECT_EQ(selection.oldMonth, rollOver ? "November" : "") << header;
        EXPECT_EQ(selection.calls.size() + selection.others.size(), list.size()) << "none lost";
    }
    EXPECT_EQ(Select(LogText(CTime(2025, 12, 20, 9, 0, 0), {dec10}), 15).oldMonth, "November");
}

// A write that fails part-way, or a backup that cannot be made: the old log stays, the user is told,
// and the next write that can succeed does.
TEST_F(CallLogTest, AFailedWriteLeavesTheOldLogAndTheNextOneWorks) {
    const std::string whole = LogText(kDec1, {kDec1Call});
    for (const std::string& old : {whole, whole + "\r\nmy note"}) {
        fs::remove_all(paths.DataDir());
        TempDir::Write(LogPath(), old);
        CCallLog log = Load(kDec1);
        EXPECT_TRUE(RunWithFileSizeLimit(64, [&] {
            return !log.Save(calls, kDec1) &&
                   Said().find("ERROR : Log file could not be created\n" + LogPath() + " (") != npos;
        }));
        EXPECT_EQ(TempDir::Read(LogPath()), old);
        EXPECT_TRUE(Beside().empty()) << "no temporary or partial backup left behind";
        ASSERT_TRUE(log.Save(calls, kDec1));
        EXPECT_EQ(Beside().size(), old == whole ? 0u : 1u);
    }
}

// Two logged calls, 10:00-10:10 and 12:00-12:10; each row adds one, given in minutes after 10:00.
// Calls that only touch do not overlap.
TEST_F(CallLogTest, AnAddedCallRefusesAnOverlapAndKeepsTheListInOrderOfEnds) {
    // Start and end of the call added, start of the logged call it overlaps, starts of the list after.
    const std::tuple<int, int, std::optional<int>, std::vector<int>> rows[] = {
        {-60, 0, {}, {-60, 0, 120}}, {10, 20, {}, {0, 10, 120}}, {130, 130, {}, {0, 120, 130}}, {5, 6, 0, {}},
        {-60, 180, 0, {}},           {129, 150, 120, {}}};
    for (const auto& [start, end, overlapped, after] : rows) {
        SCOPED_TRACE(std::to_string(start) + " to " + std::to_string(end));
        CCallArray calls;
        calls.Add(CCallRecord(At(0), At(10)));
        calls.Add(CCallRecord(At(120), At(130)));
        const std::optional<CCallRecord> overlap = FindOverlappingCall(calls, At(start), At(end));
        EXPECT_EQ(overlap ? std::optional(overlap->GetStart()) : std::nullopt,
                  overlapped ? std::optional(At(*overlapped)) : std::nullopt);
        if (overlap)
            continue;
        InsertByEnd(calls, At(start), At(end));
        std::vector<int> starts;
        for (int i = 0; i < calls.GetSize(); ++i)
            starts.push_back(static_cast<int>((calls.GetAt(i).GetStart() - At(0)).GetTotalSeconds() / 60));
        EXPECT_EQ(starts, after);
    }
}

// Who holds the lock, who asks for it, and what the one asking learns without waiting; then a lock
// file that cannot be one.
TEST_F(CallLogTest, TheDataLockTellsWhoHoldsIt) {
    using Result = CDataLock::Result;
    const std::tuple<LockHolder, LockHolder, Result> rows[] = {
        {LockHolder::Window, LockHolder::Window, Result::HeldByWindow},
        {LockHolder::Window, LockHolder::Command, Result::HeldByWindow},
        {LockHolder::Command, LockHolder::Command, Result::HeldByCommand},
        {LockHolder::Command, LockHolder::Window, Result::HeldByCommand}};
    for (const auto& [holder, asking, result] : rows) {
        std::optional<CDataLock> first(std::in_place, paths, holder);
        ASSERT_EQ(first->Acquire(0ms), Result::Acquired);
        CDataLock second(paths, asking);
        EXPECT_EQ(second.Acquire(0ms), result);
        EXPECT_EQ(CDataLock(paths, LockHolder::Command).Acquire(0ms), result)
            << "the one refused holds nothing";
        first.reset();
        EXPECT_EQ(second.Acquire(0ms), Result::Acquired) << "free once its holder lets go";
    }
    // What stops the lock from working is never taken for a lock, for the window or a command.
    for (const char* kind : {"a directory", "a FIFO", "a link to a file", "a read-only folder"}) {
        SCOPED_TRACE(kind);
        TempDir other;
        const Paths there(other.File("config"), other.File("data"));
        fs::create_directories(there.DataDir());
        if (std::string(kind) == "a read-only folder") {
            ::chmod(there.DataDir().c_str(), 0500);
        } else {
            MakeFileKind(kind, there.LockFile(), "");
        }
        EXPECT_TRUE(RunAsUnprivileged(other.Path(), [&] {
            CDataLock window(there, LockHolder::Window), command(there, LockHolder::Command);
            return window.Acquire(0ms) == Result::Failed && !window.Error().empty() &&
                   command.Acquire(0ms) == Result::Failed;
        }));
        if (std::string(kind) == "a link to a file") {
            EXPECT_TRUE(fs::is_symlink(there.LockFile())) << "not followed, not replaced";
        }
    }
}
} // namespace
