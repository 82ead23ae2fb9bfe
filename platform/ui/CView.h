#pragma once
// A view: a child window that shows a document. It takes its document from the creation
// context, joins the document's list of views when its window is made and leaves it when the
// window goes, and paints through OnDraw.

#include "platform/ui/CWnd.h"

class CDocument;

class CView : public CWnd {
    DECLARE_DYNCREATE(CView)
public:
    CView() = default;
    ~CView() override;

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    CDocument* GetDocument() const { return m_pDocument; }
    // Commands reach the view's own handlers, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    // Called when the frame makes this view active or takes it away.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnDraw(CDC* pDC);
    // The application's printer settings have changed (Print Setup); a view that lays its text
    // out for the paper does it again.
    virtual void OnPrinterSettingsChanged() {}
    // The document is going: the view no longer names it.
    void ForgetDocument() { m_pDocument = nullptr; }

protected:
    void OnPaint() override;
    void OnDestroy() override;

    CDocument* m_pDocument = nullptr;

private:
    void LeaveDocument();
};
