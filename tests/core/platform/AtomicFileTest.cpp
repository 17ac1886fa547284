#include "core/platform/AtomicFile.h"

#include "support/FileKinds.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

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
} // namespace
