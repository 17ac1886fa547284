// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/WindowCommands.h"

#include "core/automation/ReplyText.h"
#include "core/platform/Translate.h"
#include "ctl/CtlEnds.h"

namespace {
using Outcome = CControlClient::Outcome;
constexpr const char* kPrefix = "corvellanctl: ";

std::string NotRunning() {
    return Tr("WindowCommands", "Corvellan is not running");
}

// The request went out but no answer came in time: the window may still add the call.
std::string MaybeAdded() {
    return Tr("WindowCommands", "; the call may be added all the same (corvellanctl calls lists it)");
}

std::string NotUnderstood(const std::string& answer) {
    return Arg(Tr("WindowCommands", "an answer it does not understand: %1"), {answer});
}
} // namespace

CWindowCommands::CWindowCommands(const Paths& paths, std::ostream& out, std::ostream& err)
    : m_client(paths), m_out(out), m_err(err) {}

CControlClient::Result CWindowCommands::Ask(ControlVerb verb, CTime start, CTime end) const {
    ControlRequest request;
    request.verb = verb;
    request.start = start;
    request.end = end;
    return m_client.Ask(ControlRequestLine(request));
}

int CWindowCommands::Fail(const std::string& reason) {
    m_err << kPrefix << reason << '\n';
    return kExitFailed;
}

int CWindowCommands::Call(ControlVerb verb) {
    const CControlClient::Result result = Ask(verb);
    if (result.outcome == Outcome::NotRunning)
        return Fail(NotRunning());
    if (result.outcome != Outcome::Answered)
        return Fail(result.text);
    const ControlReply reply = ParseControlReply(result.text);
    if (!reply.ok)
        return Fail(reply.error);
    const std::optional<std::string> text = CallReplyText(reply);
    if (!text)
        return Fail(NotUnderstood(result.text));
    m_out << *text << '\n';
    return kExitOk;
}

int CWindowCommands::Status(bool json) {
    const CControlClient::Result result = Ask(ControlVerb::Status);
    if (result.outcome == Outcome::NotRunning) {
        // Scripts tell this from a window without a call by the exit status; JSON output stays
        // JSON or nothing.
        if (json)
            m_err << kPrefix << NotRunning() << '\n';
        else
            m_out << Tr("WindowCommands", "not running") << '\n';
        return kExitNotRunning;
    }
    if (result.outcome != Outcome::Answered)
        return Fail(result.text);
    const ControlReply reply = ParseControlReply(result.text);
    if (!reply.ok)
        return Fail(reply.error);
    const std::optional<CallStatus> status = ReadStatusReply(reply);
    if (!status)
        return Fail(NotUnderstood(result.text));
    m_out << (json ? StatusJson(*status) : StatusText(*status) + "\n");
    return kExitOk;
}

int CWindowCommands::Add(CTime start, CTime end) {
    const CControlClient::Result result = Ask(ControlVerb::Add, start, end);
    if (result.outcome == Outcome::NotRunning)
        return Fail(
            Tr("WindowCommands", "Corvellan holds Calls.log but does not answer on its control socket") +
            NothingAdded());
    if (result.outcome == Outcome::Unanswered)
        return Fail(result.text + MaybeAdded());
    if (result.outcome != Outcome::Answered)
        return Fail(result.text + NothingAdded());
    const ControlReply reply = ParseControlReply(result.text);
    if (!reply.ok)
        return Fail(reply.error + NothingAdded());
    return kExitOk;
}
