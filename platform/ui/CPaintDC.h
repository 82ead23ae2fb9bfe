#pragma once
// The context of a window's paint: made in OnPaint, it draws into the part to be painted.

#include "platform/ui/CDC.h"

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);

    // m_ps.rcPaint is the box of the part to be painted, in client coordinates.
    PAINTSTRUCT m_ps{};
};
