// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/ControlClient.h"
#include "core/platform/Paths.h"
#include "core/platform/RuntimeDir.h"
#include "core/platform/UnixSocket.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {
using Outcome = CControlClient::Outcome;

// Whatever the window does, or if there is none, the client comes back with the reply or says what
// went wrong, within the time it allows.
TEST(ControlClientTest, TheReplyLineOrWhatWentWrong) {
    TempDir runtime;
    const char* const given = std::getenv("XDG_RUNTIME_DIR");
    const std::string old = given ? given : "";
    ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    const Paths paths("/nowhere/config", "/nowhere/data");
    const std::string folder = runtime.File("corvellan/"),
                      path = ControlSocketPath(folder, paths.DataDir(), nullptr);
    const auto ask = [&paths] {
        return CControlClient(paths).Ask("status\n");
    };
    EXPECT_EQ(ask().outcome, Outcome::NotRunning) << "no folder";
    ASSERT_TRUE(MakePrivateDir(folder, nullptr));
    EXPECT_EQ(ask().outcome, Outcome::NotRunning) << "no socket";
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(std::pair(ask().outcome, ask().text),
              std::pair(Outcome::Failed, "cannot use " + folder + ": others may enter it"));
    ::chmod(folder.c_str(), 0700);

    const std::tuple<const char*, bool, Outcome, const char*> rows[] = {
        // the window says, hangs up
        {"ok stopped\nok more", true, Outcome::Answered, "ok stopped"},
        {"", true, Outcome::Unanswered, "Corvellan closed the connection without an answer"},
        {"ok half a li", false, Outcome::Unanswered, "Corvellan did not answer within 2 seconds"},
    };
    for (const auto& [says, hangsUp, outcome, text] : rows) {
        const CUnixSocket listening = CUnixSocket::Listen(path, nullptr);
        std::string request;
        std::thread window([&, says = says, hangsUp = hangsUp] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            CUnixSocket::Io io;
            listening.WaitReadable(deadline);
            CUnixSocket client = listening.Accept(&io);
            while (request.find('\n') == std::string::npos && client.WaitReadable(deadline))
                client.Read(request, 100);
            std::string_view reply = says;
            client.Write(reply);
            while (!hangsUp && client.WaitReadable(deadline) &&
                   client.Read(request, 100) == CUnixSocket::Io::Done) {
            }
        });
        const CControlClient::Result result = ask();
        window.join();
        EXPECT_EQ(std::tuple(request, result.outcome, result.text),
                  std::tuple("status\n", outcome, std::string(text)));
    }
    given ? ::setenv("XDG_RUNTIME_DIR", old.c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR");
}
} // namespace
