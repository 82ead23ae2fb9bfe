#pragma once
// Hangs on the workbook's MDI client and shrinks the rectangle the frame's layout gives that
// client by four margins, leaving room for the workbook's border and tab strip. It makes no
// window of its own and receives no messages.

#include "platform/ui/CWnd.h"

class SECWorkbookClient : public CWnd {
    DECLARE_DYNCREATE(SECWorkbookClient)
public:
    SECWorkbookClient() = default;

    // The rectangle the client gets: each edge moved inwards by its margin.
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
    void SetMargins(int nLeft, int nRight, int nTop, int nBottom);

    int m_nLeftMargin = 0;
    int m_nTopMargin = 0;
    int m_nRightMargin = 0;
    int m_nBottomMargin = 0;
};
