#include "shell/QZComponentInsert.h"

#include "content/QZComponentMover.h"
#include "content/QZEngineMessage.h"
#include "content/QZServiceLookups.h"
#include "db/QZApplication.h"
#include "platform/core/CException.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "platform/ui/DialogModalLoop.h"
#include "res/Resource.h"
#include "shell/CQZFileDlg.h"
#include "shell/CVantrel3App.h"
#include "shell/QZComponentInstall.h"
#include "shell/QZRunLog.h"

namespace {

BOOL IsSetKey(const QZKeyCombo& key) {
    const bool none = key.m_DbID == 0 && key.m_KeyID == 0;
    const bool empty = key.m_DbID == -1 && key.m_KeyID == -1;
    return !none && !empty;
}

CString WithoutTrailingSeparator(CString path) {
    while (path.GetLength() > 1 && (path.Right(1) == "/" || path.Right(1) == "\\"))
        path = path.Left(path.GetLength() - 1);
    return path;
}

} // namespace

QZComponentInsert::QZComponentInsert(CWnd* pParent) {
    m_pParentWnd = pParent;
}

INT_PTR QZComponentInsert::DoModal() {
    m_nModalResult = IDCANCEL;
    if (!Create(IDD_COMPONENT_INSERT, GetSafeOwner(m_pParentWnd)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

BOOL QZComponentInsert::OnInitDialog() {
    m_ComponentCombo.SubclassDlgItem(IDC_COMP_COMBO, this);
    m_ComponentCombo.FillComponents(0);
    const QZKeyCombo& service = GetVantrelApp()->GetCurrentServiceKey();
    if (IsSetKey(service))
        m_strClientDir = WithoutTrailingSeparator(MapWindowsPath(GetServiceDevelopPath(service)));
    m_DirEdit.SubclassDlgItem(IDC_COMP_FILE, this);
    CDialog::OnInitDialog();
    m_DirEdit.SetWindowText(m_strClientDir);
    return TRUE;
}

BOOL QZComponentInsert::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == 0 && LOWORD(wParam) == IDC_COMP_INSTALL_NEW) {
        OnInstallNew();
        return TRUE;
    }
    if (HIWORD(wParam) == 0 && LOWORD(wParam) == IDC_COMP_BROWSE) {
        OnBrowseClientDir();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void QZComponentInsert::OnInstallNew() {
    QZComponentInstall install(this);
    install.DoModal();
    m_ComponentCombo.FillComponents(0);
}

void QZComponentInsert::OnBrowseClientDir() {
    m_DirEdit.GetWindowText(m_strClientDir);
    CQZFileDlg dialog(FALSE, nullptr, m_strClientDir, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                      nullptr, this);
    dialog.m_ofn.lpstrInitialDir = m_strClientDir;
    if (dialog.DoModal() != IDOK)
        return;
    m_strClientDir = WithoutTrailingSeparator(dialog.GetPathName().Left(dialog.GetFileOffset()));
    m_DirEdit.SetWindowText(m_strClientDir);
}

void QZComponentInsert::OnOK() {
    CVantrel3App* app = GetVantrel3App();
    app->BeginWaitCursor();
    m_DirEdit.GetWindowText(m_strClientDir);
    const CString entry = m_ComponentCombo.GetSelectedComponent();
    int result = QZComponentMover::installNothing;
    try {
        QZComponentMover mover;
        result = mover.InstallComponent(&app->GetVantrelDb(), app->GetCurrentServiceKey(), entry,
                                        m_strClientDir);
    } catch (CException* e) {
        PostRunMessage(QZEngineMessage::kindError, TakeExceptionText(e));
    }
    app->EndWaitCursor();
    // Inserted, even when stripping the copied database ended on an error.
    if (result == QZComponentMover::installDone || result == QZComponentMover::installStripFailed)
        CDialog::OnOK();
    else
        AfxMessageBox("error?!?");
}
