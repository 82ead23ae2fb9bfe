#pragma once
// A brush: the colour that areas are filled with, or nothing (the hollow brush).

#include "platform/core/COLORREF.h"
#include "platform/ui/CGdiObject.h"
#include "platform/ui/WinTypes.h"

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

    // FALSE when the brush is already made.
    BOOL CreateSolidBrush(COLORREF crColor);
    // A brush that fills nothing.
    BOOL CreateHollowBrush();
    BOOL DeleteObject() override;
    void* GetSafeHandle() const override;

    COLORREF GetColor() const { return m_color; }
    bool IsHollow() const { return m_hollow; }

    // The brush behind a handle (the address of the brush itself).
    static CBrush* FromHandle(HBRUSH hBrush) { return reinterpret_cast<CBrush*>(hBrush); }
    operator HBRUSH() const { return reinterpret_cast<HBRUSH>(GetSafeHandle()); }

private:
    COLORREF m_color = 0;
    bool m_hollow = false;
    bool m_created = false;
};
