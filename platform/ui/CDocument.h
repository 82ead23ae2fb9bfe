#pragma once
// A document: the data that one or more views show, with a title, a path name, a modified flag
// and the list of its views. It belongs to the document template that made it; closing it
// destroys the frames of its views and, unless told otherwise, deletes it. Nothing here reads
// or writes a file: what "opening" and "saving" mean is the derived document's. It is a
// command target on the route behind its active view.

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <vector>

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNCREATE(CDocument)
public:
    CDocument();
    // Leaves its template's list and the application's list of loose documents.
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const CString& GetTitle() const { return m_strTitle; }
    // Stores the title and shows it in the captions of the frames of the views.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Stores the path and makes the title from it (its last part).
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // The views, in the order they were added.
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_views; }
    CView* GetFirstView() const { return m_views.empty() ? nullptr : m_views.front(); }

    // Empties the document's data; nothing in the base.
    virtual void DeleteContents();
    // A new document: contents emptied, no path, not modified.
    virtual BOOL OnNewDocument();
    // A document named by the path: contents emptied, not modified (no file is read).
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Destroys the frames of the views, empties the contents and, with auto-delete, deletes
    // the document.
    virtual void OnCloseDocument();
    // TRUE when the frame may close: always while another frame shows the document, else
    // what SaveModified says.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // TRUE when the document may be closed: when it is modified the user is asked whether to
    // save it ("Save changes to %s?", Yes, No, Cancel); Yes saves through DoFileSave.
    virtual BOOL SaveModified();
    // Saves the document; TRUE when it was saved (the base only clears the modified flag).
    virtual BOOL DoFileSave();
    // Called before one frame of several closes.
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // The list of views changed: a document left without views closes.
    virtual void OnChangedViewList();

    // Set by the template that holds the document.
    void SetDocTemplate(CDocTemplate* pTemplate) { m_pDocTemplate = pTemplate; }

    // Deleted by OnCloseDocument (and when its last view goes).
    BOOL m_bAutoDelete = TRUE;

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    BOOL m_bModified = FALSE;

private:
    // The distinct frames of the views.
    std::vector<CFrameWnd*> ViewFrames() const;

    std::vector<CView*> m_views;
};
