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
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using Make = std::function<void(const std::string& path)>;
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

// Every file of tests/data/<kind>/told and /quiet, and the special files of the table, goes through
// corvellanctl calls and add and the window's start-up as Calls.log or Corvellan.ini. None may
// crash or hang (SIGALRM ends a hung run), only those in told/ are told of, no amount shows as inf
// or nan, and nothing of the user's is lost.
void RunCorpus(const std::string& kind, std::vector<std::tuple<std::string, bool, Make>> rows) {
    TzGuard tz("UTC0");
    for (const bool told : {true, false})
        for (const auto& entry : fs::directory_iterator(kData + "/" + kind + (told ? "/told" : "/quiet")))
            rows.emplace_back(entry.path(), told, [from = entry.path()](const std::string& path) {
                TempDir::Write(path, TempDir::Read(from));
            });
    ASSERT_GE(rows.size(), 20u);
    for (const auto& [name, told, make] : rows) {
        SCOPED_TRACE(name);
        CtlProcess ctl;
        const Paths paths(ctl.ConfigDir(), ctl.DataDir());
        const std::string path = kind == "calls" ? paths.CallLogFile() : paths.SettingsFile();
        ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
        ctl.WriteCallLog(TempDir::Read(kData + "/calls/quiet/valid.log"));
        fs::remove(path);
        make(path);
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

// Where the file should be: a FIFO, a directory, links to nothing and in a loop, and (when the test
// does not run as root, who reads it all the same) a file that cannot be read.
std::vector<std::tuple<std::string, bool, Make>> SpecialFiles() {
    std::vector<std::tuple<std::string, bool, Make>> rows = {
        {"a FIFO", true,
         [](const std::string& p) {
             ::mkfifo(p.c_str(), 0600);
         }},
        {"a directory", true,
         [](const std::string& p) {
             fs::create_directories(p);
         }},
        {"a link to nothing", true,
         [](const std::string& p) {
             fs::create_symlink(p + "-gone", p);
         }},
        {"a loop of links", true,
         [](const std::string& p) {
             fs::create_symlink(p, p);
         }},
    };
    if (::geteuid() != 0)
        rows.emplace_back("unreadable", true, [](const std::string& p) {
            TempDir::Write(p, "[Billing]\n");
            ::chmod(p.c_str(), 0);
        });
    return rows;
}

TEST(HostileFilesTest, CallLogs) {
    const std::string valid = TempDir::Read(kData + "/calls/quiet/valid.log");
    auto rows = SpecialFiles();
    rows.emplace_back("a line of 10 MB", true,
                      [&](const std::string& p) { TempDir::Write(p, valid + std::string(10 << 20, 'x')); });
    rows.emplace_back("a link to a log", false, [&](const std::string& p) {
        TempDir::Write(p + "-target", valid);
        fs::create_symlink(p + "-target", p);
    });
    rows.emplace_back("read-only", false, [&](const std::string& p) {
        TempDir::Write(p, valid);
        ::chmod(p.c_str(), 0444);
    });
    RunCorpus("calls", rows);
}

TEST(HostileFilesTest, SettingsFiles) {
    auto rows = SpecialFiles();
    rows.emplace_back("2 MB", true,
                      [](const std::string& p) { TempDir::Write(p, std::string(2 << 20, ';')); });
    RunCorpus("ini", rows);
}
} // namespace
