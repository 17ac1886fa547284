// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"
#include "gui/monitor/MonitorDlg.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/WindowFields.h"

#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

// A real monitor window on the offscreen platform, with a fake clock, scripted answers and its
// files in a temporary directory. The clock starts on a Wednesday afternoon.
class MonitorTest : public FreshStateTest {
protected:
    CMonitorDlg& Open(Prompter* with = nullptr) {
        Prompter& asked = with ? *with : prompter;
        monitor = std::make_unique<CMonitor>(paths, asked, clock);
        dialog = std::make_unique<CMonitorDlg>(nullptr, false, *monitor, paths, asked, clock);
        dialog->OnInitDialog();
        dialog->show();
        return *dialog;
    }
    template <typename T = CValueField> T* Find(const char* name) const {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    std::string Text(const char* name) const { return FieldText(*dialog, name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    std::string Log() const { return TempDir::Read(paths.CallLogFile()); }
    // Saves what the user sees when CORVELLAN_SCREENSHOT_DIR names a directory.
    void Shoot(const char* name) const {
        if (const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR"); !out.isEmpty())
            dialog->grab().save(QDir(out).filePath(QString::fromLatin1(name)));
    }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    std::unique_ptr<CMonitor> monitor;
    std::unique_ptr<CMonitorDlg> dialog;
};
