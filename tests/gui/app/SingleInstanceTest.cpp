#include "gui/app/SingleInstance.h"
#include "core/platform/Paths.h"
#include "gui/app/SignalWatcher.h"

#include "support/TempDir.h"

#include <QProcess>
#include <QSignalSpy>
#include <csignal>
#include <gtest/gtest.h>

namespace {
// A lock file left by an earlier run is no lock. The window holds the lock as the window, so that
// corvellanctl does not wait for it, and a second start of the program raises the running window,
// touches no file and exits.
TEST(SingleInstanceTest, ASecondProgramStartExitsAndRaisesTheRunningWindow) {
    TempDir dir;
    const Paths paths(dir.File("config"), dir.File("corvellan")); // where the program keeps Calls.log
    TempDir::Write(paths.LockFile(), "999999\ncorvellan\nsomehost\n");
    CSingleInstance first(paths);
    ASSERT_TRUE(first.Acquire());
    EXPECT_EQ(CDataLock(paths, LockHolder::Command).Acquire({}), CDataLock::Result::HeldByWindow);
    QSignalSpy raised(&first, &CSingleInstance::raiseRequested);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir.File("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir.Path()));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(CORVELLAN_PATH), {});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(paths.SettingsFile())))
        << "the second start touched no file";
}

TEST(SignalWatcherTest, TurnsTerminationSignalsIntoAQtSignal) {
    CSignalWatcher watcher;
    QSignalSpy spy(&watcher, &CSignalWatcher::terminationRequested);
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        std::raise(number);
        ASSERT_TRUE(spy.wait(2000)) << number;
        EXPECT_EQ(spy.takeFirst().at(0).toInt(), number);
    }
}
} // namespace
