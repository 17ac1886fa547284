#include "gui/monitor/TrayIcon.h"
#include "gui/app/Resources.h"

const char* const CTrayIcon::kTipStopped = "Left-click: show/hide window.  Right-click: START timer";
const char* const CTrayIcon::kTipRunning = "Left-click: show/hide window.  Right-click: STOP timer";

CTrayIcon::CTrayIcon(QObject* parent)
    : QObject(parent), m_tray(this),
      m_iconRunning((InitCorvellanResources(), QStringLiteral(":/icons/131.svg"))),
      m_iconStopped(QStringLiteral(":/icons/136.svg")) {
    connect(&m_tray, &QSystemTrayIcon::activated, this, &CTrayIcon::activated);
}

bool CTrayIcon::IsAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void CTrayIcon::Add(bool running) {
    SetRunning(running);
    if (IsAvailable())
        m_tray.show();
}

void CTrayIcon::SetRunning(bool running) {
    m_running = running;
    m_tray.setIcon(running ? m_iconRunning : m_iconStopped);
    m_tray.setToolTip(QString::fromLatin1(running ? kTipRunning : kTipStopped));
}

void CTrayIcon::Remove() {
    m_tray.hide();
}
