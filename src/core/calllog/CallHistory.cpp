// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calllog/CallHistory.h"

#include "core/billing/CallArray.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/Paths.h"
#include "core/platform/ProgramState.h"
#include "core/platform/Translate.h"
#include "core/settings/Settings.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace {
namespace fs = std::filesystem;

// As for Calls.log: far beyond any real month.
constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;
constexpr std::string_view kExtension = ".log";

bool Older(const LoggedCall& a, const LoggedCall& b) {
    return std::pair(a.start, a.end) < std::pair(b.start, b.end);
}

// Oldest first, none twice.
void SortUnique(std::vector<LoggedCall>& calls) {
    std::sort(calls.begin(), calls.end(), Older);
    calls.erase(std::unique(calls.begin(), calls.end()), calls.end());
}

// "2026-11-01.log": the first day of the period it holds.
std::optional<CBillingPeriod> PeriodNamed(const std::string& name) {
    if (name.size() != 10 + kExtension.size() || !name.ends_with(kExtension) || name[4] != '-' ||
        name[7] != '-')
        return std::nullopt;
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (name[i] < '0' || name[i] > '9')
            return std::nullopt;
    const int year = std::stoi(name.substr(0, 4)), month = std::stoi(name.substr(5, 2)),
              day = std::stoi(name.substr(8, 2));
    if (!std::chrono::year_month_day(std::chrono::year(year) / month / day).ok())
        return std::nullopt;
    return CBillingPeriod::StartingIn(year, month, static_cast<unsigned>(day));
}

struct FileContents {
    std::vector<LoggedCall> calls; // what could be read
    std::string problem;           // empty when the file is one Corvellan wrote
    bool missing = false;
};

FileContents ReadContents(const std::string& path) {
    FileContents file;
    std::string text, reason;
    switch (ReadRegularFile(path, text, kMaxFileBytes, &reason)) {
    case ReadStatus::Missing:
        file.missing = true;
        return file;
    case ReadStatus::TooLarge:
        file.problem = Arg(Tr("CallHistory", "%1 is far too large to be a call log"), {path});
        return file;
    case ReadStatus::Failed:
        file.problem = Arg(Tr("CallHistory", "%1 could not be read (%2)"), {path, reason});
        return file;
    case ReadStatus::Ok:
        break;
    }
    ParsedLog log = ParseCallLog(text);
    file.calls = std::move(log.calls);
    if (!log.whole) // a corrupt log is never whole
        file.problem =
            Arg(Tr("CallHistory", "%1 holds what Corvellan does not write, so it is left as it is"), {path});
    return file;
}

std::string Written(const std::string& path, const std::vector<LoggedCall>& calls,
                    const CBillingPeriod& period, CTime now) {
    std::string reason;
    if (PathExists(path)) {
        const std::string backup = UnusedName(path + ".bak-" + now.Format("%Y%m%d-%H%M%S"));
        if (backup.empty() || !CopyToNewFile(path, backup, &reason))
            return Arg(Tr("CallHistory", "%1 could not be kept as it was before calls were added (%2)"),
                       {path, reason});
    }
    CCallArray array;
    array.Reserve(static_cast<int>(calls.size()));
    for (const LoggedCall& call : calls)
        array.Add(CCallRecord(call.start, call.end));
    if (!WriteFileAtomically(
            path, FormatCallLog(array, period.MonthName(), Settings.MonthLimit, CurrencySymbol), &reason))
        return Arg(Tr("CallHistory", "%1 could not be written (%2)"), {path, reason});
    return {};
}
} // namespace

std::vector<LoggedCall> WithKept(std::vector<LoggedCall> calls, const std::vector<LoggedCall>& kept) {
    if (kept.empty())
        return calls;
    std::set<std::pair<CTime, CTime>> listed;
    for (const LoggedCall& call : calls)
        listed.insert({call.start, call.end});
    for (const LoggedCall& call : kept)
        if (listed.insert({call.start, call.end}).second)
            calls.push_back(call);
    std::stable_sort(calls.begin(), calls.end(),
                     [](const LoggedCall& a, const LoggedCall& b) { return a.end < b.end; });
    return calls;
}

CCallHistory::CCallHistory(const Paths& paths) : m_dir(paths.HistoryDir()) {}

std::string CCallHistory::FileFor(const CBillingPeriod& period) const {
    return m_dir + period.FirstDate() + std::string(kExtension);
}

std::vector<LoggedCall> CCallHistory::Archive(const std::vector<LoggedCall>& calls, unsigned startDay,
                                              CTime now, std::vector<std::string>& problems) const {
    std::map<CBillingPeriod, std::vector<LoggedCall>> byPeriod;
    for (const LoggedCall& call : calls)
        byPeriod[CBillingPeriod::Of(call.start, startDay)].push_back(call);
    std::error_code ec;
    const fs::file_status folder = fs::status(fs::path(m_dir).parent_path(), ec);
    const bool noFolder = fs::exists(folder) && !fs::is_directory(folder);
    std::vector<LoggedCall> left;
    for (auto& [period, added] : byPeriod) {
        const std::string path = FileFor(period);
        FileContents file;
        if (noFolder)
            file.problem =
                Arg(Tr("CallHistory", "%1 is not a folder"), {fs::path(m_dir).parent_path().string()});
        else
            file = ReadContents(path);
        std::vector<LoggedCall> merged = file.calls;
        SortUnique(merged);
        const std::size_t before = merged.size();
        merged.insert(merged.end(), added.begin(), added.end());
        SortUnique(merged);
        if (file.problem.empty() && merged.size() != before)
            file.problem = Written(path, merged, period, now);
        if (!file.problem.empty()) {
            problems.push_back(period.Title() + ": " + file.problem);
            left.insert(left.end(), added.begin(), added.end());
        }
    }
    return left;
}

std::vector<CCallHistory::File> CCallHistory::Files() const {
    std::vector<File> files;
    std::error_code ec;
    for (fs::directory_iterator it(m_dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (const std::optional<CBillingPeriod> named = PeriodNamed(it->path().filename().string()))
            files.push_back({it->path().string(), *named});
    }
    std::sort(files.begin(), files.end(), [](const File& a, const File& b) { return a.path < b.path; });
    return files;
}

std::vector<PastMonth> CCallHistory::Read(unsigned startDay, const CBillingPeriod& current,
                                          const std::vector<LoggedCall>& also) const {
    std::vector<LoggedCall> all = also;
    std::vector<PastMonth> problems;
    for (const File& entry : Files()) {
        FileContents file = ReadContents(entry.path);
        if (file.problem.empty() && !file.missing)
            all.insert(all.end(), file.calls.begin(), file.calls.end());
        else if (!file.missing)
            problems.push_back({entry.named, std::move(file.calls), entry.path, std::move(file.problem)});
    }
    SortUnique(all);
    std::map<CBillingPeriod, std::vector<LoggedCall>> byPeriod;
    for (const LoggedCall& call : all) {
        const CBillingPeriod period = CBillingPeriod::Of(call.start, startDay);
        if (!(period == current))
            byPeriod[period].push_back(call);
    }
    std::vector<PastMonth> months;
    for (auto& [period, calls] : byPeriod)
        months.push_back({period, std::move(calls), {}, {}});
    months.insert(months.end(), problems.begin(), problems.end());
    // Newest first; a file with a problem after the period it is named for.
    std::stable_sort(months.begin(), months.end(),
                     [](const PastMonth& a, const PastMonth& b) { return b.period < a.period; });
    return months;
}

std::vector<LoggedCall> CCallHistory::CallsIn(const CBillingPeriod& period) const {
    std::vector<LoggedCall> found;
    for (const File& entry : Files()) {
        if (!entry.named.Overlaps(period))
            continue;
        const FileContents file = ReadContents(entry.path);
        if (!file.problem.empty())
            continue;
        for (const LoggedCall& call : file.calls)
            if (period.Contains(call.start))
                found.push_back(call);
    }
    SortUnique(found);
    return found;
}
