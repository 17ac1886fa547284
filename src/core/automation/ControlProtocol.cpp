// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/ControlProtocol.h"

#include "core/platform/Translate.h"
#include "core/reports/ReportJson.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {
struct VerbName {
    ControlVerb verb;
    const char* name;
};
constexpr std::array kVerbs{VerbName{ControlVerb::Raise, "raise"},   VerbName{ControlVerb::Start, "start"},
                            VerbName{ControlVerb::Stop, "stop"},     VerbName{ControlVerb::Toggle, "toggle"},
                            VerbName{ControlVerb::Status, "status"}, VerbName{ControlVerb::Add, "add"}};
constexpr const char* kTimeForm = "YYYY-MM-DDTHH:MM:SS+HH:MM";

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t begin = line.find_first_not_of(" \t", at);
        if (begin == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(" \t", begin), line.size());
        words.push_back(line.substr(begin, end - begin));
        at = end;
    }
    return words;
}

// A word of the client's as it may be quoted back: short, printable, on one line.
std::string Quoted(std::string_view word) {
    constexpr std::size_t kLongest = 40;
    std::string shown;
    for (const char c : word.substr(0, kLongest))
        shown += c >= 0x20 && c < 0x7F ? c : '?';
    return "'" + shown + (word.size() > kLongest ? "...'" : "'");
}

std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}
} // namespace

ParsedRequest ParseControlRequest(std::string_view line) {
    if (!line.empty() && line.back() == '\r') // a client that ends its lines with CR LF
        line.remove_suffix(1);
    const std::vector<std::string_view> words = Words(line);
    if (words.empty())
        return {std::nullopt, "empty request"};
    for (const VerbName& verb : kVerbs) {
        if (words[0] != verb.name)
            continue;
        if (verb.verb != ControlVerb::Add) {
            if (words.size() > 1)
                return {std::nullopt, std::string(verb.name) + " takes no arguments"};
            return {ControlRequest{verb.verb, {}, {}}, ""};
        }
        if (words.size() != 3)
            return {std::nullopt, std::string("add needs START and END, each ") + kTimeForm};
        ControlRequest request{ControlVerb::Add, {}, {}};
        for (const auto& [word, time] :
             {std::pair{words[1], &request.start}, std::pair{words[2], &request.end}}) {
            const std::optional<CTime> read = ReadTimeWord(word);
            if (!read)
                return {std::nullopt, "not a time: " + Quoted(word) + " (expected " + kTimeForm + ")"};
            *time = *read;
        }
        return {request, ""};
    }
    return {std::nullopt,
            "unknown request " + Quoted(words[0]) + " (raise, start, stop, toggle, status, add)"};
}

std::string ControlRequestLine(const ControlRequest& request) {
    std::string line;
    for (const VerbName& verb : kVerbs)
        if (verb.verb == request.verb)
            line = verb.name;
    if (request.verb == ControlVerb::Add)
        line += " " + TimeWord(request.start) + " " + TimeWord(request.end);
    return line + "\n";
}

ControlReply ParseControlReply(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    ControlReply reply;
    const std::vector<std::string_view> words = Words(line);
    if (!words.empty() && words[0] == "ok") {
        reply.ok = true;
        reply.words.assign(words.begin() + 1, words.end());
    } else if (!words.empty() && words[0] == "error") {
        const std::size_t reason = line.find_first_not_of(" \t", line.find("error") + 5);
        reply.error = reason == std::string_view::npos ? Tr("ControlProtocol", "no reason given")
                                                       : std::string(line.substr(reason));
    } else {
        reply.error =
            Arg(Tr("ControlProtocol", "an answer that is neither ok nor error: %1"), {Quoted(line)});
    }
    return reply;
}

std::string OkReply(const std::vector<std::string>& words) {
    std::string line = "ok";
    for (const std::string& word : words)
        line += " " + word;
    return line;
}

std::string ErrorReply(std::string_view reason) {
    std::string line = "error ";
    for (const char c : reason)
        line += c == '\n' || c == '\r' ? ' ' : c;
    return line;
}

std::string TimeWord(CTime time) {
    return IsoTimeWithOffset(time);
}

// YYYY-MM-DDTHH:MM:SS followed by +HH:MM, -HH:MM or Z: the moment is known without the local zone.
std::optional<CTime> ReadTimeWord(std::string_view word) {
    const std::optional<int> year = Digits(word, 0, 4), month = Digits(word, 5, 2), day = Digits(word, 8, 2),
                             hour = Digits(word, 11, 2), minute = Digits(word, 14, 2),
                             second = Digits(word, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second || word[4] != '-' || word[7] != '-' ||
        word[10] != 'T' || word[13] != ':' || word[16] != ':' || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(*year), std::chrono::month(*month),
                                           std::chrono::day(*day)};
    if (!date.ok())
        return std::nullopt;
    int offset = 0;
    const std::string_view zone = word.substr(19);
    if (zone != "Z") {
        const std::optional<int> hours = Digits(zone, 1, 2), minutes = Digits(zone, 4, 2);
        if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':' || !hours || !minutes ||
            *hours > 23 || *minutes > 59)
            return std::nullopt;
        offset = (zone[0] == '-' ? -1 : 1) * (*hours * 3600 + *minutes * 60);
    }
    const std::int64_t days = std::chrono::sys_days(date).time_since_epoch().count();
    return CTime(days * 86400 + *hour * 3600 + *minute * 60 + *second - offset);
}

std::string NumberWord(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value); // never the locale's comma
    return std::string(buffer, result.ptr);
}

std::optional<double> ReadNumberWord(std::string_view word) {
    double value = 0.0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string StatusReply(const CallStatus& status) {
    if (!status.running)
        return OkReply({"stopped"});
    return OkReply({"running", TimeWord(status.start), NumberWord(status.cost), NumberWord(status.rate)});
}

std::optional<CallStatus> ReadStatusReply(const ControlReply& reply) {
    const std::vector<std::string>& words = reply.words;
    if (!reply.ok || words.empty())
        return std::nullopt;
    if (words.size() == 1 && words[0] == "stopped")
        return CallStatus{};
    if (words.size() != 4 || words[0] != "running")
        return std::nullopt;
    const std::optional<CTime> start = ReadTimeWord(words[1]);
    const std::optional<double> cost = ReadNumberWord(words[2]), rate = ReadNumberWord(words[3]);
    if (!start || !cost || !rate)
        return std::nullopt;
    return CallStatus{true, *start, *cost, *rate};
}
