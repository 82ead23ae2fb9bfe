#pragma once
// The date pictures of the print command ("mmm dd, yyyy", "h:nn AMPM" ...): each whole run of
// letters that the table knows becomes a conversion of the date type's formatting, an AM/PM
// run after an hour turns that hour to the 12-hour clock, and every other character, and a run
// the table does not know, is copied as it stands. A date that is not valid prints the picture
// itself (the empty picture of print is for such dates).

#include "platform/core/CString.h"

#include <string>

class COleDateTime;

class QZDatePicture {
public:
    static CString Format(const COleDateTime& date, const CString& picture);
    // The format string of the date type that a picture becomes for `date` (whose hour picks
    // the AM/PM texts).
    static std::string ToFormat(const COleDateTime& date, const std::string& picture);
};
