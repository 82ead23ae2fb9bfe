#include "editors/QZChildAdSpaceFrame.h"

IMPLEMENT_DYNCREATE(QZChildAdSpaceFrame, QZChildFrame)

QZChildAdSpaceFrame::QZChildAdSpaceFrame() : QZChildFrame("QZChildAdSpaceFrame") {}
