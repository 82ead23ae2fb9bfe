#pragma once
// A main frame with docked bars for the window tests of docking: the toolkit's MDI frame whose
// status prompts are recorded, sizable bars and toolbar-like fixed bars, a scripted chooser of
// context menu items, and mouse input sent as the window system would (to the window with the
// mouse capture, else to the window under the point).

#include "platform/ui/CMenu.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "wintoolkit/docking/SECControlBar.h"
#include "wintoolkit/frame/SECMDIFrameWnd.h"

#include <string>
#include <vector>

class RecordingFrame : public SECMDIFrameWnd {
public:
    void SetMessageText(LPCTSTR lpszText) override { messages.emplace_back(lpszText); }
    std::vector<std::string> messages;
};

class PaneBar : public SECControlBar {
public:
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { ++updates; }
    int updates = 0;
};

class ToolBar : public SECControlBar {
public:
    CSize CalcDynamicLayout(int, DWORD dwMode) override {
        return (dwMode & (LM_HORZ | LM_HORZDOCK)) ? CSize(120, 26) : CSize(26, 120);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

// Chooses the scripted command from the menu shown, and keeps the menu's items.
class ScriptedMenus : public MenuTracker {
public:
    ScriptedMenus() : m_previous(SetMenuTracker(this)) {}
    ~ScriptedMenus() override { SetMenuTracker(m_previous); }
    UINT Track(const CMenu& menu, CPoint, CWnd*) override {
        shown = menu.Items();
        ++count;
        return choice;
    }
    const CMenu::Item* Find(UINT id) const {
        for (const CMenu::Item& item : shown) {
            if (item.id == id && !(item.flags & MF_SEPARATOR))
                return &item;
        }
        return nullptr;
    }

    UINT choice = 0;
    int count = 0;
    std::vector<CMenu::Item> shown;

private:
    MenuTracker* m_previous;
};

inline CRect ScreenRect(const CWnd* wnd) {
    CRect rect;
    wnd->GetWindowRect(&rect);
    return rect;
}

// A rectangle of a window relative to the frame's client area.
inline CRect InFrame(const CWnd* frame, const CWnd* wnd) {
    CRect rect = ScreenRect(wnd);
    frame->ScreenToClient(&rect);
    return rect;
}

// Mouse input at a screen point, as the window system delivers it.
inline void Mouse(UINT message, CPoint screen, UINT flags = 0) {
    CWnd* target = CWnd::GetCapture();
    if (!target)
        target = CWnd::WindowFromPoint(screen);
    ASSERT_NE(target, nullptr) << "no window at " << screen.x << "," << screen.y;
    CPoint client = screen;
    target->ScreenToClient(&client);
    target->SendMessage(message, flags, MAKELPARAM(client.x, client.y));
}

inline void Key(UINT message, UINT key) {
    if (CWnd* target = CWnd::GetCapture())
        target->SendMessage(message, key, 0);
}
