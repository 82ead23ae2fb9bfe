#include "editors/CChildStyleFrame.h"

IMPLEMENT_DYNCREATE(CChildStyleFrame, QZChildFrame)

CChildStyleFrame::CChildStyleFrame() : QZChildFrame("CChildStyleFrame") {}
