#include "shell/QZComponentInstall.h"

#include "content/QZComponentMover.h"
#include "content/QZEngineMessage.h"
#include "db/QZApplication.h"
#include "platform/core/CException.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/DialogModalLoop.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"
#include "shell/QZRunLog.h"

#include <filesystem>

QZComponentInstall::QZComponentInstall(CWnd* pParent) {
    m_pParentWnd = pParent;
}

INT_PTR QZComponentInstall::DoModal() {
    m_nModalResult = IDCANCEL;
    if (!Create(IDD_COMPONENT_INSTALL, GetSafeOwner(m_pParentWnd)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

BOOL QZComponentInstall::OnInitDialog() {
    m_FileEdit.SubclassDlgItem(IDC_COMP_FILE, this);
    CDialog::OnInitDialog();
    m_FileEdit.SetWindowText(m_strComponentFile);
    return TRUE;
}

BOOL QZComponentInstall::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == 0 && LOWORD(wParam) == IDC_COMP_BROWSE) {
        OnBrowseComponent();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void QZComponentInstall::OnBrowseComponent() {
    m_FileEdit.GetWindowText(m_strComponentFile);
    CFileDialog dialog(TRUE, "mdb", m_strComponentFile, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                       "Access databases (*.mdb)|*.mdb|All files (*.*)|*.*||", this);
    if (!m_strComponentDir.IsEmpty())
        dialog.m_ofn.lpstrInitialDir = m_strComponentDir;
    if (dialog.DoModal() != IDOK)
        return;
    const std::filesystem::path chosen(dialog.GetPathName().str());
    m_strComponentFile = chosen.filename().string().c_str();
    m_strComponentDir = chosen.parent_path().string().c_str();
    m_FileEdit.SetWindowText(m_strComponentFile);
}

void QZComponentInstall::OnOK() {
    CVantrel3App* app = GetVantrel3App();
    app->BeginWaitCursor();
    m_FileEdit.GetWindowText(m_strComponentFile);
    int registered = 0;
    // A file that is no component database is refused like any other package.
    try {
        QZComponentMover mover;
        if (mover.OpenComponent(&app->GetVantrelDb(), m_strComponentDir,
                                QZComponentMover::GetComponentsFolder(), m_strComponentFile) == 1)
            registered = mover.LoadComponentInfo();
    } catch (CException* e) {
        PostRunMessage(QZEngineMessage::kindError, TakeExceptionText(e));
    }
    app->EndWaitCursor();
    if (registered == 0) {
        AfxMessageBox("This component could not be installed!");
        return;
    }
    CDialog::OnOK();
}
