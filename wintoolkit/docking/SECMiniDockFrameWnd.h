#pragma once
// The floating frame of toolkit bars: the framework's floating frame holding a toolkit dock bar.
// It comes to the top when clicked, and can be placed and sized to its bars in one step.

#include "platform/ui/CMiniDockFrameWnd.h"

class SECMiniDockFrameWnd : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(SECMiniDockFrameWnd)
public:
    SECMiniDockFrameWnd() = default;

    // Sizes the frame to its bars and moves it to (x, y) (screen coordinates).
    virtual void RecalcLayoutAt(int x, int y);

protected:
    CDockBar* NewDockBar() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
