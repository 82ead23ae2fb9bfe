#include "editors/CChildFormFrame.h"

#include "platform/ui/CControlBar.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"

IMPLEMENT_DYNCREATE(CChildFormFrame, QZChildFrame)

namespace {

// The main window's command bar titled "Form Controls", or null.
CControlBar* FormControlsBar() {
    auto* main = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    if (!main)
        return nullptr;
    for (POSITION pos = main->m_listControlBars.GetHeadPosition(); pos;) {
        auto* bar = static_cast<CControlBar*>(main->m_listControlBars.GetNext(pos));
        CString title;
        if (bar->GetSafeHwnd())
            bar->GetWindowText(title);
        if (title == "Form Controls")
            return bar;
    }
    return nullptr;
}

} // namespace

CChildFormFrame::CChildFormFrame() : QZChildFrame("CChildFormFrame") {}

int CChildFormFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (QZChildFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    CControlBar* bar = FormControlsBar();
    m_bFormBarWasVisible = bar && (bar->GetStyle() & WS_VISIBLE) ? 1 : 0;
    return 0;
}
