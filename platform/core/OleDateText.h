#pragma once
// Dates as text: the strftime-style formatting of the original runtime in its "C" locale, the
// default date text of the variant conversions (US English), and the parser of date text.

#include "platform/core/OleDateMath.h"
#include "platform/core/OleTypes.h"

#include <string>

// Formats `parts` by a strftime-style `format`: %a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W
// %x %X %y %Y %%, with "#" after "%" dropping leading zeros (and giving the long %c and %x).
// Unknown conversions write nothing. When `spanDays` is given, %D writes it (time spans).
std::string MQFormatDateParts(const MQDateParts& parts, const char* format,
                              const long long* spanDays = nullptr);

// The default text of a valid date value, "3/14/1999 10:20:00 AM": the date alone when the time
// is midnight, the time alone when the day is 30 December 1899. Empty outside the range.
std::string MQDefaultDateText(DATE value);

// Reads date text in the common US English forms ("3/14/1999", "1999-03-14 10:20:00",
// "March 14, 1999", "14 Mar 1999", "10:20 PM" ...). Returns S_OK, DISP_E_TYPEMISMATCH when
// the text is not a date, or DISP_E_OVERFLOW when it names a date outside years 100 to 9999.
// VAR_TIMEVALUEONLY drops the date part, VAR_DATEVALUEONLY the time part.
SCODE MQParseDateText(const char* text, DWORD flags, DATE& out);
