#pragma once
// A text member whose column stores it scrambled (ScramblePassword): the member reads and is
// assigned as plain text, while the recordset binds and writes the stored form. Because the
// stored form is all it keeps, a row read by any means (open, move, bookmark, Edit) gives the
// plain text back, and a failed Update leaves nothing to undo. Bit 7 of an assigned character
// is lost at once, as it is on the way to the table.

#include "platform/core/CString.h"

class QZScrambledText {
public:
    QZScrambledText() = default;
    QZScrambledText& operator=(const CString& plain);
    QZScrambledText& operator=(LPCTSTR plain) { return *this = CString(plain); }

    // The plain text.
    CString Get() const;
    operator CString() const { return Get(); }

    // The text as the column holds it; the field exchange binds this member.
    CString m_Stored;
};
