#include "editors/QZChildActiveXFrame.h"

IMPLEMENT_DYNCREATE(QZChildActiveXFrame, QZChildFrame)

QZChildActiveXFrame::QZChildActiveXFrame() : QZChildFrame("QZChildActiveXFrame") {}
