// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/RuntimeDir.h"
#include "core/platform/UnixSocket.h"

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
    EXPECT_EQ(RuntimeDirFor("/run/user/1000", 1000), "/run/user/1000/corvellan/");
    EXPECT_EQ(RuntimeDirFor(nullptr, 1000), "/tmp/corvellan-1000/");
    EXPECT_EQ(RuntimeDirFor("run/user/1000", 1000), "/tmp/corvellan-1000/")
        << "XDG: a relative path is ignored";
}

// Only a real directory of one's own is used; one that others may enter is made private first.
TEST(RuntimeDirTest, AFolderIsUsedOnlyWhenItIsARealDirectoryOfOurOwn) {
    const std::tuple<mode_t, uid_t, Action, const char*> rows[] = {
        {S_IFDIR | 0700, 1000, Action::Use, ""},
        {S_IFDIR | 0701, 1000, Action::FixMode, ""},
        {S_IFDIR | 0700, 1001, Action::Refuse, "it belongs to uid 1001, not to uid 1000"},
        {S_IFLNK | 0777, 1000, Action::Refuse, "it is a symbolic link"},
        {S_IFREG | 0600, 1000, Action::Refuse, "it is not a directory"},
    };
    for (const auto& [mode, owner, action, reason] : rows) {
        const PrivateDirVerdict verdict = JudgePrivateDir(mode, owner, 1000);
        EXPECT_EQ(std::pair(verdict.action, verdict.reason), std::pair(action, std::string(reason)))
            << reason;
    }
}

// On disk: made when missing, tightened when open, and a link to a folder is not taken for one.
TEST(RuntimeDirTest, MakesTheFolderPrivateOrSaysWhyNot) {
    for (const char* kind : {"nothing", "an open folder", "a link to a folder"}) {
        SCOPED_TRACE(kind);
        TempDir temp;
        const std::string dir = temp.File("corvellan");
        fs::create_directory(temp.File("elsewhere"));
        if (kind == std::string("an open folder"))
            fs::create_directory(dir), ::chmod(dir.c_str(), 0755);
        else if (kind == std::string("a link to a folder"))
            fs::create_directory_symlink(temp.File("elsewhere"), dir);
        std::string reason;
        const bool link = fs::is_symlink(dir);
        EXPECT_EQ(MakePrivateDir(dir, &reason), !link) << reason;
        EXPECT_EQ(ModeOf(dir), link ? S_IFLNK | 0777 : S_IFDIR | 0700);
    }
    std::string reason;
    const std::string deep = "/" + std::string(100, 'd') + "/";
    EXPECT_EQ(ControlSocketPath(deep, "/data/", &reason), "");
    EXPECT_NE(reason.find("longer than the 107 bytes"), std::string::npos) << reason;
    EXPECT_NE(ControlSocketPath("/run/", "/a/data/", &reason),
              ControlSocketPath("/run/", "/b/data/", &reason));
}

TEST(UnixSocketTest, OnlyTheUserWhoRunsTheWindowMayTalkToIt) {
    const std::tuple<uid_t, uid_t, bool> rows[] = {{1000, 1000, true}, {1001, 1000, false}, {0, 1000, false}};
    for (const auto& [peer, own, allowed] : rows)
        EXPECT_EQ(IsPeerAllowed(peer, own), allowed) << peer << " to " << own;
}

// A socket left by a crashed window answers nobody and is replaced; anything else in its place is
// left alone. The listener's file goes with it.
TEST(UnixSocketTest, ListensInPlaceOfAStaleSocketAndRemovesItsFile) {
    TempDir temp;
    const std::string path = temp.File("s.sock");
    const int crashed = ::socket(AF_UNIX, SOCK_STREAM, 0); // its file stays, nobody listens
    sockaddr_un address{AF_UNIX, {}};
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(crashed, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(crashed);
    std::string reason;
    CUnixSocket::Connection connection;
    CUnixSocket::Connect(path, &connection, &reason);
    EXPECT_EQ(connection, CUnixSocket::Connection::NoListener);
    {
        CUnixSocket listening = CUnixSocket::Listen(path, &reason);
        ASSERT_TRUE(listening.IsValid()) << reason;
        CUnixSocket client = CUnixSocket::Connect(path, &connection, &reason);
        CUnixSocket::Io io;
        EXPECT_EQ(listening.Accept(&io).PeerUid(), ::getuid());
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
    TempDir::Write(path, "mine");
    EXPECT_FALSE(CUnixSocket::Listen(path, &reason).IsValid());
    EXPECT_EQ(TempDir::Read(path), "mine");
}
} // namespace
