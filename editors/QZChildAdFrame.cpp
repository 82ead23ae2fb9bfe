#include "editors/QZChildAdFrame.h"

IMPLEMENT_DYNCREATE(QZChildAdFrame, QZChildFrame)

QZChildAdFrame::QZChildAdFrame() : QZChildFrame("QZChildAdFrame") {}
