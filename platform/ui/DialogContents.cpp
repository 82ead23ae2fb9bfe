#include "platform/ui/DialogContents.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WxDialogItems.h"

#include <wx/settings.h>
#include <wx/window.h>

BOOL DialogContents::Fill(CWnd& wnd, const DialogTemplate& dialog) {
    wxWindow* window = wnd.GetSafeHwnd();
    if (!window)
        return FALSE;
    // The same stand-in font as a dialog of the template gets, so that dialog units agree.
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    if (dialog.pointSize > 0)
        font.SetPointSize(dialog.pointSize);
    window->SetFont(font);
    window->SetClientSize(window->ConvertDialogToPixels(wxSize(dialog.cx, dialog.cy)));
    for (int i = 0; i < dialog.itemCount; ++i)
        if (!AddDialogItem(window, dialog.items[i]))
            return FALSE;
    return TRUE;
}
