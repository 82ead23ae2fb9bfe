#include "editors/QZChildAdvertiserFrame.h"

IMPLEMENT_DYNCREATE(QZChildAdvertiserFrame, QZChildFrame)

QZChildAdvertiserFrame::QZChildAdvertiserFrame() : QZChildFrame("QZChildAdvertiserFrame") {}
