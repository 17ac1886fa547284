#include "core/platform/RuntimeDir.h"
#include "core/platform/UnixSocket.h"

#include "support/FileKinds.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using Action = PrivateDirVerdict::Action;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

TEST(RuntimeDirTest, TheUsersRuntimeDirOrAFolderOfHisOwnInTmp) {
    const std::pair<const char*, const char*> rows[] = {
        {"/run/user/1000", "/run/user/1000/corvellan/"},
        {"/run/user/1000/", "/run/user/1000/corvellan/"},
        {nullptr, "/tmp/corvellan-1000/"},
        {"", "/tmp/corvellan-1000/"},
        {"run/user/1000", "/tmp/corvellan-1000/"}, // XDG: a relative path is to be ignored
    };
    for (const auto& [variable, dir] : rows)
        EXPECT_EQ(RuntimeDirFor(variable, 1000), dir) << (variable ? variable : "unset");
}

// Only a real directory of one's own is used; one that others may enter is made private first.
TEST(RuntimeDirTest, AFolderIsUsedOnlyWhenItIsARealDirectoryOfOurOwn) {
    const struct {
        mode_t mode;
        uid_t owner;
        Action action;
        const char* reason;
    } rows[] = {
        {S_IFDIR | 0700, 1000, Action::Use, ""},
        {S_IFDIR | 0755, 1000, Action::FixMode, ""},
        {S_IFDIR | 0701, 1000, Action::FixMode, ""},
        {S_IFDIR | 0700, 1001, Action::Refuse, "it belongs to uid 1001, not to uid 1000"},
        {S_IFDIR | 0777, 0, Action::Refuse, "it belongs to uid 0, not to uid 1000"},
        {S_IFLNK | 0777, 1000, Action::Refuse, "it is a symbolic link"},
        {S_IFREG | 0600, 1000, Action::Refuse, "it is not a directory"},
        {S_IFSOCK | 0600, 1000, Action::Refuse, "it is not a directory"},
    };
    for (const auto& row : rows) {
        const PrivateDirVerdict verdict = JudgePrivateDir(row.mode, row.owner, 1000);
        EXPECT_EQ(std::pair(verdict.action, verdict.reason), std::pair(row.action, std::string(row.reason)))
            << std::oct << row.mode << " of uid " << std::dec << row.owner;
    }
}

// On disk: made when missing, tightened when open, left alone (and refused) when it is a link or no
// directory.
TEST(RuntimeDirTest, MakesTheFolderPrivateOrSaysWhyNot) {
    const struct {
        const char* kind;
        bool usable;
        const char* reason;
    } rows[] = {
        {"nothing", true, ""},
        {"an open folder", true, ""},
        {"a link to a folder", false, "it is a symbolic link"},
        {"a file", false, "it is not a directory"},
        {"a folder in a folder that is not there", false, "No such file or directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        TempDir temp;
        std::string dir = temp.File("corvellan");
        if (row.kind == std::string("an open folder")) {
            fs::create_directory(dir);
            ::chmod(dir.c_str(), 0755);
        } else if (row.kind == std::string("a link to a folder")) {
            fs::create_directory(temp.File("elsewhere"));
            fs::create_directory_symlink(temp.File("elsewhere"), dir);
        } else if (row.kind == std::string("a folder in a folder that is not there")) {
            dir = temp.File("gone/corvellan");
        } else {
            MakeFileKind(row.kind, dir, "x");
        }
        const mode_t before = ModeOf(dir);
        std::string reason;
        EXPECT_EQ(MakePrivateDir(dir, &reason), row.usable);
        EXPECT_NE(reason.find(row.reason), std::string::npos) << reason;
        EXPECT_EQ(ModeOf(dir), row.usable ? (S_IFDIR | 0700) : before);
    }
    if (::geteuid() == 0) { // root can give a folder away and see it refused
        TempDir temp;
        const std::string dir = temp.File("theirs");
        fs::create_directory(dir);
        ASSERT_EQ(::chown(dir.c_str(), 65534, 65534), 0);
        std::string reason;
        EXPECT_FALSE(MakePrivateDir(dir, &reason));
        EXPECT_NE(reason.find("belongs to uid 65534"), std::string::npos) << reason;
    }
}

TEST(RuntimeDirTest, OneSocketPerDataFolderWithinASocketAddress) {
    std::string reason;
    const std::string first =
        ControlSocketPath("/run/user/1000/corvellan/", "/home/a/.local/share/corvellan/", &reason);
    EXPECT_EQ(first,
              ControlSocketPath("/run/user/1000/corvellan/", "/home/a/.local/share/corvellan/", &reason));
    EXPECT_NE(first, ControlSocketPath("/run/user/1000/corvellan/", "/home/a/other/corvellan/", &reason));
    EXPECT_TRUE(first.starts_with("/run/user/1000/corvellan/") && first.ends_with(".sock")) << first;
    const std::string deep = "/" + std::string(100, 'd') + "/";
    EXPECT_EQ(ControlSocketPath(deep, "/data/", &reason), "");
    EXPECT_NE(reason.find("longer than the 107 bytes"), std::string::npos) << reason;
}

TEST(UnixSocketTest, OnlyTheUserWhoRunsTheWindowMayTalkToIt) {
    const std::tuple<uid_t, uid_t, bool> rows[] = {
        {1000, 1000, true}, {1001, 1000, false}, {0, 1000, false}, {1000, 0, false}, {0, 0, true}};
    for (const auto& [peer, own, allowed] : rows)
        EXPECT_EQ(IsPeerAllowed(peer, own), allowed) << peer << " to " << own;
}

// A socket file with nobody behind it, as a crashed window leaves it.
void LeaveStaleSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// A socket left by a crashed window answers nobody and is replaced; anything else at its place is
// left alone. The listener's file goes with it.
TEST(UnixSocketTest, ListensInPlaceOfAStaleSocketAndRemovesItsFile) {
    TempDir temp;
    const std::string path = temp.File("s.sock");
    std::string reason;
    CUnixSocket::Connection connection;
    LeaveStaleSocket(path);
    CUnixSocket::Connect(path, &connection, &reason);
    EXPECT_EQ(connection, CUnixSocket::Connection::NoListener);
    {
        CUnixSocket listening = CUnixSocket::Listen(path, &reason);
        ASSERT_TRUE(listening.IsValid()) << reason;
        CUnixSocket client = CUnixSocket::Connect(path, &connection, &reason);
        EXPECT_EQ(connection, CUnixSocket::Connection::Connected) << reason;
        CUnixSocket::Io io;
        const CUnixSocket served = listening.Accept(&io);
        ASSERT_EQ(io, CUnixSocket::Io::Done);
        EXPECT_EQ(served.PeerUid(), ::getuid());
        listening.Accept(&io);
        EXPECT_EQ(io, CUnixSocket::Io::WouldBlock) << "nobody else waits";
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(path)));

    TempDir::Write(path, "mine");
    EXPECT_FALSE(CUnixSocket::Listen(path, &reason).IsValid());
    EXPECT_NE(reason.find("is not a socket"), std::string::npos) << reason;
    EXPECT_EQ(TempDir::Read(path), "mine");
}
} // namespace
