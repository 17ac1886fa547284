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
        helpTopic = 0;
        const int code = app.InitInstance();
        if (app.HelpViewer() != nullptr)
            helpTopic = app.HelpViewer()->CurrentTopic();
        return code;
    }
    static void Click(CMonitorDlg& dialog, const char* name) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    // Sends SIGTERM as soon as a modal box is open, from inside its own loop.
    static void TerminateInsideTheNextBox() {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll] {
            if (QApplication::activeModalWidget() == nullptr)
                return;
            poll->deleteLater();
            std::raise(SIGTERM);
            // A box still open seconds later means the signal was not honoured: fail, do not hang.
            QTimer::singleShot(5000, [] {
                if (QApplication::activeModalWidget() == nullptr)
                    return;
                ADD_FAILURE() << "a box stayed open after SIGTERM";
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    if (auto* dialog = qobject_cast<QDialog*>(widget))
                        dialog->done(QDialog::Rejected);
                }
            });
        });
        poll->start(10);
    }
    bool LockIsFree() const { return CSingleInstance(paths).Acquire(); }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    unsigned long helpTopic = 0;
};

TEST_F(StartupTest, FirstRunWritesTheWholeSettingsFileAtExit) {
    const int code = Run(prompter, [this](CMonitorDlg& dialog) {
        qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject(); // the Preferences
        dialog.SetShown(false); // hidden into the tray, the program keeps running until Exit
        Click(dialog, "m_btnHelp");
        prompter.yesNoAnswers.push_back(true);
        Click(dialog, "m_btnExit");
    });
    EXPECT_EQ(code, 0);
    EXPECT_NE(prompter.shown.front().text.find("first time"), std::string::npos);
    EXPECT_EQ(helpTopic, 101u) << "the window's help reaches the viewer";
    const std::string ini = TempDir::Read(paths.SettingsFile());
    EXPECT_EQ(std::count(ini.begin(), ini.end(), '='), 19);
    EXPECT_EQ(ini.rfind("[Billing]\nWeekdayDayRate=2.00\n", 0), 0u);
}

TEST_F(StartupTest, ALaterRunWithoutChangesLeavesTheFileUntouched) {
    const std::string mine = "[Billing]\nWeekdayDayRate = 3.00   ; typed by hand\n";
    TempDir::Write(paths.SettingsFile(), mine);
    Run(prompter, [](CMonitorDlg& dialog) { dialog.EndSession(); });
    EXPECT_EQ(TempDir::Read(paths.SettingsFile()), mine);
    EXPECT_DOUBLE_EQ(Settings.WeekdayDayRate, 3.0);
}

// A logout or "systemctl stop" while a box is open: the box closes, a running call is kept, the
// settings are written, the lock is released and the exit status is 0.
TEST_F(StartupTest, ASignalEndsTheProgramFromInsideTheFirstRunBox) {
    QtPrompter real;
    TerminateInsideTheNextBox();
    EXPECT_EQ(Run(real, [](CMonitorDlg&) { FAIL() << "the window must not open"; }), 0);
    EXPECT_NE(TempDir::Read(paths.SettingsFile()).find("WarnMonth=1"), std::string::npos);
    EXPECT_TRUE(LockIsFree());
}

TEST_F(StartupTest, ASignalEndsTheProgramFromInsideTheExitQuestion) {
    TempDir::Write(paths.SettingsFile(), "[Billing]\n");
    QtPrompter real;
    const int code = Run(real, [this](CMonitorDlg& dialog) {
        dialog.OnStartStop();
        clock.Advance(45);
        TerminateInsideTheNextBox();
        Click(dialog, "m_btnExit");
    });
    EXPECT_EQ(code, 0);
    EXPECT_NE(TempDir::Read(paths.CallLogFile()).find("End:\t02/12/26\t14:00:45"), std::string::npos);
    EXPECT_TRUE(LockIsFree());
}

TEST(HelpContextTest, TranslatesWindowHelpIdsToTopics) {
    const std::pair<unsigned long, unsigned long> cases[] = {
        {0x20066, 103}, {0x20084, 108}, {0x20086, 109},     {0x20087, 110},
        {0x2008A, 105}, {0x2008C, 106}, {0x20064, 0x20064}, {101, 101}};
    for (const auto& [context, topic] : cases)
        EXPECT_EQ(CMonitorApp::TranslateHelpContext(context), topic) << std::hex << context;
}
} // namespace
