// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonitorTestFixture.h"

#include "gui/app/QtPrompter.h"
#include "gui/monitor/Icons.h"
#include "gui/monitor/TrayIcon.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace {
// Once the sheet the next click opens is up: act on it, then press one of its buttons.
void InNextSheet(
    QDialogButtonBox::StandardButton press, std::function<void(QWidget&)> act = [](QWidget&) {}) {
    QTimer::singleShot(0, [press, act] {
        act(*QApplication::activeModalWidget());
        QApplication::activeModalWidget()->findChild<QDialogButtonBox*>()->button(press)->click();
    });
}

// The limits give the screenshots' bars something to show.
TEST_F(MonitorTest, TheButtonStartsAndStopsTheMeterAndTicksShowIt) {
    Settings.CallLimit = 5;
    Settings.DayLimit = 20;
    Settings.MonthLimit = 100;
    CMonitorDlg& dlg = Open();
    Shoot("monitor-idle.png");
    EXPECT_EQ(Text("m_editPrice"), "$2.00 / min");
    Button("m_btnStartStop")->click();
    EXPECT_EQ(Text("m_editStartTime"), "14:00:00");
    EXPECT_EQ(Text("m_editStartStopLabel"), "STOP Timer");
    EXPECT_TRUE(dlg.TrayIcon()->ToolTip().endsWith("Right-click: STOP timer"));
    EXPECT_FALSE(Button("m_btnCustomize")->isEnabled());
    EXPECT_TRUE(dlg.IsTickActive(true));

    clock.Advance(125);
    dlg.OnTick(true);
    Shoot("monitor-call.png");
    EXPECT_EQ(Text("m_editCallCost"), "$4.17");
    EXPECT_EQ(Text("m_editTimeOnline"), "0:02:05");
    EXPECT_EQ(Find<QProgressBar>("m_progressCall")->value(), 41);
    // The tray's tip follows each tick, the hidden window's too.
    clock.Advance(629);
    dlg.OnTick(false);
    EXPECT_TRUE(
        dlg.TrayIcon()->ToolTip().endsWith("Right-click: STOP timer\nCall since 14:00:00: 0:12:34, $25.13"))
        << dlg.TrayIcon()->ToolTip().toStdString();

    Button("m_btnStartStop")->click();
    EXPECT_EQ(Text("m_editStartStopLabel"), "START Timer");
    EXPECT_EQ(dlg.TrayIcon()->ToolTip(), "Left-click: show/hide window.  Right-click: START timer");
    EXPECT_TRUE(Button("m_btnCustomize")->isEnabled());
    EXPECT_FALSE(dlg.IsTickActive(true) || dlg.IsTickActive(false));
}

// The amounts paint themselves whole: a tick repaints the one that changed, never the group box
// behind it, and an amount that stays as it was repaints nothing.
TEST_F(MonitorTest, ATickRepaintsOnlyTheAmountThatChanged) {
    struct PaintCounter : QObject {
        std::map<QObject*, int> painted;
        bool eventFilter(QObject* watched, QEvent* event) override {
            painted[watched] += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    CMonitorDlg& dlg = Open();
    dlg.OnStartStop();
    clock.Advance(1);
    dlg.OnTick(true);
    QApplication::processEvents();
    auto* cost = Find<CValueField>("m_editCallCost");
    for (QObject* watched : {static_cast<QObject*>(cost), cost->parent()})
        watched->installEventFilter(&counter);
    Settings.CallLimit = 0; // the bars stay as they are
    dlg.OnTick(true);       // the same second: nothing changed
    QApplication::processEvents();
    clock.Advance(1);
    dlg.OnTick(true);
    QApplication::processEvents();
    EXPECT_EQ(counter.painted[cost], 1);
    EXPECT_EQ(counter.painted[cost->parent()], 0) << "the group box behind the amount";
    EXPECT_EQ(Text("m_editSpentToday"), Text("m_editCallCost"));
}

TEST_F(MonitorTest, TrayClicksMeanShowHideAndStartStop) {
    CMonitorDlg& dlg = Open();
    CTrayIcon& tray = *dlg.TrayIcon();
    QSignalSpy window(&tray, &CTrayIcon::toggleWindowRequested);
    QSignalSpy timer(&tray, &CTrayIcon::toggleTimerRequested);
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick,
                        QSystemTrayIcon::DoubleClick})
        tray.OnActivated(reason);
    EXPECT_EQ(window.count(), 1);
    EXPECT_EQ(timer.count(), 2) << "a middle click stands in for a right click";

    // The window is now hidden and no call runs.
    emit tray.toggleTimerRequested();
    EXPECT_EQ(std::pair(dlg.IsTickActive(true), dlg.IsTickActive(false)), std::pair(false, true))
        << "a hidden window watches every ten seconds";
    emit tray.toggleWindowRequested();
    EXPECT_EQ(std::pair(dlg.IsTickActive(true), dlg.IsTickActive(false)), std::pair(true, false));
}

// Warnings are shown without a nested loop: the tick returns at once, the figures go on, and the
// next warnings (an early one, then a second limit's) open while the first is still up.
TEST_F(MonitorTest, AWarningLeavesTheTicksRunning) {
    Settings.WarnCall = true;
    Settings.CallLimit = 1;
    Settings.MonthLimit = 3;
    Settings.EarlyWarningPercent = 50;
    QtPrompter real;
    CMonitorDlg& dlg = Open(&real);
    // A box that waits would hold the test here: close it and fail instead.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "the warning waited for the user";
            box->close();
        }
    });
    guard.start(1000);
    dlg.OnStartStop();
    clock.Advance(60);
    dlg.OnTick(true);
    clock.Advance(60);
    dlg.OnTick(true);
    EXPECT_EQ(Text("m_editSpentMonth"), "$4.00");
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget);
            box != nullptr && box->isVisible() && box->close())
            ++open;
    EXPECT_EQ(open, 3);
}

TEST_F(MonitorTest, TheFirstRunOpensThePreferencesBeforeTheTrayAndTheLog) {
    TempDir::Write(paths.CallLogFile(), "not a log");
    monitor = std::make_unique<CMonitor>(paths, prompter, clock);
    dialog = std::make_unique<CMonitorDlg>(nullptr, true, *monitor, paths, prompter, clock);
    bool seen = false;
    InNextSheet(QDialogButtonBox::Cancel, [&](QWidget& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Preferences");
        EXPECT_FALSE(dialog->TrayIcon()->IsAdded());
        EXPECT_TRUE(prompter.shown.empty()) << "Calls.log is read only after the sheet";
        seen = true;
    });
    dialog->OnInitDialog();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(dialog->TrayIcon()->IsAdded());
    EXPECT_EQ(prompter.shown.size(), 1u) << "the broken log, after the sheet";
    EXPECT_FALSE(std::filesystem::exists(paths.SettingsFile())) << "Cancel: written only at the end";

    // OK writes the settings at once, so that a crash does not take the tariff just typed in.
    InNextSheet(QDialogButtonBox::Ok);
    Button("m_btnCustomize")->click();
    EXPECT_NE(TempDir::Read(paths.SettingsFile()).find("WeekdayDayRate=2.00"), std::string::npos);
}

// Clear Log, Yes, then OK: the window starts the month again from nothing and the emptied log is
// written (the old one kept beside it is the monitor's, tested in the core).
TEST_F(MonitorTest, ClearingTheLogEmptiesTheFiguresAndKeepsTheOldFile) {
    Settings.MonthLimit = 100;
    CMonitorDlg& dlg = Open();
    dlg.OnStartStop();
    clock.Advance(60);
    dlg.OnStartStop();
    dlg.RefreshDisplay();
    EXPECT_EQ(Text("m_editSpentMonth"), "$2.00");
    prompter.yesNoAnswers = {true};
    InNextSheet(QDialogButtonBox::Ok, [](QWidget& sheet) {
        sheet.findChild<QPushButton*>(QStringLiteral("m_ctlClearLog"))->click();
    });
    Button("m_btnLogs")->click();
    EXPECT_EQ(Text("m_editSpentMonth"), "$0.00");
    EXPECT_EQ(Find<QProgressBar>("m_progressMonth")->value(), 0);
    EXPECT_EQ(dlg.Calls().GetSize(), 0);
    EXPECT_EQ(Log().find("Start:"), std::string::npos);
}

// At midnight of a new month the window hands the month that ended to the history, and the sheet
// offers it.
TEST_F(MonitorTest, TheWindowFollowsTheTurnOfTheMonthAndTheSheetOffersTheOneThatEnded) {
    clock.Set(CTime(2026, 12, 31, 23, 0, 0));
    CMonitorDlg& dlg = Open();
    dlg.OnStartStop();
    clock.Advance(60);
    dlg.OnStartStop();
    clock.Set(CTime(2027, 1, 1, 0, 0, 1));
    dlg.OnBoundary();
    QString offered;
    InNextSheet(QDialogButtonBox::Cancel, [&offered](QWidget& sheet) {
        offered = sheet.findChild<QComboBox*>(QStringLiteral("m_comboMonth"))->itemText(1);
    });
    Button("m_btnLogs")->click();
    EXPECT_EQ(offered, "December 2026");
}

TEST_F(MonitorTest, ExitAsksAndRecordsARunningCall) {
    CMonitorDlg& dlg = Open();
    dlg.OnStartStop();
    clock.Advance(90);
    prompter.yesNoAnswers = {false, true};
    Button("m_btnExit")->click();
    EXPECT_TRUE(dlg.Meter().IsRunning()) << "No: the call goes on";
    EXPECT_NE(prompter.shown.back().text.find("press the \"Minimize\" button"), std::string::npos);
    Button("m_btnExit")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_NE(Log().find("End:\t02/12/26\t14:01:30"), std::string::npos) << "Yes: recorded, not lost";
}

// The keyboard: Esc and close do nothing, F1 asks for help, a command's mnemonic or a click on its
// label is the command, Enter presses the button with the focus and else hides the window.
TEST_F(MonitorTest, TheKeyboardAndTheCommandRows) {
    CMonitorDlg& dlg = Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    const auto Label = [&dlg](const char* text) {
        for (QLabel* label : dlg.findChildren<QLabel*>())
            if (label->text() == QLatin1String(text))
                return label;
        return static_cast<QLabel*>(nullptr);
    };
    QSignalSpy help(&dlg, &CMonitorDlg::helpRequested);
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.close() || !dlg.isVisible());
    QTest::keyClick(&dlg, Qt::Key_F1);
    QTest::keyClick(&dlg, Qt::Key_H, Qt::AltModifier); // a mnemonic's click comes a moment later
    ASSERT_TRUE(QTest::qWaitFor([&help] { return help.size() == 2; }, 10000));
    QTest::mouseClick(Label("&Help Contents..."), Qt::LeftButton);
    std::vector<unsigned long long> asked;
    for (const QList<QVariant>& call : help)
        asked.push_back(call.at(0).toULongLong());
    EXPECT_EQ(asked, (std::vector<unsigned long long>{0x20066, 101, 101}));
    QTest::mouseClick(Find("m_editStartStopLabel"), Qt::LeftButton);
    EXPECT_TRUE(dlg.Meter().IsRunning()) << "the start/stop row";
    Button("m_btnStartStop")->setFocus();
    QTest::keyClick(&dlg, Qt::Key_Return);
    EXPECT_FALSE(dlg.Meter().IsRunning()) << "Enter on the start/stop button";
    EXPECT_TRUE(dlg.isVisible());
    QTest::mouseClick(Label("Hide Window"), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible() && !dlg.isMinimized()) << "a click on \"Hide Window\"";
    dlg.SetShown(true);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QTest::keyClick(&dlg, Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&dlg] { return !dlg.isVisible() || dlg.isMinimized(); }, 10000))
        << "&Minimize";
    dlg.SetShown(true);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.setFocus();
    QTest::keyClick(&dlg, Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible() && !dlg.isMinimized()) << "Enter with no button in focus";
}

TEST(IconTest, EveryIconRendersAtTrayAndButtonSizes) {
    for (const char* name :
         {"corvellan", "call-running", "call-stopped", "logs", "customize", "hide", "exit", "help"})
        for (int size : {16, 32}) {
            const QImage image = LoadIcon(name).pixmap(size, size).toImage();
            EXPECT_NE(image.isNull() ? 0 : image.pixelColor(size / 2, size / 2).alpha(), 0)
                << name << " at " << size << " is blank in the middle";
            // At twice the scale the bitmap drawn for that size, not a blown-up smaller one.
            QImage drawn(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(2 * size));
            drawn.setDevicePixelRatio(2.0);
            const QImage got = LoadIcon(name).pixmap(QSize(size, size), 2.0).toImage();
            EXPECT_EQ(got, drawn.convertToFormat(got.format())) << name << " at " << size;
        }
    // Bitmaps only: the SVG icon engine stays out of the process.
    std::ifstream maps("/proc/self/maps");
    const std::string mapped((std::istreambuf_iterator<char>(maps)), std::istreambuf_iterator<char>());
    EXPECT_EQ(mapped.find("libqsvgicon"), std::string::npos);
}
} // namespace
