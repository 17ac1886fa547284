// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/automation/ControlClient.h"
#include "core/automation/ControlProtocol.h"
#include "core/platform/Paths.h"

#include <ostream>

// corvellanctl's commands for the running window, over its control socket: start, stop, toggle and
// status, and the call to add handed to the window when the window holds Calls.log. None waits
// longer than kControlTimeout.
class CWindowCommands {
public:
    CWindowCommands(const Paths& paths, std::ostream& out, std::ostream& err);

    // start, stop or toggle: what the window did, in one line.
    int Call(ControlVerb verb);
    // The running call, or "stopped"; "not running" (exit status 3) without a window.
    int Status(bool json);
    // The window's CMonitor decides, as for a call typed in; its refusal is printed as corvellanctl's.
    int Add(CTime start, CTime end);

private:
    CControlClient::Result Ask(ControlVerb verb, CTime start = {}, CTime end = {}) const;
    int Fail(const std::string& reason);

    CControlClient m_client;
    std::ostream& m_out;
    std::ostream& m_err;
};
