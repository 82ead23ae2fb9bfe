#pragma once
// How the commands that name a stored object read its key from their first parameter, name a
// key that loads nothing in their messages, and hand their parameter text to a property
// dialog as a key text and the rest.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"

class QZCommandBase;
class QZSymbol;

class QZCommandKey {
public:
    // Evaluates the command's parameters (an empty list has nothing to evaluate) and reads the
    // first: a key value, else a text read as "DbID:KeyID@typename", else (-1, -1) of `type`.
    // `entry` is the parameter that gave the key, or null.
    static QZKeyCombo Take(QZCommandBase& command, SHORT type, QZSymbol*& entry);
    // Reports `named` with the variable's name and the full key when the key came from a named
    // variable, else `plain` with the full key.
    static void ReportInvalid(QZCommandBase& command, LPCTSTR named, LPCTSTR plain,
                              const QZSymbol* entry, const QZKeyCombo& key);
    // The keys that a rebuilt command text leaves out: (-1, -1) and (0, 0).
    static BOOL IsNone(const QZKeyCombo& key);
    // The opening of a rebuilt command: "<<" word " ", the key's short form unless it is none,
    // "," and the rest when the rest is not empty, ">>".
    static CString Rebuild(LPCTSTR word, const QZKeyCombo& key, const CString& rest);
    // With at most one parameter the whole text is the key text; otherwise the text before
    // the first comma is, and the rest follows it.
    static void SplitAtComma(const CString& source, LONG count, CString& keyText, CString& rest);
    // The key text and the rest of a text whose key may be missing: split at the first comma;
    // without one, a lone name=value parameter is all rest and anything else all key.
    static void SplitKeyAndRest(const CString& source, CString& keyText, CString& rest);
    // The number of parameters the last evaluation of the command's list gave.
    static LONG CountParameters(const QZCommandBase& command);
};
