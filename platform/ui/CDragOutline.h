#pragma once
// The outline of a rectangle on the screen while something is dragged: thin windows above all
// others forming the rectangle's edges (drawing across the desktop is not possible on every
// window system, so the outline is made of windows). A filled band is one such window.

#include "platform/core/COLORREF.h"
#include "platform/core/CRect.h"

#include <memory>

class CDragOutline {
public:
    CDragOutline();
    ~CDragOutline();
    CDragOutline(const CDragOutline&) = delete;
    CDragOutline& operator=(const CDragOutline&) = delete;

    // Shows the edges of `rect` (screen coordinates), `thickness` pixels wide, inside it.
    void Show(const CRect& rect, int thickness, COLORREF colour);
    // Shows `rect` filled.
    void ShowFilled(const CRect& rect, COLORREF colour);
    void Hide();
    BOOL IsShown() const { return m_shown; }
    // The rectangle shown last.
    CRect GetRect() const { return m_rect; }
    int GetThickness() const { return m_thickness; }

private:
    struct Windows;
    std::unique_ptr<Windows> m_windows;
    BOOL m_shown = FALSE;
    CRect m_rect;
    int m_thickness = 0;
};
