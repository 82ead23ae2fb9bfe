#include "editors/QZChildScriptFrame.h"

IMPLEMENT_DYNCREATE(QZChildScriptFrame, QZChildFrame)

QZChildScriptFrame::QZChildScriptFrame() : QZChildFrame("QZChildScriptFrame") {}
