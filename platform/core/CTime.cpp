#include "platform/core/CTime.h"

#include <array>

namespace {

// Seconds from 1 January 1601 to 1 January 1970.
constexpr int64_t kFileTimeEpochOffset = 11644473600LL;
constexpr int64_t kTicksPerSecond = 10000000LL;

CString FormatTm(const std::tm& parts, LPCTSTR format) {
    std::array<char, 256> text{};
    const size_t length = std::strftime(text.data(), text.size(), format ? format : "", &parts);
    return CString(text.data(), static_cast<int>(length));
}

} // namespace

void GetSystemTimeAsFileTime(LPFILETIME fileTime) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const auto ticks = static_cast<uint64_t>((now.tv_sec + kFileTimeEpochOffset) * kTicksPerSecond +
                                             now.tv_nsec / 100);
    fileTime->dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
    fileTime->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
}

CTime CTime::GetCurrentTime() {
    return CTime(std::time(nullptr));
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = dst;
    m_time = std::mktime(&parts);
}

CTime::CTime(const FILETIME& fileTime, int) {
    const uint64_t ticks =
        (static_cast<uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
    m_time =
        static_cast<time_t>(static_cast<int64_t>(ticks / kTicksPerSecond) - kFileTimeEpochOffset);
}

CString CTime::Format(LPCTSTR format) const {
    return FormatTm(Local(), format);
}

CString CTime::FormatGmt(LPCTSTR format) const {
    std::tm parts{};
    gmtime_r(&m_time, &parts);
    return FormatTm(parts, format);
}

std::tm CTime::Local() const {
    std::tm parts{};
    localtime_r(&m_time, &parts);
    return parts;
}
