#pragma once
// The template of a kind of document that may be open many times at once, each in a frame of
// its own inside the main window. New documents are titled with the document name and a
// counter ("Macro1", "Macro2", ...).

#include "platform/ui/CDocTemplate.h"

class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);

    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

protected:
    // The number the next new document's title takes, less one.
    UINT m_nUntitledCount = 0;

private:
    // Drops a document whose opening failed, with its frame.
    static void Abandon(CDocument* pDocument, CFrameWnd* pFrame);
};
