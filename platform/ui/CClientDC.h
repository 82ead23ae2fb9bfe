#pragma once
// A context over a window's client area outside painting (the screen's for no window).

#include "platform/ui/CDC.h"

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
};
