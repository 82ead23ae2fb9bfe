#include "db/CProgressDlg.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/MessagePump.h"
#include "res/Resource.h"

CProgressDlg::CProgressDlg(UINT captionId)
    : m_nCaptionID(captionId != 0 ? captionId : IDS_PROGRESS_CAPTION), m_nLower(0), m_nUpper(100),
      m_nStep(10), m_bParentDisabled(FALSE) {}

CProgressDlg::~CProgressDlg() {
    // Whether the user returns or an exception unwinds, the owner gets its input back.
    if (GetSafeHwnd())
        CProgressDlg::DestroyWindow();
}

BOOL CProgressDlg::Create(CWnd* parent) {
    m_pParentWnd = CWnd::GetSafeOwner(parent);
    if (m_pParentWnd && m_pParentWnd->IsWindowEnabled()) {
        m_pParentWnd->EnableWindow(FALSE);
        m_bParentDisabled = TRUE;
    }
    if (!CDialog::Create(IDD_PROGRESS, parent)) {
        ReEnableParent();
        return FALSE;
    }
    return TRUE;
}

void CProgressDlg::SetStatus(LPCTSTR text) {
    if (CWnd* status = GetDlgItem(IDC_PROGDLG_STATUS))
        status->SetWindowText(text);
}

int CProgressDlg::StepIt() {
    PumpMessages();
    return static_cast<WORD>(m_Progress.StepIt());
}

void CProgressDlg::PumpMessages() {
    // Keyboard navigation inside the dialog is handled where the messages are dispatched.
    PumpWaitingMessages();
}

void CProgressDlg::ReEnableParent() {
    if (m_bParentDisabled && m_pParentWnd)
        m_pParentWnd->EnableWindow(TRUE);
    m_bParentDisabled = FALSE;
}

BOOL CProgressDlg::DestroyWindow() {
    ReEnableParent();
    return CDialog::DestroyWindow();
}

void CProgressDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGDLG_PROGRESS, m_Progress);
}

BOOL CProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_Progress.SetRange(static_cast<short>(m_nLower), static_cast<short>(m_nUpper));
    m_Progress.SetStep(m_nStep);
    m_Progress.SetPos(m_nLower);
    CString caption;
    caption.LoadString(m_nCaptionID);
    SetWindowText(caption);
    return TRUE;
}

void CProgressDlg::OnOK() {}

void CProgressDlg::OnCancel() {}
