#include "editors/QZChildMultiMediaFrame.h"

IMPLEMENT_DYNCREATE(QZChildMultiMediaFrame, QZChildFrame)

QZChildMultiMediaFrame::QZChildMultiMediaFrame() : QZChildFrame("QZChildMultiMediaFrame") {}
