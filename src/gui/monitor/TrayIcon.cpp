// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/monitor/TrayIcon.h"

#include "gui/monitor/Icons.h"

#include <QTimer>

namespace {
const char* const kTipStopped =
    QT_TRANSLATE_NOOP("CTrayIcon", "Left-click: show/hide window.  Right-click: START timer");
const char* const kTipRunning =
    QT_TRANSLATE_NOOP("CTrayIcon", "Left-click: show/hide window.  Right-click: STOP timer");
} // namespace

CTrayIcon::CTrayIcon(QObject* parent)
    : QObject(parent), m_tray(this), m_iconRunning(LoadIcon("call-running")),
      m_iconStopped(LoadIcon("call-stopped")) {
    connect(&m_tray, &QSystemTrayIcon::activated, this, &CTrayIcon::OnActivated);
}

bool CTrayIcon::IsAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void CTrayIcon::Add(bool running) {
    SetRunning(running);
    m_added = true;
    // Docking takes a few round trips to the display or the desktop's bus, which the window's first
    // showing need not wait for: the window docks the icon once it is painted, or this does.
    QTimer::singleShot(kDockAtTheLatestMs, this, &CTrayIcon::Dock);
}

void CTrayIcon::Dock() {
    if (m_added && !m_tray.isVisible() && IsAvailable())
        m_tray.show();
}

void CTrayIcon::SetRunning(bool running) {
    m_running = running;
    m_callLine.clear();
    m_tray.setIcon(running ? m_iconRunning : m_iconStopped);
    m_tray.setToolTip(tr(running ? kTipRunning : kTipStopped));
}

void CTrayIcon::SetCallLine(const QString& line) {
    if (!m_running || line == m_callLine)
        return;
    m_callLine = line;
    m_tray.setToolTip(tr(kTipRunning) + QLatin1Char('\n') + line);
}

void CTrayIcon::Remove() {
    m_added = false;
    m_tray.hide();
}

bool CTrayIcon::ShowMessage(const QString& text) {
    if (!m_added || !IsAvailable() || !QSystemTrayIcon::supportsMessages())
        return false;
    Dock();
    m_tray.showMessage(QStringLiteral("Corvellan"), text, QSystemTrayIcon::Information);
    return true;
}

void CTrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        emit toggleWindowRequested();
        break;
    case QSystemTrayIcon::Context:
    case QSystemTrayIcon::MiddleClick:
        emit toggleTimerRequested();
        break;
    default: // double clicks and anything else do nothing
        break;
    }
}
