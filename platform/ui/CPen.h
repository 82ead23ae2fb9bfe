#pragma once
// A pen: the style, width and colour that lines and outlines are drawn with.

#include "platform/core/COLORREF.h"
#include "platform/ui/CGdiObject.h"

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

    // FALSE when the pen is already made.
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL DeleteObject() override;
    void* GetSafeHandle() const override;

    int GetStyle() const { return m_style; }
    // At least 1 pixel.
    int GetWidth() const { return m_width; }
    COLORREF GetColor() const { return m_color; }

private:
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = 0;
    bool m_created = false;
};
