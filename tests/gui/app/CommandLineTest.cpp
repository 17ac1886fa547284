#include "gui/app/MonitorApp.h"
#include "gui/monitor/MonitorDlg.h"
#include "gui/monitor/TrayIcon.h"

#include "core/platform/FakeClock.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QTimer>

namespace {
TEST(CommandLineTest, HiddenIsTakenAndWhatIsNotUnderstoodEndsAtOnce) {
    const std::tuple<QStringList, bool, std::optional<int>> cases[] = {
        {{"corvellan"}, false, std::nullopt},
        {{"corvellan", "--hidden"}, true, std::nullopt},
        {{"corvellan", "--hidden", "--help-all"}, false, 0},
        {{"corvellan", "--hiden"}, false, 2},
        {{"corvellan", "--hidden", "Calls.log"}, false, 2},
    };
    for (const auto& [arguments, hidden, exitCode] : cases) {
        bool taken = false;
        EXPECT_EQ(CMonitorApp::ParseCommandLine(arguments, taken), exitCode)
            << arguments.join(' ').toStdString();
        EXPECT_EQ(taken, hidden) << arguments.join(' ').toStdString();
    }
}

// Offscreen there is no tray, so this sees the window shown; on a desktop with one, hidden.
TEST_F(FreshStateTest, AHiddenStartGoesToTheTrayOrShowsTheWindowWhenThereIsNone) {
    TempDir dir;
    const Paths paths(dir.File("config"), dir.File("data"));
    TempDir::Write(paths.SettingsFile(), "[Limits]\nWarnMonth=0\n"); // not the first run
    ScriptedPrompter prompter;
    FakeClock clock(CTime(2026, 12, 2, 14, 0, 0));
    CMonitorApp app(paths, prompter, clock);
    app.startHidden = true;
    std::optional<bool> visible;
    app.onDialogCreated = [&visible](CMonitorDlg& dialog) {
        QTimer::singleShot(0, &dialog, [&visible, &dialog] {
            visible = dialog.isVisible();
            dialog.EndSession();
        });
    };
    EXPECT_EQ(app.InitInstance(), 0);
    EXPECT_EQ(visible, !CTrayIcon::IsAvailable());
}
} // namespace
