// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calllog/CallHistory.h"
#include "core/platform/Time.h"

#include <string>
#include <vector>

class CCallArray;
class Paths;
class Prompter;

// Calls.log on disk: reads the month's calls back at start-up and writes the list after every
// change. The text itself is made and read by the functions of CallLogText.h. A month's calls are
// never lost to a file the loader could not handle: such a file is kept, as it is or as a copy.
class CCallLog {
public:
    CCallLog(const Paths& paths, Prompter& prompter);

    // Loads the current month's calls into calls (appending), may ask the roll-over question, show
    // the corrupt-log / unreadable-entries messages, and offer the Save As copy. Never writes Calls.log.
    // A log that exists but cannot be read is reported; from then on the calls are saved beside it.
    // "The month" is the billing period of now; calls the history holds for it join the list.
    void Load(CCallArray& calls, CTime now, bool askRollOver = true);
    // Writes Calls.log atomically from calls, with the other calls still waiting (see OtherCalls),
    // once the ended months' calls have gone to the history; on failure shows "ERROR : Log file could not be
    // created" (caption "Corvellan Error", stop icon) and returns false, leaving the old file untouched.
    // Before the first write after a load that did not understand the whole file, keeps the original as
    // Calls.log.bak-YYYYMMDD-HHMMSS beside it. When the last load found a log that must stay as it is
    // (unreadable or read-only), writes Calls.log.unsaved-YYYYMMDD-HHMMSS instead.
    bool Save(const CCallArray& calls, CTime now);
    // The next Save first keeps the file as it is now as Calls.log.bak-YYYYMMDD-HHMMSS, so a
    // cleared month stays recoverable.
    void KeepOriginalBeforeNextSave();

    // Calls an earlier run kept in Calls.log.unsaved-* files, beside Calls.log or in one of
    // fallbackDirs, come back into calls: those of the month of now that calls lacks. Nothing is
    // merged while Calls.log itself cannot be replaced. A file whose every call is then in the list
    // is removed by the next Save that succeeds; the user is told once where the calls came from.
    // True when there is something to save.
    bool MergeUnsaved(CCallArray& calls, CTime now, const std::vector<std::string>& fallbackDirs);
    // The end of a run at which Calls.log could not be written: the calls go to a new
    // Calls.log.unsaved-YYYYMMDD-HHMMSS in the first of dirs that can take it, for the next run to
    // merge. Its path, or empty when none could.
    std::string SaveFallback(const CCallArray& calls, CTime now, const std::vector<std::string>& dirs);
    // Whether a file can be written in the folder of Calls.log now; when not, the user is told at
    // once, with the folder and the reason, rather than at the first stop.
    bool CheckWritable();

    // The loaded log's calls of other months: those of ended months until they are in the history,
    // and any of a month still to come (a clock that was set back). They stay in Calls.log till then.
    const std::vector<LoggedCall>& OtherCalls() const { return m_others; }
    // Calls that left the list at the turn of the billing period join them.
    void Hold(const std::vector<LoggedCall>& calls);
    // Puts the calls of ended months into the history. Those that cannot go stay in Calls.log, and
    // the user is told once a run why. True when none is left waiting.
    bool Archive(CTime now);
    // The months of the history, the ended calls still waiting merged in, newest first, the month of
    // now left out.
    std::vector<PastMonth> PastMonths(CTime now) const;
    const CCallHistory& History() const { return m_history; }

    // False once a load found a Calls.log that is not to be replaced; BesideReason() says why.
    bool CanReplace() const { return m_besidePath.empty(); }
    const std::string& BesideReason() const { return m_besideReason; }
    // Why the last Save failed, in a few words.
    const std::string& LastError() const { return m_lastError; }

private:
    void ReportCorrupt();
    void ReportUnreadable(int count);
    void ReportNotWhole();
    void ReportUnreadableFile(const std::string& reason);
    void OfferCopy(const std::string& month, const std::string& text);
    bool KeepOriginal(CTime now);
    bool SaveBeside(const std::string& text);
    // From now on Calls.log stays as it is and the calls go to a new file beside it.
    void LeaveInPlace(CTime now, const std::string& reason);
    void Failed();
    std::vector<std::string> UnsavedFiles(const std::vector<std::string>& fallbackDirs) const;
    // The text of Calls.log: the calls, with the other calls still waiting before and after them.
    std::string Text(const CCallArray& calls, CTime now) const;

    std::string m_path;
    Prompter& m_prompter;
    // Set when the last load could not understand the whole file, so it is not silently replaced.
    bool m_keepOriginal = false;
    // Where the calls go while Calls.log must stay as it is; empty otherwise.
    std::string m_besidePath;
    std::string m_besideReason; // why Calls.log stays as it is
    bool m_besideTold = false;  // where the calls went was said
    std::string m_lastError;
    // Merged unsaved files, removed once their calls are in a saved Calls.log.
    std::vector<std::string> m_mergedFiles;
    CCallHistory m_history;
    std::vector<LoggedCall> m_others;
    bool m_historyTold = false;
};
