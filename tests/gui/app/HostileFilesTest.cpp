#include "core/calllog/CallLogText.h"
#include "core/platform/FakeClock.h"
#include "core/platform/ProgramState.h"
#include "core/settings/Settings.h"
#include "ctl/CtlProcess.h"
#include "gui/app/MonitorApp.h"
#include "gui/monitor/MonitorDlg.h"

#include "support/ScriptedPrompter.h"
#include "support/TzGuard.h"

#include <QTimer>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using Make = std::function<void(const std::string& path)>;

// A file of tests/data/<kind>/ placed as Calls.log or Corvellan.ini, or something else made in its
// place, and whether the user must be told about it.
struct Hostile {
    std::string name;
    bool tell;
    Make make = nullptr;
};

// Ends the test program when a row hangs, so that a hang fails the run instead of stalling it.
class Watchdog {
public:
    explicit Watchdog(std::string what)
        : m_thread([this, what = std::move(what)] {
              std::unique_lock lock(m_mutex);
              if (!m_ended.wait_for(lock, std::chrono::seconds(180), [this] { return m_done; })) {
                  std::fprintf(stderr, "Hung on %s\n", what.c_str());
                  std::_Exit(1);
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_ended.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    std::thread m_thread; // last, so it starts once the rest exists
};

// What is at path: its type and inode as found, and the bytes of a regular file behind it.
struct Snapshot {
    mode_t mode = 0;
    ino_t inode = 0;
    std::string bytes;
};

Snapshot Take(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    struct stat target {};
    const bool regular = ::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode);
    return {st.st_mode, st.st_ino, regular && ::access(path.c_str(), R_OK) == 0 ? TempDir::Read(path) : ""};
}

// No byte of the user's is lost: what was there is still there as it was, or a copy of it lies
// beside it, or it was a log written as the program writes it and all its calls are in the new one.
::testing::AssertionResult Kept(const Snapshot& before, const std::string& path) {
    const Snapshot after = Take(path);
    if ((after.mode & S_IFMT) != (before.mode & S_IFMT))
        return ::testing::AssertionFailure() << "replaced by another kind of file";
    if (after.bytes == before.bytes && (S_ISREG(before.mode) || after.inode == before.inode))
        return ::testing::AssertionSuccess();
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        if (entry.path().filename().string().starts_with(fs::path(path).filename().string() + ".bak-") &&
            TempDir::Read(entry.path()) == before.bytes)
            return ::testing::AssertionSuccess();
    const ParsedLog old = ParseCallLog(before.bytes), now = ParseCallLog(after.bytes);
    for (const LoggedCall& call : old.calls)
        if (!old.whole || std::find(now.calls.begin(), now.calls.end(), call) == now.calls.end())
            return ::testing::AssertionFailure() << "changed, and no copy kept";
    return ::testing::AssertionSuccess();
}

bool ShowsNoInfinity(const std::string& text) {
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

// The window's start-up on these files, ended at once; what it said.
std::vector<std::string> StartWindow(const Paths& paths) {
    Settings = CSettings{};
    SettingsChanged = LogChanged = false;
    ScriptedPrompter prompter;
    FakeClock clock(CTime(2024, 3, 10, 12, 0, 0));
    CMonitorApp app(paths, prompter, clock);
    app.onDialogCreated = [](CMonitorDlg& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.EndSession(); });
    };
    EXPECT_EQ(app.InitInstance(), 0);
    std::vector<std::string> said;
    for (const ScriptedPrompter::Shown& shown : prompter.shown)
        said.push_back(shown.text);
    return said;
}

// Each file goes through corvellanctl calls and add and through the window's start-up: none may
// crash or hang, the user hears of what they must know, and nothing of theirs is lost.
void RunCorpus(const std::string& kind, const std::vector<Hostile>& rows) {
    TzGuard tz("UTC0");
    for (const Hostile& row : rows) {
        SCOPED_TRACE(kind + "/" + row.name);
        CtlProcess ctl;
        const Paths paths(ctl.ConfigDir(), ctl.DataDir());
        const std::string path = kind == "calls" ? paths.CallLogFile() : paths.SettingsFile();
        ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
        ctl.WriteCallLog(TempDir::Read(std::string(CORVELLAN_TEST_DATA) + "/calls/valid.log"));
        fs::remove(path);
        if (row.make)
            row.make(path);
        else
            TempDir::Write(path,
                           TempDir::Read(std::string(CORVELLAN_TEST_DATA) + "/" + kind + "/" + row.name));
        const Snapshot before = Take(path);

        const Watchdog watchdog(kind + "/" + row.name);
        const CtlResult calls = ctl.Run({"calls", "--now", "2024-03-10 12:00:00"});
        const CtlResult add =
            ctl.Run({"add", "2024-03-10 11:00:00", "2024-03-10 11:05:00", "--now", "2024-03-10 12:00:00"});
        const std::vector<std::string> said = StartWindow(paths);
        for (const CtlResult& result : {calls, add}) {
            EXPECT_TRUE(result.exitCode == 0 || result.exitCode == 1) << result.exitCode << result.err;
            EXPECT_TRUE(ShowsNoInfinity(result.out + result.err)) << result.out;
        }
        EXPECT_EQ(!calls.err.empty(), row.tell) << calls.err;
        EXPECT_EQ(!said.empty(), row.tell) << (said.empty() ? "" : said.front());
        for (const std::string& text : said)
            EXPECT_TRUE(ShowsNoInfinity(text)) << text;
        EXPECT_TRUE(Kept(before, path));
    }
}

const Make kFifo = [](const std::string& p) {
    ::mkfifo(p.c_str(), 0600);
};
const Make kDirectory = [](const std::string& p) {
    fs::create_directories(p);
};
const Make kLinkToNothing = [](const std::string& p) {
    fs::create_symlink(p + "-gone", p);
};
const Make kLinkLoop = [](const std::string& p) {
    fs::create_symlink(p, p);
};

Make Unreadable(const std::string& bytes) {
    return [bytes](const std::string& p) {
        TempDir::Write(p, bytes);
        ::chmod(p.c_str(), 0);
    };
}

std::vector<Hostile> WithSpecialFiles(std::vector<Hostile> rows, const std::string& valid) {
    rows.push_back({"a FIFO", true, kFifo});
    rows.push_back({"a directory", true, kDirectory});
    rows.push_back({"a link to nothing", true, kLinkToNothing});
    rows.push_back({"a loop of links", true, kLinkLoop});
    if (::geteuid() != 0) // root reads it all the same
        rows.push_back({"unreadable", true, Unreadable(valid)});
    return rows;
}

TEST(HostileFilesTest, CallLogs) {
    const std::string valid = TempDir::Read(std::string(CORVELLAN_TEST_DATA) + "/calls/valid.log");
    std::vector<Hostile> rows = {
        {"valid.log", false},
        {"lf-only.log", false},
        {"cr-only.log", false},
        {"crlf-and-lf-mixed.log", false},
        {"trailing-line-end.log", false},
        {"negative-call.log", false},
        {"overlapping-calls.log", false},
        {"calls-across-midnight.log", false},
        {"huge-totals.log", false},
        {"start-without-end.log", true},
        {"end-without-start.log", true},
        {"junk-after-header.log", true},
        {"note-in-a-block.log", true},
        {"empty.log", true},
        {"no-header.log", true},
        {"header-only.log", true},
        {"repeated-header.log", true},
        {"truncated-block.log", true},
        {"truncated-totals.log", true},
        {"impossible-dates.log", true},
        {"letters-in-times.log", true},
        {"negative-fields.log", true},
        {"old-month.log", true},
        {"same-month-last-year.log", true},
        {"month-name-in-lower-case.log", true},
        {"utf8-bom.log", true},
        {"binary-junk.log", true},
        {"nul-bytes.log", true},
        {"nul-only.log", true},
        {"utf16.log", true},
        {"a line of 10 MB", true,
         [&](const std::string& p) {
             TempDir::Write(p, valid + std::string(10 << 20, 'x'));
         }},
        {"a link to a log", false,
         [&](const std::string& p) {
             TempDir::Write(p + "-target", valid);
             fs::create_symlink(p + "-target", p);
         }},
        {"read-only", false,
         [&](const std::string& p) {
             TempDir::Write(p, valid);
             ::chmod(p.c_str(), 0444);
         }},
    };
    RunCorpus("calls", WithSpecialFiles(rows, valid));
}

TEST(HostileFilesTest, SettingsFiles) {
    const std::vector<Hostile> rows = {
        {"valid.ini", false},
        {"crlf.ini", false},
        {"cr-only.ini", false},
        {"empty.ini", false},
        {"comments-only.ini", false},
        {"small-negative.ini", false},
        {"huge-whole-numbers.ini", false},
        {"zero-interval.ini", false},
        {"hex-numbers.ini", false},
        {"repeated-keys.ini", false},
        {"repeated-sections.ini", false},
        {"long-message.ini", false},
        {"keys-outside-sections.ini", false},
        {"latin1-message.ini", false},
        {"rate-1e308.ini", true},
        {"inf-and-nan.ini", true},
        {"huge-negative.ini", true},
        {"missing-bracket.ini", true},
        {"key-without-value.ini", true},
        {"binary-junk.ini", true},
        {"nul-bytes.ini", true},
        {"utf16.ini", true},
        {"2 MB", true,
         [](const std::string& p) {
             TempDir::Write(p, "[Billing]\n; " + std::string(2 << 20, 'x'));
         }},
    };
    RunCorpus("ini", WithSpecialFiles(rows, "[Billing]\nWeekdayDayRate=3.00\n"));
}
} // namespace
