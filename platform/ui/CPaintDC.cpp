#include "platform/ui/CPaintDC.h"

#include "platform/ui/CWnd.h"

#include <wx/dcclient.h>
#include <wx/window.h>

CPaintDC::CPaintDC(CWnd* pWnd) {
    wxWindow* window = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!window)
        return;
    AttachWx(new wxPaintDC(window), true, window);
    m_ps.hdc = GetSafeHdc();
    m_ps.fErase = FALSE;
    GetClipBox(&m_ps.rcPaint);
}
