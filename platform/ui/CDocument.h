#pragma once
// A document as the windows see it: an object with a title that views show, a modified flag,
// and a command target on the route behind its active view. The object editors derive their
// documents from it.

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

class CDocument : public CCmdTarget {
    DECLARE_DYNCREATE(CDocument)
public:
    CDocument() = default;
    // Leaves the application's list of open documents.
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : ""; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }
    // Before the document closes: when it is modified the user is asked whether to save it
    // ("Save changes to %s?", Yes, No, Cancel); Yes saves. FALSE when the close must not go on.
    virtual BOOL SaveModified();
    // Saves the document; TRUE when it was saved.
    virtual BOOL DoFileSave();
    // Closes the document: the application forgets it and it is deleted.
    virtual void OnCloseDocument();

private:
    CString m_strTitle;
    BOOL m_bModified = FALSE;
};
