#include "gui/app/MonitorApp.h"
#include "gui/monitor/MonitorDlg.h"
#include "gui/monitor/TrayIcon.h"

#include "core/platform/FakeClock.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QTimer>
#include <optional>

namespace {
TEST(CommandLineTest, HiddenIsTakenAndWhatIsNotUnderstoodEndsAtOnce) {
    struct Case {
        QStringList arguments;
        bool hidden;
        std::optional<int> exitCode;
    };
    const Case cases[] = {
        {{"corvellan"}, false, std::nullopt},   {{"corvellan", "--hidden"}, true, std::nullopt},
        {{"corvellan", "--version"}, false, 0}, {{"corvellan", "--hidden", "--help-all"}, false, 0},
        {{"corvellan", "--hiden"}, false, 2},   {{"corvellan", "--hidden", "Calls.log"}, false, 2},
    };
    for (const Case& c : cases) {
        bool hidden = false;
        EXPECT_EQ(CMonitorApp::ParseCommandLine(c.arguments, hidden), c.exitCode)
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(hidden, c.hidden) << c.arguments.join(' ').toStdString();
    }
}

class HiddenStartTest : public FreshStateTest {
protected:
    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
};

// Offscreen there is no tray, so this sees the window shown; on a desktop with one, hidden.
TEST_F(HiddenStartTest, AHiddenStartGoesToTheTrayOrShowsTheWindowWhenThereIsNone) {
    TempDir::Write(paths.SettingsFile(), "[Limits]\nWarnMonth=0\n"); // not the first run
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
    ASSERT_TRUE(visible.has_value());
    EXPECT_EQ(*visible, !CTrayIcon::IsAvailable());
}
} // namespace
