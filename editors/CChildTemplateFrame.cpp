#include "editors/CChildTemplateFrame.h"

IMPLEMENT_DYNCREATE(CChildTemplateFrame, QZChildFrame)

CChildTemplateFrame::CChildTemplateFrame() : QZChildFrame("CChildTemplateFrame") {}
