// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/ReplyText.h"

#include "core/billing/Money.h"
#include "core/platform/Translate.h"

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
            return Arg(Tr("ReplyText", "started at %1"), {*at});
    if (w.size() == 4 && w[0] == "already" && w[1] == "running" && w[2] == "since")
        if (const auto at = ClockTime(w[3]))
            return Arg(Tr("ReplyText", "already running since %1"), {*at});
    if (w.size() == 4 && w[0] == "stopped") {
        const std::optional<std::string> at = ClockTime(w[2]);
        const std::optional<double> cost = ReadNumberWord(w[3]);
        if (at && cost)
            return Arg(Tr("ReplyText", "stopped at %1: %2"), {*at, ShownAmount(*cost)});
    }
    if (w.size() == 2 && w[0] == "already" && w[1] == "stopped")
        return Tr("ReplyText", "no call was being timed");
    return std::nullopt;
}

std::string StatusText(const CallStatus& status) {
    if (!status.running)
        return Tr("ReplyText", "stopped");
    return Arg(Tr("ReplyText", "running since %1, %2 so far"),
               {status.start.Format("%H:%M:%S"), ShownAmount(status.cost)});
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
