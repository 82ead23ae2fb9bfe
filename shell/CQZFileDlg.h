#pragma once
// The directory picker of the import and component dialogs. It is made like the file dialog
// and answers like it: the chosen directory followed by the file name "Junk", the name
// starting at GetFileOffset; the caller cuts the path at the separator before it. The
// desktop's folder chooser shows the directories only, so the user never types a file name.

#include "platform/ui/CFileDialog.h"

class CQZFileDlg : public CFileDialog {
public:
    explicit CQZFileDlg(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr,
                        LPCTSTR lpszFileName = nullptr,
                        DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                        LPCTSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);

    // IDOK once the user confirmed a directory, else IDCANCEL. It opens in m_ofn's initial
    // directory when that is one, else in the current directory, which never changes.
    INT_PTR DoModal() override;
    // The chosen directory, a separator and "Junk".
    CString GetPathName() const { return m_strChosenPath; }
    // Where "Junk" starts in GetPathName.
    int GetFileOffset() const { return m_nFileOffset; }

private:
    CString m_strChosenPath;
    int m_nFileOffset = 0;
};
