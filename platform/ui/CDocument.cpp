#include "platform/ui/CDocument.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CWinApp.h"

IMPLEMENT_DYNCREATE(CDocument, CCmdTarget)

CDocument::~CDocument() {
    if (CWinApp* app = AfxGetApp())
        app->RemoveDocument(this);
}

BOOL CDocument::SaveModified() {
    if (!IsModified())
        return TRUE;
    CString prompt;
    prompt.Format("Save changes to %s?", static_cast<LPCTSTR>(m_strTitle));
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave() {
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    delete this;
}
