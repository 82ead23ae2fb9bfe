#include "editors/QZChildJavaFrame.h"

IMPLEMENT_DYNCREATE(QZChildJavaFrame, QZChildFrame)

QZChildJavaFrame::QZChildJavaFrame() : QZChildFrame("QZChildJavaFrame") {}
