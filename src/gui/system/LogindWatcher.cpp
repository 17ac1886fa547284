// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/system/LogindWatcher.h"

#include "core/automation/SleepGuard.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace {
const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

// Hands the reply to handler once it has come; nothing waits for it.
template <typename Reply, typename Handler>
void WhenAnswered(QObject* owner, const QDBusPendingCall& call, Handler handler) {
    auto* watcher = new QDBusPendingCallWatcher(call, owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner, [watcher, handler] {
        watcher->deleteLater();
        handler(Reply(*watcher));
    });
}
} // namespace

CLogindWatcher::CLogindWatcher(CSleepGuard& guard, QObject* parent)
    : QObject(parent), m_guard(guard), m_bus(QString()) {
    m_guard.SetDelay(this);
}

void CLogindWatcher::Watch() {
    if (m_bus.isConnected())
        return;
    m_bus = QDBusConnection::systemBus();
    if (!m_bus.isConnected())
        return;
    // Signals are taken from any sender and checked here: naming logind would make Qt wait for
    // the bus to say who owns the name.
    m_bus.connect(QString(), kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                  SLOT(OnPrepareForSleep(bool, QDBusMessage)));
    m_bus.connect(QString(), kPath, kManager, QStringLiteral("PrepareForShutdown"), this,
                  SLOT(OnPrepareForShutdown(bool, QDBusMessage)));
    auto* owner = new QDBusServiceWatcher(kService, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(owner, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& name) { m_logind = name; });
    WhenAnswered<QDBusPendingReply<QString>>(
        this, m_bus.interface()->asyncCall(QStringLiteral("GetNameOwner"), kService),
        [this](const auto& reply) {
            if (!reply.isError())
                m_logind = reply.value();
        });
    if (m_bWanted) // a call started before the bus was reached
        Hold();
}

CLogindWatcher::~CLogindWatcher() {
    m_guard.SetDelay(nullptr);
}

void CLogindWatcher::OnPrepareForSleep(bool start, const QDBusMessage& message) {
    GoingDownOrBack(start, false, message);
}

void CLogindWatcher::OnPrepareForShutdown(bool start, const QDBusMessage& message) {
    GoingDownOrBack(start, true, message);
}

void CLogindWatcher::GoingDownOrBack(bool down, bool shutdown, const QDBusMessage& message) {
    if (m_logind.isEmpty() || message.service() != m_logind)
        return;
    if (down)
        m_guard.GoingDown(shutdown ? CSleepGuard::Down::Shutdown : CSleepGuard::Down::Sleep);
    else
        m_guard.BackUp();
}

void CLogindWatcher::Hold() {
    m_bWanted = true;
    if (!m_bus.isConnected() || m_bAsking || m_inhibitor.isValid())
        return;
    QDBusMessage inhibit =
        QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Inhibit"));
    inhibit << QStringLiteral("sleep:shutdown") << QStringLiteral("Corvellan")
            << tr("A call is being timed; it is saved before the computer goes to sleep")
            << QStringLiteral("delay");
    m_bAsking = true;
    const QDBusPendingCall call = m_bus.asyncCall(inhibit);
    WhenAnswered<QDBusPendingReply<QDBusUnixFileDescriptor>>(this, call, [this](const auto& reply) {
        m_bAsking = false;
        // No logind, or not allowed: no lock is held. The lock for a call that stopped meanwhile
        // is closed again at once.
        if (!reply.isError() && m_bWanted)
            m_inhibitor = reply.value();
    });
}

void CLogindWatcher::Release() {
    m_bWanted = false;
    m_inhibitor = QDBusUnixFileDescriptor();
}
