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
    // corvellanctl holds, never for another window. A lock file that cannot be made is no reason
    // to keep the user from timing calls: then this is true as well. The control socket listens
    // from here on, unless ControlError() says why it cannot.
    bool Acquire(int timeoutMs = 0);
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
};
