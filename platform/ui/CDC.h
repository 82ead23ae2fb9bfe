#pragma once
// A device context: the surface window code draws on (a window's client area during painting
// or at any time, the screen, or a bitmap in memory), with the pen, brush, font, bitmap and
// palette selected into it. Drawing is pixel-exact as the original's: rectangles and straight
// lines cover their left and top edges and stop before their right and bottom ones, nothing is
// smoothed. Without a window system every call does nothing.

#include "platform/core/COLORREF.h"
#include "platform/core/CObject.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/ui/WinTypes.h"

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPalette;
class CPen;
class CRgn;
class CWnd;
class wxDC;
class wxWindow;

// GetDeviceCaps indexes, with the original's numbers.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int SIZEPALETTE = 104;
constexpr int RC_PALETTE = 0x0100;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Raster operations of BitBlt.
constexpr DWORD SRCCOPY = 0x00CC0020;
// Where the source is black, the brush; elsewhere the destination stays (drawing a monochrome
// mask in the brush's colour).
constexpr DWORD ROP_PSDPxax = 0x00B8074A;

// DrawText formats.
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;

// GetClipBox results.
constexpr int SIMPLEREGION_CLIP = 2;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

struct TEXTMETRIC {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
};
using LPTEXTMETRIC = TEXTMETRIC*;

class CDC : public CObject {
public:
    CDC();
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // The context behind a handle (its own address), and its handle (null while it has no
    // surface).
    static CDC* FromHandle(HDC hDC) { return reinterpret_cast<CDC*>(hDC); }
    HDC GetSafeHdc() const;
    operator HDC() const { return GetSafeHdc(); }

    // A context over a bitmap in memory, to be given one with SelectObject; FALSE without a
    // window system.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    // Each returns the object selected before (nullptr for the context's initial one).
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    // A stock pen, brush or font (GetStockObject's numbers); returns the object before.
    CGdiObject* SelectStockObject(int nIndex);
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    // The selected palette's entry count.
    UINT RealizePalette();

    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const { return m_bkColor; }
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const { return m_textColor; }
    int SetBkMode(int nBkMode);
    int GetBkMode() const { return m_bkMode; }
    // The colour a COLORREF draws in here (a palette index through the selected palette).
    COLORREF ResolveColor(COLORREF crColor) const;

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    // From the current position to (x, y), without (x, y) itself.
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    // Outlined with the pen, filled with the brush.
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    BOOL Polygon(const POINT* lpPoints, int nCount);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    // Also makes the colour the background colour.
    void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
    // A one-pixel frame with the brush.
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    // A one-pixel frame: top and left in one colour, bottom and right in the other.
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // The dotted frame of the keyboard focus.
    void DrawFocusRect(LPCRECT lpRect);
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    BOOL FillRgn(CRgn* pRgn, CBrush* pBrush);

    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    // Text in a rectangle; "&x" underlines x unless DT_NOPREFIX. Returns the text's height.
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
        return DrawText(str, str.GetLength(), lpRect, nFormat);
    }
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;

    // Copies a block from another context: SRCCOPY (from colour to a monochrome bitmap, the
    // source's background colour becomes white and every other colour black), or ROP_PSDPxax
    // from a monochrome source.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);

    // What the device offers; the screen's values without a window system are those of a
    // 24-bit display of 96 dots an inch.
    int GetDeviceCaps(int nIndex) const;
    // Whether any of the rectangle is to be drawn (inside the part being painted).
    BOOL RectVisible(LPCRECT lpRect) const;
    int GetClipBox(LPRECT lpRect) const;

    // The window system's context (inside the ui layer only).
    wxDC* GetWxDC() const { return m_dc; }

protected:
    // Takes a context over a surface; `owned` ones are deleted with this object.
    void AttachWx(wxDC* dc, bool owned, wxWindow* paintWindow = nullptr);
    void DetachWx();

private:
    void ApplyPen() const;
    void ApplyBrush() const;
    void FillBox(int x, int y, int cx, int cy, COLORREF color) const;
    BOOL CopyToMonochrome(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc);
    BOOL DrawMask(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc);

    wxDC* m_dc = nullptr;
    bool m_owned = false;
    wxWindow* m_paintWindow = nullptr;
    CPen* m_pen = nullptr;
    CBrush* m_brush = nullptr;
    CFont* m_font = nullptr;
    CBitmap* m_bitmap = nullptr;
    CPalette* m_palette = nullptr;
    COLORREF m_bkColor;
    COLORREF m_textColor = 0;
    int m_bkMode = OPAQUE;
    CPoint m_position;
};
