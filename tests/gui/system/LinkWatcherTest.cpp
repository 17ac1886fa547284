// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/system/LinkWatcher.h"

#include "core/automation/LinkFollower.h"
#include "core/meter/Monitor.h"
#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"
#include "gui/prefs/ConnectionPage.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {
// Set, to the path of iproute2's ip, in the copy of the test that runs inside the namespaces.
constexpr char kInside[] = "CORVELLAN_LINK_NAMESPACE_IP";

bool RunProgram(const QString& program, const QStringList& arguments, std::string& said) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool done = process.waitForFinished(180000) && process.exitStatus() == QProcess::NormalExit &&
                      process.exitCode() == 0;
    said = process.readAll().toStdString() + (done ? "" : process.errorString().toStdString());
    return done;
}

bool Ip(const QString& arguments) {
    std::string said;
    const bool done = RunProgram(qEnvironmentVariable(kInside), arguments.split(QLatin1Char(' ')), said);
    EXPECT_TRUE(done) << "ip " << arguments.toStdString() << ": " << said;
    return done;
}

// Links brought up and down as a modem's are, in a network namespace of the test's own: a veth
// pair, already up when followed, whose peer takes the carrier away, then a link named ppp0 that
// comes into being, goes up and is deleted as pppd's is. The Connection page's list follows.
class LinkWatcherTest : public FreshStateTest {};

TEST_F(LinkWatcherTest, FollowsLinksAsAModemBringsThemUpAndDown) {
    if (!qEnvironmentVariableIsSet(kInside)) {
        // Qt's threads run by now, and a process with threads cannot enter a new user namespace:
        // a copy of this test does the work under unshare.
        // A user's PATH may leave the system's directories out.
        const QString ip =
            QStandardPaths::findExecutable(QStringLiteral("ip"), {"/usr/sbin", "/sbin", "/usr/bin"});
        std::string said;
        if (ip.isEmpty())
            GTEST_SKIP() << "iproute2's ip is not installed";
        if (!RunProgram(QStringLiteral("unshare"), {"-rn", "true"}, said))
            GTEST_SKIP() << "user and network namespaces are not allowed here (unshare -rn: " << said << ")";
        const bool passed = RunProgram(
            QStringLiteral("unshare"),
            {"-rn", "env", QString::fromLatin1(kInside) + "=" + ip, QCoreApplication::applicationFilePath(),
             "--gtest_filter=LinkWatcherTest.FollowsLinksAsAModemBringsThemUpAndDown"},
            said);
        if (said.find("[  SKIPPED ]") != std::string::npos)
            GTEST_SKIP() << "inside the namespaces: " << said;
        EXPECT_TRUE(passed) << said;
        return;
    }
    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 10, 0, 0)};
    CMonitor monitor{paths, prompter, clock};
    monitor.Load();
    std::vector<std::string> said;
    CLinkFollower follower(monitor, [&](const std::string& text) { said.push_back(text); });
    CLinkWatcher watcher(&follower);
    const auto at = [&](int minute) {
        clock.Set(CTime(2026, 12, 2, 10, minute, 0));
    };
    const auto timed = [&](bool running) {
        return QTest::qWaitFor([&] { return monitor.IsRunning() == running; }, 20000);
    };

    ASSERT_TRUE(Ip("link add vcv0 type veth peer name vcv1") && Ip("link set vcv0 up") &&
                Ip("link set vcv1 up"));
    watcher.Follow(true, "vcv0");
    ASSERT_TRUE(timed(true)) << "already up when followed";
    at(4);
    ASSERT_TRUE(Ip("link set vcv1 down") && timed(false)) << "carrier lost";

    CConnectionPage page(prompter);
    page.OnSetActive();
    auto* list = page.findChild<QComboBox*>(QStringLiteral("Interface"));
    watcher.Follow(true, "ppp0");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !follower.IsLooking(); }, 20000));
    ASSERT_TRUE(Ip("link add ppp0 type veth peer name line0") && Ip("link set line0 up"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->count() > 0 && list->itemText(0) == "ppp0"; }, 20000));
    at(11);
    ASSERT_TRUE(Ip("link set ppp0 up") && timed(true)) << "ppp0 up";
    at(15);
    ASSERT_TRUE(Ip("link del ppp0") && timed(false)) << "ppp0 gone";

    std::vector<std::string> calls;
    for (int i = 0; i < monitor.Calls().GetSize(); ++i)
        calls.push_back(monitor.Calls().GetAt(i).GetStart().Format("%H:%M-") +
                        monitor.Calls().GetAt(i).GetEnd().Format("%H:%M"));
    EXPECT_EQ(calls, (std::vector<std::string>{"10:00-10:04", "10:11-10:15"}));
    EXPECT_EQ(said, std::vector<std::string>{"The link vcv0 was already up: timing from now"});
}
} // namespace
