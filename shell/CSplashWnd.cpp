#include "shell/CSplashWnd.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"

#include <memory>

struct SplashOwner {
    void operator()(CSplashWnd* splash) const { delete splash; }
};

namespace {

BOOL g_enabled = FALSE;
CSplashWnd* g_shown = nullptr;
// The splash last hidden, kept until the next one (a window may not delete itself inside its
// own timer handler).
std::unique_ptr<CSplashWnd, SplashOwner> g_retired;

bool IsPress(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

CSplashWnd::CSplashWnd() = default;

CSplashWnd::~CSplashWnd() {
    if (g_shown == this)
        g_shown = nullptr;
}

void CSplashWnd::EnableSplashScreen(BOOL enable) {
    g_enabled = enable;
}

void CSplashWnd::ShowSplashScreen(CWnd* pParentWnd) {
    if (!g_enabled || g_shown)
        return;
    ShowSplashScreenOf(new CSplashWnd, pParentWnd);
}

void CSplashWnd::ShowSplashScreenOf(CSplashWnd* splash, CWnd* pParentWnd) {
    g_retired.reset();
    if (!splash->Create(pParentWnd)) {
        delete splash;
        return;
    }
    g_shown = splash;
    splash->UpdateWindow();
}

CSplashWnd* CSplashWnd::GetShown() {
    return g_shown;
}

BOOL CSplashWnd::PreTranslateAppMessage(MSG* pMsg) {
    if (!g_shown || !IsPress(pMsg->message))
        return FALSE;
    g_shown->HideSplashScreen();
    return TRUE;
}

void CSplashWnd::HideSplashScreen() {
    if (g_shown == this)
        g_shown = nullptr;
    DestroyWindow();
    g_retired.reset(this);
}

BOOL CSplashWnd::Create(CWnd* pParentWnd) {
    if (!m_bitmap.LoadBitmap(IDB_SPLASH))
        return FALSE;
    BITMAP bm;
    m_bitmap.GetBitmap(&bm);
    return CreateEx(0, AfxRegisterWndClass(0, nullptr, nullptr, nullptr), nullptr,
                    WS_POPUP | WS_VISIBLE, 0, 0, bm.bmWidth, bm.bmHeight,
                    pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, 0);
}

int CSplashWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CenterWindow();
    StartHideTimer();
    return 0;
}

void CSplashWnd::StartHideTimer() {
    m_nTimerMs = kShowMs;
    SetTimer(kTimerId, kShowMs, nullptr);
}

void CSplashWnd::OnPaint() {
    CPaintDC dc(this);
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    BITMAP bm;
    m_bitmap.GetBitmap(&bm);
    CBitmap* old = memory.SelectObject(&m_bitmap);
    dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CSplashWnd::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kTimerId)
        HideSplashScreen();
}
