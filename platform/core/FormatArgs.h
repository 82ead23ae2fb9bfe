#pragma once
// The arguments of a printf-style format, captured with their types so that formatting never
// reads a value at the wrong width (the original's `long` is 32 bits, Linux's is 64).

#include "platform/core/Types.h"

#include <cstdint>
#include <string>
#include <type_traits>

class CString;

class MQFormatArg {
public:
    enum class Kind { None, Signed, Unsigned, Double, Text, Pointer };

    MQFormatArg() = default;
    template <typename T>
    requires std::is_integral_v<T> || std::is_enum_v<T> MQFormatArg(T value) {
        if constexpr (std::is_enum_v<T>) {
            m_kind = Kind::Signed;
            m_signed = static_cast<int64_t>(value);
        } else if constexpr (std::is_signed_v<T>) {
            m_kind = Kind::Signed;
            m_signed = value;
        } else {
            m_kind = Kind::Unsigned;
            m_unsigned = value;
        }
    }
    MQFormatArg(double value) : m_kind(Kind::Double), m_double(value) {}
    MQFormatArg(float value) : m_kind(Kind::Double), m_double(value) {}
    MQFormatArg(const char* text) : m_kind(Kind::Text), m_text(text) {}
    MQFormatArg(char* text) : m_kind(Kind::Text), m_text(text) {}
    MQFormatArg(const std::string& text) : m_kind(Kind::Text), m_text(text.c_str()) {}
    MQFormatArg(const CString& text);
    MQFormatArg(const void* pointer) : m_kind(Kind::Pointer), m_pointer(pointer) {}

    Kind kind() const { return m_kind; }
    int64_t asSigned() const;
    uint64_t asUnsigned() const { return static_cast<uint64_t>(asSigned()); }
    double asDouble() const;
    const char* asText() const;
    const void* asPointer() const { return m_pointer; }

private:
    Kind m_kind = Kind::None;
    int64_t m_signed = 0;
    uint64_t m_unsigned = 0;
    double m_double = 0;
    const char* m_text = nullptr;
    const void* m_pointer = nullptr;
};

// Formats `format` with the framework's printf semantics over `count` captured arguments.
// A conversion with no argument left formats as if given 0 or "" instead of reading garbage.
std::string MQFormatString(const char* format, const MQFormatArg* args, size_t count);
