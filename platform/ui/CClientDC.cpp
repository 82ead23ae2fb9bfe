#include "platform/ui/CClientDC.h"

#include "platform/ui/CWnd.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcscreen.h>

CClientDC::CClientDC(CWnd* pWnd) {
    wxWindow* window = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (window)
        AttachWx(new wxClientDC(window), true);
    else if (wxTheApp)
        AttachWx(new wxScreenDC, true);
}
