#pragma once
// The tab window under a class of its own; it behaves as SECTabWnd.

#include "wintoolkit/tabs/SECTabWnd.h"

class SEC2DTabWnd : public SECTabWnd {
    DECLARE_DYNCREATE(SEC2DTabWnd)
public:
    SEC2DTabWnd() = default;
};
