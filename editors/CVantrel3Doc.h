#pragma once
// The document of the page editor: it edits one QZVantrelPage. Saving a static page marks it
// for generation; Generate writes the page's file from the editor.

#include "content/QZVantrelPage.h"
#include "editors/QZKindDocument.h"

class CCmdUI;

class CVantrel3Doc : public QZKindDocument {
    DECLARE_DYNCREATE(CVantrel3Doc)
public:
    CVantrel3Doc();

    QZVantrelPage* GetPage() const { return dynamic_cast<QZVantrelPage*>(m_pObject); }

    void SaveObject() override;
    int Preview() override;
    // Generate (commands 1102 and 32817): saves first when modified (asking when the preference
    // says so), writes the page's file and marks it for publishing, logging a start and a finish
    // line. A read-only copy is refused and nothing is written.
    void OnGenerate();
    // Enabled while the document holds a page.
    void OnUpdateGenerate(CCmdUI* pCmdUI);

private:
    // Steps 2 to 7 of Generate, inside the wait cursor; FALSE when the page failed to generate.
    BOOL GeneratePage(QZVantrelPage& page);

    DECLARE_MESSAGE_MAP()
};
