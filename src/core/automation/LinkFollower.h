// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Netlink.h"

#include <functional>
#include <string>

class CMonitor;

// Starts and stops the timer as the followed network link goes up and down, the way a modem's
// ppp0 comes and goes. Only changes act: a change from not up to up starts a call when none is
// timed, one from up to not up stops the call at that moment. So the user's hand wins: a call
// stopped while the link is up stays stopped until the link goes down and up again, and one
// started while it is down runs until stopped by hand or by the link's next down.
class CLinkFollower {
public:
    // tell: what the follower did by itself, said to the user without waiting.
    CLinkFollower(CMonitor& monitor, std::function<void(const std::string&)> tell);

    // The user's settings. True when every link must be looked at afresh (following switched on,
    // or another link named): the caller asks for them, hands each to Changed and ends with
    // LookDone. A link already up then starts a call, and says so, if none is timed.
    bool Configure(bool follow, const std::string& name);
    // One link as the kernel reported it: a change, or part of the answer to a look.
    void Changed(const LinkState& link);
    // Changes were missed; the next LookDone settles the followed link's state.
    void Lost();
    // Every link has been reported since the look was asked for.
    void LookDone();
    // The links cannot be watched: said once, and nothing is followed until the next Configure.
    void CannotWatch(const std::string& reason);

    bool IsFollowing() const { return m_bFollow; }
    // A look has been asked for and is not complete yet.
    bool IsLooking() const { return m_bFollow && m_look != Look::None; }
    const std::string& Name() const { return m_name; }
    // Following, and the followed link is up now.
    bool IsLinkUp() const { return m_bFollow && m_bUp; }
    // Up as this program counts it: IFF_UP with IFF_RUNNING or IFF_LOWER_UP.
    static bool IsUp(unsigned flags);

private:
    enum class Look { None, First, CatchUp };
    void SetUp(bool up);

    CMonitor& m_monitor;
    std::function<void(const std::string&)> m_tell;
    bool m_bFollow = false;
    std::string m_name;
    int m_index = 0; // the followed link's index while it exists
    bool m_bUp = false;
    Look m_look = Look::None;
    bool m_bSeen = false; // reported since the look was asked for
};
