// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/SingleInstance.h"

#include "core/automation/ControlClient.h"
#include "core/automation/ControlProtocol.h"
#include "core/platform/RuntimeDir.h"
#include "gui/system/ControlServer.h"

#include <cstdlib>
#include <unistd.h>

CSingleInstance::CSingleInstance(const Paths& paths, QObject* parent)
    : QObject(parent), m_paths(paths), m_lock(paths, LockHolder::Window) {}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::Acquire(int timeoutMs) {
    const CDataLock::Result result = m_lock.Acquire(std::chrono::milliseconds(timeoutMs));
    m_refused = result == CDataLock::Result::Failed;
    if (result != CDataLock::Result::Acquired)
        return false;
    if (!m_server)
        Listen();
    return true;
}

// Only the holder of the lock gets here, so a socket file left by a crashed window may be replaced.
void CSingleInstance::Listen() {
    m_controlError.clear();
    const std::string dir = RuntimeDirFor(std::getenv("XDG_RUNTIME_DIR"), ::getuid());
    if (!MakePrivateDir(dir, &m_controlError))
        return;
    m_socketPath = ControlSocketPath(dir, m_paths.DataDir(), &m_controlError);
    if (m_socketPath.empty())
        return;
    CUnixSocket listening = CUnixSocket::Listen(m_socketPath, &m_controlError);
    if (!listening.IsValid())
        return;
    m_server = std::make_unique<CControlServer>(std::move(listening), m_responder);
    connect(m_server.get(), &CControlServer::raiseRequested, this, &CSingleInstance::raiseRequested);
}

std::string CSingleInstance::LockError() const {
    return tr("ERROR : Corvellan cannot start: its lock file %1 cannot be used (%2). Corvellan needs it to "
              "be "
              "sure that only one window records your calls, or two could write over each other's calls. "
              "Remove or repair what is there, then start Corvellan again.")
        .arg(QString::fromStdString(m_lock.LockFile()), QString::fromStdString(m_lock.Error()))
        .toStdString();
}

bool CSingleInstance::RaiseRunningInstance() {
    ControlRequest raise;
    raise.verb = ControlVerb::Raise;
    const CControlClient::Result result = CControlClient(m_paths).Ask(ControlRequestLine(raise));
    return result.outcome == CControlClient::Outcome::Answered && ParseControlReply(result.text).ok;
}

void CSingleInstance::Serve(CMonitor& monitor, Clock& clock) {
    m_responder.Serve(monitor, clock);
}

void CSingleInstance::StopServing() {
    m_responder.StopServing();
}
