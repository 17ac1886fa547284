// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/AtomicFile.h"
#include "core/platform/HeldPrompter.h"
#include "core/platform/IniFile.h"
#include "core/platform/Paths.h"

#include "support/FileKinds.h"
#include "support/ScriptedPrompter.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using namespace std::string_literals;

struct stat Stat(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

// A new file and its new folder are private whatever the umask; a replaced one keeps its own mode,
// and a link stays a link to it.
TEST(AtomicFileTest, ReplacesTheFileKeepingItsModeAndItsLink) {
    TempDir dir;
    const std::string target = dir.File("sub/file.txt"), link = dir.File("link");
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(WriteFileAtomically(target, "first"));
    ::umask(mask);
    EXPECT_EQ(Stat(target).st_mode & 07777, 0600u);
    EXPECT_EQ(Stat(dir.File("sub")).st_mode & 07777, 0700u);
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("sub/file.txt", link);
    ASSERT_TRUE(WriteFileAtomically(link, "second"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TempDir::Read(target), "second");
    EXPECT_EQ(Stat(target).st_mode & 07777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("sub")), {}), 1) << "no temporary left behind";
    ::umask(022);
    ASSERT_TRUE(CopyToNewFile(target, dir.File("sub/backup")));
    ::umask(mask);
    EXPECT_EQ(Stat(dir.File("sub/backup")).st_mode & 07777, 0600u) << "a copy is new: private too";
}

// A writer killed half-way through leaves its temporary beside the file; only a file of exactly that
// shape, and older than a minute, is taken for one.
TEST(AtomicFileTest, LeftoversOfAKilledWriterGoOnceAMinuteOld) {
    TempDir dir;
    const std::string target = dir.File("Calls.log");
    const std::string big(64 << 20, 'x');
    const pid_t writer = ::fork();
    if (writer == 0)
        ::_exit(WriteFileAtomically(target, big) ? 0 : 1);
    std::string leftover;
    while (leftover.empty() && ::waitpid(writer, nullptr, WNOHANG) == 0)
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            if (entry.path().filename().string().starts_with("Calls.log."))
                leftover = entry.path().filename().string();
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    ASSERT_FALSE(fs::exists(target)) << "the writer finished before it could be killed";

    const std::pair<std::string, bool> rows[] = {{leftover, true},
                                                 {"Calls.log.aB3xY9", true},
                                                 {"Calls.log.abc12", false},
                                                 {"Calls.log.abc-ef", false},
                                                 {"Calls.log.bak-20261207", false},
                                                 {"Calls.log.unsaved-20261207-1", false},
                                                 {"Other.log.abcdef", false}};
    for (const auto& [name, removed] : rows)
        if (!fs::exists(dir.File(name)))
            TempDir::Write(dir.File(name), "x");
    fs::create_directory(dir.File("Calls.log.dirABC"));
    const std::int64_t now = ::time(nullptr);
    EXPECT_EQ(RemoveLeftoverTemporaries(target, now), 0) << "a write may still be going on";
    EXPECT_EQ(RemoveLeftoverTemporaries(target, now + 61), 2);
    for (const auto& [name, removed] : rows)
        EXPECT_EQ(fs::exists(dir.File(name)), !removed) << name;
    EXPECT_TRUE(fs::is_directory(dir.File("Calls.log.dirABC")));
}

// What can be found where a file should be: how reading it ends, and whether a write may replace
// it. What must not be replaced is still the same thing afterwards.
TEST(AtomicFileTest, ReadsAndReplacesOnlyRegularFilesItMay) {
    const bool root = ::geteuid() == 0; // root reads a file of mode 000
    using enum ReadStatus;
    const std::tuple<const char*, ReadStatus, bool> rows[] = {
        {"nothing", Missing, true},        {"a file", Ok, true},
        {"a link to a file", Ok, true},    {"a read-only file", Ok, false},
        {"a directory", Failed, false},    {"an unreadable file", root ? Ok : Failed, false},
        {"a FIFO", Failed, false},         {"a link to nothing", Failed, false},
        {"a loop of links", Failed, false}};
    for (const auto& [kind, read, replaceable] : rows) {
        SCOPED_TRACE(kind);
        TempDir dir;
        const std::string path = dir.File("f");
        MakeFileKind(kind, path, "old");
        const struct stat before = Stat(path);
        std::string text = "?", reason;
        EXPECT_EQ(ReadRegularFile(path, text, 3, &reason), read);
        EXPECT_EQ(reason.empty(), read != Failed) << reason;
        EXPECT_EQ(text, read == Ok ? "old" : "");
        EXPECT_EQ(ReadRegularFile(path, text, 2), read == Ok ? TooLarge : read);
        EXPECT_EQ(WriteFileAtomically(path, "new"), replaceable);
        EXPECT_TRUE(replaceable ||
                    (Stat(path).st_ino == before.st_ino && Stat(path).st_mode == before.st_mode));
    }
}

// Names in any case and with blanks around them, CR LF or CR alone as line ends, comments, and
// numbers read as the profile functions read them; junk is counted and kept as it is.
TEST(IniFileTest, ReadsWhatEditorsWriteAndKeepsWhatItCannotRead) {
    const IniFile file = IniFile::Parse("; comment\r\n[ billing ]\r\n  weekdaydayrate  =  3.50  \r\n"
                                        "[Limits]\r\nWarnMonth = 0\r\n");
    EXPECT_EQ(file.GetString("Billing", "WeekdayDayRate"), "3.50");
    EXPECT_EQ(file.GetUInt("LIMITS", "warnmonth", 1), 0u);
    EXPECT_FALSE(file.GetString("Limits", "WeekdayDayRate")) << "a key belongs to its own section";
    const std::pair<const char*, unsigned> numbers[] = {
        {"12abc", 12}, {"abc", 0}, {"", 99}, {"-5", 0}, {"0x1F", 31}, {"99999999999", 0xFFFFFFFFu}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(ParseProfileUInt(text, 99), value) << '"' << text << '"';

    const std::string text = "[Billing]\rIntervals=5\r\xFF\xFEjunk\r=7\r[Limits\rWarn\0Day=1\r"s;
    IniFile crOnly = IniFile::Parse(text);
    EXPECT_EQ(crOnly.UnreadableLines(), 4);
    EXPECT_EQ(crOnly.Text(), text);
    crOnly.Set("Billing", "Intervals", "6");
    EXPECT_EQ(crOnly.Text().substr(0, 22), "[Billing]\rIntervals=6\r");
}

// An unchanged value keeps the user's spelling; a new key goes before the blank lines that close
// its section, a new section at the end.
TEST(IniFileTest, SettingAKeyRewritesOnlyItsLine) {
    IniFile file =
        IniFile::Parse("; mine\r\n[Billing]\r\nWeekdayDayRate = 2.00\r\nIntervals=3\r\n\r\n[Limits]\r\nx=1");
    file.Set("billing", "WEEKDAYDAYRATE", "2.00");
    file.Set("Billing", "Intervals", "5");
    file.Set("Billing", "BreakIntervals", "1");
    file.Set("Messages", "CallLimitMessage", "Stop");
    EXPECT_EQ(file.Text(),
              "; mine\r\n[Billing]\r\nWeekdayDayRate = 2.00\r\nIntervals=5\r\nBreakIntervals=1\r\n\r\n"
              "[Limits]\r\nx=1\r\n[Messages]\r\nCallLimitMessage=Stop\r\n");
}

// The XDG rules: a relative directory in these variables is ignored.
TEST(PathsTest, FollowsXdgDirectoriesAndIgnoresRelativeOnes) {
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    ::setenv("HOME", "/home/someone", 1);
    const Paths paths = Paths::FromEnvironment();
    EXPECT_EQ(paths.SettingsFile() + " " + paths.CallLogFile(),
              "/tmp/cfg/Corvellan.ini /home/someone/.local/share/corvellan/Calls.log");
}

// Held messages come once the outermost hold ends, each hold's its own way, also when another
// change is made while one of its boxes is open.
TEST(HeldPrompterTest, ShowsEachChangesMessagesItsOwnWayOnceItIsComplete) {
    ScriptedPrompter shown;
    HeldPrompter held(shown);
    shown.whileShown = [&](const ScriptedPrompter::Shown& message) {
        if (message.text != "user 1")
            return;
        HeldPrompter::Hold script(held, HeldPrompter::Showing::Notices);
        held.ShowMessage("Corvellan", "script", PromptIcon::Stop);
    };
    {
        HeldPrompter::Hold user(held, HeldPrompter::Showing::Boxes);
        {
            HeldPrompter::Hold inner(held, HeldPrompter::Showing::Notices);
            held.ShowMessage("Corvellan", "user 1", PromptIcon::Stop);
        }
        held.ShowNotice("Corvellan", "warning", PromptIcon::Exclamation);
        held.ShowMessage("Corvellan", "user 2", PromptIcon::Stop);
        EXPECT_TRUE(shown.shown.empty());
    }
    std::string seen;
    for (const auto& message : shown.shown)
        seen += message.text + (message.notice ? " (notice), " : " (box), ");
    EXPECT_EQ(seen, "user 1 (box), script (notice), warning (notice), user 2 (box), ");
}
} // namespace
