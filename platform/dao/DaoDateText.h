#pragma once
// Dates as the database file stores them: ISO-8601 text "1999-03-14 10:20:00" in local time,
// which sorts and compares correctly as text and reads plainly in any SQLite tool.

#include "platform/core/Types.h"

#include <string>
#include <string_view>

// The stored text of an OLE date value; empty when the value is outside years 100 to 9999.
std::string DaoFormatDate(DATE value);

// Reads stored date text ("1999-03-14 10:20:00", "1999-03-14", "1999-03-14T10:20:00",
// fractions of a second ignored); false when the text is no such date.
bool DaoParseDate(std::string_view text, DATE& out);
