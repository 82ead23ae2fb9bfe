#include "shell/CQZFileDlg.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/DirectoryChooser.h"

CQZFileDlg::CQZFileDlg(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                       DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd) {}

INT_PTR CQZFileDlg::DoModal() {
    CString directory;
    const char* title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "Open";
    if (!ChooseDirectory(GetSafeOwner(m_pParentWnd), title, m_ofn.lpstrInitialDir, directory))
        return IDCANCEL;
    m_strChosenPath = directory + "/";
    m_nFileOffset = m_strChosenPath.GetLength();
    m_strChosenPath += "Junk";
    return IDOK;
}
