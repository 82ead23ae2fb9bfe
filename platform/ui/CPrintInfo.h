#pragma once
// What a print job tells the view it prints: the page to prepare or print (from 1), whether the
// job goes on, whether it is a preview and whether the print dialog was left out.

#include "platform/core/Types.h"

class CDC;

struct CPrintInfo {
    UINT m_nCurPage = 1;
    // Cleared by the view when the page asked for does not exist.
    BOOL m_bContinuePrinting = TRUE;
    BOOL m_bPreview = FALSE;
    BOOL m_bDirect = FALSE;
};

// A view that prints: the job prepares (FALSE stops it before anything is printed), begins,
// prepares the context for each page (which may end the job), prints it, and ends.
class CPrintClient {
public:
    virtual ~CPrintClient() = default;
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo) = 0;
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) = 0;
};
