#pragma once
// A view: a child window that shows a document. It takes its document from the creation
// context and paints through OnDraw.

#include "platform/ui/CWnd.h"

class CDocument;

class CView : public CWnd {
    DECLARE_DYNCREATE(CView)
public:
    CView() = default;

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    CDocument* GetDocument() const { return m_pDocument; }
    // Commands reach the view's own handlers, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    // Called when the frame makes this view active or takes it away.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnDraw(CDC* pDC);

protected:
    void OnPaint() override;

    CDocument* m_pDocument = nullptr;
};
