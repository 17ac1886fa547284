#include "core/platform/AtomicFile.h"

#include "support/TempDir.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

struct stat Stat(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

TEST(AtomicFileTest, ReplacesTheFileKeepingItsModeAndItsLink) {
    TempDir dir;
    const std::string target = dir.File("sub/file.txt"), link = dir.File("link");
    ASSERT_TRUE(WriteFileAtomically(target, "first"));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(Stat(target).st_mode & 07777, 0666 & ~mask);

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
    const auto file = [](const std::string& p) {
        TempDir::Write(p, "old");
    };
    const struct {
        const char* what;
        std::function<void(const std::string&)> make;
        ReadStatus read;
        bool replaceable;
    } rows[] = {
        {"nothing", [](const std::string&) {}, ReadStatus::Missing, true},
        {"a file", file, ReadStatus::Ok, true},
        {"a file too large", [](const std::string& p) { TempDir::Write(p, "four"); }, ReadStatus::TooLarge,
         true},
        {"a link to a file",
         [&](const std::string& p) {
             file(p + "-target");
             fs::create_symlink(p + "-target", p);
         },
         ReadStatus::Ok, true},
        {"a read-only file",
         [&](const std::string& p) {
             file(p);
             ::chmod(p.c_str(), 0444);
         },
         ReadStatus::Ok, false},
        {"an unreadable file",
         [&](const std::string& p) {
             file(p);
             ::chmod(p.c_str(), 0);
         },
         root ? ReadStatus::Ok : ReadStatus::Failed, false},
        {"a directory", [](const std::string& p) { fs::create_directory(p); }, ReadStatus::Failed, false},
        {"a FIFO", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); }, ReadStatus::Failed, false},
        {"a link to nothing", [](const std::string& p) { fs::create_symlink(p + "-gone", p); },
         ReadStatus::Failed, false},
        {"a loop of links", [](const std::string& p) { fs::create_symlink(p, p); }, ReadStatus::Failed,
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir dir;
        const std::string path = dir.File("f");
        row.make(path);
        const struct stat before = Stat(path);
        std::string text, reason;
        EXPECT_EQ(ReadRegularFile(path, text, 3, &reason), row.read);
        EXPECT_EQ(reason.empty(), row.read != ReadStatus::Failed) << reason;
        EXPECT_EQ(text, row.read == ReadStatus::Ok ? "old" : "");
        std::string error;
        EXPECT_EQ(WriteFileAtomically(path, "new", &error), row.replaceable) << error;
        if (!row.replaceable) {
            EXPECT_EQ(Stat(path).st_ino, before.st_ino);
            EXPECT_EQ(Stat(path).st_mode, before.st_mode);
        }
    }
}
} // namespace
