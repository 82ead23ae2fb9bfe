#include "platform/ui/CWindowDC.h"

#include "platform/ui/CWnd.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcscreen.h>

CWindowDC::CWindowDC(CWnd* pWnd) {
    wxWindow* window = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (window)
        AttachWx(new wxWindowDC(window), true);
    else if (wxTheApp)
        AttachWx(new wxScreenDC, true);
}
