// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/automation/ControlProtocol.h"

#include <optional>
#include <string>

// What corvellanctl prints for the window's replies: times in corvellanctl's own local time, amounts
// as the window shows them (ShownAmount).

// A reply to start, stop or toggle: "started at 14:00:00", "stopped at 14:02:05: $4.17", ... Empty for
// a reply that is none of these.
std::optional<std::string> CallReplyText(const ControlReply& reply);

// "running since 14:00:00, $1.23 so far", or "stopped".
std::string StatusText(const CallStatus& status);
// {"running": true, "start": "2026-12-07T14:00:00+01:00", "cost": 1.23, "rate": 0.05} or
// {"running": false}; the cost rounded to cents as it is shown, the rate as the tariff has it.
std::string StatusJson(const CallStatus& status);
