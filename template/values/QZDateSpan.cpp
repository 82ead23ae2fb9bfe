#include "template/values/QZDateSpan.h"

#include <cstdint>

namespace {

// Month counts wrap at 32 bits as the system's arithmetic does, without overflowing.
LONG WrapMonths(int64_t months) {
    return static_cast<LONG>(static_cast<uint32_t>(months));
}

} // namespace

QZDateSpan::QZDateSpan(LONG days, int hours, int minutes, int seconds, LONG months, LONG years)
    : COleDateTimeSpan(days, hours, minutes, seconds),
      m_months(WrapMonths(int64_t(months) + int64_t(years) * 12)) {}

QZDateSpan QZDateSpan::Combine(const QZDateSpan& a, const QZDateSpan& b, int sign) {
    QZDateSpan result;
    if (a.GetStatus() == null || b.GetStatus() == null) {
        result.SetStatus(null);
    } else if (a.GetStatus() == invalid || b.GetStatus() == invalid) {
        result.SetStatus(invalid);
    } else {
        result.m_span = a.m_span + sign * b.m_span;
        result.m_months = WrapMonths(int64_t(a.m_months) + sign * int64_t(b.m_months));
        result.CheckSpanRange();
    }
    return result;
}

QZDateSpan QZDateSpan::operator+(const QZDateSpan& other) const {
    return Combine(*this, other, 1);
}

QZDateSpan QZDateSpan::operator-(const QZDateSpan& other) const {
    return Combine(*this, other, -1);
}

QZDateSpan QZDateSpan::operator-() const {
    QZDateSpan result;
    result.SetStatus(GetStatus());
    if (GetStatus() == valid) {
        result.m_span = -m_span;
        result.m_months = WrapMonths(-int64_t(m_months));
        result.CheckSpanRange();
    }
    return result;
}

bool QZDateSpan::operator==(const QZDateSpan& other) const {
    return COleDateTimeSpan::operator==(other) && m_months == other.m_months;
}

bool QZDateSpan::operator<(const QZDateSpan& other) const {
    if (m_months != other.m_months)
        return m_months < other.m_months;
    return m_span < other.m_span;
}

bool QZDateSpan::operator>(const QZDateSpan& other) const {
    if (m_months != other.m_months)
        return m_months > other.m_months;
    return m_span > other.m_span;
}

COleDateTime QZDateSpan::AddToDate(const COleDateTime& date) const {
    return Shift(date, 1);
}

COleDateTime QZDateSpan::SubtractFromDate(const COleDateTime& date) const {
    return Shift(date, -1);
}

COleDateTime QZDateSpan::Shift(const COleDateTime& date, int sign) const {
    COleDateTime result;
    if (date.GetStatus() == COleDateTime::null || GetStatus() == null) {
        result.SetStatus(COleDateTime::null);
        return result;
    }
    if (date.GetStatus() == COleDateTime::invalid || GetStatus() == invalid) {
        result.SetStatus(COleDateTime::invalid);
        return result;
    }
    int month = date.GetMonth() + sign * GetMonths();
    int year = date.GetYear() + sign * GetYears();
    if (month > 12) {
        year += (month - 1) / 12;
        month = (month - 1) % 12 + 1;
    } else if (month < 1) {
        int k = (12 - month) / 12;
        year -= k;
        month += 12 * k;
    }
    // The time of day stays: 10:30 plus one month is 10:30 on the same day of the next month.
    result.SetDateTime(year, month, date.GetDay(), date.GetHour(), date.GetMinute(),
                       date.GetSecond());
    if (result.GetStatus() != COleDateTime::valid)
        return result;
    return sign > 0 ? result + COleDateTimeSpan(m_span) : result - COleDateTimeSpan(m_span);
}

CString QZDateSpan::Format(LPCTSTR format) const {
    CString text;
    text.Format("%dy%dm", GetYears(), GetMonths());
    return text + COleDateTimeSpan::Format(format);
}

void QZDateSpan::CheckSpanRange() {
    if (!(m_span >= -kMaxDays && m_span <= kMaxDays))
        SetStatus(invalid);
}
