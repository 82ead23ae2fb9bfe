#pragma once
// Conversions between the system's UTF-8 strings and wx strings (private to the ui layer).

#include "platform/core/CString.h"

#include <wx/string.h>

inline wxString ToWx(LPCTSTR text) {
    return wxString::FromUTF8(text ? text : "");
}

inline CString FromWx(const wxString& text) {
    return CString(text.utf8_string());
}
