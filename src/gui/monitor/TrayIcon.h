// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

// The notification-area icon. It shows the call state and says what a click means; the monitor
// window decides what to do. Without a system tray it keeps its state but shows nothing.
class CTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit CTrayIcon(QObject* parent = nullptr);

    static bool IsAvailable();

    void Add(bool running); // the icon in the given state; shown by Dock, or a moment later
    void Dock();
    void SetRunning(bool running);
    // A second line of the tooltip while a call is timed; SetRunning takes it away.
    void SetCallLine(const QString& line);
    void Remove();
    // A notification beside the icon; false when the tray cannot show one.
    bool ShowMessage(const QString& text);

    bool IsRunningShown() const { return m_running; }
    bool IsAdded() const { return m_added; }
    QString ToolTip() const { return m_tray.toolTip(); }

    // A left click shows or hides the window; a right click starts or stops the timer. Hosts that
    // never report a right click (GNOME's AppIndicator extension) send a middle click instead.
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

signals:
    void toggleWindowRequested();
    void toggleTimerRequested();

private:
    static constexpr int kDockAtTheLatestMs = 500;

    QSystemTrayIcon m_tray;
    QIcon m_iconRunning;
    QIcon m_iconStopped;
    bool m_running = false;
    QString m_callLine;
    bool m_added = false;
};
