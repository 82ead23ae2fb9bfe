#pragma once
// What the commands that place a site object share (image, link, extlink, activex, java, media
// and adspace): reading the key and the named parameters of their argument lists, the texts
// of the paths and links they write, and the pieces of the command text that their property
// dialogs rebuild.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <initializer_list>
#include <optional>

class QZCmdFunction;
class QZCommandBase;
class QZSymbol;
class QZVantrelContext;

namespace QZObjectCommandParts {

// Runs the argument list (an empty one has nothing to run and nothing to report).
void Evaluate(QZCmdFunction& command);

// The key of the first parameter: a key value, else a text read as "DbID:KeyID@typename",
// else -1:-1 of `type`. `entry` is set to the entry that gave it (none for -1:-1).
QZKeyCombo ReadKey(QZCmdFunction& command, SHORT type, QZSymbol*& entry);

// "<word>: invalid <what> key %s=%s specified" with the variable's name when the key came from
// a named variable, else "<word>: invalid <what> key %s specified"; the key in full form.
void ReportInvalidKey(QZCommandBase& command, const CString& word, const CString& what,
                      const QZSymbol* entry, const QZKeyCombo& key);

// A named parameter found by its exact name: an integer, or a number truncated toward zero;
// FALSE (and `value` unchanged) when there is none of those types.
BOOL ReadInteger(QZCommandBase& command, const CString& name, LONG& value);
// A named text parameter found by its exact name; FALSE when there is none.
BOOL ReadString(QZCommandBase& command, const CString& name, CString& value);
// The parameter of that name in any case, when its value (a reference followed once) has
// that type; none otherwise.
QZSymbol* FindAnyCase(QZCmdFunction& command, const CString& name, LONG type);
// A text parameter of that name in any case; empty when there is none.
CString ReadStringAnyCase(QZCmdFunction& command, const CString& name);
// TRUE when the command's own scope holds a variable of that name: a bare word in the list
// that no enclosing scope knows.
BOOL HasOwnWord(QZCmdFunction& command, LPCTSTR name);

// "<<keyword arguments>>" with the arguments as written back; then, except in modes 1 and 2,
// the body and, when the text closed the block, "<</keyword>>".
void WriteBlockSource(CString& text, LPCTSTR keyword, const QZCmdFunction& command,
                      QZVantrelContext& body, BOOL closed);

// The directory and "/", or nothing for an empty directory.
CString DirectoryPart(const CString& directory);
// The web server's path to the server-side interpreter and its program name.
CString InterpreterPath();
// " align=left", " align=top", " align=right", " align=bottom", " align=middle" for 1 to 5;
// nothing for any other value.
CString AlignAttribute(LONG align);
// ",align=left" ... ",align=bottom" for 1 to 4; nothing for middle (the default) and others.
CString AlignItem(LONG align);

// The value a text parameter took from the object's row at the last check because the
// command gave none; none when the command gave the text.
std::optional<CString> RowDefault(QZCommandBase& command, const CString& name,
                                  const CString& value);
// TRUE when a rebuilt command writes the text: it differs from the (perhaps newly chosen)
// object's column, and it is not the old row's value that the command never gave and the
// dialog left as it was.
BOOL WritesText(const CString& value, const CString& column,
                const std::optional<CString>& rowDefault);

// Splits a stored argument text at its first comma outside double quotes: the key text
// before it (the whole text without one) and the rest after it.
void SplitKeyText(const CString& arguments, CString& keyText, CString& rest);
// The key as a rebuilt command writes it: the key text as written for -1:-1 and 0:0, else
// the short form.
CString EditedKeyText(const QZKeyCombo& key, const CString& keyText);
// The items of `rest` whose names are none of `managed` (any case), each as ",name" or
// ",name=value", in their order.
CString CarriedItems(const CString& rest, std::initializer_list<LPCTSTR> managed);
// `name` with the value in double quotes after a comma (",other=\"...\""); nothing for an
// empty value.
CString QuotedItem(LPCTSTR name, const CString& value);
// `name` with the value in double quotes after a blank (" onClick=\"...\""); nothing for an
// empty value.
CString QuotedAttribute(LPCTSTR name, const CString& value);

} // namespace QZObjectCommandParts
