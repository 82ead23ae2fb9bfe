#pragma once
// A plain child window that shows a bitmap of the resources from its top-left corner, as the
// picture of a dialog.

#include "platform/ui/CBitmap.h"
#include "platform/ui/CWnd.h"

class QZPictureWnd : public CWnd {
public:
    // The window at the rectangle (in the parent's client coordinates) with the bitmap; FALSE
    // when the window cannot be made (a missing bitmap leaves it empty).
    BOOL Create(UINT nIDBitmap, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL HasBitmap() const { return m_bitmap.GetSafeHandle() != nullptr; }

protected:
    void OnPaint() override;

private:
    CBitmap m_bitmap;
};
