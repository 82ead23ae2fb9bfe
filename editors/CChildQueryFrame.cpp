#include "editors/CChildQueryFrame.h"

IMPLEMENT_DYNCREATE(CChildQueryFrame, QZChildFrame)

CChildQueryFrame::CChildQueryFrame() : QZChildFrame("CChildQueryFrame") {}
