#include "editors/QZCommandBars.h"

#include "platform/core/CString.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/MainWnd.h"

namespace {

CFrameWnd* MainFrame() {
    return dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
}

} // namespace

CControlBar* FindMainCommandBar(const char* title) {
    CFrameWnd* main = MainFrame();
    if (!main)
        return nullptr;
    for (POSITION pos = main->m_listControlBars.GetHeadPosition(); pos;) {
        auto* bar = static_cast<CControlBar*>(main->m_listControlBars.GetNext(pos));
        CString text;
        if (bar->GetSafeHwnd())
            bar->GetWindowText(text);
        if (text == title)
            return bar;
    }
    return nullptr;
}

void ShowMainCommandBar(const char* title, BOOL show) {
    CControlBar* bar = FindMainCommandBar(title);
    if (!bar)
        return;
    CFrameWnd* main = MainFrame();
    main->ShowControlBar(bar, show, FALSE);
    main->RecalcLayout();
}
