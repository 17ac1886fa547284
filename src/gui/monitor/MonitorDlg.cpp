#include "gui/monitor/MonitorDlg.h"

#include "gui/app/MonitorApp.h"
#include "gui/app/Resources.h"
#include "core/settings/Settings.h"
#include "core/billing/CallRecord.h"
#include "core/billing/CallTotals.h"
#include "core/billing/Money.h"
#include "core/billing/PeriodTotals.h"
#include "core/billing/Tariff.h"
#include "gui/monitor/AboutDlg.h"
#include "gui/monitor/TrayIcon.h"
#include "core/platform/Clock.h"
#include "core/platform/ProgramState.h"
#include "core/platform/Prompter.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {
const char* const kExitQuestion =
    "WARNING: If you exit Corvellan now, your calls will not be logged until you start this program again. I "
    "suggest you press the \"Minimize\" button instead, to close the window and let Corvellan run in "
    "background.\nAre you sure you want to stop Corvellan ?";

QString Shown(double amount) {
    return QString::fromStdString(ShownAmount(amount));
}

QLineEdit* MakeField(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setFocusPolicy(Qt::NoFocus);
    // Borderless and flat, so the values read as text of the window.
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    return edit;
}

QProgressBar* MakeBar(QWidget* parent, const char* name) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setTextVisible(false);
    bar->setRange(0, 1);
    bar->setValue(0);
    bar->setMaximumHeight(14);
    return bar;
}

QPushButton* MakeIconButton(QWidget* parent, const char* name, const QString& icon, int size) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(size, size));
    button->setFixedSize(size + 12, size + 12);
    button->setAutoDefault(false);
    return button;
}

// Resources must be registered before the first member icon is built.
QIcon AppIcon() {
    InitCorvellanResources();
    return QIcon(QStringLiteral(":/icons/128.svg"));
}

QTimer* MakeTimer(QObject* parent, int periodMs, bool singleShot) {
    auto* timer = new QTimer(parent);
    timer->setInterval(periodMs);
    timer->setSingleShot(singleShot);
    return timer;
}

int TruncatedTenths(double amount) {
    const double tenths = std::trunc(amount * 10.0);
    if (!(tenths > 0))
        return 0;
    return tenths >= INT_MAX ? INT_MAX : static_cast<int>(tenths);
}
} // namespace

CMonitorDlg::CMonitorDlg(QWidget* parent, bool firstRun, const Paths& paths, Prompter& prompter, Clock& clock)
    : QDialog(parent), m_paths(paths), m_prompter(prompter), m_clock(clock), m_callLog(paths, prompter),
      m_hIcon(AppIcon()), m_bFirstRun(firstRun), m_tray(new CTrayIcon(this)),
      m_timerShown(MakeTimer(this, kShownPeriodMs, false)),
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

    connect(m_timerShown, &QTimer::timeout, this, [this] { OnTimer(TIMER_SHOWN); });
    connect(m_timerHidden, &QTimer::timeout, this, [this] { OnTimer(TIMER_HIDDEN); });
    connect(m_timerBoundary, &QTimer::timeout, this, &CMonitorDlg::OnBoundary);
    connect(m_tray, &CTrayIcon::activated, this, &CMonitorDlg::OnTrayNotify);
    connect(m_btnStartStop, &QPushButton::clicked, this, &CMonitorDlg::OnStartStop);
    connect(m_btnHide, &QPushButton::clicked, this, &CMonitorDlg::OnHide);
    connect(m_btnCustomize, &QPushButton::clicked, this, &CMonitorDlg::OnCustomize);
    connect(m_btnLogs, &QPushButton::clicked, this, &CMonitorDlg::OnLogsAndReports);
    connect(m_btnHelp, &QPushButton::clicked, this, &CMonitorDlg::OnHelpContents);
    connect(m_btnExit, &QPushButton::clicked, this, &CMonitorDlg::OnExit);
    auto* about = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_A), this);
    connect(about, &QShortcut::activated, this, &CMonitorDlg::OnAbout);
}

CMonitorDlg::~CMonitorDlg() {
    DestroyWindow();
}

void CMonitorDlg::BuildLayout() {
    m_editStartTime = MakeField(this, "m_editStartTime");
    m_editPrice = MakeField(this, "m_editPrice");
    m_editCallCost = MakeField(this, "m_editCallCost");
    m_editSpentToday = MakeField(this, "m_editSpentToday");
    m_editSpentMonth = MakeField(this, "m_editSpentMonth");
    m_editStartStopLabel = MakeField(this, "m_editStartStopLabel");
    m_progressCall = MakeBar(this, "m_progressCall");
    m_progressToday = MakeBar(this, "m_progressToday");
    m_progressMonth = MakeBar(this, "m_progressMonth");

    auto* call = new QGroupBox(tr("This Call"), this);
    auto* callGrid = new QGridLayout(call);
    callGrid->addWidget(new QLabel(tr("Start Time:"), call), 0, 0);
    callGrid->addWidget(m_editStartTime, 0, 1);
    callGrid->addWidget(new QLabel(tr("Price:"), call), 1, 0);
    callGrid->addWidget(m_editPrice, 1, 1);
    callGrid->addWidget(new QLabel(tr("Total call cost:"), call), 2, 0);
    callGrid->addWidget(m_editCallCost, 2, 1);
    callGrid->addWidget(m_progressCall, 3, 0, 1, 2);

    auto* today = new QGroupBox(tr("Today"), this);
    auto* todayGrid = new QGridLayout(today);
    todayGrid->addWidget(new QLabel(tr("Spent today:"), today), 0, 0);
    todayGrid->addWidget(m_editSpentToday, 0, 1);
    todayGrid->addWidget(m_progressToday, 1, 0, 1, 2);

    auto* month = new QGroupBox(tr("This Month"), this);
    auto* monthGrid = new QGridLayout(month);
    monthGrid->addWidget(new QLabel(tr("Spent this month:"), month), 0, 0);
    monthGrid->addWidget(m_editSpentMonth, 0, 1);
    monthGrid->addWidget(m_progressMonth, 1, 0, 1, 2);

    // One label column for all three groups, so the amounts line up.
    const int labelWidth = fontMetrics().horizontalAdvance(tr("Spent this month:")) + 8;
    for (QGridLayout* grid : {callGrid, todayGrid, monthGrid})
        grid->setColumnMinimumWidth(0, labelWidth);

    auto* left = new QVBoxLayout;
    left->addWidget(call);
    left->addWidget(today);
    left->addWidget(month);
    left->addStretch();

    m_btnStartStop = MakeIconButton(this, "m_btnStartStop", QStringLiteral(":/icons/136.svg"), 40);
    m_btnHide = MakeIconButton(this, "m_btnHide", QStringLiteral(":/icons/148.svg"), 24);
    m_btnCustomize = MakeIconButton(this, "m_btnCustomize", QStringLiteral(":/icons/147.svg"), 24);
    m_btnLogs = MakeIconButton(this, "m_btnLogs", QStringLiteral(":/icons/146.svg"), 24);
    m_btnHelp = MakeIconButton(this, "m_btnHelp", QStringLiteral(":/icons/151.svg"), 24);
    m_btnExit = MakeIconButton(this, "m_btnExit", QStringLiteral(":/icons/150.svg"), 24);
    m_btnHide->setAccessibleName(tr("Minimize"));
    m_btnHide->setDefault(true); // Enter hides the window
    m_btnStartStop->setToolTip(tr("Start or stop the call timer"));

    auto* right = new QGridLayout;
    right->addWidget(m_btnStartStop, 0, 0, Qt::AlignCenter);
    right->addWidget(m_editStartStopLabel, 0, 1);
    const std::pair<QPushButton*, QString> rows[] = {{m_btnHide, tr("Hide Window")},
                                                     {m_btnCustomize, tr("Customize ...")},
                                                     {m_btnLogs, tr("Logs and Reports")},
                                                     {m_btnHelp, tr("Help Contents...")},
                                                     {m_btnExit, tr("Exit Corvellan")}};
    int row = 1;
    for (const auto& [button, text] : rows) {
        auto* label = new QLabel(text, this);
        label->setBuddy(button);
        right->addWidget(button, row, 0, Qt::AlignCenter);
        right->addWidget(label, row, 1);
        button->setToolTip(text);
        ++row;
    }
    right->setRowStretch(row, 1);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    setMinimumWidth(420);
}

int CMonitorDlg::Run() {
    OnInitDialog();
    // Not QDialog::exec(): its loop ends as soon as the dialog is hidden, and this window spends
    // most of its life hidden in the tray. Only done() (Exit, end of session) ends this loop.
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    loop.exec(QEventLoop::DialogExec);
    DestroyWindow();
    return result();
}

void CMonitorDlg::OnInitDialog() {
    setWindowIcon(m_hIcon);
    if (m_bFirstRun)
        OnCustomize();
    m_bShown = true;
    m_bRunning = false;
    m_hIconStopped = QIcon(QStringLiteral(":/icons/136.svg"));
    m_hIconRunning = QIcon(QStringLiteral(":/icons/131.svg"));
    m_editStartStopLabel->setText(QStringLiteral("START Timer"));
    m_tray->Add(false);
    m_btnStartStop->setIcon(m_hIconStopped);
    m_calls.RemoveAll();
    LoadCallLog();
    RefreshDisplay();
    m_bCallWarned = false;
    m_bDayWarned = false;
    m_bMonthWarned = false;
    ArmBoundaryTimer();
}

void CMonitorDlg::RefreshDisplay() {
    const CTime now = m_clock.Now();
    FollowDate(now);
    m_spentMonth = GetSpentInMonth(m_calls, now);
    m_spentToday = GetSpentToday(m_calls, now);
    SetBarRange(m_progressCall, Settings.CallLimit);
    SetBarRange(m_progressToday, Settings.DayLimit);
    SetBarRange(m_progressMonth, Settings.MonthLimit);
    ShowMonthFigures();
    UpdatePrice(now);
    m_editCallCost->setText(QString::fromStdString(CurrencySymbol) + QStringLiteral("0.00"));
}

void CMonitorDlg::ShowMonthFigures() {
    m_editSpentMonth->setText(Shown(m_spentMonth));
    if (Settings.MonthLimit != 0)
        SetBarPosition(m_progressMonth, m_spentMonth);
    m_editSpentToday->setText(Shown(m_spentToday));
    if (Settings.DayLimit != 0)
        SetBarPosition(m_progressToday, m_spentToday);
}

void CMonitorDlg::UpdatePrice(CTime now) {
    m_strPrice = Shown(GetRateAt(now)) + QStringLiteral(" / min");
    m_editPrice->setText(m_strPrice);
}

bool CMonitorDlg::FollowDate(CTime now) {
    const std::tm was = m_figuresDate.GetLocalTm();
    const std::tm is = now.GetLocalTm();
    const bool firstTime = m_figuresDate == CTime();
    m_figuresDate = now;
    const bool newMonth = !IsSameMonth(was, is);
    if (firstTime || IsSameDate(was, is))
        return false;
    // A new day: today's figure starts from the new day's calls and its warning may come again.
    m_spentToday = GetSpentToday(m_calls, now);
    m_bDayWarned = false;
    if (newMonth) {
        m_spentMonth = GetSpentInMonth(m_calls, now);
        m_bMonthWarned = false;
    }
    return true;
}

void CMonitorDlg::OnTimer(int id) {
    const CTime now = m_clock.Now();
    if (FollowDate(now))
        UpdatePrice(now);
    const double cost = ComputeCallCost(m_startTime, now);
    CheckLimits(cost);
    if (id != TIMER_SHOWN || !m_bRunning)
        return;
    m_editCallCost->setText(Shown(cost));
    m_editSpentToday->setText(Shown(m_spentToday + cost));
    m_editSpentMonth->setText(Shown(m_spentMonth + cost));
    if (Settings.CallLimit != 0)
        SetBarPosition(m_progressCall, cost);
    if (Settings.DayLimit != 0)
        SetBarPosition(m_progressToday, m_spentToday + cost);
    if (Settings.MonthLimit != 0)
        SetBarPosition(m_progressMonth, m_spentMonth + cost);
}

void CMonitorDlg::CheckLimits(double cost) {
    // Each flag is set before its box is shown: ticks keep coming while the box is open.
    if (Settings.WarnCall && Settings.CallLimit != 0 && !m_bCallWarned && cost > Settings.CallLimit) {
        m_bCallWarned = true;
        m_prompter.ShowMessage("Corvellan", Settings.CallLimitMessage, PromptIcon::Exclamation);
    }
    if (Settings.WarnDay && Settings.DayLimit != 0 && !m_bDayWarned &&
        m_spentToday + cost > Settings.DayLimit) {
        m_bDayWarned = true;
        m_prompter.ShowMessage("Corvellan", Settings.DayLimitMessage, PromptIcon::Exclamation);
    }
    if (Settings.WarnMonth && Settings.MonthLimit != 0 && !m_bMonthWarned &&
        m_spentMonth + cost > Settings.MonthLimit) {
        m_bMonthWarned = true;
        m_prompter.ShowMessage("Corvellan", Settings.MonthLimitMessage, PromptIcon::Exclamation);
    }
}

void CMonitorDlg::OnStartStop() {
    m_bRunning = !m_bRunning;
    if (m_bRunning) {
        StartTimerFor(IsWindowShown());
        m_btnStartStop->setIcon(m_hIconRunning);
        m_startTime = m_clock.Now();
        m_editStartTime->setText(QString::fromStdString(m_startTime.Format("%H:%M:%S")));
        m_progressCall->setValue(m_progressCall->minimum());
        m_btnCustomize->setEnabled(false);
        m_tray->SetRunning(true);
        m_editStartStopLabel->setText(QStringLiteral("STOP Timer"));
        return;
    }
    StopTimers();
    m_btnStartStop->setIcon(m_hIconStopped);
    const CCallRecord record(m_startTime, m_clock.Now());
    m_spentMonth += record.GetCost();
    m_spentToday += record.GetCost();
    m_calls.Add(record);
    m_btnCustomize->setEnabled(true);
    LogChanged = true;
    m_tray->SetRunning(false);
    m_editStartStopLabel->setText(QStringLiteral("START Timer"));
    // Written at once, so a crash or a power cut loses at most the call being timed.
    SaveCallLog();
}

void CMonitorDlg::OnTrayNotify(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        SetShown(!m_bShown);
        break;
    case QSystemTrayIcon::Context:
    case QSystemTrayIcon::MiddleClick: // hosts without a right-click event send this instead
        OnStartStop();
        break;
    default:
        break;
    }
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
    if (m_bRunning)
        StartTimerFor(false);
}

bool CMonitorDlg::IsWindowShown() const {
    return isVisible() && !isMinimized();
}

void CMonitorDlg::OnShowWindow(bool show) {
    if (m_bRunning)
        StartTimerFor(show);
}

void CMonitorDlg::StartTimerFor(bool shown) {
    if (shown) {
        m_timerHidden->stop();
        if (!m_timerShown->isActive())
            m_timerShown->start();
    } else {
        m_timerShown->stop();
        if (!m_timerHidden->isActive())
            m_timerHidden->start();
    }
}

void CMonitorDlg::StopTimers() {
    m_timerShown->stop();
    m_timerHidden->stop();
}

bool CMonitorDlg::IsTimerActive(int id) const {
    if (id == TIMER_SHOWN)
        return m_timerShown->isActive();
    if (id == TIMER_HIDDEN)
        return m_timerHidden->isActive();
    return false;
}

void CMonitorDlg::ArmBoundaryTimer() {
    const CTime now = m_clock.Now();
    const std::int64_t seconds = (GetNextDisplayBoundary(now) - now).GetTotalSeconds();
    m_timerBoundary->start(static_cast<int>(seconds * 1000 + 500));
}

void CMonitorDlg::OnBoundary() {
    const CTime now = m_clock.Now();
    FollowDate(now);
    UpdatePrice(now);
    if (!m_bRunning)
        ShowMonthFigures();
    if (!m_bDestroyed)
        ArmBoundaryTimer();
}

void CMonitorDlg::OnHide() {
    SetShown(false);
}

void CMonitorDlg::OnExit() {
    if (!m_prompter.AskYesNo("Corvellan", kExitQuestion, PromptIcon::Exclamation))
        return;
    // A call being timed is recorded rather than lost.
    if (m_bRunning)
        OnStartStop();
    done(QDialog::Accepted);
}

void CMonitorDlg::EndSession() {
    if (m_bDestroyed)
        return;
    if (m_bRunning)
        OnStartStop();
    done(QDialog::Accepted);
}

void CMonitorDlg::OnHelpContents() {
    if (CMonitorApp* app = CMonitorApp::Instance())
        app->WinHelp(101, CMonitorApp::HELP_CONTEXT);
}

void CMonitorDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMonitorDlg::OnCustomize() {
    // The Preferences sheet opens here; whatever it changed, the price and bars follow.
    RefreshDisplay();
}

void CMonitorDlg::OnLogsAndReports() {}

void CMonitorDlg::DestroyWindow() {
    if (m_bDestroyed)
        return;
    if (m_bRunning)
        OnStartStop();
    StopTimers();
    m_timerBoundary->stop();
    m_tray->Remove();
    if (LogChanged)
        SaveCallLog();
    m_calls.RemoveAll();
    m_bDestroyed = true;
}

bool CMonitorDlg::SaveCallLog() {
    return m_callLog.Save(m_calls, m_clock.Now());
}

void CMonitorDlg::LoadCallLog() {
    m_callLog.Load(m_calls, m_clock.Now());
}

void CMonitorDlg::SetBarRange(QProgressBar* bar, double limit) {
    // Tenths of the currency unit, from the whole part of the limit (2.50 gives 0..20).
    const double upper = 10.0 * std::trunc(limit);
    // A range of 0..0 would make Qt draw a busy indicator; an off bar is simply empty.
    if (!(upper >= 1.0)) {
        bar->setRange(0, 1);
        bar->setValue(0);
        return;
    }
    bar->setRange(0, upper >= INT_MAX ? INT_MAX : static_cast<int>(upper));
}

void CMonitorDlg::SetBarPosition(QProgressBar* bar, double amount) {
    // Qt ignores values outside the range; above the range means a full bar.
    bar->setValue(std::min(TruncatedTenths(amount), bar->maximum()));
}

void CMonitorDlg::reject() {
    // Esc and the close box do nothing: Exit is the only way out.
}

void CMonitorDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
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
        if (CMonitorApp* app = CMonitorApp::Instance())
            app->WinHelp(kHelpId, CMonitorApp::HELP_CONTEXT);
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
