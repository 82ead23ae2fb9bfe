#include "shell/SiteSheetBrowse.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CFileDialog.h"
#include "shell/CQZFileDlg.h"

BOOL BrowseDatabaseFile(CWnd* parent, CString& field) {
    CFileDialog dialog(TRUE, "mdb", field, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                       "Access databases (*.mdb)|*.mdb|All files (*.*)|*.*||", parent);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    field = dialog.GetPathName();
    return TRUE;
}

BOOL BrowseFolder(CWnd* parent, CString& field) {
    CQZFileDlg dialog(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr,
                      parent);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    // The path up to the separator before the file-name part.
    const CString path = dialog.GetPathName();
    int end = dialog.GetFileOffset();
    while (end > 1 && (path[end - 1] == '/' || path[end - 1] == '\\'))
        --end;
    field = path.Left(end);
    return TRUE;
}
