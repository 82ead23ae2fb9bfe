#pragma once
// Writing imported HTML into template text so that none of it can become live template code:
// literal text and tags lose every "<<" and every "//" that would start a comment, and values
// written between double quotes in a command cannot end the string or the command.

#include "platform/core/CString.h"

// The piece of literal HTML (a text run or a tag) as template text: a "<" that another "<"
// follows, or that ends the piece, is written "&lt;", and the second "/" of a "//" that does
// not belong to a "scheme://" is written "&#47;".
CString EscapeTemplateText(const CString& piece);

// The value for a command's double-quoted string: '"', '<' and '>' as character entities.
CString EscapeQuotedValue(const CString& value);

// How many times "<<" occurs in the text, each counted at its first "<" ("<<<" counts twice).
int CountCommandStarts(const CString& text);

// The first `count` characters of a UTF-8 text, never cutting a character in two.
CString LeftCharacters(const CString& text, int count);
