#include "platform/ui/CDocTemplate.h"

#include "platform/core/CRuntimeClass.h"
#include "platform/core/StringTable.h"
#include "platform/ui/CCreateContext.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CFormView.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocTemplate, CObject)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {
    if (const char* text = StringTable::Lookup(nIDResource))
        m_strDocStrings = text;
}

CDocTemplate::~CDocTemplate() {
    for (CDocument* document : std::vector<CDocument*>(m_documents)) {
        document->SetDocTemplate(nullptr);
        delete document;
    }
    m_frames.clear();
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
    const std::string text = m_strDocStrings.str();
    size_t start = 0;
    for (int part = 0; part < index; ++part) {
        start = text.find('\n', start);
        if (start == std::string::npos) {
            rString.Empty();
            return FALSE;
        }
        ++start;
    }
    const size_t end = text.find('\n', start);
    rString =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start).c_str();
    return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc) {
    if (std::find(m_documents.begin(), m_documents.end(), pDoc) == m_documents.end())
        m_documents.push_back(pDoc);
    pDoc->SetDocTemplate(this);
}

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
    std::erase(m_documents, pDoc);
    if (pDoc->GetDocTemplate() == this)
        pDoc->SetDocTemplate(nullptr);
}

CDocument* CDocTemplate::CreateNewDocument() {
    CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    auto* document = dynamic_cast<CDocument*>(object);
    if (!document) {
        delete object;
        return nullptr;
    }
    AddDocument(document);
    return document;
}

void CDocTemplate::PurgeFrames() {
    std::erase_if(m_frames, [](const std::unique_ptr<CFrameWnd>& frame) {
        return frame->GetSafeHwnd() == nullptr;
    });
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd*) {
    PurgeFrames();
    CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    auto* frame = dynamic_cast<CMDIChildWnd*>(object);
    if (!frame) {
        delete object;
        return nullptr;
    }
    m_frames.emplace_back(frame);
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    const DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
    if (!frame->LoadFrame(m_nIDResource, style, AfxGetMainWnd(), &context))
        return nullptr;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
    // The form views of the frame fill their controls once the document holds its data.
    if (pDoc) {
        for (CView* view : std::vector<CView*>(pDoc->GetViews())) {
            auto* form = dynamic_cast<CFormView*>(view);
            if (form && GetParentFrameOf(form) == pFrame)
                form->OnInitialUpdate();
        }
    }
    if (!bMakeVisible)
        return;
    if (auto* child = dynamic_cast<CMDIChildWnd*>(pFrame))
        child->ActivateFrame();
    else
        pFrame->ShowWindow(SW_SHOW);
}

void CDocTemplate::CloseAllDocuments(BOOL) {
    for (CDocument* document : std::vector<CDocument*>(m_documents))
        document->OnCloseDocument();
    PurgeFrames();
}

BOOL CDocTemplate::SaveAllModified() {
    for (CDocument* document : std::vector<CDocument*>(m_documents)) {
        if (!document->SaveModified())
            return FALSE;
    }
    return TRUE;
}
