#pragma once
// A context over a whole window, or over the screen for no window.

#include "platform/ui/CDC.h"

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
};
