#pragma once
// A view whose window is a panel holding the controls of a dialog template of the resources,
// laid out in the template's dialog units and starting at the template's size.

#include "platform/ui/CView.h"

class CDataExchange;

class CFormView : public CView {
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT nIDTemplate);

    // The view's panel with the template's controls; FALSE when the template is unknown or a
    // control cannot be made.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    // Once the view is in its frame: the controls get the members' values.
    virtual void OnInitialUpdate();
    // Runs DoDataExchange: from the controls when `saveAndValidate`, else to them. FALSE when
    // the exchange refused a value (it has said why and put the focus back).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Sizes the frame the view lies in so that the view shows at the template's size; with
    // bShrinkOnly the frame never grows.
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);
    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The template's size in pixels (0 by 0 before the panel exists).
    CSize GetTemplateSize() const { return m_sizeTemplate; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // A button the view and its document do not handle sends its id on through the frame's
    // route of commands.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    UINT m_nIDTemplate;
    CSize m_sizeTemplate;
};
