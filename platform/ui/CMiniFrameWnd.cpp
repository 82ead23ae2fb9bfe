#include "platform/ui/CMiniFrameWnd.h"

#include "platform/ui/WindowStyles.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

CMiniFrameWnd::CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                           const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext*) {
    // The window system draws nothing: the frame's caption and edges are its own.
    const DWORD windowStyle = (dwStyle & ~(WS_CHILD | WS_CAPTION | WS_VISIBLE)) | WS_POPUP;
    if (!CFrameWnd::Create(lpszClassName, lpszWindowName, windowStyle, rect, pParentWnd, nID))
        return FALSE;
    ModifyStyle(0, dwStyle & WS_CAPTION);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNA);
    return TRUE;
}

FrameGeometry CMiniFrameWnd::GeometryOf(DWORD dwStyle) {
    FrameGeometry geometry;
    const bool sizing =
        (dwStyle & (MFS_THICKFRAME | WS_THICKFRAME)) != 0 && !(dwStyle & MFS_4THICKFRAME);
    geometry.sizable = sizing;
    geometry.border = sizing ? kSizingBorder : kNarrowBorder;
    geometry.caption = kCaptionHeight;
    geometry.closeBox = true;
    return geometry;
}

void CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle) {
    const FrameGeometry geometry = GeometryOf(dwStyle);
    CRect rect(lpClientRect);
    rect.InflateRect(geometry.border, geometry.border + geometry.caption, geometry.border,
                     geometry.border);
    *lpClientRect = rect;
}

FrameGeometry CMiniFrameWnd::GetFrameGeometry() const {
    return GeometryOf(GetStyle());
}
