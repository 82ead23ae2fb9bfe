#include "platform/core/COleCurrency.h"

#include "platform/core/COleVariant.h"
#include "platform/core/OleNumberText.h"

#include <cstdlib>
#include <limits>

COleCurrency::COleCurrency(LONG units, LONG fractionalUnits) {
    SetCurrency(units, fractionalUnits);
}

COleCurrency::COleCurrency(const COleVariant& value) {
    *this = value;
}

COleCurrency COleCurrency::FromDouble(double value) {
    COleCurrency result;
    if (!MQCurrencyFromDouble(value, result.m_cur.int64))
        return Invalid();
    return result;
}

COleCurrency COleCurrency::Invalid() {
    COleCurrency result;
    result.m_status = invalid;
    return result;
}

void COleCurrency::SetCurrency(LONG units, LONG fractionalUnits) {
    int64_t magnitude = std::llabs(int64_t(units)) * 10000 + std::llabs(int64_t(fractionalUnits));
    bool negative = units < 0 || (units == 0 && fractionalUnits < 0);
    m_cur.int64 = negative ? -magnitude : magnitude;
    m_status = valid;
}

COleCurrency& COleCurrency::operator=(CY value) {
    m_cur = value;
    m_status = valid;
    return *this;
}

COleCurrency& COleCurrency::operator=(const COleVariant& value) {
    COleVariant converted;
    converted.ChangeType(VT_CY, &value);
    m_cur = converted.cyVal;
    m_status = valid;
    return *this;
}

COleCurrency COleCurrency::operator+(const COleCurrency& other) const {
    if (m_status == null || other.m_status == null) {
        COleCurrency result;
        result.m_status = null;
        return result;
    }
    if (m_status == invalid || other.m_status == invalid)
        return Invalid();
    COleCurrency result;
    if (__builtin_add_overflow(m_cur.int64, other.m_cur.int64, &result.m_cur.int64))
        return Invalid();
    return result;
}

COleCurrency COleCurrency::operator-(const COleCurrency& other) const {
    if (m_status == null || other.m_status == null) {
        COleCurrency result;
        result.m_status = null;
        return result;
    }
    if (m_status == invalid || other.m_status == invalid)
        return Invalid();
    COleCurrency result;
    if (__builtin_sub_overflow(m_cur.int64, other.m_cur.int64, &result.m_cur.int64))
        return Invalid();
    return result;
}

COleCurrency COleCurrency::operator-() const {
    if (m_status != valid)
        return *this;
    if (m_cur.int64 == std::numeric_limits<int64_t>::min())
        return Invalid();
    COleCurrency result;
    result.m_cur.int64 = -m_cur.int64;
    return result;
}

COleCurrency COleCurrency::operator*(LONG factor) const {
    if (m_status != valid)
        return *this;
    COleCurrency result;
    if (__builtin_mul_overflow(m_cur.int64, int64_t(factor), &result.m_cur.int64))
        return Invalid();
    return result;
}

COleCurrency COleCurrency::operator/(LONG divisor) const {
    if (m_status != valid)
        return *this;
    if (divisor == 0 || (divisor == -1 && m_cur.int64 == std::numeric_limits<int64_t>::min()))
        return Invalid();
    COleCurrency result;
    result.m_cur.int64 = m_cur.int64 / divisor;
    return result;
}

bool COleCurrency::operator==(const COleCurrency& other) const {
    return m_status == other.m_status && m_cur.int64 == other.m_cur.int64;
}

BOOL COleCurrency::ParseCurrency(LPCTSTR text, DWORD /*flags*/) {
    MQDecimalText number;
    if (!MQReadDecimalText(text, number)) {
        m_cur.int64 = 0;
        m_status = invalid;
        return FALSE;
    }
    if (MQDecimalToCurrency(number, m_cur.int64) != S_OK) {
        m_cur.int64 = -1;
        m_status = invalid;
        return FALSE;
    }
    m_status = valid;
    return TRUE;
}

CString COleCurrency::Format() const {
    if (m_status == null)
        return CString();
    if (m_status == invalid)
        return CString("Invalid Currency");
    return CString(MQCurrencyText(m_cur.int64));
}
