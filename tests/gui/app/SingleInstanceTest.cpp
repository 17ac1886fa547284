#include "gui/app/SingleInstance.h"
#include "core/calllog/DataLock.h"
#include "core/platform/Paths.h"
#include "gui/app/SignalWatcher.h"

#include "support/TempDir.h"

#include <QProcess>
#include <QSignalSpy>
#include <csignal>
#include <gtest/gtest.h>

namespace {
class SingleInstanceTest : public ::testing::Test {
protected:
    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
};

TEST_F(SingleInstanceTest, ASecondInstanceIsRefusedAndRaisesTheFirst) {
    CSingleInstance first(paths);
    ASSERT_TRUE(first.Acquire());
    QSignalSpy raised(&first, &CSingleInstance::raiseRequested);

    CSingleInstance second(paths);
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(second.RaiseRunningInstance());
    EXPECT_TRUE(raised.wait(5000));
}

TEST_F(SingleInstanceTest, ASecondProgramStartExitsAndRaisesTheRunningWindow) {
    CSingleInstance first(paths);
    ASSERT_TRUE(first.Acquire());
    QSignalSpy raised(&first, &CSingleInstance::raiseRequested);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir.File("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir.Path()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    // The program keeps Calls.log in <data home>/corvellan/, the same directory as ours.
    const Paths programPaths(dir.File("config"), dir.Path() + "corvellan");
    CSingleInstance sameAsProgram(programPaths);
    ASSERT_TRUE(sameAsProgram.Acquire());
    QSignalSpy raisedProgram(&sameAsProgram, &CSingleInstance::raiseRequested);

    program.start(QStringLiteral(CORVELLAN_PATH), {});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(raisedProgram.wait(5000));
    EXPECT_EQ(raised.count(), 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(programPaths.SettingsFile())))
        << "the second start touched no file";
}

// A lock file left by an earlier run is no lock; the window holds the lock as the window, so that
// corvellanctl does not wait for it.
TEST_F(SingleInstanceTest, HoldsTheDataLockAsTheWindow) {
    TempDir::Write(paths.LockFile(), "999999\ncorvellan\nsomehost\n");
    CSingleInstance instance(paths);
    ASSERT_TRUE(instance.Acquire());
    EXPECT_EQ(CDataLock(paths, LockHolder::Command).Acquire(std::chrono::milliseconds(0)),
              CDataLock::Result::HeldByWindow);
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
