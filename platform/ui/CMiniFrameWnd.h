#pragma once
// A small frame with a caption strip and edges of its own: an undecorated tool window above
// its owner, whose caption, sizing edges and close box are drawn and hit-tested by the frame
// itself. MFS_THICKFRAME (or WS_THICKFRAME) gives sizing edges; MFS_4THICKFRAME a narrow
// border that does not size.

#include "platform/ui/CFrameWnd.h"

class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();

    // A pop-up window above pParentWnd's top-level window (screen coordinates).
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0,
                CCreateContext* pContext = nullptr) override;
    // Adds the drawn border and caption of a frame of that style around a client rectangle.
    static void CalcBorders(LPRECT lpClientRect, DWORD dwStyle = MFS_THICKFRAME);
    // The drawn frame's measures for a style.
    static FrameGeometry GeometryOf(DWORD dwStyle);

    static constexpr int kCaptionHeight = 16;
    static constexpr int kSizingBorder = 4;
    static constexpr int kNarrowBorder = 2;

protected:
    FrameGeometry GetFrameGeometry() const override;
};
