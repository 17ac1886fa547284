// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"
#include "core/platform/Paths.h"
#include "core/platform/Time.h"
#include "ctl/CtlEnds.h"

#include <QStringList>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class CCallArray;
struct MonthRow;
class QCommandLineParser;
class StderrPrompter;

// The commands of corvellanctl. Each reads Corvellan.ini and Calls.log the way the window does and
// prints what the window would show, or asks the running window (start, stop, toggle, status; add
// while the window holds Calls.log). They end as ctl/CtlEnds.h says.
class CCtlCommands {
public:
    CCtlCommands(Paths paths, std::ostream& out, std::ostream& err);

    // arguments[0] is the program name.
    int Run(const QStringList& arguments);

private:
    struct Command;
    static const Command kCommands[];

    int Dispatch(const QCommandLineParser& parser);
    int PrepareCommand(const Command& command, const QCommandLineParser& parser);

    int Price(const QStringList& args);
    int Rate(const QStringList& args);
    int Report(const QStringList& args);
    int Calls(const QStringList& args);
    int Add(const QStringList& args);
    int Start(const QStringList& args);
    int Stop(const QStringList& args);
    int Toggle(const QStringList& args);
    int Status(const QStringList& args);
    int Months(const QStringList& args);
    int Chart(const QStringList& args);

    int InsertCall(CTime start, CTime end);
    bool ReadStartEnd(const QStringList& args, CTime& start, CTime& end);
    bool ReadTime(const QString& text, CTime& time);
    bool LoadSettingsQuietly();
    // Loads the month's calls; false when the loader complained about the file.
    bool LoadCalls(CCallArray& calls, StderrPrompter& prompter);
    // The calls of the month of --month (this month without it) and its billing period; an exit
    // code when there is no such month or its file cannot be used.
    std::optional<int> LoadMonth(CCallArray& calls, CBillingPeriod& period, bool& clean);
    // One line on the error stream and the exit code that goes with it.
    int Usage(const std::string& line); // the command line is wrong: points to --help
    int BadInput(const std::string& line);
    int Refuse(const std::string& line);
    std::string UsageText() const;

    Paths m_paths;
    std::ostream& m_out;
    std::ostream& m_err;
    CTime m_now;
    bool m_raw = false;
    bool m_csv = false;
    bool m_json = false;
    std::string m_month; // --month YYYY-MM, or empty
};
