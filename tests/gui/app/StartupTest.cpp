#include "gui/app/MonitorApp.h"
#include "gui/app/QtPrompter.h"
#include "gui/app/SingleInstance.h"
#include "gui/monitor/MonitorDlg.h"

#include "core/platform/FakeClock.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
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
        const int code = app.InitInstance();
        helpTopic = app.HelpViewer() ? app.HelpViewer()->CurrentTopic() : 0;
        return code;
    }
    static void Click(CMonitorDlg& dialog, const char* name) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    // Sends SIGTERM as soon as a modal box is open, from inside its own loop. A box still open
    // seconds later means the signal was not honoured: fail, do not hang.
    static void TerminateInsideTheNextBox() {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll] {
            if (QApplication::activeModalWidget() == nullptr)
                return;
            poll->deleteLater();
            std::raise(SIGTERM);
            QTimer::singleShot(5000, [] {
                if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    ADD_FAILURE() << "a box stayed open after SIGTERM";
                    box->reject();
                }
            });
        });
        poll->start(10);
    }
    // The program ended the orderly way: settings written, the lock released.
    void EndedInOrder() const {
        EXPECT_NE(TempDir::Read(paths.SettingsFile()).find("WarnMonth=1"), std::string::npos);
        EXPECT_TRUE(CSingleInstance(paths).Acquire());
    }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    unsigned long helpTopic = 0;
};

// The first run: the Preferences open, the window hidden into the tray keeps the program running
// until Exit, its help reaches the viewer, and the settings are written at the end.
TEST_F(StartupTest, FirstRunWritesTheSettingsFileAtExit) {
    const int code = Run(prompter, [this](CMonitorDlg& dialog) {
        qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject();
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

    const int code = Run(again, [this](CMonitorDlg& dialog) {
        dialog.OnStartStop();
        clock.Advance(45);
        TerminateInsideTheNextBox();
        Click(dialog, "m_btnExit");
    });
    EXPECT_EQ(code, 0);
    EXPECT_NE(TempDir::Read(paths.CallLogFile()).find("End:\t02/12/26\t14:00:45"), std::string::npos);
    EndedInOrder();
}
} // namespace
