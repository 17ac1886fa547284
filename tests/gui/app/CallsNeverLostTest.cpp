#include "core/billing/CallArray.h"
#include "core/calllog/CallLog.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/FakeClock.h"
#include "core/platform/ProgramState.h"
#include "core/settings/Settings.h"
#include "ctl/CtlProcess.h"
#include "gui/app/MonitorApp.h"
#include "gui/monitor/MonitorDlg.h"

#include "support/FileKinds.h"
#include "support/ScriptedPrompter.h"
#include "support/TzGuard.h"

#include <QTimer>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <unistd.h>

// A user's month of calls is never lost: not to a kill at any moment, nor to a file the program
// cannot read or understand.
namespace {
namespace fs = std::filesystem;
const std::string kData = CORVELLAN_TEST_DATA;
const std::regex kNoAmount("(^|[\\s$])-?(inf|nan)\\b", std::regex::multiline);

// What is at path: its kind and inode as found, and the bytes of a regular file behind it.
struct Snapshot {
    mode_t mode = 0;
    ino_t inode = 0;
    std::string bytes;
};

Snapshot Take(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    std::error_code ec;
    return {st.st_mode, st.st_ino, fs::is_regular_file(path, ec) ? TempDir::Read(path) : ""};
}

// No byte of the user's is lost: what was there is there as it was, or a copy of it lies beside it,
// or it was a log as the program writes it and all its calls are in the new one.
::testing::AssertionResult Kept(const Snapshot& before, const std::string& path) {
    const Snapshot after = Take(path);
    if (after.mode != before.mode || (!S_ISREG(before.mode) && after.inode != before.inode))
        return ::testing::AssertionFailure() << "replaced";
    if (after.bytes == before.bytes)
        return ::testing::AssertionSuccess();
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        if (entry.path().string().starts_with(path + ".bak-") && TempDir::Read(entry.path()) == before.bytes)
            return ::testing::AssertionSuccess();
    const ParsedLog old = ParseCallLog(before.bytes), now = ParseCallLog(after.bytes);
    for (const LoggedCall& call : old.calls)
        if (!old.whole || std::find(now.calls.begin(), now.calls.end(), call) == now.calls.end())
            return ::testing::AssertionFailure() << "changed, and no copy kept";
    return ::testing::AssertionSuccess();
}

// The window's start-up on these files, ended at once; what it said.
std::string StartWindow(const Paths& paths) {
    Settings = CSettings{};
    SettingsChanged = LogChanged = false;
    ScriptedPrompter prompter;
    FakeClock clock(CTime(2024, 3, 10, 12, 0, 0));
    CMonitorApp app(paths, prompter, clock);
    app.onDialogCreated = [](CMonitorDlg& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.EndSession(); });
    };
    EXPECT_EQ(app.InitInstance(), 0);
    std::string said;
    for (const ScriptedPrompter::Shown& shown : prompter.shown)
        said += shown.text + "\n";
    return said;
}

// Every file of tests/data/<kind>/told and /quiet, and the special files of the rows, goes through
// corvellanctl calls and add and the window's start-up as Calls.log or Corvellan.ini. None may
// crash or hang (SIGALRM ends a hung run), only those in told/ are told of, no amount shows as inf
// or nan, and nothing of the user's is lost.
void RunCorpus(const std::string& kind, std::vector<std::pair<std::string, bool>> rows) {
    TzGuard tz("UTC0");
    for (const bool told : {true, false})
        for (const auto& entry : fs::directory_iterator(kData + "/" + kind + (told ? "/told" : "/quiet")))
            rows.emplace_back(entry.path(), told);
    if (::geteuid() != 0) // root reads it all the same
        rows.emplace_back("an unreadable file", true);
    ASSERT_GE(rows.size(), 20u);
    const std::string valid = TempDir::Read(kData + "/calls/quiet/valid.log");
    for (const auto& [what, told] : rows) {
        SCOPED_TRACE(what);
        CtlProcess ctl;
        const Paths paths(ctl.ConfigDir(), ctl.DataDir());
        const std::string path = kind == "calls" ? paths.CallLogFile() : paths.SettingsFile();
        ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
        ctl.WriteCallLog(valid);
        fs::remove(path);
        if (what.starts_with("/"))
            TempDir::Write(path, TempDir::Read(what));
        else if (what.ends_with("MB"))
            TempDir::Write(path, (kind == "calls" ? valid : "") + std::string(std::stoi(what) << 20, ';'));
        else
            MakeFileKind(what, path, valid);
        const Snapshot before = Take(path);
        ::alarm(300);
        const CtlResult calls = ctl.Run({"calls", "--now", "2024-03-10 12:00:00"});
        const CtlResult add =
            ctl.Run({"add", "2024-03-10 11:00:00", "2024-03-10 11:05:00", "--now", "2024-03-10 12:00:00"});
        const std::string said = StartWindow(paths);
        ::alarm(0);
        for (const CtlResult& result : {calls, add}) {
            EXPECT_TRUE(result.exitCode == 0 || result.exitCode == 1) << result.exitCode << result.err;
            EXPECT_FALSE(std::regex_search(result.out, kNoAmount)) << result.out;
        }
        EXPECT_EQ(!calls.err.empty(), told) << calls.err;
        EXPECT_EQ(!said.empty(), told) << said;
        EXPECT_FALSE(std::regex_search(said, kNoAmount)) << said;
        EXPECT_TRUE(Kept(before, path));
    }
}

TEST(HostileFilesTest, CallLogsAndSettingsFiles) {
    const std::vector<std::pair<std::string, bool>> special = {
        {"a FIFO", true}, {"a directory", true}, {"a link to nothing", true}, {"a loop of links", true}};
    auto calls = special, ini = special;
    calls.insert(calls.end(), {{"10 MB", true}, {"a link to a file", false}, {"a read-only file", false}});
    ini.push_back({"2 MB", true});
    RunCorpus("calls", calls);
    RunCorpus("ini", ini);
}

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
