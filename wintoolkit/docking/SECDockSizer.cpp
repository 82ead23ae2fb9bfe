#include "wintoolkit/docking/SECDockSizer.h"

#include "platform/ui/CDC.h"
#include "wintoolkit/display/SECSystemData.h"

#include <algorithm>

SECDockSizer::SECDockSizer(int nKind, int nOrientation, const CRect& rect, int nIndex)
    : m_nKind(nKind), m_nOrientation(nOrientation), m_rect(rect), m_nIndex(nIndex), m_bLive(TRUE),
      m_nLowLimit(0), m_nHighLimit(0), m_nTrackSize(0), m_bDrawn(FALSE), m_bFinished(FALSE) {}

int SECDockSizer::ClampLeading(int nLeading) const {
    const int highest = std::max(m_nLowLimit, m_nHighLimit - SEC_SIZER_WIDTH);
    return std::clamp(nLeading, m_nLowLimit, highest);
}

void SECDockSizer::Draw(CDC* pDC) {
    const CRect& r = m_rect;
    pDC->FillSolidRect(&r, secData.clrBtnFace);
    if (m_nOrientation == verticalBand) {
        pDC->FillSolidRect(r.left, r.top, 1, r.Height(), secData.clrBtnHilite);
        pDC->FillSolidRect(r.right - 2, r.top, 1, r.Height(), secData.clrBtnShadow);
        pDC->FillSolidRect(r.right - 1, r.top, 1, r.Height(), secData.clrWindowFrame);
    } else {
        pDC->FillSolidRect(r.left, r.top, r.Width(), 1, secData.clrBtnHilite);
        pDC->FillSolidRect(r.left, r.bottom - 2, r.Width(), 1, secData.clrBtnShadow);
        pDC->FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, secData.clrWindowFrame);
    }
}

SECDockSeparator::SECDockSeparator(int nOrientation, const CRect& rect)
    : m_nOrientation(nOrientation), m_rect(rect), m_bLive(TRUE) {}

void SECDockSeparator::Draw(CDC* pDC) {
    const CRect& r = m_rect;
    if (m_nOrientation == SECDockSizer::verticalBand) {
        pDC->FillSolidRect(r.left, r.top, 1, r.Height(), secData.clrBtnShadow);
        pDC->FillSolidRect(r.left + 1, r.top, 1, r.Height(), secData.clrBtnHilite);
    } else {
        pDC->FillSolidRect(r.left, r.top, r.Width(), 1, secData.clrBtnShadow);
        pDC->FillSolidRect(r.left, r.top + 1, r.Width(), 1, secData.clrBtnHilite);
    }
}
