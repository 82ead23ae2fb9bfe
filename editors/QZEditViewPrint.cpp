// The text editor view's wrapping and printing: pages laid out by the control on the paper of
// the application's printer less the margins, one after another as they are asked for.

#include "editors/QZDocument.h"
#include "editors/QZEditView.h"
#include "platform/ui/CWaitCursor.h"
#include "platform/ui/PrintJob.h"

// ---- Wrapping ----

void QZEditView::SetWrapMode(int mode) {
    m_nWordWrap = mode;
    WrapChanged();
}

void QZEditView::WrapChanged() {
    CWaitCursor wait;
    switch (m_nWordWrap) {
    case 0:
        m_wndEdit.SetTargetDevice(FALSE, 1);
        break;
    case 1:
        m_wndEdit.SetTargetDevice(FALSE, 0);
        break;
    case 2:
        m_wndEdit.SetTargetDevice(TRUE, m_sizePaper.cx - m_rectMargin.left - m_rectMargin.right);
        break;
    default:
        break;
    }
}

void QZEditView::OnPrinterChanged(CSize paperTwips) {
    const CSize paper = (paperTwips.cx > 0 && paperTwips.cy > 0) ? paperTwips : CSize(12240, 15840);
    if (paper == m_sizePaper)
        return;
    m_sizePaper = paper;
    if (m_nWordWrap == 2)
        WrapChanged();
}

// ---- Commands ----

void QZEditView::RunPrintJob(int kind) {
    EnsureLoaded();
    CString title;
    if (CDocument* document = GetDocument())
        title = document->GetTitle();
    GetPrintService().Print(this, *this, static_cast<PrintJobKind>(kind), title);
}

void QZEditView::OnFilePrint() {
    RunPrintJob(PRINT_WITH_DIALOG);
}

void QZEditView::OnFilePrintDirect() {
    RunPrintJob(PRINT_DIRECT);
}

void QZEditView::OnFilePrintPreview() {
    RunPrintJob(PRINT_PREVIEW);
}

void QZEditView::OnPrinterSettingsChanged() {
    OnPrinterChanged(GetPrinterPaperTwips());
}

// ---- Printing ----

BOOL QZEditView::OnPreparePrinting(CPrintInfo*) {
    // The print dialog, when there is one, belongs to the job.
    return TRUE;
}

void QZEditView::OnBeginPrinting(CDC*, CPrintInfo*) {
    m_aPageStart.assign(1, 0);
    m_wndEdit.FormatRange(FALSE, 0, 0, nullptr, CRect(), CRect());
}

void QZEditView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    if (pInfo == nullptr)
        return;
    if (m_aPageStart.empty())
        m_aPageStart.assign(1, 0);
    if (pInfo->m_nCurPage > m_aPageStart.size() && !PaginateTo(pDC, pInfo->m_nCurPage))
        pInfo->m_bContinuePrinting = FALSE;
}

// Lays out the pages not laid out yet up to `page`, printing nothing; false when the text
// ends before it.
BOOL QZEditView::PaginateTo(CDC* pDC, UINT page) {
    while (m_aPageStart.size() < page) {
        const size_t known = m_aPageStart.size();
        PrintPage(pDC, static_cast<UINT>(known), FALSE);
        if (m_aPageStart.size() == known)
            break;
    }
    return page <= m_aPageStart.size();
}

void QZEditView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    if (pInfo && pInfo->m_nCurPage >= 1 && pInfo->m_nCurPage <= m_aPageStart.size())
        PrintPage(pDC, pInfo->m_nCurPage, TRUE);
}

// Page `page` (from 1) from its start to the end of the text, as far as it fits; the next
// page's start is noted when this was the last page known and text remains.
void QZEditView::PrintPage(CDC* pDC, UINT page, BOOL render) {
    const LONG start = m_aPageStart[page - 1];
    const CRect paper(0, 0, m_sizePaper.cx, m_sizePaper.cy);
    const CRect area(paper.left + m_rectMargin.left, paper.top + m_rectMargin.top,
                     paper.right - m_rectMargin.right, paper.bottom - m_rectMargin.bottom);
    const LONG length = m_wndEdit.GetLength();
    const LONG next = m_wndEdit.FormatRange(render, start, length, pDC, area, paper);
    // A page that takes nothing would never end the layout.
    if (next >= length || next <= start)
        return;
    if (page == m_aPageStart.size())
        m_aPageStart.push_back(next);
}

void QZEditView::OnEndPrinting(CDC*, CPrintInfo*) {
    m_wndEdit.FormatRange(FALSE, 0, 0, nullptr, CRect(), CRect());
    m_aPageStart.clear();
}
