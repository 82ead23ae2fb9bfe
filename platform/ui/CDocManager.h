#pragma once
// The program's list of document templates: every kind of document it can open. Closing all
// documents and asking all of them to save go through it. It owns the templates.

#include "platform/core/CString.h"

#include <vector>

class CDocTemplate;
class CDocument;

class CDocManager {
public:
    CDocManager() = default;
    ~CDocManager();
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    // Takes the template (owned from now on), at the end of the list.
    void AddDocTemplate(CDocTemplate* pTemplate);
    const std::vector<CDocTemplate*>& GetTemplates() const { return m_templates; }
    // Deletes every template (and any document still open in one).
    void DeleteTemplates();

    // The open documents of every template, template by template.
    std::vector<CDocument*> GetOpenDocuments() const;
    int GetOpenDocumentCount() const;
    // Closes every open document of every template.
    void CloseAllDocuments(BOOL bEndSession);
    // FALSE as soon as one document refuses (its SaveModified).
    BOOL SaveAllModified();

private:
    std::vector<CDocTemplate*> m_templates;
};

// The program's one list of templates (never destroyed; DeleteTemplates empties it).
CDocManager& AfxGetDocManager();
