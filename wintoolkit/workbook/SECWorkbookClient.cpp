#include "wintoolkit/workbook/SECWorkbookClient.h"

IMPLEMENT_DYNCREATE(SECWorkbookClient, CWnd)

void SECWorkbookClient::CalcWindowRect(LPRECT lpClientRect, UINT) {
    lpClientRect->left += m_nLeftMargin;
    lpClientRect->top += m_nTopMargin;
    lpClientRect->right -= m_nRightMargin;
    lpClientRect->bottom -= m_nBottomMargin;
}

void SECWorkbookClient::SetMargins(int nLeft, int nRight, int nTop, int nBottom) {
    m_nLeftMargin = nLeft;
    m_nRightMargin = nRight;
    m_nTopMargin = nTop;
    m_nBottomMargin = nBottom;
}
