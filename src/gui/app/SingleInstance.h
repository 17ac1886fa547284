// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/automation/ControlResponder.h"
#include "core/calllog/DataLock.h"
#include "core/platform/Paths.h"

#include <QObject>
#include <memory>
#include <string>

class CControlServer;
class CMonitor;
class Clock;

// Keeps Corvellan to one window per user and data directory: two windows would each write their
// own call list and lose the other's calls. The first instance holds the data directory's lock for
// its whole run, as the window (so corvellanctl knows not to wait for it), and serves the control
// socket; a later start asks it to come to the front and then leaves.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit CSingleInstance(const Paths& paths, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // True when this process is now the only instance; waits up to timeoutMs for a lock that
    // corvellanctl holds, never for another window. A lock that cannot be taken is never taken for
    // one: then this is false and Refused() is true, with LockError() saying why. The control socket
    // listens from here on, unless ControlError() says why it cannot.
    bool Acquire(int timeoutMs = 0);
    bool Refused() const { return m_refused; }
    // What is wrong with the lock file, and where it is, in the program's own words.
    std::string LockError() const;
    // Asks the running instance to show its window; true when it answered.
    bool RaiseRunningInstance();

    // Requests over the control socket act on monitor from now on; until then, and after
    // StopServing, they are refused (raise and status excepted).
    void Serve(CMonitor& monitor, Clock& clock);
    void StopServing();

    const std::string& ControlError() const { return m_controlError; }
    const std::string& SocketPath() const { return m_socketPath; }

signals:
    void raiseRequested();

private:
    void Listen();

    Paths m_paths;
    // Declared before the server, so the socket file is gone before the lock is released.
    CDataLock m_lock;
    CControlResponder m_responder;
    std::unique_ptr<CControlServer> m_server;
    std::string m_socketPath;
    std::string m_controlError;
    bool m_refused = false;
};
