#pragma once

#include "core/platform/Time.h"

#include <string>

class CCallArray;
class Paths;
class Prompter;

// Calls.log on disk: reads the month's calls back at start-up and writes the list at exit. The
// text itself is made and read by the functions of CallLogText.h.
class CCallLog {
public:
    CCallLog(const Paths& paths, Prompter& prompter);

    // Loads the current month's calls into calls (appending), may ask the roll-over question, show
    // the corrupt-log / unreadable-entries messages, and offer the Save As copy. Never writes Calls.log.
    void Load(CCallArray& calls, CTime now);
    // Writes Calls.log atomically from calls; on failure shows "ERROR : Log file could not be created"
    // (caption "Corvellan Error", stop icon) and returns false, leaving the old file untouched. Before the
    // first write after a load that found unreadable entries or a corrupt log, keeps the original as
    // Calls.log.bak-YYYYMMDD-HHMMSS beside it.
    bool Save(const CCallArray& calls, CTime now);
    // The next Save first keeps the file as it is now as Calls.log.bak-YYYYMMDD-HHMMSS, so a
    // cleared month stays recoverable.
    void KeepOriginalBeforeNextSave();

private:
    void ReportCorrupt();
    void ReportUnreadable(int count);
    void OfferCopy(const std::string& month, const std::string& text);
    bool KeepOriginal(CTime now);

    std::string m_path;
    Prompter& m_prompter;
    // Set when the last load could not understand the whole file, so it is not silently replaced.
    bool m_keepOriginal = false;
};
