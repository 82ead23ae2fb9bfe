#pragma once
// The splash window: the program's picture (bitmap 113) over the screen's centre while the main
// frame is built. It goes after 2.2 seconds or at the first key or mouse-button press, which it
// takes so that no window sees it. At most one is shown.

#include "platform/ui/CBitmap.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

class CSplashWnd : public CWnd {
public:
    // How long the splash stays.
    static constexpr UINT kShowMs = 2200;
    static constexpr UINT_PTR kTimerId = 1;

    static void EnableSplashScreen(BOOL enable = TRUE);
    // Shows the splash when it is enabled and none is shown; nothing when bitmap 113 is missing.
    static void ShowSplashScreen(CWnd* pParentWnd = nullptr);
    // TRUE (the message is taken) when a splash is shown and the message is a key or
    // mouse-button press; the splash is hidden.
    static BOOL PreTranslateAppMessage(MSG* pMsg);
    // The splash shown now, or nullptr.
    static CSplashWnd* GetShown();

    // Destroys the window; the object goes with the next splash or at the end of the program.
    void HideSplashScreen();
    // The timer the window started: its id and interval (0 before it started one).
    UINT GetTimerInterval() const { return m_nTimerMs; }

protected:
    CSplashWnd();
    friend struct SplashOwner;
    ~CSplashWnd() override;

    BOOL Create(CWnd* pParentWnd);
    // Starts the hide timer; a test may replace it.
    virtual void StartHideTimer();
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnPaint() override;
    void OnTimer(UINT_PTR nIDEvent) override;

    // Makes the splash through `make` (a test's own kind) instead of a plain one.
    static void ShowSplashScreenOf(CSplashWnd* splash, CWnd* pParentWnd);

    CBitmap m_bitmap;
    UINT m_nTimerMs = 0;
};
