#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

class Paths;

// Keeps Corvellan to one window per user and data directory: two windows would each write their
// own call list and lose the other's calls. The first instance holds a lock file in the data
// directory for its whole run (the command-line companion honours it too) and listens on a local
// socket; a later start asks it to come to the front and then leaves.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit CSingleInstance(const Paths& paths, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // True when this process is now the only instance; waits up to timeoutMs for the lock.
    bool Acquire(int timeoutMs = 0);
    // Asks the running instance to show its window; true when it answered.
    bool RaiseRunningInstance();

    QString ServerName() const { return m_serverName; }

signals:
    void raiseRequested();

private:
    void OnNewConnection();

    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    QString m_serverName;
};
