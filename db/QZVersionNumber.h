#pragma once
// A schema version text such as "1.30", read as numbers separated by dots and compared part by
// part: "1.4" is older than "1.30" (4 < 30), "1.100" newer. A missing part counts as 0.

#include "platform/core/CString.h"

#include <vector>

class QZVersionNumber {
public:
    // Reads the text (blanks around it ignored); FALSE when it is no version: empty, an empty
    // part, or a part that is not all digits (nine at most).
    static BOOL Parse(const CString& text, std::vector<LONG>* parts);
    // Sets *order to -1, 0 or 1 as `version` is older than, the same as or newer than
    // `reference`; FALSE, *order untouched, when either text is no version.
    static BOOL Compare(const CString& version, const CString& reference, int* order);
};
