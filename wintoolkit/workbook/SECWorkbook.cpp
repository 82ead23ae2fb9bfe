#include "wintoolkit/workbook/SECWorkbook.h"

#include "platform/ui/CBrush.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CRgn.h"
#include "platform/ui/SystemSettings.h"
#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/workbook/SECWorkbookClient.h"
#include "wintoolkit/workbook/SECWorkbookGeometry.h"
#include "wintoolkit/workbook/SECWorksheet.h"

#include <memory>

IMPLEMENT_DYNCREATE(SECWorkbook, SECMDIFrameWnd)

namespace {

constexpr BYTE kSwissFamily = 0x20;
constexpr int kMarginSide = 10;
constexpr int kMarginBottom = 33;

} // namespace

SECWorkbook::SECWorkbook()
    : m_bWorkbookMode(FALSE), m_bShowIcons(TRUE), m_pClient(nullptr), m_nTabWidth(100),
      m_nTabHeight(SECWorkbookGeometry::kTabHeight), m_nBevel(SECWorkbookGeometry::kBevel) {}

SECWorkbook::~SECWorkbook() {
    delete m_pClient;
    m_arrSheets.RemoveAll();
}

// ---- creation and mode ----

BOOL SECWorkbook::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu) {
    const BOOL created = SECMDIFrameWnd::CreateClient(lpCreateStruct, pWindowMenu);
    if (!m_pClient)
        m_pClient = new SECWorkbookClient;
    if (!m_fontTab.GetSafeHandle())
        // The desktop's sans-serif face at the tab font's pixel height.
        m_fontTab.CreateFont(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, kSwissFamily, "Sans");
    if (!m_penWhite.GetSafeHandle()) {
        m_penWhite.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        m_penBlack.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        m_penShadow.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
        m_penFace.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    }
    return created;
}

void SECWorkbook::SetWorkbookMode(BOOL bOn) {
    m_bWorkbookMode = bOn;
    if (m_pClient) {
        if (bOn)
            m_pClient->SetMargins(kMarginSide, kMarginSide, kMarginSide, kMarginBottom);
        else
            m_pClient->SetMargins(0, 0, 0, 0);
    }
    secWorkbookMode = bOn;
    RecalcLayout(TRUE);
    // The margins appear or vanish at once, whether or not the bars' area changed.
    if (GetSafeHwnd())
        Invalidate(TRUE);
}

void SECWorkbook::ApplyMargins() {
    CRect inner(0, 0, 0, 0);
    if (m_pClient)
        m_pClient->CalcWindowRect(&inner);
    m_rectBorder.SetRect(inner.left, inner.top, -inner.right, -inner.bottom);
}

CRect SECWorkbook::QueryLeftOver() {
    CRect inside;
    GetInsideClientRect(&inside);
    CRect leftOver;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &leftOver, &inside, TRUE);
    return leftOver;
}

void SECWorkbook::RecalcLayout(BOOL bNotify) {
    ApplyMargins();
    SECMDIFrameWnd::RecalcLayout(bNotify);
    if (!m_bWorkbookMode || !GetSafeHwnd())
        return;
    const CRect leftOver = QueryLeftOver();
    if (leftOver == m_rectLastWorkbookLayout)
        return;
    if (m_arrSheets.GetSize() > 0)
        m_nTabWidth = CalcTabWidth();
    Invalidate(TRUE);
    m_rectLastWorkbookLayout = leftOver;
}

// ---- the sheet list ----

SECWorksheet* SECWorkbook::GetSheet(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_arrSheets.GetSize())
        return nullptr;
    return static_cast<SECWorksheet*>(m_arrSheets[nIndex]);
}

BOOL SECWorkbook::FindSheet(SECWorksheet* pSheet, int* pIndex) const {
    int i = 0;
    for (; i < m_arrSheets.GetSize(); ++i) {
        if (m_arrSheets[i] == pSheet)
            break;
    }
    if (pIndex)
        *pIndex = i;
    return i < m_arrSheets.GetSize();
}

int SECWorkbook::CalcTabWidth() {
    return SECWorkbookGeometry::CalcTabWidth(GetClientRectInFrame().Width(), m_arrSheets.GetSize(),
                                             m_nTabWidth);
}

void SECWorkbook::AddSheet(SECWorksheet* pSheet) {
    pSheet->m_nTabIndex = m_arrSheets.GetSize();
    m_arrSheets.Add(pSheet);
    const int width = CalcTabWidth();
    if (width != m_nTabWidth) {
        m_nTabWidth = width;
        if (m_bWorkbookMode)
            InvalidateTabStrip();
    } else if (m_bWorkbookMode) {
        if (m_arrSheets.GetSize() == 1)
            Invalidate(TRUE);
        else
            InvalidateTab(pSheet);
    }
}

void SECWorkbook::RemoveSheet(SECWorksheet* pSheet) {
    int index = 0;
    if (!FindSheet(pSheet, &index))
        return;
    m_arrSheets.RemoveAt(index);
    for (int i = index; i < m_arrSheets.GetSize(); ++i)
        GetSheet(i)->m_nTabIndex = i;
    if (!GetSafeHwnd())
        return;
    if (m_arrSheets.GetSize() > 0) {
        const int width = CalcTabWidth();
        if (width != m_nTabWidth) {
            m_nTabWidth = width;
            if (m_bWorkbookMode)
                InvalidateTabStrip();
            return;
        }
    }
    if (!m_bWorkbookMode)
        return;
    if (m_arrSheets.GetSize() == 0) {
        Invalidate(TRUE);
        return;
    }
    CRect client;
    GetClientRect(&client);
    const CRect rect = SECWorkbookGeometry::TabInvalidRect(
        GetClientRectInFrame(), index, m_nTabWidth, client.right, TRUE, m_nTabHeight);
    InvalidateRect(&rect, TRUE);
}

// ---- geometry ----

CRect SECWorkbook::GetClientRectInFrame() const {
    CWnd* client = GetMDIClient();
    if (!client || !client->GetSafeHwnd())
        return CRect(0, 0, 0, 0);
    CRect rect;
    client->GetClientRect(&rect);
    client->ClientToScreen(&rect);
    ScreenToClient(&rect);
    return rect;
}

BOOL SECWorkbook::IsSheetRaised(SECWorksheet* pSheet) const {
    return pSheet->m_bPressed || MDIGetActive() == pSheet;
}

void SECWorkbook::GetTabPolygon(SECWorksheet* pSheet, CPoint** ppPoints, int* pCount) {
    const auto outline =
        SECWorkbookGeometry::TabPolygon(GetClientRectInFrame(), pSheet->m_nTabIndex, m_nTabWidth,
                                        IsSheetRaised(pSheet), m_nTabHeight, m_nBevel);
    *pCount = static_cast<int>(outline.size());
    *ppPoints = new CPoint[outline.size()];
    std::copy(outline.begin(), outline.end(), *ppPoints);
}

void SECWorkbook::GetTabRegion(SECWorksheet* pSheet, CRgn* pRgn) {
    CPoint* points = nullptr;
    int count = 0;
    GetTabPolygon(pSheet, &points, &count);
    pRgn->DeleteObject();
    pRgn->CreatePolygonRgn(points, count, ALTERNATE);
    delete[] points;
}

void SECWorkbook::InvalidateTab(SECWorksheet* pSheet, BOOL bToRightEdge) {
    if (!GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    const CRect rect =
        SECWorkbookGeometry::TabInvalidRect(GetClientRectInFrame(), pSheet->m_nTabIndex,
                                            m_nTabWidth, client.right, bToRightEdge, m_nTabHeight);
    InvalidateRect(&rect, TRUE);
}

void SECWorkbook::InvalidateTabStrip() {
    if (!GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    const CRect rect =
        SECWorkbookGeometry::TabStripRect(GetClientRectInFrame(), client.Width(), m_nTabHeight);
    InvalidateRect(&rect, TRUE);
}

HICON SECWorkbook::GetTabIcon(SECWorksheet* pSheet) {
    return m_bShowIcons ? pSheet->m_hIcon : nullptr;
}

LPCTSTR SECWorkbook::GetTabLabel(SECWorksheet* pSheet) {
    CDocument* document = pSheet->GetActiveDocument();
    return document ? static_cast<LPCTSTR>(document->GetTitle()) : nullptr;
}

// ---- drawing ----

void SECWorkbook::DrawTab(CDC* pDC, SECWorksheet* pSheet) {
    CPoint* p = nullptr;
    int count = 0;
    GetTabPolygon(pSheet, &p, &count);
    std::unique_ptr<CPoint[]> owner(p);
    CRgn region;
    region.CreatePolygonRgn(p, count, ALTERNATE);
    CBrush face(GetSysColor(COLOR_BTNFACE));
    pDC->FillRgn(&region, &face);

    CPen* old = pDC->SelectObject(&m_penShadow);
    pDC->MoveTo(p[1].x + 1, p[1].y - 1);
    pDC->LineTo(p[2].x, p[2].y - 2);
    pDC->LineTo(p[3].x, p[3].y - 2);
    pDC->LineTo(p[4].x - 2, p[4].y - 1);
    pDC->LineTo(p[5].x - 2, p[5].y);
    pDC->LineTo(p[5].x, p[5].y);
    pDC->SelectObject(&m_penWhite);
    pDC->MoveTo(p[0].x, p[0].y + 1);
    pDC->LineTo(p[1].x, p[1].y - 1);
    pDC->SelectObject(&m_penBlack);
    pDC->MoveTo(p[2].x + 1, p[2].y - 1);
    pDC->LineTo(p[3].x, p[3].y - 1);
    pDC->LineTo(p[4].x - 1, p[4].y - 1);
    pDC->LineTo(p[5].x - 1, p[5].y);

    if (IsSheetRaised(pSheet)) {
        const CRect c = GetClientRectInFrame();
        const CPoint q0(c.left - 5, c.top - 5), q1(c.left - 5, c.bottom + 5);
        const CPoint q2(c.right + 5, c.bottom + 5), q3(c.right + 5, c.top - 5);
        pDC->SelectObject(&m_penShadow);
        pDC->MoveTo(q0.x + 3, q0.y + 4);
        pDC->LineTo(q1.x + 3, q1.y - 4);
        pDC->MoveTo(q1.x + 1, q1.y - 1);
        pDC->LineTo(p[0].x, q1.y - 1);
        pDC->MoveTo(p[5].x, q1.y - 1);
        pDC->LineTo(q2.x - 1, q1.y - 1);
        pDC->LineTo(q3.x - 1, q3.y + 1);
        pDC->SelectObject(&m_penWhite);
        pDC->MoveTo(q3.x - 1, q3.y);
        pDC->LineTo(q0);
        pDC->LineTo(q1);
        pDC->SelectObject(&m_penBlack);
        pDC->LineTo(p[0].x, q2.y);
        pDC->MoveTo(p[5].x, q2.y);
        pDC->LineTo(q2);
        pDC->LineTo(q3);
        pDC->SelectObject(&m_penWhite);
        pDC->MoveTo(q2.x - 4, q2.y - 5);
        pDC->LineTo(q3.x - 4, q3.y + 3);
    }
    pDC->SelectObject(old);
}

void SECWorkbook::DrawTabLabel(CDC* pDC, SECWorksheet* pSheet) {
    CPoint* p = nullptr;
    int count = 0;
    GetTabPolygon(pSheet, &p, &count);
    std::unique_ptr<CPoint[]> owner(p);
    // Icons are sized into the tab; there are no icon resources to draw, so only the room is
    // kept when a sheet has one.
    const int iconWidth = GetTabIcon(pSheet) ? m_nTabHeight - 8 : 0;
    CRect rect(p[2].x + iconWidth + 2, p[0].y, p[4].x - 2, p[3].y);
    LPCTSTR label = GetTabLabel(pSheet);
    if (!label)
        return;
    CFont* oldFont = pDC->SelectObject(&m_fontTab);
    const CString text = SECWorkbookGeometry::ShortenLabel(
        label, rect.Width(), [pDC](const CString& s) { return pDC->GetTextExtent(s).cx; });
    if (!text.IsEmpty())
        pDC->DrawText(text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(oldFont);
}

// ---- messages ----

BOOL SECWorkbook::OnEraseBkgnd(CDC* pDC) {
    CRect frame;
    GetClientRect(&frame);
    const CRect area = QueryLeftOver();
    if (area.IsRectEmpty())
        return TRUE;
    pDC->FillSolidRect(&area, GetSysColor(COLOR_BTNFACE));
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    // An etched line where a docked bar meets the area at the bottom or right.
    if (area.bottom != frame.bottom) {
        pDC->FillSolidRect(area.left, area.bottom - 1, area.Width(), 1, light);
        pDC->FillSolidRect(area.left, area.bottom - 2, area.Width(), 1, dark);
    }
    if (area.right != frame.right) {
        pDC->FillSolidRect(area.right - 1, area.top + 1, 1, area.Height() - 1, light);
        pDC->FillSolidRect(area.right - 2, area.top, 1, area.Height() - 2, dark);
    }
    return TRUE;
}

void SECWorkbook::OnPaint() {
    CPaintDC dc(this);
    const CRect client = GetClientRectInFrame();
    if (!m_bWorkbookMode || client.Width() <= 0 || client.Height() <= 0)
        return;
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    CMDIChildWnd* active = MDIGetActive();
    for (int i = 0; i < m_arrSheets.GetSize(); ++i) {
        SECWorksheet* sheet = GetSheet(i);
        if (sheet == active)
            continue;
        DrawTab(&dc, sheet);
        DrawTabLabel(&dc, sheet);
    }
    auto* activeSheet = dynamic_cast<SECWorksheet*>(active);
    int index = 0;
    if (activeSheet && FindSheet(activeSheet, &index)) {
        DrawTab(&dc, activeSheet);
        DrawTabLabel(&dc, activeSheet);
    }
    dc.SetBkMode(oldMode);
}

void SECWorkbook::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_bWorkbookMode) {
        CMDIChildWnd* active = MDIGetActive();
        for (int i = 0; i < m_arrSheets.GetSize(); ++i) {
            SECWorksheet* sheet = GetSheet(i);
            if (sheet == active)
                continue;
            CRgn region;
            GetTabRegion(sheet, &region);
            if (!region.PtInRegion(point))
                continue;
            sheet->m_bPressed = TRUE;
            InvalidateTab(sheet);
            UpdateWindow();
            sheet->ActivateFrame(-1);
            break;
        }
    }
    SECMDIFrameWnd::OnLButtonDown(nFlags, point);
}

void SECWorkbook::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bWorkbookMode) {
        for (int i = 0; i < m_arrSheets.GetSize(); ++i)
            GetSheet(i)->m_bPressed = FALSE;
    }
    SECMDIFrameWnd::OnLButtonUp(nFlags, point);
}

void SECWorkbook::OnDestroy() {
    delete m_pClient;
    m_pClient = nullptr;
    m_rectBorder.SetRectEmpty();
    // The sheets go with the frame; none may be reached through the list afterwards.
    m_arrSheets.RemoveAll();
    // The frame's own destroy handling runs too.
    SECMDIFrameWnd::OnDestroy();
}
