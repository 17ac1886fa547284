// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/UnixSocket.h"

#include <QObject>

class CControlResponder;
class QSocketNotifier;

// The control socket in the window's event loop. QSocketNotifiers watch the listening socket and
// each client, so requests are answered in whatever loop runs (a message box's, a sheet's) and no
// client can make the window wait: every read and write returns at once. Each connection gets one
// reply and is closed; one from another user is refused; one that sends nothing, or half a line, for
// two seconds is told so and dropped; a line over kControlLineLimit bytes is refused.
class CControlServer : public QObject {
    Q_OBJECT
public:
    CControlServer(CUnixSocket listening, CControlResponder& responder, QObject* parent = nullptr);
    ~CControlServer() override;

signals:
    void raiseRequested();

private:
    class Client;

    void OnConnection();
    void OnClientDone();

    CUnixSocket m_listening;
    CControlResponder& m_responder;
    QSocketNotifier* m_notifier;
    int m_clients = 0;
};
