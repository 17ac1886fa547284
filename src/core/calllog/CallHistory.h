// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"
#include "core/calllog/CallLogText.h"

#include <string>
#include <vector>

class Paths;

// The calls of a month's list with those the history holds for it (after a clock or a start day
// that was changed), none twice, in order of their ends as the list is kept.
std::vector<LoggedCall> WithKept(std::vector<LoggedCall> calls, const std::vector<LoggedCall>& kept);

// A billing period of the history: its calls, oldest first, or what is wrong with its file.
struct PastMonth {
    CBillingPeriod period;
    std::vector<LoggedCall> calls;
    // A file that could not be read, or holds what Corvellan does not write: its path and why.
    // Such a file is shown apart, with whatever calls could be read from it, and never written over.
    std::string file;
    std::string problem;
};

// The history folder beside Calls.log: the calls of each ended billing period in a file named by the
// period's first day (history/2026-11-01.log), in the very form of Calls.log. Calls are only ever
// added to a file: one that exists is merged with, its old text kept beside it when anything was
// added, and one that cannot be read or holds what Corvellan does not write is left as it is.
class CCallHistory {
public:
    explicit CCallHistory(const Paths& paths);

    const std::string& Dir() const { return m_dir; }
    std::string FileFor(const CBillingPeriod& period) const;

    // Puts each call into the file of its period (by startDay). Returns the calls that could not be
    // kept there; problems gets a line for each period that failed, in the program's own words.
    std::vector<LoggedCall> Archive(const std::vector<LoggedCall>& calls, unsigned startDay, CTime now,
                                    std::vector<std::string>& problems) const;

    // Every period of the history (periods of startDay, whichever file a call was kept in), newest
    // first, with the calls of also merged in (none twice), and then each file with a problem. The
    // period current is left out.
    std::vector<PastMonth> Read(unsigned startDay, const CBillingPeriod& current,
                                const std::vector<LoggedCall>& also = {}) const;
    // The calls kept for period, from the files whose own period could share days with it only.
    std::vector<LoggedCall> CallsIn(const CBillingPeriod& period) const;

private:
    struct File {
        std::string path;
        CBillingPeriod named; // the period starting on the day the file is named after
    };
    std::vector<File> Files() const;

    std::string m_dir;
};
