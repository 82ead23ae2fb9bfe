#include "editors/QZTextSearch.h"

#include "editors/QZTextBuffer.h"

#include <algorithm>
#include <string>

namespace {

constexpr unsigned char kLatinLead = 0xC3; // the lead byte of U+00C0 to U+00FF

bool IsWordByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c >= 0x80;
}

unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 0x20) : c;
}

// The second byte of a Latin letter: capitals 0x80-0x9E fold onto 0xA0-0xBE, but for the
// multiplication sign (0x97) that has no small form.
unsigned char FoldLatin(unsigned char c) {
    return (c >= 0x80 && c <= 0x9E && c != 0x97) ? static_cast<unsigned char>(c + 0x20) : c;
}

// Byte `i` of `a` and `b` are the same without case; the bytes before `i` are already equal.
bool SameByteNoCase(const std::string& a, size_t i, const std::string& b, size_t j) {
    unsigned char x = a[i], y = b[j];
    if (x == y)
        return true;
    if (j > 0 && static_cast<unsigned char>(b[j - 1]) == kLatinLead)
        return FoldLatin(x) == FoldLatin(y);
    return FoldAscii(x) == FoldAscii(y);
}

} // namespace

BOOL QZTextSearch::Same(const CString& a, const CString& b, BOOL matchCase) {
    if (a.GetLength() != b.GetLength())
        return FALSE;
    return MatchesAt(a.str(), 0, b.str(), matchCase);
}

BOOL QZTextSearch::MatchesAt(const std::string& text, size_t at, const std::string& what,
                             BOOL matchCase) {
    if (matchCase)
        return text.compare(at, what.size(), what) == 0;
    for (size_t j = 0; j < what.size(); j++) {
        if (!SameByteNoCase(text, at + j, what, j))
            return FALSE;
    }
    return TRUE;
}

// A match is a whole word when no word character runs on into it from either side.
BOOL QZTextSearch::IsWholeWord(const std::string& text, size_t at, size_t length, BOOL atTextStart,
                               BOOL atTextEnd) {
    const size_t last = at + length - 1;
    if (!atTextStart && IsWordByte(text[at - 1]) && IsWordByte(text[at]))
        return FALSE;
    if (!atTextEnd && IsWordByte(text[last]) && IsWordByte(text[last + 1]))
        return FALSE;
    return TRUE;
}

LONG QZTextSearch::Find(const QZTextBuffer& buffer, const CString& what, LONG from, LONG to,
                        BOOL matchCase, BOOL wholeWord) {
    const LONG length = what.GetLength();
    const LONG textLength = buffer.GetLength();
    if (length == 0)
        return -1;
    const LONG lastStart = std::min(to - 1, textLength - length);
    LONG piece = 4096;
    for (LONG pos = std::max<LONG>(from, 0); pos <= lastStart; piece *= 2) {
        // This piece's matches start up to `last`; a byte on either side tells words apart.
        const LONG last = std::min(lastStart, pos + piece);
        const LONG readFrom = std::max<LONG>(pos - 1, 0);
        const LONG readTo = std::min(last + length + 1, textLength);
        const std::string text = buffer.GetTextRange(readFrom, readTo).str();
        for (LONG start = pos; start <= last; start++) {
            const size_t at = start - readFrom;
            if (!MatchesAt(text, at, what.str(), matchCase))
                continue;
            if (!wholeWord ||
                IsWholeWord(text, at, length, start == 0, start + length >= textLength))
                return start;
        }
        pos = last + 1;
    }
    return -1;
}
