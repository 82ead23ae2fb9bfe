// The text editor view's find and replace dialog and its spelling command.

#include "content/QZVantrelTemplate.h"
#include "editors/QZEditView.h"
#include "editors/QZFindReplaceState.h"
#include "editors/QZSpellCheck.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CWaitCursor.h"
#include "platform/ui/SystemSettings.h"

void QZEditView::OnEditFind() {
    OnEditFindReplace(TRUE);
}

void QZEditView::OnEditReplace() {
    OnEditFindReplace(FALSE);
}

void QZEditView::OnUpdateEditReplace(CCmdUI* pCmdUI) {
    // A read-only copy is only searched.
    pCmdUI->Enable(m_find.CanReplace());
}

void QZEditView::OnEditFindReplace(BOOL findOnly) {
    EnsureLoaded();
    m_find.BeginDialogSearch();
    QZFindReplaceState& state = QZFindReplaceState::Get();
    CFindReplaceDialog* open = state.m_pFindReplaceDlg;
    if (open && open->IsOpen()) {
        if (state.m_bFindOnly == findOnly) {
            // The open dialog works on this view from now on.
            open->SetHandler(&m_findHandler);
            open->Show();
            return;
        }
        open->Close();
    }
    const CString find = m_find.GetProposedFindText();
    DWORD flags = FR_HIDEUPDOWN;
    if (state.m_bNext)
        flags |= FR_DOWN;
    if (state.m_bCase)
        flags |= FR_MATCHCASE;
    if (state.m_bWord)
        flags |= FR_WHOLEWORD;
    auto dialog = std::make_unique<CFindReplaceDialog>();
    if (!dialog->Create(findOnly, find, state.m_strReplace, flags, this, &m_findHandler)) {
        state.m_pFindReplaceDlg = nullptr;
        return;
    }
    m_pFindDialog = std::move(dialog);
    state.m_pFindReplaceDlg = m_pFindDialog.get();
    state.m_bFindOnly = findOnly;
    m_pFindDialog->Show();
}

// The dialog goes when its view goes; a dialog of another view stops working on this one.
void QZEditView::ForgetFindDialog() {
    QZFindReplaceState& state = QZFindReplaceState::Get();
    if (CFindReplaceDialog* open = state.m_pFindReplaceDlg) {
        if (open == m_pFindDialog.get())
            state.m_pFindReplaceDlg = nullptr;
        else if (open->GetHandler() == &m_findHandler)
            open->SetHandler(nullptr);
    }
    m_pFindDialog.reset();
}

void QZEditView::AdjustDialogPosition() {
    CFindReplaceDialog* dialog = QZFindReplaceState::Get().m_pFindReplaceDlg;
    if (dialog == nullptr || !dialog->IsOpen() || !m_wndEdit.GetSafeHwnd())
        return;
    LONG start = 0, end = 0;
    m_logic.GetBuffer().GetSel(start, end);
    CPoint point = m_wndEdit.PosFromChar(start);
    m_wndEdit.ClientToScreen(&point);
    const CRect current = dialog->GetWindowRect();
    const CRect moved =
        QZFindReplaceLogic::AdjustDialogPosition(current, point, GetSystemMetrics(SM_CYSCREEN));
    if (moved != current)
        dialog->MoveWindow(moved);
}

void QZEditView::FindHandler::OnFindNext(const CString& find, BOOL down, BOOL matchCase,
                                         BOOL wholeWord) {
    CWaitCursor wait;
    m_view.m_find.OnFindNext(find, down, matchCase, wholeWord);
}

void QZEditView::FindHandler::OnReplace(const CString& find, BOOL down, BOOL matchCase,
                                        BOOL wholeWord, const CString& replacement) {
    CWaitCursor wait;
    m_view.m_find.OnReplaceSel(find, down, matchCase, wholeWord, replacement);
}

void QZEditView::FindHandler::OnReplaceAll(const CString& find, const CString& replacement,
                                           BOOL matchCase, BOOL wholeWord) {
    CWaitCursor wait;
    m_view.m_find.OnReplaceAll(find, replacement, matchCase, wholeWord);
}

void QZEditView::FindHandler::OnDialogClosing() {
    QZFindReplaceState& state = QZFindReplaceState::Get();
    state.m_pFindReplaceDlg = nullptr;
}

// ---- Spelling ----

void QZEditView::OnCheckSpelling() {
    EnsureLoaded();
    QZSpellCheck::WordCollector collector;
    if (auto* object = dynamic_cast<QZVantrelTemplate*>(GetContentObject()))
        collector = [object](const CString& text) { return object->ExtractWords(text); };
    QZSpellCheck check(m_logic, collector);
    check.CheckSpelling();
}
