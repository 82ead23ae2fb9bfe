#include "editors/CChildImageFrame.h"

IMPLEMENT_DYNCREATE(CChildImageFrame, QZChildFrame)

CChildImageFrame::CChildImageFrame() : QZChildFrame("CChildImageFrame") {}
