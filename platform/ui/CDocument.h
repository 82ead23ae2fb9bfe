#pragma once
// A document as the windows see it: an object with a title that views show. The object
// editors derive their documents from it.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CDocument : public CObject {
    DECLARE_DYNCREATE(CDocument)
public:
    CDocument() = default;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : ""; }

private:
    CString m_strTitle;
};
