#pragma once
// The program's string table: texts by resource id, registered at start-up and read by
// CString::LoadString.

#include "platform/core/Types.h"

class StringTable {
public:
    // Sets the text of `id`, replacing any earlier one; a null text removes the entry.
    static void Register(UINT id, const char* text);
    // The text of `id`, or nullptr when it has none. Valid until `id` is registered again.
    static const char* Lookup(UINT id);
};
