#include "platform/ui/CDocManager.h"

#include "platform/ui/CDocTemplate.h"

CDocManager::~CDocManager() {
    DeleteTemplates();
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate) {
    if (pTemplate)
        m_templates.push_back(pTemplate);
}

void CDocManager::DeleteTemplates() {
    for (CDocTemplate* docTemplate : m_templates)
        delete docTemplate;
    m_templates.clear();
}

std::vector<CDocument*> CDocManager::GetOpenDocuments() const {
    std::vector<CDocument*> documents;
    for (CDocTemplate* docTemplate : m_templates)
        documents.insert(documents.end(), docTemplate->GetDocuments().begin(),
                         docTemplate->GetDocuments().end());
    return documents;
}

int CDocManager::GetOpenDocumentCount() const {
    return static_cast<int>(GetOpenDocuments().size());
}

void CDocManager::CloseAllDocuments(BOOL bEndSession) {
    for (CDocTemplate* docTemplate : m_templates)
        docTemplate->CloseAllDocuments(bEndSession);
}

BOOL CDocManager::SaveAllModified() {
    for (CDocTemplate* docTemplate : m_templates) {
        if (!docTemplate->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

CDocManager& AfxGetDocManager() {
    // Never destroyed: at the program's end its documents and frames would outlive the window
    // layer they stand on. The application empties it while that layer still runs.
    static CDocManager* manager = new CDocManager;
    return *manager;
}
