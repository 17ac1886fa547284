#include "gui/app/MonitorApp.h"
#include "gui/monitor/MonitorDlg.h"
#include "gui/monitor/TrayIcon.h"

#include "core/platform/FakeClock.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QTimer>
#include <optional>
#include <vector>

namespace {
// Only command lines that end at once are run: the others would start the real program.
TEST(CommandLineTest, HiddenIsTakenAndWhatIsNotUnderstoodEndsAtOnce) {
    struct Case {
        std::vector<const char*> arguments;
        bool hidden;
        std::optional<int> exitCode;
    };
    const Case cases[] = {
        {{"corvellan"}, false, std::nullopt},
        {{"corvellan", "--hidden"}, true, std::nullopt},
        {{"corvellan", "--version"}, false, 0},
        {{"corvellan", "--hiden"}, false, 2},
        {{"corvellan", "--hidden", "Calls.log"}, true, 2},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv;
        for (const char* argument : c.arguments)
            argv.push_back(const_cast<char*>(argument));
        int argc = static_cast<int>(argv.size());
        CMonitorApp app(argc, argv.data());
        if (c.exitCode)
            EXPECT_EQ(app.InitInstance(), *c.exitCode) << c.arguments.back();
        else
            EXPECT_EQ(app.startHidden, c.hidden) << c.arguments.back();
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
