#include "platform/ui/CDC.h"

#include "platform/ui/CBitmap.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CPalette.h"
#include "platform/ui/CPen.h"
#include "platform/ui/CRgn.h"
#include "platform/ui/StockObjects.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WxGdiData.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/window.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

wxColour WxColour(COLORREF color) {
    return wxColour(GetRValue(color), GetGValue(color), GetBValue(color));
}

// Nothing is smoothed: edges fall on whole pixels as the original draws them.
void MakeExact(wxDC* dc) {
    if (wxGraphicsContext* gc = dc->GetGraphicsContext())
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
}

// Strips the "&" marks of a label; the index of the underlined character, or -1.
wxString StripPrefix(const wxString& text, int& accelerator) {
    wxString plain;
    accelerator = -1;
    for (size_t i = 0; i < text.length(); ++i) {
        if (text[i] == '&' && i + 1 < text.length()) {
            ++i;
            if (text[i] != '&' && accelerator < 0)
                accelerator = static_cast<int>(plain.length());
        }
        plain += text[i];
    }
    return plain;
}

} // namespace

CDC::CDC() : m_bkColor(RGB(255, 255, 255)) {}

CDC::~CDC() {
    DetachWx();
}

HDC CDC::GetSafeHdc() const {
    return m_dc ? reinterpret_cast<HDC>(const_cast<CDC*>(this)) : nullptr;
}

void CDC::AttachWx(wxDC* dc, bool owned, wxWindow* paintWindow) {
    DetachWx();
    m_dc = dc;
    m_owned = owned;
    m_paintWindow = paintWindow;
    if (m_dc)
        MakeExact(m_dc);
}

void CDC::DetachWx() {
    if (m_bitmap) {
        if (auto* memory = dynamic_cast<wxMemoryDC*>(m_dc))
            memory->SelectObject(wxNullBitmap);
        if (CBitmap::Data* data = m_bitmap->GetData())
            data->selectedInto = nullptr;
        m_bitmap = nullptr;
    }
    if (m_owned)
        delete m_dc;
    m_dc = nullptr;
    m_owned = false;
    m_paintWindow = nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC*) {
    if (m_dc || !wxTheApp)
        return FALSE;
    AttachWx(new wxMemoryDC, true);
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (!m_dc)
        return FALSE;
    DetachWx();
    return TRUE;
}

CPen* CDC::SelectObject(CPen* pPen) {
    return std::exchange(m_pen, pPen);
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return std::exchange(m_brush, pBrush);
}

CFont* CDC::SelectObject(CFont* pFont) {
    if (m_dc && pFont && pFont->GetData())
        m_dc->SetFont(pFont->GetData()->font);
    return std::exchange(m_font, pFont);
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    auto* memory = dynamic_cast<wxMemoryDC*>(m_dc);
    if (!memory)
        return nullptr;
    CBitmap* previous = m_bitmap;
    if (previous && previous->GetData())
        previous->GetData()->selectedInto = nullptr;
    memory->SelectObject(wxNullBitmap);
    m_bitmap = nullptr;
    if (pBitmap && pBitmap->GetData() && pBitmap->GetData()->bitmap.IsOk()) {
        memory->SelectObject(pBitmap->GetData()->bitmap);
        pBitmap->GetData()->selectedInto = this;
        m_bitmap = pBitmap;
        MakeExact(m_dc);
    }
    return previous;
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    CGdiObject* object = GetStockObject(nIndex);
    if (auto* pen = dynamic_cast<CPen*>(object))
        return SelectObject(pen);
    if (auto* brush = dynamic_cast<CBrush*>(object))
        return SelectObject(brush);
    if (auto* font = dynamic_cast<CFont*>(object))
        return SelectObject(font);
    return nullptr;
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL) {
    return std::exchange(m_palette, pPalette);
}

UINT CDC::RealizePalette() {
    return m_palette ? static_cast<UINT>(m_palette->GetEntryCount()) : 0;
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return std::exchange(m_bkColor, crColor);
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return std::exchange(m_textColor, crColor);
}

int CDC::SetBkMode(int nBkMode) {
    return std::exchange(m_bkMode, nBkMode);
}

COLORREF CDC::ResolveColor(COLORREF crColor) const {
    if (IsPaletteIndex(crColor))
        return m_palette ? m_palette->GetEntryColor(crColor & 0xFFFF) : RGB(0, 0, 0);
    if ((crColor & 0xFF000000) == 0x02000000 && m_palette) // PALETTERGB: the nearest entry
        return m_palette->GetEntryColor(m_palette->GetNearestPaletteIndex(crColor & 0xFFFFFF));
    return crColor & 0xFFFFFF;
}

void CDC::ApplyPen() const {
    const CPen* pen = m_pen ? m_pen : static_cast<CPen*>(GetStockObject(BLACK_PEN));
    if (pen->GetStyle() == PS_NULL) {
        m_dc->SetPen(*wxTRANSPARENT_PEN);
        return;
    }
    const wxPenStyle style = pen->GetStyle() == PS_DOT    ? wxPENSTYLE_DOT
                             : pen->GetStyle() == PS_DASH ? wxPENSTYLE_SHORT_DASH
                                                          : wxPENSTYLE_SOLID;
    m_dc->SetPen(wxPen(WxColour(ResolveColor(pen->GetColor())), pen->GetWidth(), style));
}

void CDC::ApplyBrush() const {
    const CBrush* brush = m_brush ? m_brush : static_cast<CBrush*>(GetStockObject(WHITE_BRUSH));
    if (brush->IsHollow())
        m_dc->SetBrush(*wxTRANSPARENT_BRUSH);
    else
        m_dc->SetBrush(wxBrush(WxColour(ResolveColor(brush->GetColor()))));
}

// A filled box with no outline, exactly its pixels; negative sizes count from the far edge.
void CDC::FillBox(int x, int y, int cx, int cy, COLORREF color) const {
    if (!m_dc)
        return;
    if (cx < 0) {
        x += cx;
        cx = -cx;
    }
    if (cy < 0) {
        y += cy;
        cy = -cy;
    }
    if (cx == 0 || cy == 0)
        return;
    m_dc->SetPen(*wxTRANSPARENT_PEN);
    m_dc->SetBrush(wxBrush(WxColour(ResolveColor(color))));
    m_dc->DrawRectangle(x, y, cx, cy);
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_position, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y) {
    const CPoint from = std::exchange(m_position, CPoint(x, y));
    if (!m_dc)
        return FALSE;
    const CPen* pen = m_pen ? m_pen : static_cast<CPen*>(GetStockObject(BLACK_PEN));
    if (pen->GetStyle() == PS_NULL || from == CPoint(x, y))
        return TRUE;
    const int width = pen->GetWidth();
    const int before = (width - 1) / 2;
    // Straight lines are boxes of the pen's width, from the start up to the end point.
    if (from.y == y && pen->GetStyle() == PS_SOLID) {
        FillBox(from.x < x ? from.x : x + 1, y - before, std::abs(x - from.x), width,
                pen->GetColor());
    } else if (from.x == x && pen->GetStyle() == PS_SOLID) {
        FillBox(x - before, from.y < y ? from.y : y + 1, width, std::abs(y - from.y),
                pen->GetColor());
    } else {
        ApplyPen();
        m_dc->DrawLine(from.x, from.y, x, y);
    }
    return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
    if (!m_dc)
        return FALSE;
    const CBrush* brush = m_brush ? m_brush : static_cast<CBrush*>(GetStockObject(WHITE_BRUSH));
    if (!brush->IsHollow())
        FillBox(x1, y1, x2 - x1, y2 - y1, brush->GetColor());
    const CPen* pen = m_pen ? m_pen : static_cast<CPen*>(GetStockObject(BLACK_PEN));
    if (pen->GetStyle() != PS_NULL) {
        const int w = std::min(pen->GetWidth(), std::max(1, (x2 - x1) / 2));
        FillBox(x1, y1, x2 - x1, w, pen->GetColor());
        FillBox(x1, y2 - w, x2 - x1, w, pen->GetColor());
        FillBox(x1, y1, w, y2 - y1, pen->GetColor());
        FillBox(x2 - w, y1, w, y2 - y1, pen->GetColor());
    }
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT lpRect) {
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount) {
    if (!m_dc || !lpPoints || nCount < 2)
        return FALSE;
    std::vector<wxPoint> points;
    for (int i = 0; i < nCount; ++i)
        points.emplace_back(lpPoints[i].x, lpPoints[i].y);
    ApplyPen();
    ApplyBrush();
    m_dc->DrawPolygon(static_cast<int>(points.size()), points.data());
    return TRUE;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
    if (lpRect && pBrush && !pBrush->IsHollow())
        FillBox(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                lpRect->bottom - lpRect->top, pBrush->GetColor());
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor) {
    FillSolidRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                  lpRect->bottom - lpRect->top, crColor);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor) {
    SetBkColor(crColor);
    FillBox(x, y, cx, cy, crColor);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
    if (!lpRect || !pBrush || pBrush->IsHollow())
        return;
    const CRect r(lpRect);
    const COLORREF color = pBrush->GetColor();
    FillBox(r.left, r.top, r.Width(), 1, color);
    FillBox(r.left, r.bottom - 1, r.Width(), 1, color);
    FillBox(r.left, r.top, 1, r.Height(), color);
    FillBox(r.right - 1, r.top, 1, r.Height(), color);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

void CDC::DrawFocusRect(LPCRECT lpRect) {
    if (!m_dc || !lpRect)
        return;
    const CRect r(lpRect);
    m_dc->SetPen(wxPen(WxColour(GetSysColor(COLOR_WINDOWTEXT))));
    // Every other pixel round the edge, starting at the top left corner.
    for (int x = r.left; x < r.right; x += 2) {
        m_dc->DrawPoint(x, r.top);
        m_dc->DrawPoint(x, r.bottom - 1);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        m_dc->DrawPoint(r.left, y);
        m_dc->DrawPoint(r.right - 1, y);
    }
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) {
    if (!m_dc)
        return CLR_INVALID;
    FillBox(x, y, 1, 1, crColor);
    return ResolveColor(crColor);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) {
    if (!m_dc || !pRgn || !pRgn->GetSafeHandle() || !pBrush || pBrush->IsHollow())
        return FALSE;
    if (pRgn->IsRectangle()) {
        CRect box;
        pRgn->GetRgnBox(&box);
        FillBox(box.left, box.top, box.Width(), box.Height(), pBrush->GetColor());
        return TRUE;
    }
    std::vector<wxPoint> points;
    for (const POINT& p : pRgn->GetPoints())
        points.emplace_back(p.x, p.y);
    m_dc->SetPen(*wxTRANSPARENT_PEN);
    m_dc->SetBrush(wxBrush(WxColour(ResolveColor(pBrush->GetColor()))));
    m_dc->DrawPolygon(static_cast<int>(points.size()), points.data(), 0, 0,
                      pRgn->GetFillMode() == WINDING ? wxWINDING_RULE : wxODDEVEN_RULE);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
    if (!m_dc || !lpszString)
        return FALSE;
    m_dc->SetTextForeground(WxColour(ResolveColor(m_textColor)));
    m_dc->SetTextBackground(WxColour(ResolveColor(m_bkColor)));
    m_dc->SetBackgroundMode(m_bkMode == OPAQUE ? wxBRUSHSTYLE_SOLID : wxBRUSHSTYLE_TRANSPARENT);
    m_dc->DrawText(wxString::FromUTF8(lpszString, static_cast<size_t>(std::max(nCount, 0))), x, y);
    return TRUE;
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    if (!m_dc || !lpszString || !lpRect)
        return 0;
    const size_t length = nCount < 0 ? std::strlen(lpszString) : static_cast<size_t>(nCount);
    wxString text = wxString::FromUTF8(lpszString, length);
    int accelerator = -1;
    if (!(nFormat & DT_NOPREFIX))
        text = StripPrefix(text, accelerator);
    if (nFormat & DT_SINGLELINE)
        text.Replace("\n", " ");
    const wxSize extent = m_dc->GetMultiLineTextExtent(text);
    if (nFormat & DT_CALCRECT) {
        lpRect->right = lpRect->left + extent.GetWidth();
        lpRect->bottom = lpRect->top + extent.GetHeight();
        return extent.GetHeight();
    }
    int alignment = (nFormat & DT_CENTER)  ? wxALIGN_CENTER_HORIZONTAL
                    : (nFormat & DT_RIGHT) ? wxALIGN_RIGHT
                                           : wxALIGN_LEFT;
    if (nFormat & DT_SINGLELINE)
        alignment |= (nFormat & DT_VCENTER)  ? wxALIGN_CENTER_VERTICAL
                     : (nFormat & DT_BOTTOM) ? wxALIGN_BOTTOM
                                             : wxALIGN_TOP;
    m_dc->SetTextForeground(WxColour(ResolveColor(m_textColor)));
    m_dc->SetTextBackground(WxColour(ResolveColor(m_bkColor)));
    m_dc->SetBackgroundMode(m_bkMode == OPAQUE ? wxBRUSHSTYLE_SOLID : wxBRUSHSTYLE_TRANSPARENT);
    const CRect r(lpRect);
    m_dc->DrawLabel(text, wxRect(r.left, r.top, r.Width(), r.Height()), alignment, accelerator);
    return extent.GetHeight();
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
    if (!m_dc || !lpszString)
        return CSize();
    const wxSize extent = m_dc->GetTextExtent(
        wxString::FromUTF8(lpszString, static_cast<size_t>(std::max(nCount, 0))));
    return CSize(extent.GetWidth(), extent.GetHeight());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const {
    if (!m_dc || !lpMetrics)
        return FALSE;
    const wxFontMetrics metrics = m_dc->GetFontMetrics();
    *lpMetrics = TEXTMETRIC{metrics.height,          metrics.ascent,          metrics.descent,
                            metrics.internalLeading, metrics.externalLeading, metrics.averageWidth,
                            metrics.averageWidth * 2};
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
    if (!m_dc || !pSrcDC || !pSrcDC->m_dc || nWidth <= 0 || nHeight <= 0)
        return FALSE;
    const bool toMonochrome = m_bitmap && m_bitmap->GetData()->monochrome;
    const bool fromMonochrome = pSrcDC->m_bitmap && pSrcDC->m_bitmap->GetData()->monochrome;
    if (dwRop == SRCCOPY && toMonochrome && !fromMonochrome)
        return CopyToMonochrome(x, y, nWidth, nHeight, pSrcDC, xSrc, ySrc);
    if (dwRop == ROP_PSDPxax)
        return DrawMask(x, y, nWidth, nHeight, pSrcDC, xSrc, ySrc);
    if (dwRop != SRCCOPY)
        return FALSE;
    return m_dc->Blit(x, y, nWidth, nHeight, pSrcDC->m_dc, xSrc, ySrc, wxCOPY);
}

// The source's pixels of its background colour become white, all others black.
BOOL CDC::CopyToMonochrome(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc) {
    if (!src->m_bitmap)
        return FALSE;
    wxBitmap& source = src->m_bitmap->GetData()->bitmap;
    wxBitmap& target = m_bitmap->GetData()->bitmap;
    auto* sourceDC = static_cast<wxMemoryDC*>(src->m_dc);
    auto* targetDC = static_cast<wxMemoryDC*>(m_dc);
    sourceDC->SelectObject(wxNullBitmap);
    targetDC->SelectObject(wxNullBitmap);
    const wxImage from = source.ConvertToImage();
    wxImage to = target.ConvertToImage();
    const COLORREF background = src->ResolveColor(src->m_bkColor);
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            const int sx = xSrc + col, sy = ySrc + row, tx = x + col, ty = y + row;
            if (sx < 0 || sy < 0 || sx >= from.GetWidth() || sy >= from.GetHeight() || tx < 0 ||
                ty < 0 || tx >= to.GetWidth() || ty >= to.GetHeight())
                continue;
            const bool isBackground =
                RGB(from.GetRed(sx, sy), from.GetGreen(sx, sy), from.GetBlue(sx, sy)) == background;
            const unsigned char v = isBackground ? 255 : 0;
            to.SetRGB(tx, ty, v, v, v);
        }
    }
    target = wxBitmap(to);
    sourceDC->SelectObject(source);
    targetDC->SelectObject(target);
    MakeExact(sourceDC);
    MakeExact(targetDC);
    return TRUE;
}

// The brush's colour where the monochrome source is black.
BOOL CDC::DrawMask(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc) {
    if (!src->m_bitmap || !m_brush || m_brush->IsHollow())
        return FALSE;
    wxBitmap& source = src->m_bitmap->GetData()->bitmap;
    auto* sourceDC = static_cast<wxMemoryDC*>(src->m_dc);
    sourceDC->SelectObject(wxNullBitmap);
    const wxImage mask = source.ConvertToImage();
    sourceDC->SelectObject(source);
    MakeExact(sourceDC);
    m_dc->SetPen(*wxTRANSPARENT_PEN);
    m_dc->SetBrush(wxBrush(WxColour(ResolveColor(m_brush->GetColor()))));
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            const int sx = xSrc + col, sy = ySrc + row;
            if (sx >= 0 && sy >= 0 && sx < mask.GetWidth() && sy < mask.GetHeight() &&
                mask.GetRed(sx, sy) < 128)
                m_dc->DrawRectangle(x + col, y + row, 1, 1);
        }
    }
    return TRUE;
}

int CDC::GetDeviceCaps(int nIndex) const {
    const bool screen = wxTheApp != nullptr;
    switch (nIndex) {
    case BITSPIXEL:
        if (m_bitmap && m_bitmap->GetData()->monochrome)
            return 1;
        return screen ? wxDisplayDepth() : 24;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case RASTERCAPS:
        return 0;
    case SIZEPALETTE:
        return 0;
    case HORZRES:
        return screen ? wxGetDisplaySize().GetWidth() : 1024;
    case VERTRES:
        return screen ? wxGetDisplaySize().GetHeight() : 768;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    default:
        return 0;
    }
}

BOOL CDC::RectVisible(LPCRECT lpRect) const {
    if (!m_dc || !lpRect)
        return FALSE;
    CRect box;
    GetClipBox(&box);
    CRect overlap;
    return overlap.IntersectRect(&box, lpRect);
}

int CDC::GetClipBox(LPRECT lpRect) const {
    if (!lpRect)
        return 0;
    if (m_paintWindow) {
        const wxRect update = m_paintWindow->GetUpdateRegion().GetBox();
        *lpRect =
            CRect(update.GetLeft(), update.GetTop(), update.GetRight() + 1, update.GetBottom() + 1);
    } else if (m_dc) {
        const wxSize size = m_dc->GetSize();
        *lpRect = CRect(0, 0, size.GetWidth(), size.GetHeight());
    } else {
        *lpRect = CRect();
    }
    return SIMPLEREGION_CLIP;
}
