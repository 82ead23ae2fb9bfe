#include "platform/dao/DaoValue.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

DaoValue DaoValue::Integer(int64_t value) {
    DaoValue v;
    v.m_kind = Kind::Integer;
    v.m_integer = value;
    return v;
}

DaoValue DaoValue::Real(double value) {
    DaoValue v;
    v.m_kind = Kind::Real;
    v.m_real = value;
    return v;
}

DaoValue DaoValue::Text(std::string value) {
    DaoValue v;
    v.m_kind = Kind::Text;
    v.m_text = std::move(value);
    return v;
}

int64_t DaoValue::AsInteger() const {
    switch (m_kind) {
    case Kind::Integer:
        return m_integer;
    case Kind::Real:
        return std::isfinite(m_real) ? static_cast<int64_t>(std::llround(m_real)) : 0;
    case Kind::Text:
        return static_cast<int64_t>(std::llround(std::strtod(m_text.c_str(), nullptr)));
    case Kind::Null:
        break;
    }
    return 0;
}

double DaoValue::AsReal() const {
    switch (m_kind) {
    case Kind::Integer:
        return static_cast<double>(m_integer);
    case Kind::Real:
        return m_real;
    case Kind::Text:
        return std::strtod(m_text.c_str(), nullptr);
    case Kind::Null:
        break;
    }
    return 0;
}

std::string DaoValue::AsText() const {
    switch (m_kind) {
    case Kind::Integer:
        return std::to_string(m_integer);
    case Kind::Real: {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", m_real);
        return buffer;
    }
    case Kind::Text:
        return m_text;
    case Kind::Null:
        break;
    }
    return {};
}

bool operator==(const DaoValue& a, const DaoValue& b) {
    if (a.m_kind != b.m_kind)
        return false;
    switch (a.m_kind) {
    case DaoValue::Kind::Integer:
        return a.m_integer == b.m_integer;
    case DaoValue::Kind::Real:
        return a.m_real == b.m_real;
    case DaoValue::Kind::Text:
        return a.m_text == b.m_text;
    case DaoValue::Kind::Null:
        break;
    }
    return true;
}
