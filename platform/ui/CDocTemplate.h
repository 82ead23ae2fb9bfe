#pragma once
// A document template: the resource id, the document, frame and view classes of one kind of
// document, and the documents of that kind that are open. It makes a document and its frame by
// class name and opens it by a path name that the document reads (or none, for a new one).

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <memory>
#include <vector>

class CDocument;
class CFrameWnd;
struct CRuntimeClass;

class CDocTemplate : public CObject {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    // The parts of the document string, in order, separated by "\n".
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);
    // Closes nothing: the documents still open are deleted, then the frames.
    ~CDocTemplate() override;
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    UINT GetResourceId() const { return m_nIDResource; }
    CRuntimeClass* GetDocClass() const { return m_pDocClass; }
    CRuntimeClass* GetFrameClass() const { return m_pFrameClass; }
    CRuntimeClass* GetViewClass() const { return m_pViewClass; }

    // The document string: the string of the resource id unless one was set.
    void SetDocStrings(LPCTSTR lpszDocStrings) { m_strDocStrings = lpszDocStrings; }
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    // The open documents, in the order they were opened.
    const std::vector<CDocument*>& GetDocuments() const { return m_documents; }
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // A document of the class, added to this template; nullptr when it cannot be made.
    virtual CDocument* CreateNewDocument();
    // The frame of the class for the document, in the main window; nullptr when it cannot be
    // made. The template owns the frames it makes and deletes them once their windows are gone.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    // Shows the frame (and activates it) when bMakeVisible.
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // A new document (no path) or the document the path names; nullptr when it failed (the
    // frame made for it is gone again).
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // The default title of a new document.
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    // Closes every open document (each through its OnCloseDocument).
    virtual void CloseAllDocuments(BOOL bEndSession);
    // Asks every open document SaveModified; FALSE as soon as one refuses.
    virtual BOOL SaveAllModified();

protected:
    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
    std::vector<CDocument*> m_documents;

private:
    // Deletes the frames whose windows are gone.
    void PurgeFrames();

    std::vector<std::unique_ptr<CFrameWnd>> m_frames;
};
