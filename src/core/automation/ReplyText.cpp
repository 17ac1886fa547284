// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/ReplyText.h"

#include "core/billing/Money.h"

#include <nlohmann/json.hpp>

namespace {
std::optional<std::string> ClockTime(const std::string& word) {
    const std::optional<CTime> time = ReadTimeWord(word);
    return time ? std::optional(time->Format("%H:%M:%S")) : std::nullopt;
}
} // namespace

std::optional<std::string> CallReplyText(const ControlReply& reply) {
    const std::vector<std::string>& w = reply.words;
    if (!reply.ok)
        return std::nullopt;
    if (w.size() == 2 && w[0] == "started")
        if (const auto at = ClockTime(w[1]))
            return "started at " + *at;
    if (w.size() == 4 && w[0] == "already" && w[1] == "running" && w[2] == "since")
        if (const auto at = ClockTime(w[3]))
            return "already running since " + *at;
    if (w.size() == 4 && w[0] == "stopped") {
        const std::optional<std::string> at = ClockTime(w[2]);
        const std::optional<double> cost = ReadNumberWord(w[3]);
        if (at && cost)
            return "stopped at " + *at + ": " + ShownAmount(*cost);
    }
    if (w.size() == 2 && w[0] == "already" && w[1] == "stopped")
        return std::string("no call was being timed");
    return std::nullopt;
}

std::string StatusText(const CallStatus& status) {
    if (!status.running)
        return "stopped";
    return "running since " + status.start.Format("%H:%M:%S") + ", " + ShownAmount(status.cost) + " so far";
}

std::string StatusJson(const CallStatus& status) {
    nlohmann::ordered_json json;
    json["running"] = status.running;
    if (status.running) {
        json["start"] = TimeWord(status.start);
        // What the window shows, as a number: FormatMoney's text read back (never through strtod,
        // which would want the locale's decimal comma).
        json["cost"] = ReadNumberWord(FormatMoney(status.cost)).value_or(0.0);
        json["rate"] = status.rate;
    }
    return json.dump() + "\n";
}
