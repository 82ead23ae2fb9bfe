#include "editors/CChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, QZChildFrame)

CChildFrame::CChildFrame() : QZChildFrame("CChildFrame") {}
