// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/automation/SleepDelay.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

class CSleepGuard;
class QDBusMessage;

// logind on the system bus for the sleep guard: its announcements of a sleep or a shutdown, and
// its "delay" lock as the guard's hold on the sleep. Every call on the bus is asynchronous. Without
// a system bus or without logind it does nothing and says nothing; the guard's clocks still notice
// a sleep.
class CLogindWatcher : public QObject, private SleepDelay {
    Q_OBJECT
public:
    explicit CLogindWatcher(CSleepGuard& guard, QObject* parent = nullptr);
    ~CLogindWatcher() override;

    // Connects to the system bus (a few round trips, which the window's first showing need not
    // wait for); a call already being timed gets its lock then.
    void Watch();

    // logind's lock has come and is kept.
    bool IsHolding() const { return m_inhibitor.isValid(); }

private slots:
    void OnPrepareForSleep(bool start, const QDBusMessage& message);
    void OnPrepareForShutdown(bool start, const QDBusMessage& message);

private:
    void GoingDownOrBack(bool down, bool shutdown, const QDBusMessage& message);
    void Hold() override;
    void Release() override;

    CSleepGuard& m_guard;
    QDBusConnection m_bus;
    QString m_logind; // logind's unique name on the bus: only its signals count
    QDBusUnixFileDescriptor m_inhibitor;
    bool m_bWanted = false; // the guard holds off the sleep
    bool m_bAsking = false; // an Inhibit call is on its way
};
