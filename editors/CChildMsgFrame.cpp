#include "editors/CChildMsgFrame.h"

IMPLEMENT_DYNCREATE(CChildMsgFrame, QZChildFrame)

CChildMsgFrame::CChildMsgFrame() : QZChildFrame("CChildMsgFrame") {}
