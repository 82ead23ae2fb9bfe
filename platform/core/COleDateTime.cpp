#include "platform/core/COleDateTime.h"

#include "platform/core/Clock.h"
#include "platform/core/OleDateText.h"

namespace {
const char kInvalidText[] = "Invalid DateTime";
}

COleDateTime COleDateTime::GetCurrentTime() {
    return COleDateTime(GetCalendarTime());
}

COleDateTime::COleDateTime(time_t time) {
    *this = time;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime& COleDateTime::operator=(DATE value) {
    m_dt = value;
    m_status = valid;
    return *this;
}

COleDateTime& COleDateTime::operator=(time_t time) {
    m_status = MQDateFromTime(time, m_dt) ? valid : invalid;
    return *this;
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
    m_status = MQDateFromParts(year, month, day, hour, minute, second, m_dt) ? valid : invalid;
    return m_status;
}

int COleDateTime::SetDate(int year, int month, int day) {
    return SetDateTime(year, month, day, 0, 0, 0);
}

int COleDateTime::SetTime(int hour, int minute, int second) {
    return SetDateTime(1899, 12, 30, hour, minute, second);
}

bool COleDateTime::GetParts(MQDateParts& parts) const {
    return m_status == valid && MQPartsFromDate(m_dt, parts);
}

int COleDateTime::GetYear() const {
    MQDateParts p;
    return GetParts(p) ? p.year : -1;
}

int COleDateTime::GetMonth() const {
    MQDateParts p;
    return GetParts(p) ? p.month : -1;
}

int COleDateTime::GetDay() const {
    MQDateParts p;
    return GetParts(p) ? p.day : -1;
}

int COleDateTime::GetHour() const {
    MQDateParts p;
    return GetParts(p) ? p.hour : -1;
}

int COleDateTime::GetMinute() const {
    MQDateParts p;
    return GetParts(p) ? p.minute : -1;
}

int COleDateTime::GetSecond() const {
    MQDateParts p;
    return GetParts(p) ? p.second : -1;
}

int COleDateTime::GetDayOfWeek() const {
    MQDateParts p;
    return GetParts(p) ? p.dayOfWeek : -1;
}

int COleDateTime::GetDayOfYear() const {
    MQDateParts p;
    return GetParts(p) ? p.dayOfYear : -1;
}

double COleDateTime::Linear() const {
    return MQLinearFromDate(m_dt);
}

COleDateTime COleDateTime::Moved(double days, const COleDateTimeSpan& span) const {
    COleDateTime result;
    if (m_status == null || span.GetStatus() == COleDateTimeSpan::null) {
        result.m_status = null;
    } else if (m_status == invalid || span.GetStatus() == COleDateTimeSpan::invalid) {
        result.m_status = invalid;
    } else {
        double linear = Linear() + days;
        result.m_dt = MQDateFromLinear(linear);
        if (!MQIsLinearInRange(linear))
            result.m_status = invalid;
    }
    return result;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
    return Moved(span.m_span, span);
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const {
    return Moved(-span.m_span, span);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& span) {
    return *this = *this + span;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& span) {
    return *this = *this - span;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const {
    COleDateTimeSpan result;
    if (m_status == null || other.m_status == null)
        result.SetStatus(COleDateTimeSpan::null);
    else if (m_status == invalid || other.m_status == invalid)
        result.SetStatus(COleDateTimeSpan::invalid);
    else
        result.m_span = Linear() - other.Linear();
    return result;
}

bool COleDateTime::operator==(const COleDateTime& other) const {
    return m_status == other.m_status && Linear() == other.Linear();
}

BOOL COleDateTime::ParseDateTime(LPCTSTR text, DWORD flags) {
    DATE value = 0;
    SCODE result = MQParseDateText(text, flags, value);
    if (result != S_OK) {
        m_dt = result == DISP_E_OVERFLOW ? -1 : 0;
        m_status = invalid;
        return FALSE;
    }
    m_dt = value;
    m_status = valid;
    return TRUE;
}

CString COleDateTime::Format() const {
    if (m_status == null)
        return CString();
    std::string text = m_status == valid ? MQDefaultDateText(m_dt) : std::string();
    return text.empty() ? CString(kInvalidText) : CString(text);
}

CString COleDateTime::Format(LPCTSTR format) const {
    if (m_status == null)
        return CString();
    MQDateParts parts;
    if (!GetParts(parts))
        return CString(kInvalidText);
    return CString(MQFormatDateParts(parts, format));
}

CString COleDateTime::Format(UINT formatId) const {
    CString format;
    format.LoadString(formatId);
    return Format(static_cast<LPCTSTR>(format));
}
