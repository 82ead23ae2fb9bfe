#include "platform/ui/CMultiDocTemplate.h"

#include "platform/ui/CDocument.h"
#include "platform/ui/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* document = CreateNewDocument();
    if (!document)
        return nullptr;
    // The frame's views must not close the document while it is being made.
    const BOOL autoDelete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE;
    CFrameWnd* frame = CreateNewFrame(document, nullptr);
    document->m_bAutoDelete = autoDelete;
    if (!frame) {
        delete document;
        return nullptr;
    }
    if (lpszPathName == nullptr) {
        SetDefaultTitle(document);
        if (!document->OnNewDocument()) {
            Abandon(document, frame);
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        if (!document->OnOpenDocument(lpszPathName)) {
            Abandon(document, frame);
            return nullptr;
        }
        document->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(frame, document, bMakeVisible);
    return document;
}

void CMultiDocTemplate::Abandon(CDocument* pDocument, CFrameWnd* pFrame) {
    pDocument->m_bAutoDelete = FALSE;
    if (pFrame->GetSafeHwnd())
        pFrame->DestroyWindow();
    delete pDocument;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument) {
    CString title;
    if (!GetDocString(title, docName) || title.IsEmpty())
        title = "Untitled";
    CString numbered;
    numbered.Format("%s%u", static_cast<LPCTSTR>(title), m_nUntitledCount + 1);
    pDocument->SetTitle(numbered);
}
