#include "platform/core/FormatArgs.h"

#include "platform/core/CString.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

MQFormatArg::MQFormatArg(const CString& text)
    : m_kind(Kind::Text), m_text(static_cast<LPCTSTR>(text)) {}

// A value of another kind than the conversion asks for is converted as C would convert it,
// never reinterpreted; a double out of range saturates instead of overflowing.
int64_t MQFormatArg::asSigned() const {
    switch (m_kind) {
    case Kind::Signed:
        return m_signed;
    case Kind::Unsigned:
        return static_cast<int64_t>(m_unsigned);
    case Kind::Double:
        if (std::isnan(m_double))
            return 0;
        if (m_double >= 0x1p63)
            return INT64_MAX;
        if (m_double < -0x1p63)
            return INT64_MIN;
        return static_cast<int64_t>(m_double);
    case Kind::Pointer:
        return static_cast<int64_t>(reinterpret_cast<uintptr_t>(m_pointer));
    default:
        return 0;
    }
}

double MQFormatArg::asDouble() const {
    switch (m_kind) {
    case Kind::Signed:
        return static_cast<double>(m_signed);
    case Kind::Unsigned:
        return static_cast<double>(m_unsigned);
    case Kind::Double:
        return m_double;
    default:
        return 0;
    }
}

// The text of a text argument (null stays null), "" for a missing one, nullptr for the rest.
const char* MQFormatArg::asText() const {
    switch (m_kind) {
    case Kind::Text:
        return m_text;
    case Kind::None:
        return "";
    default:
        return nullptr;
    }
}

namespace {

// Widths and precisions beyond this come only from runaway arguments; they are cut down.
constexpr int kMaxField = 1 << 16;

enum class Size { Default, Byte, Short, Wide };

// One conversion of the format: "%[flags][width][.precision][size]conversion".
struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    Size size = Size::Default;
    char type = '\0';

    bool has(char flag) const { return flags.find(flag) != std::string::npos; }
    void addFlag(char flag) {
        if (!has(flag))
            flags += flag;
    }
    // The conversion spelled for snprintf with the given flags kept and size written out.
    std::string spec(const char* keptFlags, const char* sizeText) const {
        std::string out = "%";
        for (char flag : flags)
            if (strchr(keptFlags, flag))
                out += flag;
        if (width >= 0)
            out += std::to_string(width);
        if (precision >= 0)
            out += "." + std::to_string(precision);
        return out + sizeText + type;
    }
};

template <typename T> void appendPrintf(std::string& out, const std::string& spec, T value) {
    const int length = snprintf(nullptr, 0, spec.c_str(), value);
    if (length <= 0)
        return;
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(length) + 1);
    snprintf(out.data() + start, static_cast<size_t>(length) + 1, spec.c_str(), value);
    out.resize(start + static_cast<size_t>(length));
}

class Formatter {
public:
    Formatter(const MQFormatArg* args, size_t count) : m_args(args), m_count(count) {}

    std::string run(const char* format) {
        for (const char* p = format; p && *p;) {
            if (*p != '%') {
                m_out += *p++;
                continue;
            }
            Conversion conversion;
            p = parse(p + 1, conversion);
            if (conversion.type == '\0')
                break; // a lone '%' at the end prints nothing
            convert(conversion);
        }
        // The framework's buffer ends at the first NUL (from "%c" of 0), and so does the text.
        m_out.resize(strnlen(m_out.c_str(), m_out.size()));
        return std::move(m_out);
    }

private:
    const MQFormatArg& next() {
        static const MQFormatArg missing;
        return m_next < m_count ? m_args[m_next++] : missing;
    }

    static int clampField(int64_t value) {
        return static_cast<int>(std::min<int64_t>(value, kMaxField));
    }

    int readNumber(const char*& p) {
        int64_t value = 0;
        while (*p >= '0' && *p <= '9')
            value = std::min<int64_t>(value * 10 + (*p++ - '0'), kMaxField);
        return static_cast<int>(value);
    }

    const char* parse(const char* p, Conversion& c) {
        while (*p && strchr("-+ #0", *p))
            c.addFlag(*p++);
        if (*p == '*') {
            ++p;
            // A negative width from the arguments means left-justified, as in C.
            const int64_t width = static_cast<int32_t>(next().asSigned());
            if (width < 0)
                c.addFlag('-');
            c.width = clampField(width < 0 ? -width : width);
        } else if (*p >= '0' && *p <= '9') {
            c.width = readNumber(p);
        }
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                ++p;
                const int32_t precision = static_cast<int32_t>(next().asSigned());
                c.precision = precision < 0 ? -1 : clampField(precision);
            } else {
                c.precision = readNumber(p);
            }
        }
        p = parseSize(p, c);
        if (*p)
            c.type = *p++;
        return p;
    }

    // "l" keeps the original's 32 bits; "ll" and "I64" (and a bare "I") are 64.
    static const char* parseSize(const char* p, Conversion& c) {
        if (p[0] == 'h') {
            c.size = p[1] == 'h' ? Size::Byte : Size::Short;
            return p + (p[1] == 'h' ? 2 : 1);
        }
        if (p[0] == 'l') {
            c.size = p[1] == 'l' ? Size::Wide : Size::Default;
            return p + (p[1] == 'l' ? 2 : 1);
        }
        if (p[0] == 'I') {
            if (strncmp(p, "I64", 3) == 0 || strncmp(p, "I32", 3) == 0) {
                c.size = p[1] == '6' ? Size::Wide : Size::Default;
                return p + 3;
            }
            c.size = Size::Wide;
            return p + 1;
        }
        if (p[0] == 'L' || p[0] == 'w')
            return p + 1;
        return p;
    }

    void convert(const Conversion& c) {
        switch (c.type) {
        case '%':
            m_out += '%';
            break;
        case 'd':
        case 'i':
            appendPrintf(m_out, c.spec("-+ 0", "ll"), signedValue(c.size, next()));
            break;
        case 'u':
        case 'o':
        case 'x':
        case 'X':
            appendPrintf(m_out, c.spec("-+ #0", "ll"), unsignedValue(c.size, next()));
            break;
        case 'e':
        case 'E':
        case 'f':
        case 'g':
        case 'G':
            appendPrintf(m_out, c.spec("-+ #0", ""), next().asDouble());
            break;
        case 'c':
            pad(c, std::string(1, static_cast<char>(next().asSigned())));
            break;
        case 's':
            pad(c, text(c, next()));
            break;
        case 'p':
            pointer(c, next());
            break;
        case 'n':
            next(); // never written through: it would be a write to an arbitrary address
            break;
        default:
            m_out += c.type; // an unknown conversion prints its letter
            break;
        }
    }

    static long long signedValue(Size size, const MQFormatArg& arg) {
        const int64_t value = arg.asSigned();
        switch (size) {
        case Size::Byte:
            return static_cast<int8_t>(value);
        case Size::Short:
            return static_cast<int16_t>(value);
        case Size::Wide:
            return value;
        default:
            return static_cast<int32_t>(value);
        }
    }

    static unsigned long long unsignedValue(Size size, const MQFormatArg& arg) {
        const uint64_t value = arg.asUnsigned();
        switch (size) {
        case Size::Byte:
            return static_cast<uint8_t>(value);
        case Size::Short:
            return static_cast<uint16_t>(value);
        case Size::Wide:
            return value;
        default:
            return static_cast<uint32_t>(value);
        }
    }

    // The text "%s" prints: at most `precision` bytes; a null pointer is "(null)", and a
    // number passed by mistake prints as its value rather than as a wild pointer.
    static std::string text(const Conversion& c, const MQFormatArg& arg) {
        const size_t limit = c.precision >= 0 ? size_t(c.precision) : SIZE_MAX;
        std::string number;
        switch (arg.kind()) {
        case MQFormatArg::Kind::Text:
        case MQFormatArg::Kind::None: {
            const char* value = arg.asText() ? arg.asText() : "(null)";
            return std::string(value, strnlen(value, limit));
        }
        case MQFormatArg::Kind::Double:
            appendPrintf(number, "%g", arg.asDouble());
            break;
        case MQFormatArg::Kind::Unsigned:
            number = std::to_string(arg.asUnsigned());
            break;
        default:
            number = std::to_string(arg.asSigned());
            break;
        }
        return number.substr(0, limit);
    }

    // "%s" and "%c" are padded here: the original's runtime pads them with zeros under the '0'
    // flag, which C leaves undefined.
    void pad(const Conversion& c, const std::string& text) {
        const size_t width = c.width > 0 ? size_t(c.width) : 0;
        const size_t fill = width > text.size() ? width - text.size() : 0;
        if (c.has('-')) {
            m_out += text;
            m_out.append(fill, ' ');
        } else {
            m_out.append(fill, c.has('0') ? '0' : ' ');
            m_out += text;
        }
    }

    // A pointer prints as its address in upper-case hexadecimal, all digits shown.
    void pointer(Conversion c, const MQFormatArg& arg) {
        uintptr_t address = 0;
        if (arg.kind() == MQFormatArg::Kind::Text)
            address = reinterpret_cast<uintptr_t>(arg.asText());
        else
            address = static_cast<uintptr_t>(arg.asUnsigned());
        c.precision = int(2 * sizeof(void*));
        c.type = 'X';
        appendPrintf(m_out, c.spec("-", "ll"), static_cast<unsigned long long>(address));
    }

    const MQFormatArg* m_args;
    size_t m_count;
    size_t m_next = 0;
    std::string m_out;
};

} // namespace

std::string MQFormatString(const char* format, const MQFormatArg* args, size_t count) {
    return Formatter(args, count).run(format);
}
