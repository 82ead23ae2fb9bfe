#pragma once
// The frame of many documents: its bars along its sides and, in the area they leave, the MDI
// client (the pane, id AFX_IDW_PANE_FIRST), a child window that holds the document frames
// (CMDIChildWnd), maximised or placed with captions of their own.

#include "platform/ui/CFrameWnd.h"

#include <memory>

class CMDIChildWnd;

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
    // The active child frame (the top one), or nullptr.
    CMDIChildWnd* MDIGetActive() const;
    void MDIActivate(CWnd* pWndActivate);

private:
    std::unique_ptr<CWnd> m_pWndMDIClient;
};
