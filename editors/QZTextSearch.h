#pragma once
// The matching of find and replace on a text buffer: the first place of a text within a range,
// with or without case (ASCII and the accented Latin letters fold), as a whole word or not
// (a word character is a letter, a digit, "_" or any byte of a character beyond ASCII). The
// buffer is read in growing pieces, so that many searches through a long text stay cheap.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZTextBuffer;

class QZTextSearch {
public:
    // The first match that starts within [from, to) (it may run on past `to`), or -1; an
    // empty text matches nowhere.
    static LONG Find(const QZTextBuffer& buffer, const CString& what, LONG from, LONG to,
                     BOOL matchCase, BOOL wholeWord);
    // The two texts are the same, exactly or without case.
    static BOOL Same(const CString& a, const CString& b, BOOL matchCase);

private:
    static BOOL MatchesAt(const std::string& text, size_t at, const std::string& what,
                          BOOL matchCase);
    static BOOL IsWholeWord(const std::string& text, size_t at, size_t length, BOOL atTextStart,
                            BOOL atTextEnd);
};
