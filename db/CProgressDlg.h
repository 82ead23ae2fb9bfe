#pragma once
// A small modeless dialog with a progress bar and a status line, shown while a long operation
// runs. Its owner window stays disabled while it exists; each step first lets the waiting window
// messages through, so the program's windows repaint. It has no cancel: it closes when the code
// that made it destroys it.

#include "platform/ui/CDialog.h"
#include "platform/ui/CProgressCtrl.h"

class CProgressDlg : public CDialog {
public:
    // `captionId` is the string of the caption; 0 selects "Please Wait:  Converting Database...".
    explicit CProgressDlg(UINT captionId = 0);
    ~CProgressDlg() override;

    // Disables the owner (the top-level window of `parent`, or the main window) and shows the
    // dialog; on failure the owner is enabled again and the result is FALSE.
    BOOL Create(CWnd* parent = nullptr);
    void SetStatus(LPCTSTR text);
    // Dispatches the waiting messages, then advances the bar by one step; returns the position
    // before the step.
    int StepIt();
    void PumpMessages();
    // Gives the owner back its input, if this dialog took it.
    void ReEnableParent();

    BOOL DestroyWindow() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Escape leave the dialog open.
    void OnOK() override;
    void OnCancel() override;

    CProgressCtrl m_Progress;
    UINT m_nCaptionID;
    int m_nLower;
    int m_nUpper;
    int m_nStep;
    BOOL m_bParentDisabled;
};
