// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/system/LogindWatcher.h"
#include "core/automation/SleepGuard.h"
#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <poll.h>
#include <unistd.h>

namespace {
constexpr int kPatienceMs = 20000;

// A bus that lets anyone do anything, standing in for the system bus.
const char* const kBusConfig =
    "<busconfig><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth><policy context='default'>"
    "<allow send_destination='*' eavesdrop='true'/><allow eavesdrop='true'/><allow own='*'/>"
    "</policy></busconfig>";

// logind as far as the watcher knows it: Inhibit hands out one end of a pipe and keeps the other,
// which reads as closed once every copy of the handed-out end is.
class FakeLogind : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    std::vector<int> kept;
    QStringList asked;

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString&, const QString&,
                                    const QString& mode) {
        asked << what + " " + mode;
        int ends[2];
        if (::pipe(ends) != 0)
            return {};
        kept.push_back(ends[0]);
        const QDBusUnixFileDescriptor given(ends[1]);
        ::close(ends[1]);
        return given;
    }
};

class LogindWatcherTest : public FreshStateTest {};

TEST_F(LogindWatcherTest, HoldsTheDelayLockWhileACallIsTimedAndEndsTheCallAtTheSleep) {
    TempDir dir;
    TempDir::Write(dir.File("bus.conf"), kBusConfig);
    QProcess daemon;
    daemon.start("dbus-daemon", {"--nofork", "--print-address",
                                 "--config-file=" + QString::fromStdString(dir.File("bus.conf"))});
    if (!daemon.waitForStarted() || !QTest::qWaitFor([&] { return daemon.canReadLine(); }, kPatienceMs))
        GTEST_SKIP() << "dbus-daemon cannot run here (Debian package dbus-daemon)";
    const auto stop = qScopeGuard([&] {
        daemon.kill();
        daemon.waitForFinished();
    });
    const QString address = QString::fromUtf8(daemon.readLine().trimmed());
    // Before anything in this process reaches for the system bus.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());
    QDBusConnection logindBus = QDBusConnection::connectToBus(address, "fake-logind");
    FakeLogind logind;
    ASSERT_TRUE(
        logindBus.registerService("org.freedesktop.login1") &&
        logindBus.registerObject("/org/freedesktop/login1", &logind, QDBusConnection::ExportAllSlots));
    const auto announce = [&](const char* name, bool start) {
        logindBus.send(
            QDBusMessage::createSignal("/org/freedesktop/login1", "org.freedesktop.login1.Manager", name)
            << start);
    };

    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    CMonitor monitor{paths, prompter, clock};
    monitor.Load();
    CSleepGuard guard(monitor, clock);
    guard.SetStartOnWake([] { return true; });
    CLogindWatcher watcher(guard);
    monitor.Start(CallCause::User); // before the bus is reached, as at a start with the link up
    watcher.Watch();
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.IsHolding(); }, kPatienceMs));
    pollfd lock{logind.kept.at(0), POLLIN, 0};
    clock.Advance(300);
    announce("PrepareForSleep", true);
    // Let go when every copy of the lock is closed; Calls.log holds the call ended at the sleep.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ::poll(&lock, 1, 0) == 1; }, kPatienceMs));
    EXPECT_NE(TempDir::Read(paths.CallLogFile()).find("End:\t02/12/26\t14:05:00"), std::string::npos);

    // Awake with the link up: a new call, and the lock for it.
    announce("PrepareForSleep", false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.IsHolding(); }, kPatienceMs));
    EXPECT_EQ(logind.asked, QStringList(2, "sleep:shutdown delay"));
    announce("PrepareForShutdown", true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !monitor.IsRunning(); }, kPatienceMs));
}
} // namespace

#include "LogindWatcherTest.moc"
