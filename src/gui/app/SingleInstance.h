#pragma once

#include "core/calllog/DataLock.h"

#include <QLocalServer>
#include <QObject>

class Paths;

// Keeps Corvellan to one window per user and data directory: two windows would each write their
// own call list and lose the other's calls. The first instance holds the data directory's lock for
// its whole run, as the window (so corvellanctl knows not to wait for it), and listens on a local
// socket; a later start asks it to come to the front and then leaves.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit CSingleInstance(const Paths& paths, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // True when this process is now the only instance; waits up to timeoutMs for a lock that
    // corvellanctl holds, never for another window. A lock file that cannot be made is no reason
    // to keep the user from timing calls: then this is true as well.
    bool Acquire(int timeoutMs = 0);
    // Asks the running instance to show its window; true when it answered.
    bool RaiseRunningInstance();

    QString ServerName() const { return m_serverName; }

signals:
    void raiseRequested();

private:
    void OnNewConnection();

    CDataLock m_lock;
    QLocalServer m_server;
    QString m_serverName;
};
