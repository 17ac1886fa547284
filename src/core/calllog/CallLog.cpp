#include "core/calllog/CallLog.h"

#include "core/settings/Settings.h"
#include "core/billing/CallArray.h"
#include "core/calllog/CallLogMonth.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/Paths.h"
#include "core/platform/ProgramState.h"
#include "core/platform/Prompter.h"

#include <filesystem>

namespace {
// Far beyond any real month (a call block is about 50 bytes); a larger file is not a log we wrote.
constexpr std::size_t kMaxLogBytes = std::size_t{64} << 20;
constexpr int kMaxBackupAttempts = 100;

constexpr const char* kCaption = "Corvellan";
constexpr const char* kErrorCaption = "Corvellan Error";
constexpr const char* kCreateError = "ERROR : Log file could not be created";
constexpr const char* kCorruptError =
    "ERROR: For some reason the call log file is corrupt. Information about the "
    "calls you have made this month will not be available.";
constexpr const char* kCopyFilter = "Text Files(*.txt)|*.txt | All Files(*.*)|*.*|";

std::string RollOverQuestion(const std::string& month) {
    return "Since a new month has started, Corvellan will clear the call log for " + month +
           ". Corvellan can save this old log under a different filename, so that you can access it later. "
           "Do you wish to save the log for " +
           month + "?";
}

std::string UnreadableText(int count) {
    const std::string entries =
        count == 1 ? "1 entry of the call log could not be read and was left out."
                   : std::to_string(count) + " entries of the call log could not be read and were left out.";
    return entries + " The original file will be kept beside the new log when the log is next saved.";
}

std::string BackupName(const std::string& path, CTime now, int attempt) {
    std::string name = path;
    name.append(".bak-").append(now.Format("%Y%m%d-%H%M%S"));
    if (attempt > 0)
        name.append("-").append(std::to_string(attempt + 1));
    return name;
}
} // namespace

CCallLog::CCallLog(const Paths& paths, Prompter& prompter)
    : m_path(paths.CallLogFile()), m_prompter(prompter) {}

void CCallLog::Load(CCallArray& calls, CTime now) {
    // A huge file cannot be a log of ours: it is reported without reading it, and kept as it is.
    std::error_code ec;
    if (const std::uintmax_t size = std::filesystem::file_size(m_path, ec); !ec && size > kMaxLogBytes) {
        ReportCorrupt();
        return;
    }
    std::string text;
    bool tooLarge = false;
    if (!ReadWholeFile(m_path, text, kMaxLogBytes, &tooLarge)) {
        // A missing log is the first run. The size check above missed a file that grew meanwhile.
        if (tooLarge)
            ReportCorrupt();
        return;
    }
    const ParsedLog log = ParseCallLog(text);
    if (log.corrupt) {
        ReportCorrupt();
        return;
    }
    const MonthSelection selection = SelectCurrentMonth(log, now);
    if (selection.rollOver)
        OfferCopy(selection.oldMonth, text);
    for (const LoggedCall& call : selection.calls)
        calls.Add(CCallRecord(call.start, call.end));
    if (log.unreadable > 0)
        ReportUnreadable(log.unreadable);
}

bool CCallLog::Save(const CCallArray& calls, CTime now) {
    const std::string text = FormatCallLog(calls, now, Settings.MonthLimit, CurrencySymbol);
    if ((m_keepOriginal && !KeepOriginal(now)) || !WriteFileAtomically(m_path, text)) {
        m_prompter.ShowMessage(kErrorCaption, kCreateError, PromptIcon::Stop);
        return false;
    }
    return true;
}

void CCallLog::KeepOriginalBeforeNextSave() {
    m_keepOriginal = true;
}

void CCallLog::ReportCorrupt() {
    m_keepOriginal = true;
    m_prompter.ShowMessage(kErrorCaption, kCorruptError, PromptIcon::Stop);
}

void CCallLog::ReportUnreadable(int count) {
    m_keepOriginal = true;
    m_prompter.ShowMessage(kCaption, UnreadableText(count), PromptIcon::Exclamation);
}

// The copy is the old file's text as it was read, byte for byte.
void CCallLog::OfferCopy(const std::string& month, const std::string& text) {
    if (!m_prompter.AskYesNo(kCaption, RollOverQuestion(month), PromptIcon::Question))
        return;
    const std::optional<std::string> name = m_prompter.AskSaveFileName(month, "txt", kCopyFilter);
    if (!name)
        return;
    std::string reason;
    if (!WriteFileAtomically(*name, text, &reason))
        m_prompter.ShowMessage(
            kErrorCaption, "ERROR : The old call log could not be saved as " + *name + " (" + reason + ").",
            PromptIcon::Stop);
}

// Copies (never moves) the original, so a failed write afterwards still leaves Calls.log in place.
// An existing backup is never overwritten.
bool CCallLog::KeepOriginal(CTime now) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(m_path, ec)) {
        m_keepOriginal = false;
        return !ec;
    }
    for (int attempt = 0; attempt < kMaxBackupAttempts; ++attempt) {
        const std::string backup = BackupName(m_path, now, attempt);
        if (fs::exists(backup, ec))
            continue;
        if (fs::copy_file(m_path, backup, fs::copy_options::none, ec)) {
            m_keepOriginal = false;
            return true;
        }
        if (ec != std::errc::file_exists)
            fs::remove(backup, ec); // a partial copy is no backup
        return false;
    }
    return false;
}
