#include "core/platform/AtomicFile.h"
#include "core/platform/IniFile.h"
#include "core/platform/Paths.h"
#include "core/platform/Time.h"

#include "support/FileKinds.h"
#include "support/TzGuard.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using namespace std::string_literals;

struct stat Stat(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

// A new file gets the usual mode; a replaced one keeps its own, and a link stays a link to it.
TEST(AtomicFileTest, ReplacesTheFileKeepingItsModeAndItsLink) {
    TempDir dir;
    const std::string target = dir.File("sub/file.txt"), link = dir.File("link");
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(WriteFileAtomically(target, "first"));
    ::umask(mask);
    EXPECT_EQ(Stat(target).st_mode & 07777, 0644u);
    ::chmod(target.c_str(), 0600);
    fs::create_symlink("sub/file.txt", link);
    ASSERT_TRUE(WriteFileAtomically(link, "second"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TempDir::Read(target), "second");
    EXPECT_EQ(Stat(target).st_mode & 07777, 0600u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("sub")), {}), 1) << "no temporary left behind";
}

// What can be found where a file should be: how reading it ends, and whether a write may replace
// it. What must not be replaced is still the same thing afterwards.
TEST(AtomicFileTest, ReadsAndReplacesOnlyRegularFilesItMay) {
    const bool root = ::geteuid() == 0; // root reads a file of mode 000
    const std::tuple<const char*, ReadStatus, bool> rows[] = {
        {"nothing", ReadStatus::Missing, true},
        {"a file", ReadStatus::Ok, true},
        {"a link to a file", ReadStatus::Ok, true},
        {"a read-only file", ReadStatus::Ok, false},
        {"an unreadable file", root ? ReadStatus::Ok : ReadStatus::Failed, false},
        {"a directory", ReadStatus::Failed, false},
        {"a FIFO", ReadStatus::Failed, false},
        {"a link to nothing", ReadStatus::Failed, false},
        {"a loop of links", ReadStatus::Failed, false},
    };
    for (const auto& [kind, read, replaceable] : rows) {
        SCOPED_TRACE(kind);
        TempDir dir;
        const std::string path = dir.File("f");
        MakeFileKind(kind, path, "old");
        const struct stat before = Stat(path);
        std::string text = "?", reason;
        EXPECT_EQ(ReadRegularFile(path, text, 3, &reason), read);
        EXPECT_EQ(reason.empty(), read != ReadStatus::Failed) << reason;
        EXPECT_EQ(text, read == ReadStatus::Ok ? "old" : "");
        EXPECT_EQ(ReadRegularFile(path, text, 2), read == ReadStatus::Ok ? ReadStatus::TooLarge : read);
        std::string error;
        EXPECT_EQ(WriteFileAtomically(path, "new", &error), replaceable) << error;
        if (!replaceable) {
            EXPECT_EQ(Stat(path).st_ino, before.st_ino);
            EXPECT_EQ(Stat(path).st_mode, before.st_mode);
        }
    }
}
// Names in any case and with blanks around them, CR LF line ends, comments, and numbers read as
// the profile functions read them.
TEST(IniFileTest, ReadsAFileWrittenByAWindowsEditor) {
    const IniFile file = IniFile::Parse("; comment\r\n[ billing ]\r\n  weekdaydayrate  =  3.50  \r\n"
                                        "[Limits]\r\nWarnMonth = 0\r\n");
    EXPECT_EQ(file.GetString("Billing", "WeekdayDayRate"), "3.50");
    EXPECT_EQ(file.GetUInt("LIMITS", "warnmonth", 1), 0u);
    EXPECT_EQ(file.GetUInt("Limits", "WarnDay", 1), 1u);
    EXPECT_FALSE(file.GetString("Limits", "WeekdayDayRate")) << "a key belongs to its own section";
    EXPECT_FALSE(file.GetString("Billing", "; comment"));
    const std::pair<const char*, unsigned> numbers[] = {{"  7", 7},
                                                        {"12abc", 12},
                                                        {"abc", 0},
                                                        {"", 99},
                                                        {"-5", 0},
                                                        {"0x1F", 31},
                                                        {"99999999999", 0xFFFFFFFFu}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(ParseProfileUInt(text, 99), value) << '"' << text << '"';
}

// Lines end in CR alone, as old Mac editors write them; junk is counted and kept as it is.
TEST(IniFileTest, ReadsLinesEndedByCrAloneAndCountsThoseItCannotRead) {
    const std::string text = "[Billing]\rIntervals=5\r\xFF\xFEjunk\r=7\r[Limits\rWarn\0Day=1\r"s;
    IniFile file = IniFile::Parse(text);
    EXPECT_EQ(file.GetUInt("Billing", "Intervals", 3), 5u);
    EXPECT_EQ(file.UnreadableLines(), 4);
    EXPECT_EQ(file.Text(), text);
    file.Set("Billing", "Intervals", "6");
    EXPECT_EQ(file.Text().substr(0, 22), "[Billing]\rIntervals=6\r");
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
// Local fields follow the zone's daylight saving rules; fields out of range roll over.
TEST(TimeTest, NormalisesFieldsAndAppliesLocalDaylightSaving) {
    if (!TzGuard::ZoneAvailable("Europe/Athens"))
        GTEST_SKIP() << "time zone data for Europe/Athens is not installed";
    TzGuard tz("Europe/Athens");
    EXPECT_EQ(CTime(2026, 7, 1, 12, 0, 0).GetHour(), 12);
    EXPECT_EQ(CTime(2026, 1, 1, 12, 0, 0).GetHour(), 12);
    EXPECT_EQ(CTime(2026, 3, 31, 24, 60, 0).Format("%Y-%m-%d %H:%M"), "2026-04-01 01:00");
}

// The XDG rules: a relative directory in these variables is ignored.
TEST(PathsTest, FollowsXdgDirectoriesAndIgnoresRelativeOnes) {
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    ::setenv("HOME", "/home/someone", 1);
    const Paths paths = Paths::FromEnvironment();
    EXPECT_EQ(paths.SettingsFile(), "/tmp/cfg/Corvellan.ini");
    EXPECT_EQ(paths.CallLogFile(), "/home/someone/.local/share/corvellan/Calls.log");
}
} // namespace
