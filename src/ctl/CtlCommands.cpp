// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/CtlCommands.h"

#include "core/billing/CallArray.h"
#include "core/billing/Money.h"
#include "core/billing/PeriodTotals.h"
#include "core/billing/Tariff.h"
#include "core/calllog/CallLog.h"
#include "core/calllog/DataLock.h"
#include "core/meter/Monitor.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/FakeClock.h"
#include "core/platform/SystemClock.h"
#include "core/platform/Translate.h"
#include "core/reports/CallListText.h"
#include "core/reports/CallsCsv.h"
#include "core/reports/MonthFigures.h"
#include "core/reports/MonthList.h"
#include "core/reports/ReportJson.h"
#include "core/reports/ReportText.h"
#include "core/settings/Settings.h"
#include "ctl/StderrPrompter.h"
#include "ctl/TimeArgument.h"
#include "ctl/WindowCommands.h"

#include <QCommandLineParser>
#include <charconv>
#include <chrono>
#include <sstream>

struct CCtlCommands::Command {
    const char* name;
    int minArgs;
    int maxArgs;
    const char* arguments; // named in the complaint about missing ones; translated
    bool takesRaw;
    bool takesNow;
    const char* formats; // the output options it takes: "c" --csv, "j" --json, "m" --month
    bool readsSettings;  // the window's commands need none: the window has its own
    int (CCtlCommands::*run)(const QStringList&);
};

const CCtlCommands::Command CCtlCommands::kCommands[] = {
    {"price", 2, 2, QT_TRANSLATE_NOOP("CtlCommands", "START and END"), true, false, "", true,
     &CCtlCommands::Price},
    {"rate", 0, 1, "", false, true, "", true, &CCtlCommands::Rate},
    {"report", 0, 0, "", false, true, "jm", true, &CCtlCommands::Report},
    {"calls", 0, 0, "", false, true, "cjm", true, &CCtlCommands::Calls},
    {"add", 2, 2, QT_TRANSLATE_NOOP("CtlCommands", "START and END"), false, true, "", true,
     &CCtlCommands::Add},
    {"start", 0, 0, "", false, false, "", false, &CCtlCommands::Start},
    {"stop", 0, 0, "", false, false, "", false, &CCtlCommands::Stop},
    {"toggle", 0, 0, "", false, false, "", false, &CCtlCommands::Toggle},
    {"status", 0, 0, "", false, false, "j", false, &CCtlCommands::Status},
    {"months", 0, 0, "", false, true, "cj", true, &CCtlCommands::Months},
    {"chart", 0, 0, "", false, true, "cjm", true, &CCtlCommands::Chart},
};

namespace {
constexpr const char* kPrefix = "corvellanctl: ";
constexpr const char* kVersion = "corvellanctl 1.0";
// Another corvellanctl holds Calls.log for moments only; twenty started at once are done well within this.
constexpr auto kWaitForCommand = std::chrono::seconds(10);

const QCommandLineOption kRawOption(QStringLiteral("raw"));
const QCommandLineOption kNowOption(QStringLiteral("now"), QString(), QStringLiteral("TIME"));
const QCommandLineOption kCsvOption(QStringLiteral("csv"));
const QCommandLineOption kJsonOption(QStringLiteral("json"));
const QCommandLineOption kMonthOption(QStringLiteral("month"), QString(), QStringLiteral("YYYY-MM"));
const QCommandLineOption kHelpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption kVersionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")});

std::string RawAmount(double amount) {
    // to_chars ignores the locale, so the point stays a point.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string PlainNewlines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}
} // namespace

CCtlCommands::CCtlCommands(Paths paths, std::ostream& out, std::ostream& err)
    : m_paths(std::move(paths)), m_out(out), m_err(err) {}

int CCtlCommands::Run(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions(
        {kRawOption, kNowOption, kCsvOption, kJsonOption, kMonthOption, kHelpOption, kVersionOption});
    if (!parser.parse(arguments))
        return Usage(parser.errorText().toStdString());
    if (parser.isSet(kHelpOption)) {
        m_out << UsageText();
        return kExitOk;
    }
    if (parser.isSet(kVersionOption)) {
        m_out << kVersion << '\n';
        return kExitOk;
    }
    if (parser.positionalArguments().isEmpty())
        return Usage(Tr("CtlCommands", "no command given"));
    return Dispatch(parser);
}

int CCtlCommands::Dispatch(const QCommandLineParser& parser) {
    const std::string name = parser.positionalArguments().first().toStdString();
    for (const Command& command : kCommands) {
        if (name != command.name)
            continue;
        if (const int code = PrepareCommand(command, parser); code != kExitOk)
            return code;
        if (command.readsSettings && !LoadSettingsQuietly())
            return Refuse(
                kPrefix +
                Arg(Tr("CtlCommands", "the settings in %1 cannot be used (%2); no figures are given, "
                                      "they would follow a tariff you never set"),
                    {m_paths.SettingsFile(), LastSettingsProblem()}) +
                (command.run == &CCtlCommands::Add ? NothingAdded() : ""));
        return (this->*command.run)(parser.positionalArguments().mid(1));
    }
    return Usage(Arg(Tr("CtlCommands", "unknown command '%1'"), {name}));
}

int CCtlCommands::PrepareCommand(const Command& command, const QCommandLineParser& parser) {
    const std::string name = command.name;
    const int count = static_cast<int>(parser.positionalArguments().size()) - 1;
    if (count < command.minArgs)
        return Usage(Arg(Tr("CtlCommands", "%1 needs %2"), {name, Tr("CtlCommands", command.arguments)}));
    if (count > command.maxArgs)
        return Usage(Arg(
            Tr("CtlCommands", "too many arguments for %1 (a time goes in quotes: \"2024-03-05 10:00:00\")"),
            {name}));
    if (parser.isSet(kRawOption) && !command.takesRaw)
        return Usage(Tr("CtlCommands", "--raw goes with price only"));
    if (parser.isSet(kNowOption) && !command.takesNow)
        return Usage(Arg(Tr("CtlCommands", "--now does not go with %1"), {name}));
    const std::string formats = command.formats;
    if (parser.isSet(kCsvOption) && formats.find('c') == std::string::npos)
        return Usage(Tr("CtlCommands", "--csv goes with calls, months and chart only"));
    if (parser.isSet(kJsonOption) && formats.find('j') == std::string::npos)
        return Usage(Tr("CtlCommands", "--json goes with report, calls, months, chart and status only"));
    if (parser.isSet(kMonthOption) && formats.find('m') == std::string::npos)
        return Usage(Tr("CtlCommands", "--month goes with report, calls and chart only"));
    if (parser.isSet(kCsvOption) && parser.isSet(kJsonOption))
        return Usage(Tr("CtlCommands", "--csv and --json do not go together"));
    m_csv = parser.isSet(kCsvOption);
    m_json = parser.isSet(kJsonOption);
    m_raw = parser.isSet(kRawOption);
    m_month = parser.value(kMonthOption).toStdString();
    if (parser.isSet(kMonthOption) && !ParseMonthArgument(m_month))
        return BadInput(Arg(Tr("CtlCommands", "not a month: '%1' (expected YYYY-MM)"), {m_month}));
    m_now = SystemClock().Now();
    if (parser.isSet(kNowOption) && !ReadTime(parser.value(kNowOption), m_now))
        return kExitUsage;
    return kExitOk;
}

int CCtlCommands::Price(const QStringList& args) {
    CTime start, end;
    if (!ReadStartEnd(args, start, end))
        return kExitUsage;
    const double cost = ComputeCallCost(start, end);
    m_out << (m_raw ? RawAmount(cost) : ShownAmount(cost)) << '\n';
    return kExitOk;
}

int CCtlCommands::Rate(const QStringList& args) {
    CTime at = m_now;
    if (!args.isEmpty() && !ReadTime(args.first(), at))
        return kExitUsage;
    m_out << ShownAmount(GetRateAt(at)) << " / min\t" << (GetTariffPeriod(at) == PERIOD_DAY ? "day" : "night")
          << '\t' << (IsWeekend(at) ? "weekend" : "weekday");
    // A fourth field, so that scripts reading three still see the weekend rates.
    if (const Holiday* holiday = GetHolidayAt(at))
        m_out << "\tholiday " << holiday->Text();
    m_out << '\n';
    return kExitOk;
}

int CCtlCommands::Report(const QStringList&) {
    CCallArray calls;
    CBillingPeriod period;
    bool clean = true;
    if (const std::optional<int> code = LoadMonth(calls, period, clean))
        return *code;
    if (m_json)
        m_out << BuildReportJson(calls, period, m_now, Settings.MonthLimit);
    else
        m_out << PlainNewlines(BuildReportWithPace(calls, period, m_now, Settings.MonthLimit)) << '\n';
    return clean ? kExitOk : kExitFailed;
}

int CCtlCommands::Calls(const QStringList&) {
    CCallArray calls;
    CBillingPeriod period;
    bool clean = true;
    if (const std::optional<int> code = LoadMonth(calls, period, clean))
        return *code;
    if (m_csv || m_json) {
        m_out << (m_csv ? BuildCallsCsv(calls) : BuildCallsJson(calls));
        return clean ? kExitOk : kExitFailed;
    }
    // Row by row rather than all texts at once: a long month would hold every row in memory.
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CallRowTexts row = BuildCallRowTexts(calls.GetAt(i));
        m_out << row.start << '\t' << row.duration << '\t' << row.cost << '\n';
    }
    const CallListTotals totals = BuildCallListTotals(calls);
    m_out << Tr("CtlCommands", "Total calls made:") << '\t' << totals.callCount << '\n'
          << Tr("CtlCommands", "Time spent online:") << '\t' << totals.totalTime << '\n'
          << Tr("CtlCommands", "Total cost:") << '\t' << totals.totalCost << '\n';
    return clean ? kExitOk : kExitFailed;
}

int CCtlCommands::Months(const QStringList&) {
    StderrPrompter prompter(m_err);
    CCallArray calls;
    CCallLog log(m_paths, prompter);
    log.Load(calls, m_now);
    const CBillingPeriod period = PeriodOf(m_now);
    const std::vector<MonthRow> rows = BuildMonthRows(period, calls, log.PastMonths(m_now));
    if (m_csv || m_json) {
        // A damaged month's problem is a field of the CSV and JSON, which stay English whatever the
        // user's language; the error stream below tells it in the user's. Only the ended months
        // are read again for it, not the month's Calls.log.
        const CUntranslated english;
        const std::vector<MonthRow> machine = BuildMonthRows(period, calls, log.PastMonths(m_now));
        m_out << (m_csv ? MonthsCsv(machine) : MonthsJson(machine));
    } else {
        m_out << MonthsText(rows);
    }
    bool clean = prompter.MessagesShown() == 0;
    for (const MonthRow& row : rows)
        if (!row.problem.empty()) {
            m_err << kPrefix << row.problem << '\n';
            clean = false;
        }
    return clean ? kExitOk : kExitFailed;
}

int CCtlCommands::Chart(const QStringList&) {
    CCallArray calls;
    CBillingPeriod period;
    bool clean = true;
    if (const std::optional<int> code = LoadMonth(calls, period, clean))
        return *code;
    const std::vector<double> perDay = GetSpentPerDay(calls, period, m_now);
    m_out << (m_csv    ? ChartCsv(period, perDay)
              : m_json ? ChartJson(period, perDay, Settings.DayLimit)
                       : ChartText(period, perDay));
    return clean ? kExitOk : kExitFailed;
}

std::optional<int> CCtlCommands::LoadMonth(CCallArray& calls, CBillingPeriod& period, bool& clean) {
    StderrPrompter prompter(m_err);
    CCallLog log(m_paths, prompter);
    log.Load(calls, m_now);
    clean = prompter.MessagesShown() == 0;
    period = PeriodOf(m_now);
    if (m_month.empty() || m_month == period.MonthKey())
        return std::nullopt;
    for (const PastMonth& month : log.PastMonths(m_now)) {
        if (month.period.MonthKey() != m_month)
            continue;
        if (!month.problem.empty())
            return Refuse(kPrefix + month.problem);
        period = month.period;
        calls = CallArrayOf(month.calls);
        return std::nullopt;
    }
    return Refuse(kPrefix +
                  Arg(Tr("CtlCommands", "no calls are kept for %1 (corvellanctl months lists the months "
                                        "there are)"),
                      {m_month}));
}

int CCtlCommands::Add(const QStringList& args) {
    CTime start, end;
    if (!ReadStartEnd(args, start, end))
        return kExitUsage;
    // Refused before Calls.log is even read.
    if (const std::optional<std::string> why = CMonitor::CheckNewCall(start, end, m_now))
        return Refuse(kPrefix + *why + NothingAdded());
    return InsertCall(start, end);
}

// Load, insert and save under the lock, so the window cannot start with the old list in between.
int CCtlCommands::InsertCall(CTime start, CTime end) {
    CDataLock lock(m_paths, LockHolder::Command);
    switch (lock.Acquire(kWaitForCommand)) {
    case CDataLock::Result::Acquired:
        break;
    case CDataLock::Result::HeldByWindow:
        // The window has the month's list in hand: it inserts the call and saves.
        return CWindowCommands(m_paths, m_out, m_err).Add(start, end);
    case CDataLock::Result::HeldByCommand:
        return Refuse(kPrefix + Tr("CtlCommands", "another corvellanctl is still changing Calls.log") +
                      NothingAdded());
    case CDataLock::Result::Failed:
        return Refuse(
            kPrefix +
            Arg(Tr("CtlCommands", "cannot create the lock file %1 (%2)"), {lock.LockFile(), lock.Error()}) +
            NothingAdded());
    }
    StderrPrompter prompter(m_err);
    FakeClock clock(m_now);
    CMonitor monitor(m_paths, prompter, clock);
    monitor.Load(false); // unsaved calls and an unwritable folder are the window's to deal with
    if (!monitor.Log().CanReplace())
        return Refuse(
            kPrefix +
            Arg(Tr("CtlCommands", "Calls.log cannot be replaced (%1)"), {monitor.Log().BesideReason()}) +
            NothingAdded());
    // A broken or old month's log is the window's to deal with; rewriting it here could lose calls.
    if (prompter.MessagesShown() > 0 || prompter.QuestionsAsked() > 0)
        return Refuse(kPrefix +
                      Tr("CtlCommands",
                         "Calls.log was left as it is: start Corvellan to deal with it, then add the call") +
                      NothingAdded());
    if (const std::optional<std::string> why = monitor.AddCall(start, end))
        return Refuse(kPrefix + *why + NothingAdded());
    return kExitOk;
}

int CCtlCommands::Start(const QStringList&) {
    return CWindowCommands(m_paths, m_out, m_err).Call(ControlVerb::Start);
}

int CCtlCommands::Stop(const QStringList&) {
    return CWindowCommands(m_paths, m_out, m_err).Call(ControlVerb::Stop);
}

int CCtlCommands::Toggle(const QStringList&) {
    return CWindowCommands(m_paths, m_out, m_err).Call(ControlVerb::Toggle);
}

int CCtlCommands::Status(const QStringList&) {
    return CWindowCommands(m_paths, m_out, m_err).Status(m_json);
}

bool CCtlCommands::ReadStartEnd(const QStringList& args, CTime& start, CTime& end) {
    if (!ReadTime(args.at(0), start) || !ReadTime(args.at(1), end))
        return false;
    if (end < start) {
        BadInput(Tr("CtlCommands", "END is before START"));
        return false;
    }
    return true;
}

bool CCtlCommands::ReadTime(const QString& text, CTime& time) {
    const std::string bytes = text.toStdString();
    const std::optional<CTime> parsed = ParseTimeArgument(bytes);
    if (!parsed) {
        BadInput(
            Arg(Tr("CtlCommands", "not a local time: '%1' (expected \"YYYY-MM-DD HH:MM:SS\")"), {bytes}));
        return false;
    }
    time = *parsed;
    return true;
}

// A missing Corvellan.ini means the built-in settings; the command line never creates it. One that
// is there but cannot be used fails the command: told in one line by the caller.
bool CCtlCommands::LoadSettingsQuietly() {
    if (!PathExists(m_paths.SettingsFile())) // a link to nothing is no missing file: it is told
        return true;
    std::ostringstream unsaid; // the loader's own words speak of a window; the caller says it in one line
    StderrPrompter quiet(unsaid);
    LoadSettings(m_paths, quiet);
    ApplyCurrencySymbol();
    return LastSettingsProblem().empty();
}

bool CCtlCommands::LoadCalls(CCallArray& calls, StderrPrompter& prompter) {
    CCallLog(m_paths, prompter).Load(calls, m_now);
    return prompter.MessagesShown() == 0;
}

int CCtlCommands::Usage(const std::string& line) {
    m_err << kPrefix << Arg(Tr("CtlCommands", "%1 (see corvellanctl --help)"), {line}) << '\n';
    return kExitUsage;
}

int CCtlCommands::BadInput(const std::string& line) {
    m_err << kPrefix << line << '\n';
    return kExitUsage;
}

int CCtlCommands::Refuse(const std::string& line) {
    m_err << line << '\n';
    return kExitFailed;
}

std::string CCtlCommands::UsageText() const {
    // In blocks, so that a translator handles one at a time; each ends in its line break.
    return Tr("CtlCommands", "Usage: corvellanctl COMMAND [ARGUMENTS] [--now TIME]\n") + "\n" +
           Tr("CtlCommands",
              "Corvellan's command-line companion. It reads the same Corvellan.ini and Calls.log as the\n"
              "window. Times are local, written \"YYYY-MM-DD HH:MM:SS\" (in quotes).\n") +
           "\n" +
           Tr("CtlCommands",
              "Commands:\n"
              "  price START END [--raw]  the cost of a call from START to END under the current tariff;\n"
              "                           --raw: unrounded, up to 15 significant digits\n"
              "  rate [AT]                the rate in force at AT (default now), day or night, weekday or\n"
              "                           weekend, and the holiday (MM-DD or YYYY-MM-DD) on a holiday\n"
              "  report [--json]          the report of the month, with the daily allowance when a month\n"
              "                           limit is set; --json: its figures for scripts\n"
              "  calls [--csv|--json]     the month's calls (start, duration, cost), then the number of\n"
              "                           calls, the total online time and the total cost; --csv: one\n"
              "                           call a record (ISO 8601 times, seconds, cost); --json: the same\n"
              "                           for scripts\n"
              "  add START END            record a call that was not timed; only calls of the current\n"
              "                           month that have ended and overlap no logged call; a running\n"
              "                           Corvellan window is handed the call and adds it itself\n"
              "  months [--csv|--json]    this month and those of the history, newest first: the billing\n"
              "                           period, the number of calls, the online time and the cost\n"
              "  chart [--csv|--json]     what each day of the month cost, as the chart shows it\n") +
           "\n" +
           Tr("CtlCommands",
              "Commands for the running Corvellan window (each waits at most 2 seconds):\n"
              "  start                    start timing a call, as the window's button does\n"
              "  stop                     stop the call and record it\n"
              "  toggle                   start or stop, whichever the button would do\n"
              "  status [--json]          \"running since HH:MM:SS, COST so far\" or \"stopped\";\n"
              "                           --json: "
              "{\"running\":true,\"start\":...,\"cost\":...,\"rate\":...}\n") +
           "\n" +
           Tr("CtlCommands",
              "Options:\n"
              "  --now TIME               take TIME as the current time (rate, report, calls, add,\n"
              "                           months, chart)\n"
              "  --month YYYY-MM          report, calls and chart of the month that starts in YYYY-MM\n"
              "  -h, --help               show this help\n"
              "  -v, --version            show the version\n") +
           "\n" +
           Tr("CtlCommands",
              "Exit status: 0 done, 1 refused or failed (or no window for start, stop and toggle),\n"
              "2 bad command line, 3 status found no window running (it prints \"not running\").\n"
              "Files: $XDG_CONFIG_HOME/Corvellan.ini (default ~/.config/Corvellan.ini),\n"
              "       $XDG_DATA_HOME/corvellan/Calls.log (default ~/.local/share/corvellan/Calls.log),\n"
              "       the window's socket in $XDG_RUNTIME_DIR/corvellan/ (default /tmp/corvellan-UID/).\n");
}
