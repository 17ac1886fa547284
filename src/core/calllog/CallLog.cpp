// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calllog/CallLog.h"

#include "core/billing/CallArray.h"
#include "core/billing/PeriodTotals.h"
#include "core/calllog/CallLogMonth.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/Paths.h"
#include "core/platform/ProgramState.h"
#include "core/platform/Prompter.h"
#include "core/platform/Translate.h"
#include "core/settings/Settings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <utility>

namespace {
// Far beyond any real month (a call block is about 50 bytes); a larger file is not a log we wrote.
constexpr std::size_t kMaxLogBytes = std::size_t{64} << 20;

constexpr const char* kCaption = "Corvellan";

std::string ErrorCaption() {
    return Tr("CallLog", "Corvellan Error");
}

std::string CreateError() {
    return Tr("CallLog", "ERROR : Log file could not be created");
}

std::string KeptText() {
    return Tr("CallLog", " The original file will be kept beside the new log when the log is next saved.");
}

std::string RollOverQuestion(const std::string& month) {
    return Arg(Tr("CallLog",
                  "Since a new month has started, Corvellan will clear the call log for %1. Corvellan "
                  "can save this old log under a different filename, so that you can access it later. "
                  "Do you wish to save the log for %1?"),
               {month});
}

std::string UnreadableText(int count) {
    const std::string entries =
        count == 1 ? Tr("CallLog", "1 entry of the call log could not be read and was left out.")
                   : Tr("CallLog", "%n entries of the call log could not be read and were left out.", nullptr,
                        count);
    return entries + KeptText();
}

std::string Stamp(CTime now) {
    return now.Format("%Y%m%d-%H%M%S");
}

void AddCalls(CCallArray& calls, const std::vector<LoggedCall>& list) {
    calls.Reserve(calls.GetSize() + static_cast<int>(list.size()));
    for (const LoggedCall& call : list)
        calls.Add(CCallRecord(call.start, call.end));
}

} // namespace

CCallLog::CCallLog(const Paths& paths, Prompter& prompter)
    : m_path(paths.CallLogFile()), m_prompter(prompter), m_history(paths) {}

void CCallLog::Load(CCallArray& calls, CTime now, bool askRollOver) {
    m_others.clear();
    std::string text, reason;
    switch (ReadRegularFile(m_path, text, kMaxLogBytes, &reason)) {
    case ReadStatus::Missing: // the first run of a month
        AddCalls(calls, m_history.CallsIn(PeriodOf(now)));
        return;
    case ReadStatus::TooLarge: // not a log of ours; not read at all, and kept as it is
        LeaveInPlace(now, Tr("CallLog", "it is far too large to be a call log"));
        ReportCorrupt();
        return;
    case ReadStatus::Failed:
        LeaveInPlace(now, reason);
        ReportUnreadableFile(reason);
        return;
    case ReadStatus::Ok:
        break;
    }
    if (!IsReplaceable(m_path, &reason)) // read-only: the user hears of it at the first save
        LeaveInPlace(now, reason);
    const ParsedLog log = ParseCallLog(text);
    if (log.corrupt) {
        ReportCorrupt();
        return;
    }
    MonthSelection selection = SelectCurrentMonth(log, now, Settings.PeriodStartDay);
    if (selection.rollOver && askRollOver)
        OfferCopy(selection.oldMonth, text);
    m_others = std::move(selection.others);
    AddCalls(calls, WithKept(std::move(selection.calls), m_history.CallsIn(PeriodOf(now))));
    if (log.unreadable > 0)
        ReportUnreadable(log.unreadable);
    else if (!log.whole)
        ReportNotWhole();
}

std::string CCallLog::Text(const CCallArray& calls, CTime now) const {
    const CBillingPeriod period = PeriodOf(now);
    if (m_others.empty())
        return FormatCallLog(calls, period.MonthName(), Settings.MonthLimit, CurrencySymbol);
    CCallArray all;
    all.Reserve(calls.GetSize() + static_cast<int>(m_others.size()));
    for (const bool earlier : {true, false}) {
        for (const LoggedCall& call : m_others)
            if (period.Contains(call.start) ? !earlier : period.EndedBy(call.start) != earlier)
                all.Add(CCallRecord(call.start, call.end));
        for (int i = 0; earlier && i < calls.GetSize(); ++i)
            all.Add(calls.GetAt(i));
    }
    return FormatCallLog(all, period.MonthName(), Settings.MonthLimit, CurrencySymbol);
}

void CCallLog::Hold(const std::vector<LoggedCall>& calls) {
    m_others.insert(m_others.end(), calls.begin(), calls.end());
}

bool CCallLog::Archive(CTime now) {
    const CBillingPeriod period = PeriodOf(now);
    std::vector<LoggedCall> ended, waiting;
    for (const LoggedCall& call : m_others)
        (PeriodOf(call.start) < period ? ended : waiting).push_back(call);
    if (ended.empty())
        return true;
    std::vector<std::string> problems;
    const std::vector<LoggedCall> left = m_history.Archive(ended, Settings.PeriodStartDay, now, problems);
    m_others = left;
    m_others.insert(m_others.end(), waiting.begin(), waiting.end());
    if (!problems.empty() && !m_historyTold) {
        m_historyTold = true;
        std::string text =
            Arg(Tr("CallLog", "The calls of ended months could not all be put into the history "
                              "folder %1, so Corvellan keeps them in Calls.log until they can be; "
                              "nothing is lost."),
                {m_history.Dir()});
        for (const std::string& problem : problems)
            text += "\n" + problem;
        m_prompter.ShowMessage(kCaption, text, PromptIcon::Exclamation);
    }
    return left.empty();
}

std::vector<PastMonth> CCallLog::PastMonths(CTime now) const {
    const CBillingPeriod period = PeriodOf(now);
    std::vector<LoggedCall> ended;
    for (const LoggedCall& call : m_others)
        if (PeriodOf(call.start) < period)
            ended.push_back(call);
    return m_history.Read(Settings.PeriodStartDay, period, ended);
}

bool CCallLog::Save(const CCallArray& calls, CTime now) {
    Archive(now);
    const std::string text = Text(calls, now);
    if (!m_besidePath.empty())
        return SaveBeside(text);
    if ((m_keepOriginal && !KeepOriginal(now)) || !WriteFileAtomically(m_path, text, &m_lastError)) {
        Failed();
        return false;
    }
    for (const std::string& merged : m_mergedFiles)
        std::remove(merged.c_str());
    m_mergedFiles.clear();
    return true;
}

std::vector<std::string> CCallLog::UnsavedFiles(const std::vector<std::string>& fallbackDirs) const {
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    const std::string beside = fs::path(m_path).filename().string() + ".unsaved-";
    std::vector<std::string> dirs{fs::path(m_path).parent_path().string()};
    dirs.insert(dirs.end(), fallbackDirs.begin(), fallbackDirs.end());
    for (const std::string& dir : dirs) {
        std::error_code ec;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().filename().string().starts_with(beside) && it->is_regular_file(ec))
                found.push_back(it->path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool CCallLog::MergeUnsaved(CCallArray& calls, CTime now, const std::vector<std::string>& fallbackDirs) {
    if (!m_besidePath.empty())
        return false;
    std::set<std::pair<CTime, CTime>> listed;
    std::vector<std::pair<CTime, CTime>> times;
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        times.emplace_back(call.GetStart(), call.GetEnd());
        listed.insert(times.back());
    }
    const std::size_t before = times.size();
    std::string merged, kept;
    for (const std::string& file : UnsavedFiles(fallbackDirs)) {
        std::string text;
        if (ReadRegularFile(file, text, kMaxLogBytes) != ReadStatus::Ok)
            continue;
        const ParsedLog log = ParseCallLog(text);
        if (log.corrupt)
            continue;
        bool all = log.unreadable == 0 && log.whole;
        for (const LoggedCall& call : log.calls) {
            if (!PeriodOf(now).Contains(call.start)) {
                all = false; // another month's calls are not this log's to take
                continue;
            }
            if (listed.insert({call.start, call.end}).second)
                times.emplace_back(call.start, call.end);
        }
        (all ? merged : kept) += "\n" + file;
        if (all)
            m_mergedFiles.push_back(file);
    }
    if (merged.empty() && kept.empty())
        return false;
    // In order of the ends, as the list is kept; calls that end together keep their order.
    std::stable_sort(times.begin(), times.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });
    calls.RemoveAll();
    calls.Reserve(static_cast<int>(times.size()));
    for (const auto& [start, end] : times)
        calls.Add(CCallRecord(start, end));
    std::string text = Tr("CallLog", "Calls that could not be written to the call log before were kept in:") +
                       merged + kept + "\n";
    text += merged.empty()
                ? Tr("CallLog", "This month's calls among them are back in the list.")
                : Tr("CallLog", "This month's calls among them are back in the list; once the log has "
                                "been saved, the files that held only those are removed.");
    if (!kept.empty())
        text += "\n" + Tr("CallLog", "Files that also hold calls of other months are kept:") + kept;
    m_prompter.ShowMessage(kCaption, text, PromptIcon::Information);
    return times.size() != before || !m_mergedFiles.empty();
}

std::string CCallLog::SaveFallback(const CCallArray& calls, CTime now, const std::vector<std::string>& dirs) {
    const std::string text = Text(calls, now);
    const std::string name = std::filesystem::path(m_path).filename().string() + ".unsaved-" + Stamp(now);
    for (const std::string& dir : dirs) {
        std::string reason;
        if (!MakePrivateDirectories(dir, &reason))
            continue;
        const std::string path = UnusedName(dir + name);
        if (!path.empty() && WriteFileAtomically(path, text, &reason))
            return path;
    }
    return {};
}

bool CCallLog::CheckWritable() {
    const std::string dir = std::filesystem::path(m_path).parent_path().string();
    std::string reason;
    if (!MakePrivateDirectories(dir, &reason) || !CanWriteIn(dir, &reason)) {
        m_prompter.ShowMessage(ErrorCaption(),
                               CreateError() + "\n" + dir + " (" + reason + ")\n" +
                                   Tr("CallLog",
                                      "Corvellan times your calls all the same, but cannot save them "
                                      "until files can be written there."),
                               PromptIcon::Stop);
        return false;
    }
    return true;
}

void CCallLog::Failed() {
    m_prompter.ShowMessage(ErrorCaption(), CreateError() + "\n" + m_path + " (" + m_lastError + ")",
                           PromptIcon::Stop);
}

bool CCallLog::SaveBeside(const std::string& text) {
    if (!WriteFileAtomically(m_besidePath, text, &m_lastError)) {
        Failed();
        return false;
    }
    if (!m_besideTold) {
        m_besideTold = true;
        m_prompter.ShowMessage(
            kCaption,
            Arg(Tr("CallLog", "The call log %1 cannot be replaced (%2), so Corvellan leaves it "
                              "as it is and keeps this month's calls in %3."),
                {m_path, m_besideReason, m_besidePath}),
            PromptIcon::Exclamation);
    }
    return true;
}

void CCallLog::LeaveInPlace(CTime now, const std::string& reason) {
    m_besidePath = UnusedName(m_path + ".unsaved-" + Stamp(now));
    m_besideReason = reason;
}

void CCallLog::KeepOriginalBeforeNextSave() {
    m_keepOriginal = true;
}

void CCallLog::ReportCorrupt() {
    m_keepOriginal = true;
    m_prompter.ShowMessage(ErrorCaption(),
                           Tr("CallLog",
                              "ERROR: For some reason the call log file is corrupt. Information about "
                              "the calls you have made this month will not be available."),
                           PromptIcon::Stop);
}

void CCallLog::ReportUnreadable(int count) {
    m_keepOriginal = true;
    m_prompter.ShowMessage(kCaption, UnreadableText(count), PromptIcon::Exclamation);
}

void CCallLog::ReportNotWhole() {
    m_keepOriginal = true;
    m_prompter.ShowMessage(
        kCaption,
        Tr("CallLog", "Part of the call log is not in the form Corvellan writes and could not be read.") +
            KeptText(),
        PromptIcon::Exclamation);
}

void CCallLog::ReportUnreadableFile(const std::string& reason) {
    m_prompter.ShowMessage(
        ErrorCaption(),
        Arg(Tr("CallLog", "ERROR : The call log %1 could not be read (%2). Corvellan leaves it as it is. "
                          "Information about the calls you have made this month will not be available."),
            {m_path, reason}),
        PromptIcon::Stop);
}

// The copy is the old file's text as it was read, byte for byte.
void CCallLog::OfferCopy(const std::string& month, const std::string& text) {
    if (!m_prompter.AskYesNo(kCaption, RollOverQuestion(month), PromptIcon::Question))
        return;
    const std::optional<std::string> name = m_prompter.AskSaveFileName(
        month, "txt", Tr("CallLog", "Text Files(*.txt)|*.txt | All Files(*.*)|*.*|"));
    if (!name)
        return;
    std::string reason;
    if (!WriteFileAtomically(*name, text, &reason))
        m_prompter.ShowMessage(
            ErrorCaption(),
            Arg(Tr("CallLog", "ERROR : The old call log could not be saved as %1 (%2)."), {*name, reason}),
            PromptIcon::Stop);
}

// Copies (never moves) the original, so a failed write afterwards still leaves Calls.log in place.
// An existing backup is never overwritten.
bool CCallLog::KeepOriginal(CTime now) {
    if (PathExists(m_path)) {
        const std::string backup = UnusedName(m_path + ".bak-" + Stamp(now));
        if (backup.empty() || !CopyToNewFile(m_path, backup, &m_lastError))
            return false;
    }
    m_keepOriginal = false;
    return true;
}
