#include "gui/app/MonitorApp.h"
#include "core/settings/Settings.h"
#include "gui/monitor/MonitorDlg.h"
#include "core/platform/FakeClock.h"
#include "core/platform/ProgramState.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TzGuard.h"

#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Runs the whole start-up sequence with the monitor window ended by its Exit button.
int RunProgram(const Paths& paths, ScriptedPrompter& prompter, FakeClock& clock) {
    CMonitorApp app(paths, prompter, clock);
    app.onDialogCreated = [&prompter](CMonitorDlg& dialog) {
        // Hidden into the tray first (as Hide does where there is a tray): the program must keep
        // running until Exit.
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.hide(); });
        QTimer::singleShot(50, &dialog, [&dialog, &prompter] {
            dialog.SetShown(true);
            prompter.yesNoAnswers.push_back(true); // "Are you sure you want to stop Corvellan ?"
            dialog.m_btnExit->click();
        });
    };
    const int exitCode = app.InitInstance();
    EXPECT_EQ(prompter.Count(ScriptedPrompter::Kind::YesNo), 1)
        << "the program ended through Exit, not by hiding";
    return exitCode;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings{};
        SettingsChanged = false;
        LogChanged = false;
    }
    TzGuard tz{"UTC0"};
    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
};

TEST_F(StartupTest, FirstRunWritesTheWholeSettingsFileAtExit) {
    EXPECT_EQ(RunProgram(paths, prompter, clock), 0);
    ASSERT_GE(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("first time"), std::string::npos);
    EXPECT_EQ(ProgramDirectory, paths.DataDir());

    const std::string ini = TempDir::Read(paths.SettingsFile());
    int keys = 0;
    for (char c : ini)
        keys += c == '=';
    EXPECT_EQ(keys, 19);
    EXPECT_EQ(ini.rfind("[Billing]\nWeekdayDayRate=2.00\n", 0), 0u);
}

TEST_F(StartupTest, ALaterRunWithoutChangesLeavesTheFileUntouched) {
    const std::string mine = "[Billing]\nWeekdayDayRate = 3.00   ; typed by hand\n";
    TempDir::Write(paths.SettingsFile(), mine);
    EXPECT_EQ(RunProgram(paths, prompter, clock), 0);
    EXPECT_EQ(TempDir::Read(paths.SettingsFile()), mine);
    EXPECT_DOUBLE_EQ(Settings.WeekdayDayRate, 3.0);
}

TEST(HelpContextTest, TranslatesWindowHelpIdsToTopics) {
    const std::pair<unsigned long, unsigned long> cases[] = {
        {0x20066, 103}, {0x20084, 108}, {0x20086, 109},     {0x20087, 110},
        {0x2008A, 105}, {0x2008C, 106}, {0x20064, 0x20064}, {101, 101}};
    for (const auto& [context, topic] : cases)
        EXPECT_EQ(CMonitorApp::TranslateHelpContext(context), topic) << std::hex << context;
}
} // namespace
