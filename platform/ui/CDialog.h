#pragma once
// A dialog built from a dialog template of the resources. Only modeless use: Create shows the
// dialog and returns; the code that made it destroys it.

#include "platform/ui/CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;

    using CWnd::Create;
    // Builds the dialog of template `templateId` over `parent` (or, when that is none, over the
    // parent window set before, which stays the dialog's parent window), runs OnInitDialog and
    // shows the dialog when its template says visible. FALSE when the template is unknown or
    // cannot be built, or no window system runs.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Runs DoDataExchange: from the controls when `saveAndValidate`, else to them. FALSE when
    // the exchange refused a value (CDataExchange::Fail).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Ends the dialog with `result`: a modeless dialog is hidden, not destroyed.
    void EndDialog(int result);

    // Dialog units of this dialog's font to pixels, in place.
    void MapDialogRect(LPRECT lpRect) const;
    // Gives the control the focus; the next and previous control in Tab order.
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;

    // Called once the controls exist, before the dialog is shown; binds the controls.
    virtual BOOL OnInitDialog();
    // Enter: takes the values and ends the dialog with IDOK.
    virtual void OnOK();
    // Escape or closing the window: ends the dialog with IDCANCEL.
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // The OK and Cancel buttons (ids IDOK and IDCANCEL) end the dialog through OnOK and
    // OnCancel.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = 0;
};
