#include "wintoolkit/tabs/SEC2DTabWnd.h"

IMPLEMENT_DYNCREATE(SEC2DTabWnd, SECTabWnd)
