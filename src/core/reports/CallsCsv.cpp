// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/CallsCsv.h"

#include "core/billing/CallArray.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/NumberText.h"
#include "core/platform/Prompter.h"
#include "core/platform/Translate.h"

#include <filesystem>

namespace {

// Only a regular file (or a new one) is replaced: a device or a directory chosen by mistake is not.
bool IsWritableTarget(const std::string& path, std::string& reason) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status))
        return true;
    reason = Tr("CallsCsv", "not a regular file");
    return false;
}
} // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string IsoLocalTime(CTime time) {
    return time.Format("%Y-%m-%dT%H:%M:%S");
}

std::string BuildCallsCsv(const CCallArray& calls) {
    std::string text = "Start,End,Duration (seconds),Cost\r\n";
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        text += CsvField(IsoLocalTime(call.GetStart())) + ',' + CsvField(IsoLocalTime(call.GetEnd())) + ',' +
                std::to_string(call.GetDuration().GetTotalSeconds()) + ',' +
                CsvField(FormatTwoDecimals(call.GetCost())) + "\r\n";
    }
    return text;
}

bool ExportCallsCsv(const CCallArray& calls, CTime now, Prompter& prompter) {
    const std::optional<std::string> name = prompter.AskSaveFileName(
        now.Format("Calls-%Y-%m"), "csv", Tr("CallsCsv", "CSV Files(*.csv)|*.csv|All Files(*.*)|*.*|"));
    if (!name)
        return false;
    std::string reason;
    if (!IsWritableTarget(*name, reason) || !WriteFileAtomically(*name, BuildCallsCsv(calls), &reason)) {
        prompter.ShowMessage(
            Tr("CallsCsv", "Corvellan Error"),
            Arg(Tr("CallsCsv", "ERROR : The list of calls could not be saved as %1 (%2)."), {*name, reason}),
            PromptIcon::Stop);
        return false;
    }
    return true;
}
