#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

// The notification-area icon. It only shows the call state and reports clicks; the monitor window
// decides what they mean. Without a system tray it keeps its state but shows nothing.
class CTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit CTrayIcon(QObject* parent = nullptr);

    static bool IsAvailable();

    void Add(bool running); // shows the icon in the given state
    void SetRunning(bool running);
    void Remove();

    bool IsRunningShown() const { return m_running; }
    QString ToolTip() const { return m_tray.toolTip(); }

    static const char* const kTipStopped;
    static const char* const kTipRunning;

signals:
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    QSystemTrayIcon m_tray;
    QIcon m_iconRunning;
    QIcon m_iconStopped;
    bool m_running = false;
};
