#pragma once
// Colour text as HTML and the style rows write it: six hexadecimal digits, red, green, blue,
// high digit first, without "#" (orange is FF8000). A colour value is a COLORREF, red in the low
// byte.

#include "platform/core/COLORREF.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

// The colour of the text: an optional "#" and six hexadecimal digits, either case. Any other
// text is no colour and gives 0, as the empty text does.
COLORREF ParseHtmlColor(CString text);
// FALSE, *color untouched, when the text is no colour, so that a caller keeps the colour it has.
BOOL TryParseHtmlColor(const CString& text, COLORREF* color);
// Six capital hexadecimal digits of the three low bytes; the top byte is ignored.
CString FormatHtmlColor(COLORREF color);
