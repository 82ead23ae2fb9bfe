#pragma once
// The frame of many documents: its bars along its sides and, in the area they leave, the MDI
// client (the pane, id AFX_IDW_PANE_FIRST), a child window that holds the document frames
// (CMDIChildWnd), maximised or placed with captions of their own.

#include "platform/ui/CFrameWnd.h"

#include <memory>

class CMDIChildWnd;
class CMenu;
class wxWindow;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    // The frame, then its MDI client.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0,
                CCreateContext* pContext = nullptr) override;
    CWnd* GetMDIClient() const { return m_pWndMDIClient.get(); }
    // Commands go to the focused command target, then the active child frame (its view, the
    // view's document, the child frame), then this frame and the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    // The active child frame (the top one), or nullptr.
    CMDIChildWnd* MDIGetActive() const;
    // Raises the child and makes it the active one; the one deactivated and the one activated
    // each get WM_MDIACTIVATE.
    void MDIActivate(CWnd* pWndActivate);
    // At idle time the menu bar follows the active child: the menu of its document template
    // when there is one, else the frame's own.
    void OnIdleUpdateCmdUI() override;
    // The active child's template accelerators come before the frame's own.
    BOOL TranslateAccelerator(UINT nVirtKey, BYTE fModifiers) override;

protected:
    // Makes the MDI client window; a derived frame adds what it hangs on it.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);

private:
    UINT ActiveMenuId() const;
    CMDIChildWnd* ChildOfHandle(wxWindow* window) const;

    std::unique_ptr<CWnd> m_pWndMDIClient;
    // The active child's window, looked up among the client's children so that a destroyed
    // child is never touched.
    wxWindow* m_hWndActive = nullptr;
};
