// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/meter/Monitor.h"
#include "core/platform/Paths.h"

#include <QDialog>
#include <QIcon>

class Clock;
class Prompter;
class QProgressBar;
class QPushButton;
class QTimer;
class CValueField;
class CTrayIcon;

// The main window, a view of the monitor: it shows the call and the day's and month's spending
// against the user's limits and forwards clicks. Whoever starts or stops a call (a click, the tray,
// the control socket, the link), the window follows the monitor's state.
class CMonitorDlg : public QDialog, private MonitorListener {
    Q_OBJECT
public:
    static constexpr int kShownPeriodMs = 1000;
    static constexpr int kHiddenPeriodMs = 10000;
    // Help id of this window; the application translates it to its help topic.
    static constexpr unsigned long kHelpId = 0x20066;
    static constexpr unsigned long kHelpContents = 101;

    CMonitorDlg(QWidget* parent, bool firstRun, CMonitor& monitor, const Paths& paths, Prompter& prompter,
                Clock& clock);
    ~CMonitorDlg() override;

    // Initialises the window, runs it until Exit or the end of the session, then ends it. A hidden
    // start goes straight into the tray; without a tray the window is shown all the same.
    int Run(bool hidden = false);
    void OnInitDialog();
    // Stops the timers and removes the tray icon; the monitor is ended by its owner.
    void EndRun();
    void RefreshDisplay();
    // A timer tick; shown tells the fast (window shown) timer from the slow one.
    void OnTick(bool shown);
    // The next switch of the tariff period or midnight has come.
    void OnBoundary();
    void SetShown(bool show);
    // The session ends or the process was asked to stop: record a running call and end the run.
    void EndSession();
    // Something the program did by itself, said without waiting for the user: a tray notification
    // where the tray can show one, else the window's tooltip.
    void ShowNotice(const std::string& text);

    const CCallMeter& Meter() const { return m_monitor.Meter(); }
    const CCallArray& Calls() const { return m_monitor.Calls(); }
    bool IsTickActive(bool shown) const;
    bool IsWindowShown() const;
    CTrayIcon* TrayIcon() const { return m_tray; }

signals:
    void helpRequested(unsigned long context);
    // The month's calls have been read: from here on calls may be started by something else.
    void ready();
    // The window has been painted for the first time (or docked, when started hidden): what can
    // wait until then may start now.
    void settled();
    // The Preferences were closed with OK; Settings holds what the user chose.
    void preferencesAccepted();

public slots:
    void OnStartStop();
    void OnHide();
    void OnExit();
    void OnHelpContents();
    void OnAbout();
    void OnCustomize();
    void OnLogsAndReports();

protected:
    void done(int result) override;
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildLayout();
    void Render(const MeterFigures& figures);
    void ShowWarnings(const TickResult& tick);
    void OnShowWindow(bool show);
    void StartTickFor(bool shown);
    void StopTicks();
    void ArmBoundaryTimer();
    void ShowRunning(bool running);
    void CallStarted(CTime start, CallCause cause) override;
    void CallStopped(const CCallRecord& call, CallCause cause) override;
    void ListChanged() override;

    CMonitor& m_monitor;
    Paths m_paths;
    Prompter& m_prompter;
    Clock& m_clock;
    bool m_bFirstRun;
    bool m_bShown = true;
    bool m_bEnding = false;
    bool m_bEnded = false;
    bool m_bDone = false; // the run was ended, maybe before its loop began
    bool m_bPainted = false;

    QPushButton* m_btnHelp;
    CValueField* m_editStartStopLabel;
    QPushButton* m_btnExit;
    QPushButton* m_btnHide;
    QPushButton* m_btnLogs;
    QPushButton* m_btnCustomize;
    QProgressBar* m_progressMonth;
    QProgressBar* m_progressToday;
    QProgressBar* m_progressCall;
    CValueField* m_editSpentMonth;
    CValueField* m_editSpentToday;
    CValueField* m_editStartTime;
    CValueField* m_editCallCost;
    CValueField* m_editTimeOnline;
    QPushButton* m_btnStartStop;
    CValueField* m_editPrice;
    QIcon m_iconRunning;
    QIcon m_iconStopped;
    CTrayIcon* m_tray;
    QTimer* m_timerShown;
    QTimer* m_timerHidden;
    QTimer* m_timerBoundary;
};
