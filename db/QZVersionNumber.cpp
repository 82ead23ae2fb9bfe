#include "db/QZVersionNumber.h"

#include <cctype>

namespace {
constexpr int kMaxDigits = 9; // every part fits a LONG
} // namespace

BOOL QZVersionNumber::Parse(const CString& text, std::vector<LONG>* parts) {
    CString version = text;
    version.Trim();
    parts->clear();
    LONG value = 0;
    int digits = 0;
    for (int i = 0; i <= version.GetLength(); ++i) {
        char c = i < version.GetLength() ? version[i] : '.';
        if (c == '.') {
            if (digits == 0)
                return FALSE;
            parts->push_back(value);
            value = 0;
            digits = 0;
        } else if (std::isdigit(static_cast<unsigned char>(c)) && digits < kMaxDigits) {
            value = value * 10 + (c - '0');
            ++digits;
        } else {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL QZVersionNumber::Compare(const CString& version, const CString& reference, int* order) {
    std::vector<LONG> a, b;
    if (!Parse(version, &a) || !Parse(reference, &b))
        return FALSE;
    size_t count = a.size() > b.size() ? a.size() : b.size();
    for (size_t i = 0; i < count; ++i) {
        LONG x = i < a.size() ? a[i] : 0;
        LONG y = i < b.size() ? b[i] : 0;
        if (x != y) {
            *order = x < y ? -1 : 1;
            return TRUE;
        }
    }
    *order = 0;
    return TRUE;
}
