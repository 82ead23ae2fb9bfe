#include "shell/QZSiteImport.h"

#include "content/QZEngineMessage.h"
#include "content/import/QZHTMLContext.h"
#include "content/import/QZImportSite.h"
#include "platform/core/CException.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "platform/ui/DialogModalLoop.h"
#include "res/Resource.h"
#include "shell/CQZFileDlg.h"
#include "shell/CVantrel3App.h"
#include "shell/QZRunLog.h"

#include <filesystem>
#include <new>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr UINT kDepthIds[] = {IDC_ISITE_DEPTH0, IDC_ISITE_DEPTH1, IDC_ISITE_DEPTH2};
constexpr UINT kRemoteItems[] = {IDC_ISITE_ADDRESS_LABEL, IDC_ISITE_REMOTE_NOTE,
                                 IDC_ISITE_ADDRESS_NOTE, IDC_ISITE_ADDRESS};
constexpr UINT kButtons[] = {IDOK, IDCANCEL, IDC_ISITE_BROWSE};

CString Formatted(LPCTSTR format, const CString& value) {
    CString text;
    text.Format(format, static_cast<LPCTSTR>(value));
    return text;
}

} // namespace

QZSiteImport::QZSiteImport(CWnd* pParent) {
    m_pParentWnd = pParent;
}

INT_PTR QZSiteImport::DoModal() {
    m_nModalResult = IDCANCEL;
    if (!Create(IDD_IMPORT_SITE, GetSafeOwner(m_pParentWnd)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

BOOL QZSiteImport::OnInitDialog() {
    m_LocationEdit.SubclassDlgItem(IDC_ISITE_LOCATION, this);
    m_AddressEdit.SubclassDlgItem(IDC_ISITE_ADDRESS, this);
    m_RetrieveCheck.SubclassDlgItem(IDC_ISITE_RETRIEVE, this);
    for (int depth = 0; depth < 3; ++depth)
        m_Depth[depth].SubclassDlgItem(kDepthIds[depth], this);
    m_strHttpAddress = kExampleAddress;
    m_nDepth = 0;
    m_Depth[0].SetCheck(BST_CHECKED);
    CDialog::OnInitDialog();
    ShowValues();
    return TRUE;
}

BOOL QZSiteImport::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == 0 && id == IDC_ISITE_RETRIEVE) {
        OnRetrieveChanged();
        return TRUE;
    }
    if (HIWORD(wParam) == 0 && id == IDC_ISITE_BROWSE) {
        if (!m_bRunning)
            OnBrowseLocation();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void QZSiteImport::ReadControls() {
    m_LocationEdit.GetWindowText(m_strSiteLocation);
    m_AddressEdit.GetWindowText(m_strHttpAddress);
    m_bRetrieve = m_RetrieveCheck.GetCheck() == BST_CHECKED ? 1 : 0;
}

void QZSiteImport::ShowValues() {
    m_LocationEdit.SetWindowText(m_strSiteLocation);
    m_AddressEdit.SetWindowText(m_strHttpAddress);
    m_RetrieveCheck.SetCheck(m_bRetrieve ? BST_CHECKED : BST_UNCHECKED);
}

void QZSiteImport::OnRetrieveChanged() {
    ReadControls();
    for (UINT id : kRemoteItems)
        EnableItem(id, m_bRetrieve != 0);
    EnableItem(IDC_ISITE_LOCAL_NOTE, m_bRetrieve == 0);
}

void QZSiteImport::OnBrowseLocation() {
    ReadControls();
    CQZFileDlg dialog(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr,
                      nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    CString path = dialog.GetPathName();
    path = path.Left(dialog.GetFileOffset());
    while (path.GetLength() > 1 && (path.Right(1) == "/" || path.Right(1) == "\\"))
        path = path.Left(path.GetLength() - 1);
    m_strSiteLocation = path;
    ShowValues();
}

BOOL QZSiteImport::EnsureLocation(const CString& location) {
    std::error_code failed;
    if (!location.IsEmpty() && fs::is_directory(location.str(), failed))
        return TRUE;
    CString question;
    question.LoadString(IDS_CREATE_DIRECTORY);
    if (AfxMessageBox(Formatted(question, m_strSiteLocation), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    if (location.IsEmpty() || (!fs::create_directories(location.str(), failed) &&
                               !fs::is_directory(location.str(), failed))) {
        AfxMessageBox(Formatted("Unable to create Path:  %s", m_strSiteLocation));
        return FALSE;
    }
    return TRUE;
}

int QZSiteImport::ChosenDepth() {
    int depth = 0;
    for (int level = 0; level < 3; ++level) {
        if (m_Depth[level].GetCheck() == BST_CHECKED)
            depth = level;
    }
    return depth;
}

void QZSiteImport::OnOK() {
    if (m_bRunning)
        return;
    ReadControls();
    const CString location = MapWindowsPath(m_strSiteLocation);
    if (!EnsureLocation(location))
        return;
    CVantrel3App* app = GetVantrel3App();
    app->BeginWaitCursor();
    m_nDepth = ChosenDepth();
    app->ClearEngineMessages();
    PostRunMessage(QZEngineMessage::kindProgress, "- Starting Site Import -------");
    m_bRunning = TRUE;
    EnableButtons(FALSE);
    RunImport(location);
    EnableButtons(TRUE);
    m_bRunning = FALSE;
    PostRunMessage(QZEngineMessage::kindProgress, "- Site Import Finished -------");
    app->EndWaitCursor();
    EndDialog(IDOK);
}

void QZSiteImport::RunImport(const CString& location) {
    try {
        int result = 1;
        if (m_bRetrieve)
            QZHTMLContext retrieval(m_strHttpAddress, location, &result, nullptr, m_nDepth, "");
        if (result == 1)
            QZImportSite import(location, m_nDepth);
    } catch (CException* e) {
        PostRunMessage(QZEngineMessage::kindError, TakeExceptionText(e));
    } catch (const std::bad_alloc&) {
        PostRunMessage(QZEngineMessage::kindError, MemoryErrorText());
    }
}

void QZSiteImport::OnCancel() {
    if (m_bRunning)
        return;
    CDialog::OnCancel();
}

void QZSiteImport::EnableButtons(BOOL enable) {
    for (UINT id : kButtons)
        EnableItem(id, enable);
}

void QZSiteImport::EnableItem(UINT id, BOOL enable) {
    if (CWnd* item = GetDlgItem(static_cast<int>(id)))
        item->EnableWindow(enable);
}
