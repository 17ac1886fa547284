// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The control socket's protocol, shared by the window and its clients: one request line per
// connection and one reply line back, "ok ..." or "error <reason>". Times are ISO 8601 local times
// with their UTC offset, so that a time means the same moment to both sides whatever their zones;
// amounts are plain numbers with a '.'. docs/CONTROL.md describes it for people who write their own
// clients.

// A request line longer than this (its line break not counted) is refused.
constexpr std::size_t kControlLineLimit = 4096;
// The longest either side waits for the other.
constexpr std::chrono::milliseconds kControlTimeout{2000};

enum class ControlVerb { Raise, Start, Stop, Toggle, Status, Add };

struct ControlRequest {
    ControlVerb verb = ControlVerb::Status;
    CTime start; // the call to add
    CTime end;
};

// A request line (without its line break), or why it is none.
struct ParsedRequest {
    std::optional<ControlRequest> request;
    std::string error;
};
ParsedRequest ParseControlRequest(std::string_view line);
// What a client sends, line break included.
std::string ControlRequestLine(const ControlRequest& request);

// A reply line: "ok" and its words, or "error" and the reason.
struct ControlReply {
    bool ok = false;
    std::vector<std::string> words;
    std::string error;
};
ControlReply ParseControlReply(std::string_view line);
// The reply lines, without their line break. A reason is kept to one line of printable text.
std::string OkReply(const std::vector<std::string>& words);
std::string ErrorReply(std::string_view reason);

// The words a reply gives for times and amounts, and back. A number is written with as many digits
// as it takes to read back the same number.
std::string TimeWord(CTime time);
std::optional<CTime> ReadTimeWord(std::string_view word);
std::string NumberWord(double value);
std::optional<double> ReadNumberWord(std::string_view word);

// What "status" says: a call timed since start, its cost so far and the rate in force; or none.
struct CallStatus {
    bool running = false;
    CTime start;
    double cost = 0.0;
    double rate = 0.0;
};
std::string StatusReply(const CallStatus& status);
// Empty for a reply that is no status.
std::optional<CallStatus> ReadStatusReply(const ControlReply& reply);
