// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Netlink.h"

#include <QObject>
#include <string>

class CLinkFollower;
class QSocketNotifier;

// Hands what the kernel says about the network links to a link follower, as it happens: the
// routing socket wakes the event loop only when a link changes, and nothing is asked of the
// kernel in between. Without a follower it only tells that the links changed (the list of links
// on the Connection page).
class CLinkWatcher : public QObject {
    Q_OBJECT
public:
    explicit CLinkWatcher(CLinkFollower* follower, QObject* parent = nullptr);
    ~CLinkWatcher() override;

    // The follower's settings (see CLinkFollower::Configure). The socket is open only while a link
    // is followed.
    void Follow(bool follow, const std::string& name);
    // Listens to the changes, for whoever has no follower; false when the socket cannot be had.
    bool Listen();
    bool IsListening() const { return m_netlink.IsOpen(); }

signals:
    void linksChanged();

private:
    bool Open(std::string& error);
    void Close();
    void OnReadable();

    CLinkFollower* m_follower;
    CNetlink m_netlink;
    QSocketNotifier* m_notifier = nullptr;
};
