#include "gui/app/HelpViewer.h"
#include "gui/app/MonitorApp.h"
#include "gui/app/QtPrompter.h"
#include "gui/app/SignalWatcher.h"
#include "gui/app/SingleInstance.h"
#include "gui/monitor/MonitorDlg.h"

#include "core/platform/FakeClock.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <csignal>

namespace {
class StartupTest : public FreshStateTest {
protected:
    // Runs the whole start-up sequence; drive() gets the window once it exists.
    int Run(Prompter& with, std::function<void(CMonitorDlg&)> drive) {
        CMonitorApp app(paths, with, clock);
        app.onDialogCreated = [&drive](CMonitorDlg& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog, &drive] { drive(dialog); });
        };
        QTimer watchdog; // a run that does not end fails, and is ended as a signal would end it
        QObject::connect(&watchdog, &QTimer::timeout, [&app] {
            ADD_FAILURE() << "the run did not end";
            app.RequestEnd();
        });
        watchdog.start(30000);
        const int code = app.InitInstance();
        helpTopic = app.HelpViewer() ? app.HelpViewer()->CurrentTopic() : 0;
        return code;
    }
    static void Click(CMonitorDlg& dialog, const char* name) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    // Acts on the next modal dialog once it is open, from inside its own loop.
    static void OnNextModal(std::function<void(QDialog&)> act) {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(*dialog);
            }
        });
        poll->start(10);
    }
    // A box still open seconds after the signal means it was not honoured: fail, do not hang.
    static void TerminateInsideTheNextBox() {
        OnNextModal([](QDialog& box) {
            std::raise(SIGTERM);
            QTimer::singleShot(5000, &box, [&box] {
                ADD_FAILURE() << "a box stayed open after SIGTERM";
                box.reject();
            });
        });
    }
    // The first run ended the orderly way: the settings written, the lock released.
    void EndedInOrder() const {
        EXPECT_NE(TempDir::Read(paths.SettingsFile()).find("WarnMonth=1"), std::string::npos);
        EXPECT_TRUE(CSingleInstance(paths).Acquire());
    }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("corvellan")}; // where the program keeps Calls.log
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    unsigned long helpTopic = 0;
};

// The first run: the Preferences open, the window hidden into the tray keeps the program running
// until Exit, its help reaches the viewer, and the settings are written at the end.
TEST_F(StartupTest, FirstRunWritesTheSettingsFileAtExit) {
    OnNextModal([](QDialog& preferences) { preferences.reject(); });
    const int code = Run(prompter, [this](CMonitorDlg& dialog) {
        dialog.SetShown(false);
        Click(dialog, "m_btnHelp");
        prompter.yesNoAnswers.push_back(true);
        Click(dialog, "m_btnExit");
    });
    EXPECT_EQ(code, 0);
    EXPECT_NE(prompter.shown.front().text.find("first time"), std::string::npos);
    EXPECT_EQ(helpTopic, 101u);
    EndedInOrder();
}

TEST_F(StartupTest, ALaterRunWithoutChangesLeavesTheFileUntouched) {
    const std::string mine = "[Billing]\nWeekdayDayRate = 3.00   ; typed by hand\n";
    TempDir::Write(paths.SettingsFile(), mine);
    Run(prompter, [](CMonitorDlg& dialog) { dialog.EndSession(); });
    EXPECT_EQ(TempDir::Read(paths.SettingsFile()), mine);
    EXPECT_DOUBLE_EQ(Settings.WeekdayDayRate, 3.0);
}

// A logout or "systemctl stop" while a box is open, at the first run or at a question: the box
// closes, a running call is kept, the settings are written, the lock is released, the status is 0.
TEST_F(StartupTest, ASignalEndsTheProgramFromInsideABox) {
    QtPrompter real, again; // a prompter, once told the program is ending, asks nothing more
    TerminateInsideTheNextBox();
    EXPECT_EQ(Run(real, [](CMonitorDlg&) { FAIL() << "the window must not open"; }), 0);
    EndedInOrder();

    TempDir::Write(paths.SettingsFile(), "[Billing]\n");
    const int code = Run(again, [this](CMonitorDlg& dialog) {
        dialog.OnStartStop();
        clock.Advance(45);
        TerminateInsideTheNextBox();
        Click(dialog, "m_btnExit");
    });
    EXPECT_EQ(code, 0);
    EXPECT_NE(TempDir::Read(paths.CallLogFile()).find("End:\t02/12/26\t14:00:45"), std::string::npos);
    EXPECT_TRUE(CSingleInstance(paths).Acquire());
}

// A lock file left by an earlier run is no lock. The window holds the lock as the window, so that
// corvellanctl does not wait for it, and a second start of the program raises the running window,
// touches no file and exits.
TEST_F(StartupTest, ASecondProgramStartExitsAndRaisesTheRunningWindow) {
    TempDir::Write(paths.LockFile(), "999999\ncorvellan\nsomehost\n");
    CSingleInstance first(paths);
    ASSERT_TRUE(first.Acquire());
    EXPECT_EQ(CDataLock(paths, LockHolder::Command).Acquire({}), CDataLock::Result::HeldByWindow);
    QSignalSpy raised(&first, &CSingleInstance::raiseRequested);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(paths.ConfigDir()));
    env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir.Path()));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(CORVELLAN_PATH), {});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(paths.SettingsFile())))
        << "the second start touched no file";
}

TEST_F(StartupTest, TerminationSignalsBecomeAQtSignal) {
    CSignalWatcher watcher;
    QSignalSpy spy(&watcher, &CSignalWatcher::terminationRequested);
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        std::raise(number);
        ASSERT_TRUE(spy.wait(2000)) << number;
        EXPECT_EQ(spy.takeFirst().at(0).toInt(), number);
    }
}

// A user's text is never read as markup, and a Save As dialog opens in the documents folder,
// wherever the program was started.
TEST_F(StartupTest, BoxesShowPlainTextAndSaveAsOpensInTheDocumentsFolder) {
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QByteArray::fromStdString(dir.Path()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(paths.ConfigDir()));
    QDir().mkpath(QString::fromStdString(dir.File("Documents")));
    QStringList seen;
    OnNextModal([&](QDialog& box) {
        const auto& message = dynamic_cast<QMessageBox&>(box);
        seen << message.text() << (message.textFormat() == Qt::PlainText ? "plain" : "markup");
        box.reject();
        OnNextModal([&](QDialog& dialog) {
            seen << dynamic_cast<QFileDialog&>(dialog).directory().absolutePath();
            dialog.reject();
        });
    });
    QtPrompter real;
    real.ShowMessage("Corvellan", "<b>bold?</b> %s", PromptIcon::Exclamation);
    EXPECT_FALSE(real.AskSaveFileName("March", "txt", "Text Files(*.txt)|*.txt|"));
    qputenv("HOME", oldHome);
    oldConfig.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(seen, (QStringList{"<b>bold?</b> %s", "plain",
                                 QDir(QString::fromStdString(dir.File("Documents"))).absolutePath()}));
    EXPECT_EQ(QtPrompter::NameFilters("Text Files(*.txt)|*.txt | All Files(*.*)|*.*|"),
              (QStringList{"Text Files(*.txt)", "All Files(*.*)"}));
}

// The window's and the sheets' help ids lead to their own pages.
TEST(HelpTest, EveryHelpContextOfTheProgramHasItsPage) {
    const std::pair<unsigned long, const char*> pages[] = {
        {101, "Corvellan"},          {0x20066, "The Corvellan window"},
        {0x20084, "Billing System"}, {0x20086, "Time Limits"},
        {0x20087, "Messages"},       {0x2008A, "Call Log"},
        {0x2008C, "Report"},         {4242, "There is no help topic 4242."}};
    CHelpViewer viewer;
    for (const auto& [context, heading] : pages) {
        viewer.ShowTopic(CMonitorApp::TranslateHelpContext(context));
        EXPECT_TRUE(viewer.CurrentText().startsWith(heading)) << std::hex << context;
    }
}
} // namespace
