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
#include <cstring>
#include <fcntl.h>
#include <linux/if_tun.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
// Set, to the path of iproute2's ip, in the copy of this test run inside the namespaces.
constexpr char kInside[] = "CORVELLAN_LINK_NAMESPACE_IP";

class LinkWatcherTest : public FreshStateTest {
protected:
    // ip with its arguments, in this namespace.
    static bool Ip(const QString& arguments) {
        QProcess ip;
        ip.start(qEnvironmentVariable(kInside), arguments.split(QLatin1Char(' ')));
        const bool done =
            ip.waitForFinished(30000) && ip.exitStatus() == QProcess::NormalExit && ip.exitCode() == 0;
        EXPECT_TRUE(done) << "ip " << arguments.toStdString() << ": "
                          << ip.readAllStandardError().toStdString();
        return done;
    }
    void At(int minute) { clock.Set(CTime(2026, 12, 2, 10, minute, 0)); }
    bool WaitUntilRunning(bool running) const {
        return QTest::qWaitFor([&] { return monitor.IsRunning() == running; }, 20000);
    }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 10, 0, 0)};
    CMonitor monitor{paths, prompter, clock};
};

// The test binary runs Qt's threads by now, and a process with threads cannot enter a new user
// namespace: the work is done by a copy of this test started under unshare.
bool RunInsideNamespaces(std::string& skipped) {
    QString ip = QStandardPaths::findExecutable(QStringLiteral("ip"));
    if (ip.isEmpty()) // a user's PATH may leave out the system's directories
        ip = QStandardPaths::findExecutable(QStringLiteral("ip"), {"/usr/sbin", "/sbin"});
    if (ip.isEmpty()) {
        skipped = "iproute2's ip is not installed";
        return false;
    }
    QProcess probe;
    probe.start(QStringLiteral("unshare"), {"-rn", "true"});
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0) {
        skipped = "user and network namespaces are not allowed here (unshare -rn: " +
                  (probe.readAllStandardError().trimmed().toStdString() + probe.errorString().toStdString()) +
                  ")";
        return false;
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kInside), ip);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString test = QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
    child.start(QStringLiteral("unshare"),
                {"-rn", QCoreApplication::applicationFilePath(), "--gtest_filter=LinkWatcherTest." + test});
    const bool finished = child.waitForFinished(180000);
    const std::string output = child.readAll().toStdString();
    if (finished && output.find("[  SKIPPED ]") != std::string::npos) {
        skipped = "inside the namespaces: " + output;
        return false;
    }
    EXPECT_TRUE(finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0) << output;
    return true;
}

// Links brought up and down as a modem's are, in a network namespace of the test's own: a veth
// pair whose peer takes the carrier away and gives it back, then a tun device named ppp0 that
// comes into being, goes up and vanishes as pppd's does. The Connection page's list follows.
TEST_F(LinkWatcherTest, FollowsLinksAsAModemBringsThemUpAndDown) {
    if (!qEnvironmentVariableIsSet(kInside)) {
        std::string skipped;
        if (!RunInsideNamespaces(skipped))
            GTEST_SKIP() << skipped;
        return;
    }
    monitor.Load();
    std::vector<std::string> said;
    CLinkFollower follower(monitor, [&](const std::string& text) { said.push_back(text); });
    CLinkWatcher watcher(&follower);

    ASSERT_TRUE(Ip("link add vcv0 type veth peer name vcv1") && Ip("link set vcv0 up") &&
                Ip("link set vcv1 up"));
    watcher.Follow(true, "vcv0");
    ASSERT_TRUE(WaitUntilRunning(true)) << "already up when followed";
    At(4);
    ASSERT_TRUE(Ip("link set vcv1 down") && WaitUntilRunning(false)) << "carrier lost";
    At(5);
    ASSERT_TRUE(Ip("link set vcv1 up") && WaitUntilRunning(true)) << "carrier back";
    At(7);
    ASSERT_TRUE(Ip("link del vcv1") && WaitUntilRunning(false)) << "the pair deleted";

    CConnectionPage page(prompter);
    page.OnSetActive();
    auto* list = page.findChild<QComboBox*>(QStringLiteral("Interface"));
    At(10);
    watcher.Follow(true, "ppp0");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !follower.IsLooking(); }, 20000));
    const int tun = ::open("/dev/net/tun", O_RDWR | O_CLOEXEC);
    if (tun < 0)
        GTEST_SKIP() << "no /dev/net/tun, so no ppp0 to create";
    ifreq request{};
    std::strcpy(request.ifr_name, "ppp0");
    request.ifr_flags = IFF_TUN | IFF_NO_PI;
    ASSERT_EQ(::ioctl(tun, TUNSETIFF, &request), 0) << std::strerror(errno);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->count() > 0 && list->itemText(0) == "ppp0"; }, 20000));
    At(11);
    ASSERT_TRUE(Ip("link set ppp0 up") && WaitUntilRunning(true)) << "ppp0 up";
    At(15);
    ::close(tun);
    ASSERT_TRUE(WaitUntilRunning(false)) << "ppp0 gone with its unit";

    std::vector<std::string> calls;
    for (int i = 0; i < monitor.Calls().GetSize(); ++i)
        calls.push_back(monitor.Calls().GetAt(i).GetStart().Format("%H:%M-") +
                        monitor.Calls().GetAt(i).GetEnd().Format("%H:%M"));
    EXPECT_EQ(calls, (std::vector<std::string>{"10:00-10:04", "10:05-10:07", "10:11-10:15"}));
    EXPECT_EQ(said, std::vector<std::string>{"The link vcv0 was already up: timing from now"});
}
} // namespace
