#include "editors/QZChildEventFrame.h"

IMPLEMENT_DYNCREATE(QZChildEventFrame, QZChildFrame)

QZChildEventFrame::QZChildEventFrame() : QZChildFrame("QZChildEventFrame") {}
