// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/LinkFollower.h"

#include "core/meter/Monitor.h"
#include "core/platform/Translate.h"
#include "core/settings/PreferencesFields.h"

#include <linux/if.h>

CLinkFollower::CLinkFollower(CMonitor& monitor, std::function<void(const std::string&)> tell)
    : m_monitor(monitor), m_tell(std::move(tell)) {}

bool CLinkFollower::IsUp(unsigned flags) {
    return (flags & IFF_UP) != 0 && (flags & (IFF_RUNNING | IFF_LOWER_UP)) != 0;
}

bool CLinkFollower::Configure(bool follow, const std::string& name) {
    if (!follow) {
        // A call being timed is left to the user.
        m_bFollow = false;
        m_look = Look::None;
        return false;
    }
    if (m_bFollow && name == m_name)
        return false;
    if (CheckLinkName(name)) {
        m_bFollow = false;
        m_tell(Arg(Tr("LinkFollower", "\"%1\" in the Preferences is not the name of a network link, so the "
                                      "timer does not follow it."),
                   {name}));
        return false;
    }
    m_bFollow = true;
    m_name = name;
    m_index = 0;
    m_bUp = false;
    m_look = Look::First;
    m_bSeen = false;
    return true;
}

void CLinkFollower::Changed(const LinkState& link) {
    if (!m_bFollow)
        return;
    const bool named = link.name == m_name;
    // The followed link renamed away keeps its index; one renamed to the name is the followed one.
    if (!named && (m_index == 0 || link.index != m_index))
        return;
    m_bSeen = true;
    const bool exists = named && !link.deleted;
    m_index = exists ? link.index : 0;
    SetUp(exists && IsUp(link.flags));
}

void CLinkFollower::Lost() {
    if (!m_bFollow)
        return;
    if (m_look == Look::None)
        m_look = Look::CatchUp;
    m_bSeen = false;
}

void CLinkFollower::LookDone() {
    if (!m_bFollow || m_look == Look::None)
        return;
    if (!m_bSeen)
        SetUp(false); // not listed: it is not there
    const bool first = m_look == Look::First;
    m_look = Look::None;
    if (first && m_bUp && m_monitor.Start(CallCause::Link))
        m_tell(Arg(Tr("LinkFollower", "The link %1 was already up: timing from now"), {m_name}));
}

void CLinkFollower::CannotWatch(const std::string& reason) {
    if (!m_bFollow)
        return;
    m_bFollow = false;
    m_look = Look::None;
    m_tell(Arg(
        Tr("LinkFollower", "Corvellan cannot watch the network links (%1), so the timer does not follow %2."),
        {reason, m_name}));
}

void CLinkFollower::SetUp(bool up) {
    if (up == m_bUp)
        return;
    m_bUp = up;
    // During the first look the state is only taken; the look's end decides.
    if (m_look == Look::First)
        return;
    if (up)
        m_monitor.Start(CallCause::Link);
    else
        m_monitor.Stop(CallCause::Link);
}
