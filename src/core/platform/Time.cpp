#include "core/platform/Time.h"

#include <vector>

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = dst;
    m_time = static_cast<std::int64_t>(std::mktime(&fields));
}

std::tm CTime::GetLocalTm() const {
    std::tm fields{};
    const std::time_t t = static_cast<std::time_t>(m_time);
    localtime_r(&t, &fields);
    return fields;
}

std::string CTime::Format(const char* format) const {
    if (*format == '\0')
        return {};
    const std::tm fields = GetLocalTm();
    std::vector<char> buffer(128);
    for (;;) {
        const std::size_t n = std::strftime(buffer.data(), buffer.size(), format, &fields);
        // strftime reports 0 both for "did not fit" and for an empty result; grow a few times.
        if (n > 0 || buffer.size() > 4096)
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 4);
    }
}
