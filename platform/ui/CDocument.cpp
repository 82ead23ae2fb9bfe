#include "platform/ui/CDocument.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CDocument, CCmdTarget)

CDocument::CDocument() = default;

CDocument::~CDocument() {
    for (CView* view : m_views)
        view->ForgetDocument();
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
    if (CWinApp* app = AfxGetApp())
        app->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle) {
    m_strTitle = lpszTitle ? lpszTitle : "";
    for (CFrameWnd* frame : ViewFrames()) {
        if (frame->GetSafeHwnd())
            frame->SetWindowText(m_strTitle);
    }
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL) {
    m_strPathName = lpszPathName ? lpszPathName : "";
    const std::string path = m_strPathName.str();
    const size_t slash = path.find_last_of("/\\");
    SetTitle(slash == std::string::npos ? path.c_str() : path.substr(slash + 1).c_str());
}

BOOL CDocument::IsModified() {
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified) {
    m_bModified = bModified;
}

void CDocument::AddView(CView* pView) {
    if (pView && std::find(m_views.begin(), m_views.end(), pView) == m_views.end())
        m_views.push_back(pView);
}

void CDocument::RemoveView(CView* pView) {
    const auto found = std::find(m_views.begin(), m_views.end(), pView);
    if (found == m_views.end())
        return;
    m_views.erase(found);
    OnChangedViewList();
}

void CDocument::OnChangedViewList() {
    if (m_views.empty() && m_bAutoDelete)
        OnCloseDocument();
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR) {
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

std::vector<CFrameWnd*> CDocument::ViewFrames() const {
    std::vector<CFrameWnd*> frames;
    for (CView* view : m_views) {
        CFrameWnd* frame = GetParentFrameOf(view);
        if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    }
    return frames;
}

void CDocument::OnCloseDocument() {
    // The views go with their frames; the document must outlive that.
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    for (CFrameWnd* frame : ViewFrames()) {
        PreCloseFrame(frame);
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    // A view whose window outlived its frame lets go of the document all the same.
    for (CView* view : std::vector<CView*>(m_views))
        view->ForgetDocument();
    m_views.clear();
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame) {
    for (CFrameWnd* frame : ViewFrames()) {
        if (frame != pFrame)
            return TRUE;
    }
    return SaveModified();
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

void CDocument::PreCloseFrame(CFrameWnd*) {}
