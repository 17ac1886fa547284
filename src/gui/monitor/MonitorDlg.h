#pragma once

#include "core/billing/CallArray.h"
#include "core/calllog/CallLog.h"
#include "core/platform/Time.h"

#include <QDialog>
#include <QIcon>
#include <QSystemTrayIcon>

class Clock;
class Paths;
class Prompter;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class CTrayIcon;

// The main window: times calls, shows the running cost and the day's and month's spending against
// the user's limits, and owns the month's call list.
class CMonitorDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int TIMER_SHOWN = 1;
    static constexpr int TIMER_HIDDEN = 3;
    static constexpr int kShownPeriodMs = 1000;
    static constexpr int kHiddenPeriodMs = 10000;
    // Help id of this window; the application translates it to its help topic.
    static constexpr unsigned long kHelpId = 0x20066;

    CMonitorDlg(QWidget* parent, bool firstRun, const Paths& paths, Prompter& prompter, Clock& clock);
    ~CMonitorDlg() override;

    // Runs the window: initialises it, runs it modally, then ends it.
    int Run();
    void OnInitDialog();
    void DestroyWindow();

    void RefreshDisplay();
    void OnTimer(int id);
    void CheckLimits(double cost);
    void SetShown(bool show);
    void OnTrayNotify(QSystemTrayIcon::ActivationReason reason);
    // The desktop session ends or the process was asked to stop: record a running call and end.
    void EndSession();
    // The next day or night switch or midnight has come: follow the rate and the date.
    void OnBoundary();

    bool IsTimerActive(int id) const;
    bool IsWindowShown() const;
    CTrayIcon* TrayIcon() const { return m_tray; }

    // The month's calls and figures; the Logs and Reports sheet works on them directly.
    CCallArray m_calls;
    QPushButton* m_btnHelp;
    QLineEdit* m_editStartStopLabel;
    QPushButton* m_btnExit;
    QPushButton* m_btnHide;
    QPushButton* m_btnLogs;
    QPushButton* m_btnCustomize;
    QProgressBar* m_progressMonth;
    QProgressBar* m_progressToday;
    QProgressBar* m_progressCall;
    QLineEdit* m_editSpentMonth;
    QLineEdit* m_editSpentToday;
    QLineEdit* m_editStartTime;
    QLineEdit* m_editCallCost;
    QPushButton* m_btnStartStop;
    QLineEdit* m_editPrice;
    QString m_strPrice;
    bool m_bMonthWarned = false;
    bool m_bDayWarned = false;
    bool m_bCallWarned = false;
    double m_spentToday = 0.0;
    double m_spentMonth = 0.0;
    bool m_bRunning = false;
    CTime m_startTime;
    bool m_bShown = true;

public slots:
    void OnStartStop();
    void OnHide();
    void OnExit();
    void OnHelpContents();
    void OnAbout();
    void OnCustomize();
    void OnLogsAndReports();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildLayout();
    void OnShowWindow(bool show);
    void StartTimerFor(bool shown);
    void StopTimers();
    void ArmBoundaryTimer();
    bool FollowDate(CTime now);
    void UpdatePrice(CTime now);
    void ShowMonthFigures();
    bool SaveCallLog();
    void LoadCallLog();
    static void SetBarRange(QProgressBar* bar, double limit);
    static void SetBarPosition(QProgressBar* bar, double amount);

    const Paths& m_paths;
    Prompter& m_prompter;
    Clock& m_clock;
    CCallLog m_callLog;
    QIcon m_hIcon;
    bool m_bFirstRun;
    QIcon m_hIconRunning;
    QIcon m_hIconStopped;
    CTrayIcon* m_tray;
    QTimer* m_timerShown;
    QTimer* m_timerHidden;
    QTimer* m_timerBoundary;
    CTime m_figuresDate; // the day the shown day and month figures belong to
    bool m_bDestroyed = false;
};
