#include "MonitorTestFixture.h"

#include "gui/monitor/TrayIcon.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {
TEST_F(MonitorTest, StartAndStopFromTheButtonRecordPriceAndSaveTheCall) {
    CMonitorDlg& dlg = Open();
    EXPECT_EQ(Text(dlg.m_editStartStopLabel), "START Timer");
    EXPECT_EQ(dlg.TrayIcon()->ToolTip().toStdString(), CTrayIcon::kTipStopped);

    dlg.m_btnStartStop->click();
    EXPECT_TRUE(dlg.m_bRunning);
    EXPECT_EQ(Text(dlg.m_editStartTime), "14:00:00");
    EXPECT_EQ(Text(dlg.m_editStartStopLabel), "STOP Timer");
    EXPECT_EQ(dlg.TrayIcon()->ToolTip().toStdString(),
              "Left-click: show/hide window.  Right-click: STOP timer");
    EXPECT_TRUE(dlg.TrayIcon()->IsRunningShown());
    EXPECT_FALSE(dlg.m_btnCustomize->isEnabled());
    EXPECT_TRUE(dlg.IsTimerActive(CMonitorDlg::TIMER_SHOWN));
    EXPECT_FALSE(dlg.IsTimerActive(CMonitorDlg::TIMER_HIDDEN));

    clock.Advance(10 * 60 + 30);
    dlg.OnTimer(CMonitorDlg::TIMER_SHOWN);
    EXPECT_EQ(Text(dlg.m_editCallCost), "$21.00");
    EXPECT_EQ(Text(dlg.m_editSpentToday), "$21.00");
    EXPECT_EQ(Text(dlg.m_editSpentMonth), "$21.00");

    dlg.m_btnStartStop->click();
    EXPECT_FALSE(dlg.m_bRunning);
    ASSERT_EQ(dlg.m_calls.GetSize(), 1);
    EXPECT_DOUBLE_EQ(dlg.m_calls.GetAt(0).GetCost(), 21.0);
    EXPECT_DOUBLE_EQ(dlg.m_spentMonth, 21.0);
    EXPECT_TRUE(LogChanged);
    EXPECT_EQ(Text(dlg.m_editStartStopLabel), "START Timer");
    EXPECT_EQ(dlg.TrayIcon()->ToolTip().toStdString(),
              "Left-click: show/hide window.  Right-click: START timer");
    EXPECT_TRUE(dlg.m_btnCustomize->isEnabled());
    EXPECT_FALSE(dlg.IsTimerActive(CMonitorDlg::TIMER_SHOWN));
    EXPECT_FALSE(dlg.IsTimerActive(CMonitorDlg::TIMER_HIDDEN));
    EXPECT_NE(Log().find("Start:\t02/12/26\t14:00:00\r\nEnd:\t02/12/26\t14:10:30\r\n"), std::string::npos)
        << "each stop writes Calls.log at once";
    EXPECT_EQ(Text(dlg.m_editCallCost), "$21.00") << "the last shown cost stays after a stop";
}

TEST_F(MonitorTest, TrayClicksShowHideAndStartStop) {
    CMonitorDlg& dlg = Open();
    dlg.OnTrayNotify(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(dlg.m_bShown);
    if (!CTrayIcon::IsAvailable()) {
        EXPECT_TRUE(dlg.isMinimized()) << "without a tray the window is minimised, never stranded";
    }

    dlg.OnTrayNotify(QSystemTrayIcon::Context);
    EXPECT_TRUE(dlg.m_bRunning);
    EXPECT_TRUE(dlg.IsTimerActive(CMonitorDlg::TIMER_HIDDEN)) << "a hidden window watches every ten seconds";
    EXPECT_FALSE(dlg.IsTimerActive(CMonitorDlg::TIMER_SHOWN));

    clock.Advance(60);
    dlg.OnTimer(CMonitorDlg::TIMER_HIDDEN);
    EXPECT_EQ(Text(dlg.m_editCallCost), "$0.00") << "a hidden window's amounts stay as they were";

    dlg.OnTrayNotify(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(dlg.m_bShown);
    EXPECT_TRUE(dlg.IsTimerActive(CMonitorDlg::TIMER_SHOWN))
        << "shown again: the amounts catch up within a second";
    EXPECT_FALSE(dlg.IsTimerActive(CMonitorDlg::TIMER_HIDDEN));
    dlg.OnTimer(CMonitorDlg::TIMER_SHOWN);
    EXPECT_EQ(Text(dlg.m_editCallCost), "$2.00");

    dlg.OnTrayNotify(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(dlg.m_bRunning) << "double clicks do nothing";
    dlg.OnTrayNotify(QSystemTrayIcon::MiddleClick);
    EXPECT_FALSE(dlg.m_bRunning) << "a middle click stands in for a right click";
    EXPECT_EQ(dlg.m_calls.GetSize(), 1);
}

TEST_F(MonitorTest, ShowsThePriceAndZeroCostAtStartUp) {
    Settings.CallLimit = 2.5;
    Settings.DayLimit = 0;
    Settings.MonthLimit = 1000000;
    CMonitorDlg& dlg = Open();
    EXPECT_EQ(Text(dlg.m_editPrice), "$2.00 / min");
    EXPECT_EQ(Text(dlg.m_editCallCost), "$0.00");
    EXPECT_EQ(Text(dlg.m_editSpentToday), "$0.00");
    EXPECT_EQ(dlg.m_progressCall->maximum(), 20) << "whole part of 2.50, in tenths";
    EXPECT_EQ(dlg.m_progressMonth->maximum(), 10000000);
    EXPECT_EQ(dlg.m_progressToday->value(), 0);

    dlg.OnStartStop();
    clock.Advance(2 * 60);
    dlg.OnTimer(CMonitorDlg::TIMER_SHOWN);
    EXPECT_EQ(dlg.m_progressCall->value(), 20) << "4.00 is above the range: a full bar";
}

struct WarningCase {
    const char* name;
    int seconds; // length of the running call at the tick
    bool expectWarned;
};

TEST_F(MonitorTest, CallWarningComesStrictlyAboveTheLimitAndOnlyOncePerRun) {
    Settings.WarnCall = true;
    Settings.CallLimit = 2.0;
    Settings.CallLimitMessage = "<b>Stop</b> now, %s!";
    CMonitorDlg& dlg = Open();
    dlg.OnStartStop();
    const WarningCase ticks[] = {
        {"exactly 2.00", 60, false}, {"just above", 61, true}, {"later tick", 120, true}};
    for (const WarningCase& tick : ticks) {
        clock.Set(dlg.m_startTime + CTimeSpan(tick.seconds));
        dlg.OnTimer(CMonitorDlg::TIMER_SHOWN);
        EXPECT_EQ(dlg.m_bCallWarned, tick.expectWarned) << tick.name;
    }
    ASSERT_EQ(Messages(), 1);
    EXPECT_EQ(prompter.shown.back().text, "<b>Stop</b> now, %s!") << "the user's text exactly as stored";
    EXPECT_EQ(prompter.shown.back().caption, "Corvellan");
    EXPECT_EQ(prompter.shown.back().icon, PromptIcon::Exclamation);

    dlg.OnStartStop();
    dlg.OnStartStop();
    clock.Advance(10 * 60);
    dlg.OnTimer(CMonitorDlg::TIMER_SHOWN);
    EXPECT_EQ(Messages(), 1) << "a second call over the limit stays silent";
}

TEST_F(MonitorTest, LimitsOfZeroAndSwitchedOffWarningsNeverWarn) {
    Settings.WarnCall = true;
    Settings.CallLimit = 0;
    Settings.WarnDay = false;
    Settings.DayLimit = 1;
    Settings.WarnMonth = true;
    Settings.MonthLimit = 0;
    CMonitorDlg& dlg = Open();
    dlg.OnStartStop();
    clock.Advance(3600);
    dlg.OnTimer(CMonitorDlg::TIMER_SHOWN);
    EXPECT_EQ(Messages(), 0);
    EXPECT_EQ(dlg.m_progressCall->value(), 0) << "a limit of 0 leaves its bar empty";
    EXPECT_EQ(dlg.m_progressToday->value(), dlg.m_progressToday->maximum()) << "the day bar still moves";
}

TEST_F(MonitorTest, MonthWarningComesAtTheFirstTickWhenTheMonthIsAlreadyOver) {
    Settings.MonthLimit = 10;
    {
        // Earlier this month: 6 minutes at the day rate, 12.00.
        CMonitorDlg earlier(nullptr, false, paths, prompter, clock);
        earlier.OnInitDialog();
        clock.Set(CTime(2026, 12, 1, 10, 0, 0));
        earlier.OnStartStop();
        clock.Advance(6 * 60);
        earlier.OnStartStop();
        earlier.DestroyWindow();
    }
    clock.Set(CTime(2026, 12, 2, 14, 0, 0));
    CMonitorDlg& dlg = Open();
    EXPECT_EQ(Text(dlg.m_editSpentMonth), "$12.00");
    EXPECT_EQ(Messages(), 0) << "nothing is shown until a call starts";
    dlg.OnStartStop();
    dlg.OnTimer(CMonitorDlg::TIMER_SHOWN);
    ASSERT_EQ(Messages(), 1);
    EXPECT_EQ(prompter.shown.back().text, Settings.MonthLimitMessage);
}

TEST_F(MonitorTest, ExitAsksFirstAndRecordsARunningCall) {
    CMonitorDlg& dlg = Open();
    dlg.OnStartStop();
    clock.Advance(90);

    prompter.yesNoAnswers = {false};
    dlg.m_btnExit->click();
    EXPECT_TRUE(dlg.m_bRunning) << "No: the call goes on";
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_NE(prompter.shown.back().text.find("Are you sure you want to stop Corvellan ?"),
              std::string::npos);
    EXPECT_NE(prompter.shown.back().text.find("press the \"Minimize\" button"), std::string::npos);

    prompter.yesNoAnswers = {true};
    dlg.m_btnExit->click();
    EXPECT_FALSE(dlg.m_bRunning);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_calls.GetSize(), 1) << "Yes: the call is stopped and recorded, not lost";
    EXPECT_NE(Log().find("End:\t02/12/26\t14:01:30"), std::string::npos);
}

TEST_F(MonitorTest, EscapeAndCloseLeaveTheWindowOpenAndEnterHidesIt) {
    CMonitorDlg& dlg = Open();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.close());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.m_btnHide->isDefault());
    QTest::keyClick(&dlg, Qt::Key_Return);
    EXPECT_FALSE(dlg.m_bShown);
}

TEST_F(MonitorTest, EndOfSessionRecordsTheRunningCall) {
    CMonitorDlg& dlg = Open();
    dlg.OnStartStop();
    clock.Advance(45);
    dlg.EndSession();
    EXPECT_EQ(dlg.m_calls.GetSize(), 1);
    EXPECT_NE(Log().find("End:\t02/12/26\t14:00:45"), std::string::npos);
}

TEST_F(MonitorTest, FiguresAndPriceFollowTheClockAcrossMidnightAndTheNightSwitch) {
    Settings.WarnDay = true;
    Settings.DayLimit = 1;
    clock.Set(CTime(2026, 12, 2, 23, 0, 0));
    CMonitorDlg& dlg = Open();
    dlg.OnStartStop();
    clock.Advance(60);
    dlg.OnTimer(CMonitorDlg::TIMER_SHOWN);
    EXPECT_TRUE(dlg.m_bDayWarned);
    dlg.OnStartStop();
    EXPECT_EQ(Text(dlg.m_editPrice), "$2.00 / min");

    clock.Set(CTime(2026, 12, 2, 23, 30, 0));
    dlg.OnBoundary();
    EXPECT_EQ(Text(dlg.m_editPrice), "$1.50 / min") << "the night rate from 23:30";
    EXPECT_EQ(Text(dlg.m_editSpentToday), "$2.00");

    clock.Set(CTime(2026, 12, 3, 0, 0, 0));
    dlg.OnBoundary();
    EXPECT_EQ(Text(dlg.m_editSpentToday), "$0.00") << "a new day starts from its own calls";
    EXPECT_EQ(Text(dlg.m_editSpentMonth), "$2.00");
    EXPECT_FALSE(dlg.m_bDayWarned) << "the day warning may come again on the new day";

    clock.Set(CTime(2027, 1, 1, 0, 0, 0));
    dlg.OnBoundary();
    EXPECT_EQ(Text(dlg.m_editSpentMonth), "$0.00") << "a new month starts empty";
    EXPECT_EQ(Text(dlg.m_editPrice), "$1.50 / min");
    EXPECT_EQ(dlg.m_calls.GetSize(), 1) << "the old month's call stays for the log";
}
} // namespace
