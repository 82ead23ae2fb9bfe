#include "shell/QZDirectoryEdit.h"

#include "platform/core/MessageBox.h"

BOOL QZDirectoryEdit::IsRefusedChar(UINT nChar) {
    return nChar == ' ' || nChar == '\\' || nChar == '/';
}

BOOL QZDirectoryEdit::IsValidDirectoryName(const CString& name) {
    if (name == "." || name == "..")
        return FALSE;
    for (int i = 0; i < name.GetLength(); ++i)
        if (IsRefusedChar(static_cast<unsigned char>(name[i])))
            return FALSE;
    return TRUE;
}

BOOL QZDirectoryEdit::CheckDirectoryName(const CString& name) {
    if (IsValidDirectoryName(name))
        return TRUE;
    CString text;
    text.Format("Invalid directory name:  %s", static_cast<LPCTSTR>(name));
    AfxMessageBox(text);
    return FALSE;
}

void QZDirectoryEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (IsRefusedChar(nChar))
        return;
    CEditField::OnChar(nChar, nRepCnt, nFlags);
}
