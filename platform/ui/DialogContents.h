#pragma once
// A dialog template's contents in a child window that is not a dialog (a dialog bar): the
// template's font and client size, and its controls.

#include "platform/core/Types.h"
#include "platform/ui/WinTypes.h"

class CWnd;
struct DialogTemplate;

struct DialogContents {
    // Gives `wnd` the template's font and client size and makes its controls; FALSE when the
    // window does not exist or a control cannot be made.
    static BOOL Fill(CWnd& wnd, const DialogTemplate& dialog);
};
