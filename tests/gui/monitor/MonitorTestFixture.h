#pragma once

#include "core/settings/Settings.h"
#include "gui/monitor/MonitorDlg.h"
#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"
#include "core/platform/ProgramState.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TzGuard.h"

#include <QLineEdit>
#include <QProgressBar>
#include <gtest/gtest.h>
#include <memory>

// A real monitor window on the offscreen platform, with a fake clock, scripted answers and its
// files in a temporary directory. The clock starts on a Wednesday afternoon.
class MonitorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings{};
        SettingsChanged = false;
        LogChanged = false;
        CurrencySymbol = "$";
    }
    void TearDown() override { CurrencySymbol.clear(); }

    CMonitorDlg& Open() {
        dialog = std::make_unique<CMonitorDlg>(nullptr, false, paths, prompter, clock);
        dialog->OnInitDialog();
        dialog->show();
        return *dialog;
    }
    std::string Text(QLineEdit* edit) const { return edit->text().toStdString(); }
    std::string Log() const { return TempDir::Read(paths.CallLogFile()); }
    int Messages() const { return prompter.Count(ScriptedPrompter::Kind::Message); }

    TzGuard tz{"UTC0"};
    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    std::unique_ptr<CMonitorDlg> dialog;
};
