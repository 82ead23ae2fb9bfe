#include "platform/ui/MessageBeep.h"

#include <wx/utils.h>

void MessageBeep(UINT) {
    // The desktop has one sound for all of them.
    wxBell();
}
