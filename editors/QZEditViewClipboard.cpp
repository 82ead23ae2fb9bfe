// The text editor view's Cut and Paste, and the drags and drops of its control.

#include "editors/QZEditView.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/InsertTextData.h"

void QZEditView::OnEditCut() {
    if (!m_transfer.CanCut())
        return;
    m_wndEdit.Copy();
    m_transfer.Cut();
}

void QZEditView::OnUpdateEditCut(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_transfer.CanCut());
}

void QZEditView::OnEditPaste() {
    CString text;
    if (!m_logic.CanEdit() || !GetClipboardInsertText(text))
        return;
    m_transfer.Paste(text);
}

void QZEditView::OnUpdateEditPaste(CCmdUI* pCmdUI) {
    // Only text comes in: plain or the private format.
    pCmdUI->Enable(m_logic.CanEdit() && ClipboardHasInsertText());
}

DWORD QZEditView::DropHandler::OnDropText(const CString& text, long position, DWORD effect) {
    return m_view.m_transfer.DropText(text, position, effect);
}

DWORD QZEditView::DropHandler::OnDropFiles(const std::vector<CString>& paths, long) {
    if (!m_view.m_logic.CanEdit())
        return DROPEFFECT_NONE;
    m_view.m_transfer.DropFiles(paths);
    return DROPEFFECT_COPY;
}

void QZEditView::DropHandler::OnBeginDrag(long start, long end) {
    QZEditTransfer& transfer = m_view.m_transfer;
    transfer.BeginDrag(start, end);
    const DWORD effect =
        DragInsertText(&m_view.m_wndEdit, m_view.m_logic.GetBuffer().GetTextRange(start, end));
    transfer.EndDrag(effect);
}
