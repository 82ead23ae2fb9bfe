#include "db/ScramblePassword.h"

namespace {
BYTE ScrambleByte(BYTE b) {
    BYTE c = 0;
    if (b & 0x01)
        c += 16;
    if (b & 0x02)
        c += 8;
    if (b & 0x04)
        c += 4;
    if (b & 0x08)
        c += 2;
    if (b & 0x10)
        c += 1;
    if (b & 0x20)
        c += 64;
    if (b & 0x40)
        c += 32;
    return c;
}
} // namespace

CString ScramblePassword(CString text) {
    std::string result;
    const std::string& plain = text.str();
    result.reserve(plain.size());
    for (auto it = plain.rbegin(); it != plain.rend(); ++it)
        result.push_back(static_cast<char>(ScrambleByte(static_cast<BYTE>(*it))));
    return CString(result);
}
