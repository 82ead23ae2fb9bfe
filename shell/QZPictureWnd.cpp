#include "shell/QZPictureWnd.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/WindowStyles.h"

BOOL QZPictureWnd::Create(UINT nIDBitmap, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    m_bitmap.LoadBitmap(nIDBitmap);
    return CWnd::Create(AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, rect, pParentWnd,
                        nID);
}

void QZPictureWnd::OnPaint() {
    CPaintDC dc(this);
    if (!HasBitmap())
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    BITMAP bm;
    m_bitmap.GetBitmap(&bm);
    CBitmap* old = memory.SelectObject(&m_bitmap);
    dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}
