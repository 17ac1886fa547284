#include "core/calllog/CallLog.h"

#include "core/billing/CallArray.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/Paths.h"
#include "core/settings/Settings.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TzGuard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <tuple>

namespace {
namespace fs = std::filesystem;

const std::string kRule(43, '-');
const std::string kToldCorrupt =
    "tell (stop) Corvellan Error: ERROR: For some reason the call log file is corrupt. "
    "Information about the calls you have made this month will not be available.\n";

const CTime kDec1(1764547500);                                    // 1 December 2025 00:05 UTC
const LoggedCall kNov30{CTime(1764532800), CTime(1764534600)};    // 30 November 2025 20:00-20:30
const LoggedCall kDec1Call{CTime(1764547800), CTime(1764548400)}; // 1 December 2025 00:10-00:20
const LoggedCall kDec2024{CTime(1734724800), CTime(1734726600)};  // 20 December 2024 20:00-20:30
const LoggedCall kNov2024{CTime(1732132800), CTime(1732134600)};  // 20 November 2024 20:00-20:30

// What the user was shown, a line a prompt: a message told, a question asked or a Save As dialog, its
// icon, the caption (of a Save As, the proposed name) and the text (the default extension).
std::string Said(const ScriptedPrompter& prompter) {
    const char* const kinds[] = {"tell", "ask", "save as"};
    const char* const icons[] = {"", " (i)", " (!)", " (?)", " (stop)"};
    std::string said;
    for (const ScriptedPrompter::Shown& s : prompter.shown)
        said += kinds[static_cast<int>(s.kind)] + std::string(icons[static_cast<int>(s.icon)]) + " " +
                s.caption + ": " + s.text + "\n";
    return said;
}

// Built-in settings, local time = UTC and a fresh data folder for every test.
class CallLog : public ::testing::Test {
protected:
    void SetUp() override { Settings = CSettings{}; }
    static std::vector<LoggedCall> Times(const CCallArray& calls) {
        std::vector<LoggedCall> list;
        for (int i = 0; i < calls.GetSize(); ++i)
            list.push_back({calls.GetAt(i).GetStart(), calls.GetAt(i).GetEnd()});
        return list;
    }
    // The text a run at `written` leaves behind.
    static std::string LogText(CTime written, const std::vector<LoggedCall>& list) {
        CCallArray calls;
        for (const LoggedCall& call : list)
            calls.Add(CCallRecord(call.start, call.end));
        return FormatCallLog(calls, written, 20, "$");
    }
    std::string LogPath() const { return m_paths.CallLogFile(); }
    void WriteLog(const std::string& bytes) const { TempDir::Write(LogPath(), bytes); }
    long FilesInData() const {
        return std::distance(fs::directory_iterator(m_dir.File("data")), fs::directory_iterator());
    }
    // The backups kept beside Calls.log at 31 December 2025 12:00:00, oldest first, and what they hold.
    std::map<std::string, std::string> Backups() const {
        std::map<std::string, std::string> found;
        for (const auto& entry : fs::directory_iterator(m_dir.File("data")))
            if (entry.path().filename().string().starts_with("Calls.log.bak-20251231-120000"))
                found[entry.path().filename()] = TempDir::Read(entry.path());
        return found;
    }

    TzGuard m_tz{"UTC0"};
    TempDir m_dir;
    Paths m_paths{m_dir.File("config/"), m_dir.File("data/")};
};

TEST_F(CallLog, WorkedExampleIsByteForByte) {
    Settings.WeekdayDayRate = 1.23 / 42.05; // the 42:03 call on a Friday evening costs 1.23
    const std::string text = LogText(CTime(1997, 12, 20, 12, 0, 0),
                                     {{CTime(1997, 12, 5, 21, 3, 7), CTime(1997, 12, 5, 21, 45, 10)}});
    EXPECT_EQ(text,
              kRule + "\r\n\t\tDecember Log\r\n" + kRule +
                  "\r\n\r\nStart:\t05/12/97\t21:03:07\r\nEnd:\t05/12/97\t21:45:10\r\n\r\n" + kRule +
                  "\r\n\t\tDecember Totals\r\n" + kRule +
                  "\r\nNumber of calls made:\t1\r\nTotal online time:\t0:42:3\r\nCost of all calls:\t$1.23"
                  "\r\n\r\nMonth limit for December you have set:$20.00\r\nStatus:\tOK ! You are below "
                  "your month limit.\r\n" +
                  kRule);
    EXPECT_EQ(text.size(), 484u);
}

// Calls every two hours from Wednesday 4 March 2026 08:00, at 1 per minute.
TEST_F(CallLog, TotalsAndStatus) {
    Settings.WeekdayDayRate = Settings.WeekdayNightRate = 1;
    const CTime day(2026, 3, 4, 8, 0, 0);
    const std::tuple<std::vector<int>, double, const char*, const char*, const char*, const char*,
                     const char*, bool>
        rows[] = {{{}, 0, "$", "0", "0:0:0", "$0.00", "$0.00", false},
                  {{1200}, 20, "$", "1", "0:20:0", "$20.00", "$20.00", false},
                  {{1201}, 20, "$", "1", "0:20:1", "$20.02", "$20.00", true},
                  {{1, 60}, 0, "", "2", "0:1:1", "1.02", "0.00", true},
                  {{93909}, 2000, "$", "1", "26:5:9", "$1565.15", "$2000.00", false}};
    for (const auto& [callSeconds, limit, symbol, count, time, cost, limitText, warning] : rows) {
        CCallArray calls;
        for (std::size_t i = 0; i < callSeconds.size(); ++i)
            calls.Add(CCallRecord(day + CTimeSpan(7200 * i), day + CTimeSpan(7200 * i + callSeconds[i])));
        const std::string text = FormatCallLog(calls, CTime(2026, 3, 31, 9, 0, 0), limit, symbol);
        EXPECT_EQ(text.substr(text.find("Number")),
                  std::string("Number of calls made:\t") + count + "\r\nTotal online time:\t" + time +
                      "\r\nCost of all calls:\t" + cost +
                      "\r\n\r\nMonth limit for March you have set:" + limitText + "\r\nStatus:\t" +
                      (warning
                           ? "WARNING ! You have spent more time online this month than you have intended to."
                           : "OK ! You are below your month limit.") +
                      "\r\n" + kRule);
    }
}

// Calls across midnight, on a leap day, at both ends of the two-digit years (1970-2069) and over a change
// to daylight saving in Berlin (UTC where its rules are not installed) read back as written.
TEST_F(CallLog, RoundTripKeepsTimesAndOrder) {
    TzGuard tz(TzGuard::ZoneAvailable("Europe/Berlin") ? "Europe/Berlin" : "UTC0");
    std::vector<LoggedCall> list = {{CTime(2026, 3, 30, 23, 50, 1), CTime(2026, 3, 31, 0, 20, 59)},
                                    {CTime(1999, 12, 31, 23, 59, 0), CTime(2000, 1, 1, 0, 1, 0)},
                                    {CTime(1970, 1, 1, 0, 0, 5), CTime(1996, 2, 29, 12, 0, 0)},
                                    {CTime(2026, 3, 2, 9, 0, 0), CTime(2069, 12, 31, 23, 59, 59)}};
    const CTime day(2026, 3, 29, 0, 0, 0); // the clocks go forward that night
    for (std::int64_t s = 0; s < 28 * 3600; s += 7 * 60 + 1)
        list.push_back({day + CTimeSpan(s), day + CTimeSpan(s + 3599)});
    const ParsedLog log = ParseCallLog(LogText(CTime(2026, 3, 31, 12, 0, 0), list));
    EXPECT_EQ(log.calls, list);
}

// Each log is loaded on 31 December, then saved twice: a log not understood whole is reported, and
// kept once beside the new one, as it was.
TEST_F(CallLog, LoadsWhatItCanAndKeepsTheLogsItCouldNotRead) {
    const CTime now(2025, 12, 31, 12, 0, 0);
    ScriptedPrompter told;
    CCallArray none;
    CCallLog(m_paths, told).Load(none, now); // no log yet: nothing to tell
    EXPECT_EQ(Said(told), "");

    std::vector<LoggedCall> many;
    for (int i = 0; i < 5000; ++i)
        many.push_back({kDec1 + CTimeSpan(i * 500), kDec1 + CTimeSpan(i * 500 + 100 + i % 300)});
    std::string lfOnly = LogText(now, many);
    std::erase(lfOnly, '\r');
    const std::string head = "\t\tDecember Log\n";
    const std::string call = "Start:\t01/12/25\t00:10:00\nEnd:\t01/12/25\t00:20:00\n\n";
    std::string bad; // a block for each field out of range or not two digits each, the last a letter
    for (const char* field :
         {"29/02/97\t12:00:00", "31/04/26\t12:00:00", "00/12/97\t21:03:07", "05/13/97\t21:03:07",
          "05/12/97\t24:00:00", "05/12/97\t21:60:07", "05/12/97\t21:03:60", " 5/12/97\t21:03:07",
          "05/12/97\t21:03:0", "01/12/25\t00:2x:00"})
        bad += std::string("Start:\t") + field + "\nEnd:\t01/12/25\t00:20:00\n\n";
    const std::string kept =
        " The original file will be kept beside the new log when the log is next saved.\n";
    const std::string notWhole = "tell (!) Corvellan: Part of the call log is not in the form Corvellan "
                                 "writes and could not be read." +
                                 kept;
    std::string crOnly = LogText(now, {kDec1Call, kDec1Call, kDec1Call});
    std::erase(crOnly, '\n');
    std::string junkAfterHeader = LogText(now, {kDec1Call});
    junkAfterHeader.insert(junkAfterHeader.find("Start"), "my note\r\n");
    // The log, the calls read and what the user is told.
    const std::tuple<std::string, std::vector<LoggedCall>, std::string> rows[] = {
        {lfOnly, many, ""},
        {LogText(now, {}), {}, ""}, // header without blocks
        {crOnly, {kDec1Call, kDec1Call, kDec1Call}, ""},
        {LogText(now, {kDec1Call}) + "\r\n", {kDec1Call}, ""}, // a line end after the closing rule
        {head + call + "Start:\t01/12/25\t00:30:00\n", {kDec1Call}, notWhole}, // block without End
        {junkAfterHeader, {kDec1Call}, notWhole},
        {"", {}, kToldCorrupt},
        {head + call + bad.substr(bad.rfind("Start")) + call,
         {kDec1Call, kDec1Call},
         "tell (!) Corvellan: 1 entry of the call log could not be read and was left out." + kept},
        {head + bad + call,
         {kDec1Call},
         "tell (!) Corvellan: 10 entries of the call log could not be read and were left out." + kept},
    };
    std::size_t backups = 0; // all are made in the same second, and none is written over
    for (const auto& [text, read, said] : rows) {
        SCOPED_TRACE(text.substr(0, 200));
        WriteLog(text);
        ScriptedPrompter prompter;
        CCallLog log(m_paths, prompter);
        CCallArray calls;
        log.Load(calls, now);
        EXPECT_EQ(Times(calls), read);
        EXPECT_EQ(Said(prompter), said);
        ASSERT_TRUE(log.Save(calls, now) && log.Save(calls, now + CTimeSpan(1)));
        EXPECT_EQ(ParseCallLog(TempDir::Read(LogPath())).calls, read);
        const auto kept = Backups();
        backups += said.empty() ? 0 : 1;
        ASSERT_EQ(kept.size(), backups);
        if (!said.empty()) {
            EXPECT_EQ(kept.rbegin()->second, text) << kept.rbegin()->first;
        }
    }
}

// A log that cannot be read (here, a directory), one made read-only and one far too large stay as
// they are; the month's calls go to a file beside them, and the user hears of that once.
TEST_F(CallLog, ALogThatMustStayAsItIsKeepsTheCallsBeside) {
    const CTime now(2025, 12, 31, 12, 0, 0);
    const std::string log = LogText(now, {kDec1Call});
    const std::tuple<std::function<void()>, const char*, int> rows[] = {
        {[&] { fs::create_directories(LogPath()); }, "it is a directory", 0},
        {[&] {
             WriteLog(log);
             ::chmod(LogPath().c_str(), 0444);
         },
         "it is read-only", 1},
        {[&] {
             WriteLog(log);
             fs::resize_file(LogPath(), (std::uintmax_t{64} << 20) + 1);
         },
         "it is far too large to be a call log", 0},
    };
    for (const auto& [make, why, loaded] : rows) {
        SCOPED_TRACE(why);
        fs::remove_all(m_dir.File("data"));
        fs::create_directories(m_dir.File("data"));
        make();
        struct stat before {
        }, after{};
        ::lstat(LogPath().c_str(), &before);
        ScriptedPrompter prompter;
        CCallLog callLog(m_paths, prompter);
        CCallArray calls;
        callLog.Load(calls, now);
        EXPECT_EQ(calls.GetSize(), loaded);
        EXPECT_FALSE(callLog.CanReplace());
        calls.Add(CCallRecord(kDec1Call.end, kDec1Call.end + CTimeSpan(60)));
        ASSERT_TRUE(callLog.Save(calls, now) && callLog.Save(calls, now + CTimeSpan(5)));
        EXPECT_TRUE(Said(prompter).ends_with(
            "tell (!) Corvellan: The call log " + LogPath() + " cannot be replaced (" + why +
            "), so Corvellan leaves it as it is and keeps this month's calls in " + LogPath() +
            ".unsaved-20251231-120000.\n"))
            << Said(prompter);
        EXPECT_EQ(prompter.shown.size(), loaded ? 1u : 2u)
            << "one message at the load of what cannot be read";
        ::lstat(LogPath().c_str(), &after);
        EXPECT_TRUE(after.st_ino == before.st_ino && after.st_size == before.st_size);
        EXPECT_EQ(ParseCallLog(TempDir::Read(LogPath() + ".unsaved-20251231-120000")).calls.size(),
                  loaded + 1u);
    }
}

// Old logs, written ten minutes after their last call, read at 01:05 on 1 December. A row: the calls (oldest
// first), the month offered, how many December calls end the list, Yes or No, the name given to Save As
// (none cancels) and whether it cannot be written.
TEST_F(CallLog, RollOverAsksAndLoadsOnlyTheNewMonth) {
    TempDir::Write(m_dir.File("plain"), "not a directory");
    const std::tuple<std::vector<LoggedCall>, std::string, std::size_t, bool, const char*, bool> rows[] = {
        {{kNov30}, "November", 0, true, "copies/old.txt", false},
        {{kNov30}, "November", 0, true, nullptr, false},
        {{kNov30}, "November", 0, false, nullptr, false},
        {{kNov30}, "November", 0, true, "plain/old.txt", true},  // "plain" is a file
        {{kDec2024}, "December 2024", 0, false, nullptr, false}, // the same month a year ago
        {{kNov2024}, "November 2024", 0, false, nullptr, false},
        // Written on 1 December: the header names December, the oldest call November.
        {{kNov30, kDec1Call}, "November", 1, true, "copies/first.txt", false},
    };
    for (const auto& [list, month, keptFromEnd, yes, copyTo, copyFails] : rows) {
        const std::string old = LogText(list.back().end + CTimeSpan(600), list);
        SCOPED_TRACE(old);
        WriteLog(old);
        ScriptedPrompter prompter;
        prompter.yesNoAnswers = {yes};
        prompter.saveAnswers = {copyTo ? std::optional(m_dir.File(copyTo)) : std::nullopt};
        CCallArray calls;
        CCallLog(m_paths, prompter).Load(calls, kDec1 + CTimeSpan(3600));
        EXPECT_EQ(Times(calls), std::vector<LoggedCall>(list.end() - keptFromEnd, list.end()));
        EXPECT_EQ(TempDir::Read(LogPath()), old);
        std::string said =
            "ask (?) Corvellan: Since a new month has started, Corvellan will clear the call log for ";
        said += month +
                ". Corvellan can save this old log under a different filename, so that you can access it "
                "later. Do you wish to save the log for " +
                month + "?\n";
        if (yes)
            said += "save as " + month + ": txt\n";
        if (copyFails) // and the reason
            said += "tell (stop) Corvellan Error: ERROR : The old call log could not be saved as " +
                    m_dir.File(copyTo) + " (";
        EXPECT_EQ(copyFails ? Said(prompter).substr(0, said.size()) : Said(prompter), said);
        EXPECT_EQ(prompter.lastFilter, yes ? "Text Files(*.txt)|*.txt | All Files(*.*)|*.*|" : "");
        EXPECT_EQ(copyTo ? TempDir::Read(m_dir.File(copyTo)) : "", copyTo && !copyFails ? old : "");
    }
}

// A write that fails part-way, or a backup that cannot be made: the old log stays, the user is told,
// and the next write that can succeed does.
TEST_F(CallLog, AFailedWriteLeavesTheOldLogAndTheNextOneWorks) {
    const std::string whole = LogText(kDec1, {kDec1Call});
    for (const std::string& old : {whole, whole + "\r\nmy note"}) {
        fs::remove_all(m_dir.File("data"));
        WriteLog(old);
        ScriptedPrompter prompter;
        CCallLog log(m_paths, prompter);
        CCallArray calls;
        log.Load(calls, kDec1);
        EXPECT_TRUE(RunWithFileSizeLimit(64, [&] {
            return !log.Save(calls, kDec1) &&
                   Said(prompter).ends_with("ERROR : Log file could not be created\n");
        }));
        EXPECT_EQ(TempDir::Read(LogPath()), old);
        EXPECT_EQ(FilesInData(), 1) << "no temporary or partial backup left behind";
        ASSERT_TRUE(log.Save(calls, kDec1));
        EXPECT_EQ(FilesInData(), old == whole ? 1 : 2);
    }
}
} // namespace
