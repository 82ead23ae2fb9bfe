#include "shell/CMainFrame.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"
#include "shell/QZWindowPlacement.h"

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::LoadFrame() {
    return Create(nullptr, "Marquill", WS_OVERLAPPEDWINDOW, rectDefault);
}

void CMainFrame::OnClose() {
    SaveWindowPlacement(this, "Size");
    CMainFrameBase::OnClose();
}

void CMainFrame::OnDestroy() {
    if (AfxGetMainWnd() == this)
        SetMainWnd(nullptr);
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    CMainFrameBase::OnDestroy();
}
