#include "platform/core/COleDateTimeSpan.h"

#include "platform/core/OleDateText.h"

#include <cmath>

COleDateTimeSpan::COleDateTimeSpan(LONG days, int hours, int minutes, int seconds) {
    SetDateTimeSpan(days, hours, minutes, seconds);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG days, int hours, int minutes, int seconds) {
    m_span = days + hours / 24.0 + minutes / (24.0 * 60) + seconds / (24.0 * 60 * 60);
    m_status = valid;
}

long long COleDateTimeSpan::RoundedSeconds() const {
    if (!std::isfinite(m_span) || std::fabs(m_span) > 2 * kMaxDays)
        return 0;
    return std::llround(m_span * 86400);
}

LONG COleDateTimeSpan::GetDays() const {
    return static_cast<LONG>(RoundedSeconds() / 86400);
}
LONG COleDateTimeSpan::GetHours() const {
    return static_cast<LONG>(RoundedSeconds() / 3600 % 24);
}
LONG COleDateTimeSpan::GetMinutes() const {
    return static_cast<LONG>(RoundedSeconds() / 60 % 60);
}
LONG COleDateTimeSpan::GetSeconds() const {
    return static_cast<LONG>(RoundedSeconds() % 60);
}

COleDateTimeSpan& COleDateTimeSpan::operator=(double days) {
    m_span = days;
    m_status = valid;
    return *this;
}

void COleDateTimeSpan::CheckRange() {
    if (!(m_span >= -kMaxDays && m_span <= kMaxDays))
        m_status = invalid;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const {
    COleDateTimeSpan result;
    if (m_status == null || other.m_status == null) {
        result.m_status = null;
    } else if (m_status == invalid || other.m_status == invalid) {
        result.m_status = invalid;
    } else {
        result.m_span = m_span + other.m_span;
        result.CheckRange();
    }
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const {
    return *this + -other;
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& other) {
    return *this = *this + other;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& other) {
    return *this = *this - other;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const {
    COleDateTimeSpan result;
    result.m_status = m_status;
    if (m_status == valid)
        result.m_span = -m_span;
    return result;
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& other) const {
    return m_status == other.m_status && m_span == other.m_span;
}

CString COleDateTimeSpan::Format(LPCTSTR format) const {
    if (m_status == null)
        return CString();
    MQDateParts parts;
    if (m_status == invalid || !MQPartsFromDate(m_span, parts))
        return CString("Invalid DateTimeSpan");
    long long days = GetDays();
    return CString(MQFormatDateParts(parts, format, &days));
}

CString COleDateTimeSpan::Format(UINT formatId) const {
    CString format;
    format.LoadString(formatId);
    return Format(static_cast<LPCTSTR>(format));
}
