#include "core/automation/ControlClient.h"
#include "core/platform/Paths.h"
#include "core/platform/RuntimeDir.h"
#include "core/platform/UnixSocket.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using Outcome = CControlClient::Outcome;

// A runtime folder of the test's own, named by XDG_RUNTIME_DIR while the object lives.
class ControlClientTest : public ::testing::Test {
protected:
    ControlClientTest() { ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1); }
    ~ControlClientTest() override { ::unsetenv("XDG_RUNTIME_DIR"); }
    std::string Folder() const { return runtime.File("corvellan/"); }
    std::string Socket() const { return ControlSocketPath(Folder(), paths.DataDir(), nullptr); }

    TempDir runtime;
    Paths paths{"/nowhere/config", "/nowhere/data"};
};

TEST_F(ControlClientTest, NoWindowIsNotRunningAndAFolderOthersMayEnterIsRefused) {
    EXPECT_EQ(CControlClient(paths).Ask("status\n").outcome, Outcome::NotRunning) << "no folder";
    ASSERT_TRUE(MakePrivateDir(Folder(), nullptr));
    EXPECT_EQ(CControlClient(paths).Ask("status\n").outcome, Outcome::NotRunning) << "no socket";
    { const CUnixSocket crashed = CUnixSocket::Listen(Socket(), nullptr); }
    EXPECT_EQ(CControlClient(paths).Ask("status\n").outcome, Outcome::NotRunning) << "a socket nobody serves";
    ::chmod(Folder().c_str(), 0755);
    const CControlClient::Result open = CControlClient(paths).Ask("status\n");
    EXPECT_EQ(open.outcome, Outcome::Failed);
    EXPECT_NE(open.text.find("others may enter it"), std::string::npos) << open.text;
}

// Whatever the window does with the request, the client comes back with the reply or says what
// went wrong, within the time it allows.
TEST_F(ControlClientTest, TheReplyLineOrWhatWentWrong) {
    ASSERT_TRUE(MakePrivateDir(Folder(), nullptr));
    const struct {
        const char* window; // what the window sends back
        bool hangUp;        // after that
        Outcome outcome;
        const char* text;
    } rows[] = {
        {"ok stopped\nok more", true, Outcome::Answered, "ok stopped"},
        {"", true, Outcome::NoAnswer, "Corvellan closed the connection without an answer"},
        {"ok half a li", false, Outcome::NoAnswer, "Corvellan did not answer within 2 seconds"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.window);
        CUnixSocket listening = CUnixSocket::Listen(Socket(), nullptr);
        ASSERT_TRUE(listening.IsValid());
        std::string request;
        std::thread window([&] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            CUnixSocket::Io io;
            listening.WaitReadable(deadline);
            CUnixSocket client = listening.Accept(&io);
            while (request.find('\n') == std::string::npos && client.WaitReadable(deadline) &&
                   client.Read(request, 100) == CUnixSocket::Io::Done) {
            }
            std::string_view reply = row.window;
            client.Write(reply);
            while (!row.hangUp && client.WaitReadable(deadline) &&
                   client.Read(request, 100) == CUnixSocket::Io::Done) {
            }
        });
        const CControlClient::Result result = CControlClient(paths).Ask("status\n");
        window.join();
        EXPECT_EQ(request, "status\n");
        EXPECT_EQ(std::pair(result.outcome, result.text), std::pair(row.outcome, std::string(row.text)));
    }
}
} // namespace
