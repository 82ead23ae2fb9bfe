#include "editors/CChildFormFrame.h"

#include "editors/QZCommandBars.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/WindowStyles.h"

IMPLEMENT_DYNCREATE(CChildFormFrame, QZChildFrame)

CChildFormFrame::CChildFormFrame() : QZChildFrame("CChildFormFrame") {}

int CChildFormFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (QZChildFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    CControlBar* bar = FindMainCommandBar("Form Controls");
    m_bFormBarWasVisible = bar && (bar->GetStyle() & WS_VISIBLE) ? 1 : 0;
    return 0;
}
