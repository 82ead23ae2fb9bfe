#pragma once
// The text pictures of the print command: "&" writes the next character of the value if one
// is left, "@" the next character or a space, "<" and ">" turn the characters placed after
// them to lower or upper case, and anything else is copied. The value fills the placeholders
// from the right, or from the left when the picture starts with "!"; characters beyond the
// placeholders are dropped. A character is a whole UTF-8 sequence.

#include "platform/core/CString.h"

class QZTextPicture {
public:
    static CString Format(const CString& value, const CString& picture);
};
