// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calllog/CallLogText.h"

#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"
#include "core/billing/Money.h"

#include <algorithm>
#include <chrono>

namespace {
// Line ends are CR LF on disk whatever the system, so the file reads the same in any editor.
constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kRule = "-------------------------------------------";
constexpr std::string_view kStartKey = "Start:\t";
constexpr std::string_view kEndKey = "End:\t";
constexpr std::size_t kTimeFieldLength = 17;
constexpr std::size_t kBytesPerCall = 60;

void AppendTwoDigits(std::string& text, int value) {
    text += static_cast<char>('0' + value / 10);
    text += static_cast<char>('0' + value % 10);
}

void AppendHeader(std::string& text, const std::string& month) {
    text.append(kRule).append(kEol).append("\t\t").append(month).append(" Log").append(kEol);
    text.append(kRule).append(kEol).append(kEol);
}

void AppendCallBlock(std::string& text, const CCallRecord& call) {
    text.append(kStartKey).append(FormatLogTime(call.GetStart())).append(kEol);
    text.append(kEndKey).append(FormatLogTime(call.GetEnd())).append(kEol).append(kEol);
}

// Hours are not reduced to days and no field is padded: 26 hours 5 minutes 9 seconds is "26:5:9".
std::string FormatTotalTime(CTimeSpan total) {
    return std::to_string(total.GetTotalHours()) + ":" + std::to_string(total.GetMinutes()) + ":" +
           std::to_string(total.GetSeconds());
}

const char* StatusText(double totalCost, double monthLimit) {
    return totalCost > monthLimit ? "WARNING ! You have spent more time online this month than you have "
                                    "intended to."
                                  : "OK ! You are below your month limit.";
}

void AppendTotals(std::string& text, const std::string& month, const CCallArray& calls, double monthLimit,
                  const std::string& currencySymbol) {
    const double totalCost = GetTotalCost(calls);
    text.append(kRule).append(kEol).append("\t\t").append(month).append(" Totals").append(kEol);
    text.append(kRule).append(kEol);
    text.append("Number of calls made:\t").append(std::to_string(GetCallCount(calls))).append(kEol);
    text.append("Total online time:\t").append(FormatTotalTime(GetTotalTime(calls))).append(kEol);
    text.append("Cost of all calls:\t").append(currencySymbol).append(FormatMoney(totalCost)).append(kEol);
    text.append(kEol);
    text.append("Month limit for ").append(month).append(" you have set:");
    text.append(currencySymbol).append(FormatMoney(monthLimit)).append(kEol);
    text.append("Status:\t").append(StatusText(totalCost, monthLimit)).append(kEol);
    text.append(kRule);
}

bool ReadTwoDigits(std::string_view field, std::size_t pos, int& value) {
    const char tens = field[pos];
    const char units = field[pos + 1];
    if (tens < '0' || tens > '9' || units < '0' || units > '9')
        return false;
    value = (tens - '0') * 10 + (units - '0');
    return true;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The writer keeps only two digits of the year; the window 1970-2069 makes every year it can
// meet read back as written.
int FullYear(int twoDigits) {
    return twoDigits >= 70 ? 1900 + twoDigits : 2000 + twoDigits;
}

bool HasFields(const std::tm& fields, int year, int month, int day, int hour, int minute, int second) {
    return fields.tm_year + 1900 == year && fields.tm_mon + 1 == month && fields.tm_mday == day &&
           fields.tm_hour == hour && fields.tm_min == minute && fields.tm_sec == second;
}

// The moment whose local time has these fields. Most fields fall on the date of the field before
// them. Otherwise mktime would do, but with TZ unset glibc rereads the zone file on every call, so
// the UTC offset is taken from localtime instead; only a time that does not exist locally (in the
// gap of a daylight saving change) is left to mktime and its normalisation.
CTime LocalTime(int year, int month, int day, int hour, int minute, int second) {
    if (const std::optional<CTime> known = FromRememberedDate(year, month, day, hour, minute, second))
        return *known;
    using namespace std::chrono;
    const sys_days date = std::chrono::year(year) / month / day;
    const std::int64_t asUtc = date.time_since_epoch().count() * 86400 + hour * 3600 + minute * 60 + second;
    std::int64_t guess = asUtc;
    for (int attempt = 0; attempt < 2; ++attempt) {
        guess = asUtc - CTime(guess).GetLocalTm().tm_gmtoff;
        if (HasFields(CTime(guess).GetLocalTm(), year, month, day, hour, minute, second))
            return CTime(guess);
    }
    return CTime(year, month, day, hour, minute, second);
}

struct FieldLine {
    std::size_t keyPos = 0;
    std::string_view field; // from after the key up to the line end
    std::size_t next = 0;   // just after the line end
};

std::optional<FieldLine> FindFieldLine(std::string_view text, std::size_t from, std::string_view key) {
    const std::size_t keyPos = text.find(key, from);
    if (keyPos == std::string_view::npos)
        return std::nullopt;
    const std::size_t lineEnd = text.find('\n', keyPos);
    if (lineEnd == std::string_view::npos)
        return std::nullopt;
    const std::size_t fieldPos = keyPos + key.size();
    return FieldLine{keyPos, text.substr(fieldPos, lineEnd - fieldPos), lineEnd + 1};
}

void AddCallBlock(std::string_view startField, std::string_view endField, ParsedLog& log) {
    const std::optional<CTime> start = ParseLogTime(startField);
    const std::optional<CTime> end = ParseLogTime(endField);
    if (start && end)
        log.calls.push_back({*start, *end});
    else
        ++log.unreadable;
}

bool HasLoneCr(std::string_view text) {
    for (std::size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1)) {
        if (cr + 1 == text.size() || text[cr + 1] != '\n')
            return true;
    }
    return false;
}

// A line without the CR of its CR LF end.
std::string_view WithoutCr(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

// The shape of a Start or End line. Its time is not read again: the layout is checked only once
// every block has been read without a fault, and in the writer's layout those blocks are these lines.
bool IsTimeLine(std::string_view line, std::string_view key) {
    line = WithoutCr(line);
    return line.size() == key.size() + kTimeFieldLength && line.starts_with(key);
}

// Walks the text line by line through the writer's layout: header, blocks, totals. The figures of
// the totals are not compared, since they are recomputed at every write.
class LayoutCheck {
public:
    explicit LayoutCheck(std::string_view text) : m_text(text) {}

    bool Matches(std::string_view month) {
        const std::string header = "\t\t" + std::string(month);
        if (!Line(kRule) || !Line(header + " Log") || !Line(kRule) || !Line(""))
            return false;
        while (Next().starts_with(kStartKey)) {
            if (!IsTimeLine(Take(), kStartKey) || !IsTimeLine(Take(), kEndKey) || !Line(""))
                return false;
        }
        return Line(kRule) && Line(header + " Totals") && Line(kRule) && Starts("Number of calls made:\t") &&
               Starts("Total online time:\t") && Starts("Cost of all calls:\t") && Line("") &&
               Starts("Month limit for " + std::string(month) + " you have set:") && Starts("Status:\t") &&
               Line(kRule) && AtEnd();
    }

private:
    std::string_view Next() const {
        if (m_pos >= m_text.size())
            return {};
        const std::size_t end = m_text.find('\n', m_pos);
        return m_text.substr(m_pos, end == std::string_view::npos ? std::string_view::npos : end - m_pos);
    }
    std::string_view Take() {
        const std::string_view line = Next();
        m_pos = std::min(m_text.size() + 1, m_pos + line.size() + 1);
        return line;
    }
    bool Line(std::string_view expected) { return m_pos <= m_text.size() && WithoutCr(Take()) == expected; }
    bool Starts(std::string_view prefix) { return m_pos <= m_text.size() && Take().starts_with(prefix); }
    // The last rule may be followed by one line end, as an editor leaves it.
    bool AtEnd() const { return m_pos >= m_text.size(); }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Each block is a Start line and the first End line of the remaining text, which is then taken up
// after that End line. A text that ends inside a block ends the reading quietly.
void ReadCallBlocks(std::string_view text, ParsedLog& log) {
    std::size_t offset = 0;
    std::optional<FieldLine> start;
    for (;;) {
        // A Start line found before is still the first one while it lies at or after the offset;
        // searching again would make a text of many End lines and one late Start quadratic.
        if (!start || start->keyPos < offset)
            start = FindFieldLine(text, offset, kStartKey);
        if (!start)
            return;
        const std::optional<FieldLine> end = FindFieldLine(text, offset, kEndKey);
        if (!end)
            return;
        AddCallBlock(start->field, end->field, log);
        offset = end->next;
    }
}
} // namespace

std::string FormatCallLog(const CCallArray& calls, CTime now, double monthLimit,
                          const std::string& currencySymbol) {
    return FormatCallLog(calls, now.Format("%B"), monthLimit, currencySymbol);
}

std::string FormatCallLog(const CCallArray& calls, const std::string& month, double monthLimit,
                          const std::string& currencySymbol) {
    std::string text;
    text.reserve(512 + kBytesPerCall * static_cast<std::size_t>(calls.GetSize()));
    AppendHeader(text, month);
    for (int i = 0; i < calls.GetSize(); ++i)
        AppendCallBlock(text, calls.GetAt(i));
    AppendTotals(text, month, calls, monthLimit, currencySymbol);
    return text;
}

// Built by hand rather than with strftime: a long log formats two of these per call, and every
// field is numeric, so the locale plays no part.
std::string FormatLogTime(CTime time) {
    const std::tm fields = time.GetLocalTm();
    std::string text;
    text.reserve(kTimeFieldLength);
    AppendTwoDigits(text, fields.tm_mday);
    text += '/';
    AppendTwoDigits(text, fields.tm_mon + 1);
    text += '/';
    AppendTwoDigits(text, (fields.tm_year % 100 + 100) % 100);
    text += '\t';
    AppendTwoDigits(text, fields.tm_hour);
    text += ':';
    AppendTwoDigits(text, fields.tm_min);
    text += ':';
    AppendTwoDigits(text, fields.tm_sec);
    return text;
}

// Fields are read at fixed positions; the separators and whatever follows the seconds (a CR of a
// CR LF line end, for one) are not looked at.
std::optional<CTime> ParseLogTime(std::string_view field) {
    if (field.size() < kTimeFieldLength)
        return std::nullopt;
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    if (!ReadTwoDigits(field, 0, day) || !ReadTwoDigits(field, 3, month) || !ReadTwoDigits(field, 6, year) ||
        !ReadTwoDigits(field, 9, hour) || !ReadTwoDigits(field, 12, minute) ||
        !ReadTwoDigits(field, 15, second))
        return std::nullopt;
    year = FullYear(year);
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 || minute > 59 ||
        second > 59)
        return std::nullopt;
    return LocalTime(year, month, day, hour, minute, second);
}

std::optional<std::string_view> FindLogMonth(std::string_view text) {
    const std::size_t tabs = text.find("\t\t");
    if (tabs == std::string_view::npos)
        return std::nullopt;
    const std::size_t log = text.find(" Log", tabs);
    if (log == std::string_view::npos)
        return std::nullopt;
    return text.substr(tabs + 2, log - (tabs + 2));
}

ParsedLog ParseCallLog(std::string_view text) {
    // Only a text with a CR alone as a line end needs a copy; the writer's CR LF logs are read in
    // place, their CRs left at the ends of the lines.
    std::string plain;
    if (HasLoneCr(text)) {
        plain = WithPlainLineEnds(text);
        text = plain;
    }
    ParsedLog log;
    const std::optional<std::string_view> month = FindLogMonth(text);
    if (!month) {
        log.corrupt = true;
        return log;
    }
    log.month = std::string(*month);
    ReadCallBlocks(text, log);
    log.whole = log.unreadable == 0 && LayoutCheck(text).Matches(log.month);
    return log;
}

std::string WithPlainLineEnds(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', from)) {
        plain.append(text.substr(from, cr - from));
        // CR LF loses its CR; a CR alone becomes the line end.
        if (cr + 1 == text.size() || text[cr + 1] != '\n')
            plain += '\n';
        from = cr + 1;
    }
    plain.append(text.substr(from));
    return plain;
}
