#include "platform/ui/DialogModalLoop.h"

#include "platform/ui/CWnd.h"

#include <wx/app.h>
#include <wx/dialog.h>

bool RunDialogModalLoop(CWnd& dialog) {
    auto* window = dynamic_cast<wxDialog*>(dialog.GetSafeHwnd());
    if (!window || !wxTheApp)
        return false;
    // Hiding a modal dialog ends its loop.
    window->ShowModal();
    return true;
}
