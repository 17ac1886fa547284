// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/monitor/MonitorDlg.h"

#include "core/billing/Money.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompter.h"
#include "core/settings/Settings.h"
#include "gui/monitor/AboutDlg.h"
#include "gui/monitor/Icons.h"
#include "gui/monitor/TrayIcon.h"
#include "gui/monitor/ValueField.h"
#include "gui/prefs/PreferencesSheet.h"
#include "gui/reports/LogsAndReportsSheet.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <malloc.h>

namespace {
const char* const kExitQuestion = QT_TRANSLATE_NOOP(
    "CMonitorDlg",
    "WARNING: If you exit Corvellan now, your calls will not be logged until you start this program again. I "
    "suggest you press the \"Minimize\" button instead, to close the window and let Corvellan run in "
    "background.\nAre you sure you want to stop Corvellan ?");

QString Shown(double amount) {
    return QString::fromStdString(ShownAmount(amount));
}

QTimer* MakeTimer(QObject* parent, int periodMs, bool singleShot) {
    auto* timer = new QTimer(parent);
    timer->setInterval(periodMs);
    timer->setSingleShot(singleShot);
    return timer;
}

// A field repaints (and with it the group around it) on every setText, even of the same text; the
// window is updated every second during a call, and most figures stay as they were.

void SetField(CValueField* field, const QString& text) {
    field->SetText(text);
}

void SetBar(QProgressBar* bar, const BarState& state) {
    // A range of 0..0 would make Qt draw a busy indicator; a bar that is off is simply empty.
    const int maximum = state.maximum > 0 ? state.maximum : 1;
    if (bar->maximum() != maximum) // a new range repaints the bar even when it is the same
        bar->setRange(0, maximum);
    bar->setValue(state.value);
}
} // namespace

CMonitorDlg::CMonitorDlg(QWidget* parent, bool firstRun, CMonitor& monitor, const Paths& paths,
                         Prompter& prompter, Clock& clock)
    : QDialog(parent), m_monitor(monitor), m_paths(paths), m_prompter(prompter), m_clock(clock),
      m_bFirstRun(firstRun), m_iconRunning(LoadIcon("call-running")), m_iconStopped(LoadIcon("call-stopped")),
      m_tray(new CTrayIcon(this)), m_timerShown(MakeTimer(this, kShownPeriodMs, false)),
      m_timerHidden(MakeTimer(this, kHiddenPeriodMs, false)), m_timerBoundary(MakeTimer(this, 0, true)) {
    setObjectName(QStringLiteral("CMonitorDlg"));
    setWindowTitle(QStringLiteral("Corvellan"));
    // A title bar with a close box that does nothing (hiding is how the window is put away); no
    // minimise box unless there is no tray to hide into.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (!CTrayIcon::IsAvailable())
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    BuildLayout();

    connect(m_timerShown, &QTimer::timeout, this, [this] { OnTick(true); });
    connect(m_timerHidden, &QTimer::timeout, this, [this] { OnTick(false); });
    connect(m_timerBoundary, &QTimer::timeout, this, &CMonitorDlg::OnBoundary);
    connect(m_tray, &CTrayIcon::toggleWindowRequested, this, [this] { SetShown(!m_bShown); });
    connect(m_tray, &CTrayIcon::toggleTimerRequested, this, &CMonitorDlg::OnStartStop);
    connect(m_btnStartStop, &QPushButton::clicked, this, &CMonitorDlg::OnStartStop);
    connect(m_btnHide, &QPushButton::clicked, this, &CMonitorDlg::OnHide);
    connect(m_btnCustomize, &QPushButton::clicked, this, &CMonitorDlg::OnCustomize);
    connect(m_btnLogs, &QPushButton::clicked, this, &CMonitorDlg::OnLogsAndReports);
    connect(m_btnHelp, &QPushButton::clicked, this, &CMonitorDlg::OnHelpContents);
    connect(m_btnExit, &QPushButton::clicked, this, &CMonitorDlg::OnExit);
    auto* about = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_A), this);
    connect(about, &QShortcut::activated, this, &CMonitorDlg::OnAbout);
    m_monitor.AddListener(this);
}

CMonitorDlg::~CMonitorDlg() {
    EndRun();
}

int CMonitorDlg::Run(bool hidden) {
    OnInitDialog();
    // Not QDialog::exec(): its loop ends as soon as the dialog is hidden, and this window spends
    // most of its life hidden in the tray. Only done() (Exit, end of session) ends this loop.
    if (!m_bDone) {
        QEventLoop loop;
        connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
        if (hidden && CTrayIcon::IsAvailable()) {
            m_bShown = false;
            m_tray->Dock(); // the tray is all there is to see
            QTimer::singleShot(0, this, &CMonitorDlg::settled);
        } else {
            show();
        }
        loop.exec(QEventLoop::DialogExec);
    }
    EndRun();
    return result();
}

void CMonitorDlg::OnInitDialog() {
    setWindowIcon(LoadWindowIcon());
    if (m_bFirstRun && !m_bEnding)
        OnCustomize();
    m_bShown = true;
    ShowRunning(false);
    m_tray->Add(false);
    if (!m_bEnding)
        m_monitor.Load();
    RefreshDisplay();
    ArmBoundaryTimer();
    if (m_monitor.IsLoaded())
        emit ready();
}

void CMonitorDlg::RefreshDisplay() {
    Render(m_monitor.Refresh());
}

void CMonitorDlg::Render(const MeterFigures& figures) {
    SetField(m_editCallCost, Shown(figures.callCost));
    SetField(m_editTimeOnline, QString::fromStdString(ElapsedText(figures.callTime)));
    SetField(m_editSpentToday, Shown(figures.spentToday));
    SetField(m_editSpentMonth, Shown(figures.spentMonth));
    SetField(m_editPrice, tr("%1 / min").arg(Shown(figures.rate)));
    SetBar(m_progressCall, figures.callBar);
    SetBar(m_progressToday, figures.todayBar);
    SetBar(m_progressMonth, figures.monthBar);
}

void CMonitorDlg::OnTick(bool shown) {
    const TickResult tick = m_monitor.Tick(m_clock.Now());
    ShowWarnings(tick);
    m_tray->SetCallLine(QString::fromStdString(m_monitor.Meter().RunningCallLine()));
    // A hidden window only watches the limits.
    if (shown)
        Render(tick.figures);
}

// The boxes do not wait: the ticks, and so the other limits and the figures, go on behind them.
void CMonitorDlg::ShowWarnings(const TickResult& tick) {
    for (const EarlyWarning& early : tick.early)
        m_prompter.ShowNotice("Corvellan", CCallMeter::EarlyWarningText(early), PromptIcon::Exclamation);
    for (LimitWarning warning : tick.warnings)
        m_prompter.ShowNotice("Corvellan", CCallMeter::WarningText(warning), PromptIcon::Exclamation);
}

void CMonitorDlg::OnStartStop() {
    if (!m_monitor.Stop(CallCause::User))
        m_monitor.Start(CallCause::User);
}

void CMonitorDlg::CallStarted(CTime start, CallCause) {
    StartTickFor(IsWindowShown());
    m_editStartTime->SetText(QString::fromStdString(start.Format("%H:%M:%S")));
    ShowRunning(true);
    SetBar(m_progressCall, m_monitor.Meter().Figures().callBar);
}

void CMonitorDlg::CallStopped(const CCallRecord&, CallCause) {
    StopTicks();
    ShowRunning(false);
}

void CMonitorDlg::ListChanged() {
    Render(m_monitor.Meter().Figures());
}

void CMonitorDlg::ShowRunning(bool running) {
    m_btnStartStop->setIcon(running ? m_iconRunning : m_iconStopped);
    m_btnCustomize->setEnabled(!running);
    m_tray->SetRunning(running);
    m_editStartStopLabel->SetText(running ? tr("STOP Timer") : tr("START Timer"));
    m_btnStartStop->setAccessibleName(m_editStartStopLabel->Text());
}

void CMonitorDlg::SetShown(bool show) {
    m_bShown = show;
    if (show) {
        if (isMinimized())
            showNormal();
        else
            this->show();
        raise();
        activateWindow();
        // Figures may have moved on while the window was away (a new day, a new rate).
        OnBoundary();
        return;
    }
    if (CTrayIcon::IsAvailable())
        hide();
    else
        showMinimized(); // no tray to come back from: keep a taskbar entry
    m_timerShown->stop();
    if (m_monitor.IsRunning())
        StartTickFor(false);
}

bool CMonitorDlg::IsWindowShown() const {
    return isVisible() && !isMinimized();
}

void CMonitorDlg::OnShowWindow(bool show) {
    if (m_monitor.IsRunning())
        StartTickFor(show);
}

void CMonitorDlg::StartTickFor(bool shown) {
    QTimer* wanted = shown ? m_timerShown : m_timerHidden;
    (shown ? m_timerHidden : m_timerShown)->stop();
    if (!wanted->isActive())
        wanted->start();
}

void CMonitorDlg::StopTicks() {
    m_timerShown->stop();
    m_timerHidden->stop();
}

bool CMonitorDlg::IsTickActive(bool shown) const {
    return (shown ? m_timerShown : m_timerHidden)->isActive();
}

void CMonitorDlg::ArmBoundaryTimer() {
    const CTime now = m_clock.Now();
    const std::int64_t seconds = (m_monitor.Meter().NextBoundary(now) - now).GetTotalSeconds();
    m_timerBoundary->start(static_cast<int>(seconds * 1000 + 500));
}

void CMonitorDlg::OnBoundary() {
    Render(m_monitor.Follow(m_clock.Now()));
    if (!m_bEnded)
        ArmBoundaryTimer();
}

void CMonitorDlg::OnHide() {
    SetShown(false);
}

void CMonitorDlg::OnExit() {
    if (!m_prompter.AskYesNo("Corvellan", tr(kExitQuestion).toStdString(), PromptIcon::Exclamation) ||
        m_bEnding)
        return;
    // A call being timed is recorded rather than lost.
    m_monitor.Stop(CallCause::User);
    done(QDialog::Accepted);
}

void CMonitorDlg::EndSession() {
    if (m_bEnding || m_bEnded)
        return;
    m_bEnding = true;
    m_monitor.Stop(CallCause::End);
    done(QDialog::Accepted);
}

void CMonitorDlg::ShowNotice(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (!m_tray->ShowMessage(shown))
        setToolTip(shown);
}

void CMonitorDlg::OnHelpContents() {
    emit helpRequested(kHelpContents);
}

void CMonitorDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMonitorDlg::OnCustomize() {
    // The button is off during a call; the first run comes here before any call.
    if (m_monitor.IsRunning())
        return;
    CPreferencesSheet sheet(m_prompter, m_paths, this);
    connect(&sheet, &CPreferencesSheet::helpRequested, this, &CMonitorDlg::helpRequested);
    if (sheet.exec() == QDialog::Accepted) {
        // Written now, not only at the end: a tariff just typed in survives a crash.
        SaveSettings(m_paths, m_prompter);
        emit preferencesAccepted();
    }
    // A call started from the tray while the sheet was open keeps its figures; the next tick
    // prices it under the new tariff.
    if (m_monitor.IsRunning())
        OnBoundary();
    else
        RefreshDisplay();
}

void CMonitorDlg::OnLogsAndReports() {
    m_monitor.MarkListShown();
    CLogsAndReportsSheet sheet(m_monitor.Calls(), m_clock, m_prompter, this, m_monitor.PastMonths());
    connect(&sheet, &CLogsAndReportsSheet::helpRequested, this, &CMonitorDlg::helpRequested);
    if (sheet.exec() == QDialog::Accepted && sheet.IsListEmpty())
        m_monitor.ListCleared();
}

void CMonitorDlg::EndRun() {
    if (m_bEnded)
        return;
    m_bEnded = true;
    // A call being timed is recorded rather than lost, whoever ends the run.
    m_monitor.Stop(CallCause::End);
    m_monitor.RemoveListener(this);
    StopTicks();
    m_timerBoundary->stop();
    m_tray->Remove();
}

void CMonitorDlg::done(int result) {
    m_bDone = true;
    QDialog::done(result);
}

void CMonitorDlg::reject() {
    // Esc and the close box do nothing: Exit is the only way out.
}

void CMonitorDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void CMonitorDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!m_bPainted) {
        m_bPainted = true;
        QTimer::singleShot(0, m_tray, &CTrayIcon::Dock);
        QTimer::singleShot(0, this, &CMonitorDlg::settled);
        // Start-up has freed much more than it keeps (the font configuration read, the call log's
        // text): give those pages back, the program may wait in the tray for weeks.
        QTimer::singleShot(0, this, [] { malloc_trim(0); });
    }
}

void CMonitorDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_bShown && CTrayIcon::IsAvailable()) {
        // Something else showed the window while the user wants it hidden.
        QTimer::singleShot(0, this, [this] {
            if (!m_bShown)
                hide();
        });
    }
    OnShowWindow(true);
}

void CMonitorDlg::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    OnShowWindow(false);
}

void CMonitorDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible())
        OnShowWindow(!isMinimized());
}

void CMonitorDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(kHelpId);
        return;
    }
    // Enter presses the button that has the focus, and else hides the window, as a default button
    // would; the hide button is not made the default, so the focus frame stands out on any button.
    if (event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        else
            OnHide();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMonitorDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addSeparator();
    menu.addAction(tr("&About Corvellan..."), this, &CMonitorDlg::OnAbout);
    menu.exec(event->globalPos());
}
