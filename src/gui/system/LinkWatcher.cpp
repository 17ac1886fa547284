// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/system/LinkWatcher.h"

#include "core/automation/LinkFollower.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

CLinkWatcher::CLinkWatcher(CLinkFollower* follower, QObject* parent)
    : QObject(parent), m_follower(follower) {}

CLinkWatcher::~CLinkWatcher() {
    Close();
}

void CLinkWatcher::Follow(bool follow, const std::string& name) {
    const bool look = m_follower->Configure(follow, name);
    if (!m_follower->IsFollowing()) {
        Close();
        return;
    }
    std::string error;
    if (!Open(error)) {
        m_follower->CannotWatch(error);
        return;
    }
    if (look && !m_netlink.RequestLook()) {
        m_follower->CannotWatch(std::strerror(errno));
        Close();
    }
}

bool CLinkWatcher::Listen() {
    std::string error;
    return Open(error);
}

bool CLinkWatcher::Open(std::string& error) {
    if (m_netlink.IsOpen())
        return true;
    if (!m_netlink.Open(error))
        return false;
    m_notifier = new QSocketNotifier(m_netlink.Fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CLinkWatcher::OnReadable);
    return true;
}

void CLinkWatcher::Close() {
    if (m_notifier != nullptr) {
        // It may be the one whose signal is being handled.
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    m_netlink.Close();
}

void CLinkWatcher::OnReadable() {
    // A call stopped here may bring up a message box (Calls.log could not be written) whose event
    // loop must not hand over later changes before these are done.
    QSocketNotifier* const notifier = m_notifier;
    notifier->setEnabled(false);
    const std::vector<LinkMessage> messages = m_netlink.Read();
    bool changed = false;
    for (const LinkMessage& message : messages) {
        changed = changed || message.kind == LinkMessage::Kind::Link;
        if (m_follower == nullptr)
            continue;
        switch (message.kind) {
        case LinkMessage::Kind::Link:
            m_follower->Changed(message.link);
            break;
        case LinkMessage::Kind::LookDone:
            m_follower->LookDone();
            break;
        case LinkMessage::Kind::Lost:
            m_follower->Lost();
            break;
        }
    }
    if (m_notifier == notifier)
        notifier->setEnabled(true);
    if (changed)
        emit linksChanged();
}
