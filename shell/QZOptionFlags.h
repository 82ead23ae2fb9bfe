#pragma once
// The preference flags packed into the setting "OptionCodes", one bit each; bits above 7 are
// ignored when read and written as 0.

#include "platform/core/Types.h"

struct QZOptionFlags {
    BOOL useWizards = TRUE;
    BOOL workbookMode = TRUE;
    BOOL verboseMessages = FALSE;
    BOOL spareOption = FALSE;
    BOOL alwaysPrompt = TRUE;
    BOOL confirmDeletes = TRUE;
    BOOL confirmSave = TRUE;
    BOOL helpRemote = FALSE;

    // Sets every flag from its bit.
    void Unpack(DWORD codes);
    // The value of the set flags.
    DWORD Pack() const;
};
