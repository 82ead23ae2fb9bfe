#include "wintoolkit/frame/SECMDIChildWnd.h"

IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)
